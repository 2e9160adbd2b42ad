#include "engine/graphics/opacity_proxy_frame.h"

#include <cmath>

#include "engine/blit/blit_type.h"
#include "engine/core/color/color.h"

VP_IMPLEMENT_CLASS(COpacityProxyFrame, CProxyFrame, 1.0f)

void COpacityProxyFrame::RegisterProperties(CClassInfo*)
{
}

COpacityProxyFrame::COpacityProxyFrame()
    : m_Opacity(1.0f)
{
    ConstructProperties(SGetClassInfo());
}

COpacityProxyFrame::~COpacityProxyFrame()
{
    DestroyProperties(SGetClassInfo());
}

CColor COpacityProxyFrame::Faded(const CColor& colour) const
{
    const float alpha = std::nearbyint(static_cast<float>(colour.m_Alpha) * m_Opacity);
    // NaN and negative opacities give 0, opacities above 1 at most 255.
    const int32_t held = alpha >= 0.0f ? (alpha <= 255.0f ? static_cast<int32_t>(alpha) : 255) : 0;
    return CColor(colour.m_Red, colour.m_Green, colour.m_Blue, static_cast<uint8_t>(held));
}

bool COpacityProxyFrame::Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType)
{
    if (m_pTarget == nullptr)
        return false;
    const float opacity = blitType->GetOpacity();
    blitType->SetOpacity(opacity * m_Opacity);
    const bool drawn = m_pTarget->Blit(source, sourceRect, destinationRect, blitType);
    blitType->SetOpacity(opacity);
    return drawn;
}

void COpacityProxyFrame::Fill(const CColor& colour)
{
    CProxyFrame::Fill(Faded(colour));
}

void COpacityProxyFrame::FillRect(const CRect& rect, const CColor& colour)
{
    CProxyFrame::FillRect(rect, Faded(colour));
}

void COpacityProxyFrame::DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour)
{
    CProxyFrame::DrawLine(x0, y0, x1, y1, Faded(colour));
}

void COpacityProxyFrame::DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour)
{
    CProxyFrame::DrawLineAA(x0, y0, x1, y1, Faded(colour));
}

void COpacityProxyFrame::SetPixel(int32_t x, int32_t y, const CColor& colour)
{
    CProxyFrame::SetPixel(x, y, Faded(colour));
}
