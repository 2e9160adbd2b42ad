#pragma once

// Header-only: every bench/*_bench.cpp is its own executable and none links
// another source file.

#include <cstdint>
#include <vector>

#include "engine/blit/blit_type.h"
#include "engine/blit/scoped_blit_opacity.h"
#include "engine/core/color/color.h"
#include "engine/graphics/proxy_frame.h"

// One drawing call as it reached the frame: target coordinates, after every
// move, clip and fade on the way.
struct CRecordedDraw
{
    enum Kind
    {
        FILL,
        BLIT,
        LINE,
        PIXEL
    };
    Kind kind;
    CRect rect;
    CRect sourceRect;
    CColor colour;
    CFrameInterface* source;
    CBlitType* blitType;
    float opacity;
};

// Passes every call to its target and, while recording, keeps what it
// passed, so the bare pixel work of a drawing can be replayed without what
// produced it.
class CRecordingProxyFrame : public CProxyFrame
{
public:
    explicit CRecordingProxyFrame(CFrameInterface* target)
        : CProxyFrame(target)
    {
    }

    bool Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType) override
    {
        if (recording)
            draws.push_back(CRecordedDraw{CRecordedDraw::BLIT, destinationRect, sourceRect, CColor(0, 0, 0, 255),
                                          source, blitType, blitType != nullptr ? blitType->GetOpacity() : 1.0f});
        return CProxyFrame::Blit(source, sourceRect, destinationRect, blitType);
    }
    void FillRect(const CRect& rect, const CColor& colour) override
    {
        if (recording)
            draws.push_back(CRecordedDraw{CRecordedDraw::FILL, rect, rect, colour, nullptr, nullptr, 1.0f});
        CProxyFrame::FillRect(rect, colour);
    }
    using CFrameInterface::FillRect;
    void DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour) override
    {
        if (recording)
            draws.push_back(CRecordedDraw{CRecordedDraw::LINE, {x0, y0, x1, y1}, {}, colour, nullptr, nullptr, 1.0f});
        CProxyFrame::DrawLine(x0, y0, x1, y1, colour);
    }
    void SetPixel(int32_t x, int32_t y, const CColor& colour) override
    {
        if (recording)
            draws.push_back(
                CRecordedDraw{CRecordedDraw::PIXEL, {x, y, x + 1, y + 1}, {}, colour, nullptr, nullptr, 1.0f});
        CProxyFrame::SetPixel(x, y, colour);
    }

    bool recording = true;
    std::vector<CRecordedDraw> draws;
};

// The recorded calls straight onto a frame, each blit at its recorded
// opacity.
inline void ReplayDraws(const std::vector<CRecordedDraw>& draws, CFrameInterface& frame)
{
    for (const CRecordedDraw& draw : draws)
    {
        switch (draw.kind)
        {
        case CRecordedDraw::FILL:
            frame.FillRect(draw.rect, draw.colour);
            break;
        case CRecordedDraw::BLIT:
        {
            CRect sourceRect = draw.sourceRect;
            CRect destinationRect = draw.rect;
            CScopedBlitOpacity opacity(*draw.blitType, draw.opacity);
            frame.Blit(draw.source, sourceRect, destinationRect, draw.blitType);
            break;
        }
        case CRecordedDraw::LINE:
            frame.DrawLine(draw.rect.left, draw.rect.top, draw.rect.right, draw.rect.bottom, draw.colour);
            break;
        case CRecordedDraw::PIXEL:
            frame.SetPixel(draw.rect.left, draw.rect.top, draw.colour);
            break;
        }
    }
}
