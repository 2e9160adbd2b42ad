#pragma once

#include <cstdint>

#include "engine/core/files/memory_stream.h"
#include "engine/graphics/proxy_frame.h"

// A proxy that records instead of drawing: blits, filled rectangles,
// lines, pixels, remaps and mapped clears are written with their arguments
// into a recording, which Replay draws later, any number of times, onto
// the target of the moment. Queries and the unrecorded clears and fills
// reach the target at once.
//
// A window that keeps a drawing record draws into one of these, compares
// the recording with the previous frame's and replays it where it must.
// Frames, blit types and remap tables are recorded by pointer: they must
// outlive the last replay. Colours replay opaque: the recorded alpha is not
// used.
//
// The recording: each entry starts with a 4-byte opcode (0 ends it), then
// its values, pointers pointer-sized and everything else 4 bytes, in the
// machine's order, for this process alone.
class CBatchedProxyFrame : public CProxyFrame
{
    VP_DECLARE_CLASS(CBatchedProxyFrame)
public:
    CBatchedProxyFrame();
    ~CBatchedProxyFrame() override;

    // Recorded; answers true and draws nothing.
    bool Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType) override;
    void FillRect(const CRect& rect, const CColor& colour) override;
    using CFrameInterface::FillRect;
    void DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour) override;
    void DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour) override;
    using CFrameInterface::DrawLineAA;
    void SetPixel(int32_t x, int32_t y, const CColor& colour) override;
    void RemapRect(const CRect& rect, const uint8_t* map) override;
    using CFrameInterface::RemapRect;
    // The target's ClearRect, recorded.
    virtual void ClearRectMapped(const CRect& rect);

    // Empties the recording.
    void Reset();
    void EndRecording();
    // Runs every entry up to the end entry, or to the end of what was
    // recorded when the end entry is missing.
    void Replay();

    const CMemoryStream& GetRecording() const { return m_Recording; }

private:
    CMemoryStream m_Recording;
};
