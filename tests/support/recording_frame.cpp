#include "tests/support/recording_frame.h"

#include "engine/blit/blit_type.h"
#include "engine/core/color/color.h"

void CRecordingFrame::DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour)
{
    Call call{LINE, static_cast<float>(x0), static_cast<float>(y0), static_cast<float>(x1),
              static_cast<float>(y1), &colour};
    call.fillColour = colour;
    calls.push_back(call);
}

void CRecordingFrame::DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour)
{
    Call call{LINE_AA, x0, y0, x1, y1, &colour};
    call.fillColour = colour;
    calls.push_back(call);
}

void CRecordingFrame::SetPixel(int32_t x, int32_t y, const CColor& colour)
{
    Call call{PIXEL, static_cast<float>(x), static_cast<float>(y), 0.0f, 0.0f, &colour};
    call.fillColour = colour;
    calls.push_back(call);
}

bool CRecordingFrame::Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType)
{
    Call call{BLIT,
              static_cast<float>(destinationRect.left),
              static_cast<float>(destinationRect.top),
              static_cast<float>(destinationRect.right - destinationRect.left),
              static_cast<float>(destinationRect.bottom - destinationRect.top),
              nullptr,
              blitType != nullptr ? blitType->GetOpacity() : 1.0f,
              255,
              destinationRect};
    call.source = source;
    call.sourceRect = sourceRect;
    call.blitType = blitType;
    calls.push_back(call);
    return true;
}

void CRecordingFrame::FillRect(const CRect& rect, const CColor& colour)
{
    calls.push_back(Call{FILL, static_cast<float>(rect.left), static_cast<float>(rect.top),
                         static_cast<float>(rect.right), static_cast<float>(rect.bottom), nullptr, 1.0f,
                         colour.m_Alpha, rect, colour});
}

bool CRecordingFrame::GetPixel(int32_t, int32_t, CColor& colour) const
{
    colour.SetRGBA(0, 0, 0, 0);
    return false;
}
