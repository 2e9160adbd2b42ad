#pragma once

#include <cstdint>

#include "engine/graphics/frame_interface.h"

// One of a run-length frame's five streams: its bytes and the offset of each
// row within them. Stream 0 is the frame's own pixels; 3 holds the alpha of
// translucent rows.
struct RunLengthStream
{
    const uint8_t* data;
    const int32_t* rowOffsets;
};

inline RunLengthStream GetRunLengthStream(const CFrameInterface& frame, int32_t index)
{
    switch (index)
    {
    case 0:
        return {frame.GetPixels(), frame.GetRowOffsets()};
    case 1:
        return {frame.GetStream1Data(), frame.GetStream1RowOffsets()};
    case 2:
        return {frame.GetStream2Data(), frame.GetStream2RowOffsets()};
    case 3:
        return {frame.GetStream3Data(), frame.GetStream3RowOffsets()};
    default:
        return {frame.GetStream4Data(), frame.GetStream4RowOffsets()};
    }
}
