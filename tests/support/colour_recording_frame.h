#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/color/color.h"
#include "tests/support/recording_frame.h"

// Keeps each line's colour word as it was drawn: the recorded call only
// points at the caller's colour.
class CColourRecordingFrame : public CRecordingFrame
{
public:
    void DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour) override
    {
        colours.push_back(colour.m_Rgb565);
        CRecordingFrame::DrawLineAA(x0, y0, x1, y1, colour);
    }
    using CRecordingFrame::DrawLineAA;

    std::vector<uint16_t> colours;
};

// Ends the demo recorder's recording, saves it to the path and plays it
// back, each recorded frame into a frame of its own; answers at most count
// frames.
std::vector<CColourRecordingFrame> SaveAndReplayRecording(const std::string& path, size_t count);
