#pragma once

#include "engine/graphics/proxy_frame.h"

// Multiplies the opacity of everything drawn through it: colours reach the
// target with their alpha scaled, blits with their blit type's opacity
// scaled for that one call. A window whose opacity is not 1.0 stands one
// in front of its target while it draws. Proxies of this kind in a chain
// multiply.
class COpacityProxyFrame : public CProxyFrame
{
    VP_DECLARE_CLASS(COpacityProxyFrame)
public:
    COpacityProxyFrame();
    ~COpacityProxyFrame() override;

    // The blit type is shared: its opacity is set back afterwards.
    bool Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType) override;
    void Fill(const CColor& colour) override;
    void FillRect(const CRect& rect, const CColor& colour) override;
    using CFrameInterface::FillRect;
    void DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour) override;
    void DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour) override;
    using CFrameInterface::DrawLineAA;
    void SetPixel(int32_t x, int32_t y, const CColor& colour) override;

    void SetOpacity(float opacity) { m_Opacity = opacity; }
    float GetOpacity() const { return m_Opacity; }

    // The colour with its alpha x opacity, formed in single precision and
    // rounded to the nearest (halves to even) within 0..255.
    CColor Faded(const CColor& colour) const;

private:
    float m_Opacity;
};
