#include "engine/graphics/proxy_frame.h"

#include "engine/core/color/color.h"

VP_IMPLEMENT_CLASS(CProxyFrame, CFrameInterface, 1.0f)

void CProxyFrame::RegisterProperties(CClassInfo*)
{
}

CProxyFrame::CProxyFrame()
    : CProxyFrame(nullptr)
{
}

CProxyFrame::CProxyFrame(CFrameInterface* target)
    : m_pTarget(target)
{
    ConstructProperties(SGetClassInfo());
}

CProxyFrame::~CProxyFrame()
{
    DestroyProperties(SGetClassInfo());
}

uint32_t CProxyFrame::GetInstanceSize() const
{
    return (m_pTarget ? m_pTarget->GetInstanceSize() : 0) + 4;
}

bool CProxyFrame::Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType)
{
    return m_pTarget && m_pTarget->Blit(source, sourceRect, destinationRect, blitType);
}

void CProxyFrame::ClearRect(const CRect& rect)
{
    if (m_pTarget)
        m_pTarget->ClearRect(rect);
}

void CProxyFrame::Clear()
{
    if (m_pTarget)
        m_pTarget->Clear();
}

void CProxyFrame::Fill(const CColor& colour)
{
    if (m_pTarget)
        m_pTarget->Fill(colour);
}

void CProxyFrame::FillBytes(uint8_t value)
{
    if (m_pTarget)
        m_pTarget->FillBytes(value);
}

void CProxyFrame::FillRect(const CRect& rect, const CColor& colour)
{
    if (m_pTarget)
        m_pTarget->FillRect(rect, colour);
}

int32_t CProxyFrame::GetBitsPerPixel() const
{
    return m_pTarget ? m_pTarget->GetBitsPerPixel() : 0;
}

int32_t CProxyFrame::GetBytesPerPixel() const
{
    return m_pTarget ? m_pTarget->GetBytesPerPixel() : 0;
}

uint8_t* CProxyFrame::GetPixels() const
{
    return m_pTarget ? m_pTarget->GetPixels() : nullptr;
}

uint8_t* CProxyFrame::GetPixelsForRect(const CRect& rect)
{
    return m_pTarget ? m_pTarget->GetPixelsForRect(rect) : nullptr;
}

uint8_t* CProxyFrame::GetStream1Data() const
{
    return m_pTarget ? m_pTarget->GetStream1Data() : nullptr;
}

uint8_t* CProxyFrame::GetStream2Data() const
{
    return m_pTarget ? m_pTarget->GetStream2Data() : nullptr;
}

uint8_t* CProxyFrame::GetStream3Data() const
{
    return m_pTarget ? m_pTarget->GetStream3Data() : nullptr;
}

uint8_t* CProxyFrame::GetStream4Data() const
{
    return m_pTarget ? m_pTarget->GetStream4Data() : nullptr;
}

void CProxyFrame::GetBounds(CRect& bounds) const
{
    if (m_pTarget)
        m_pTarget->GetBounds(bounds);
    else
        bounds = CRect{0, 0, 0, 0};
}

CFrameInterface* CProxyFrame::GetRealFrame()
{
    return m_pTarget ? m_pTarget->GetRealFrame() : nullptr;
}

uint32_t CProxyFrame::GetFormat() const
{
    return m_pTarget ? m_pTarget->GetFormat() : 0;
}

int32_t CProxyFrame::GetHeight() const
{
    return m_pTarget ? m_pTarget->GetHeight() : 0;
}

int32_t CProxyFrame::GetPitch() const
{
    return m_pTarget ? m_pTarget->GetPitch() : 0;
}

int32_t CProxyFrame::GetWidthShift() const
{
    return m_pTarget ? m_pTarget->GetWidthShift() : 0;
}

int32_t CProxyFrame::GetHeightShift() const
{
    return m_pTarget ? m_pTarget->GetHeightShift() : 0;
}

int32_t CProxyFrame::GetUpperLeftXOffset() const
{
    return m_pTarget ? m_pTarget->GetUpperLeftXOffset() : 0;
}

int32_t CProxyFrame::GetUpperLeftYOffset() const
{
    return m_pTarget ? m_pTarget->GetUpperLeftYOffset() : 0;
}

int32_t CProxyFrame::GetWidth() const
{
    return m_pTarget ? m_pTarget->GetWidth() : 0;
}

const int32_t* CProxyFrame::GetRowOffsets() const
{
    return m_pTarget ? m_pTarget->GetRowOffsets() : nullptr;
}

const int32_t* CProxyFrame::GetStream1RowOffsets() const
{
    return m_pTarget ? m_pTarget->GetStream1RowOffsets() : nullptr;
}

const int32_t* CProxyFrame::GetStream2RowOffsets() const
{
    return m_pTarget ? m_pTarget->GetStream2RowOffsets() : nullptr;
}

const int32_t* CProxyFrame::GetStream3RowOffsets() const
{
    return m_pTarget ? m_pTarget->GetStream3RowOffsets() : nullptr;
}

const int32_t* CProxyFrame::GetStream4RowOffsets() const
{
    return m_pTarget ? m_pTarget->GetStream4RowOffsets() : nullptr;
}

void CProxyFrame::DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour)
{
    if (m_pTarget)
        m_pTarget->DrawLine(x0, y0, x1, y1, colour);
}

void CProxyFrame::DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour)
{
    if (m_pTarget)
        m_pTarget->DrawLineAA(x0, y0, x1, y1, colour);
}

bool CProxyFrame::GetPixel(int32_t x, int32_t y, CColor& colour) const
{
    if (m_pTarget)
        return m_pTarget->GetPixel(x, y, colour);
    colour = ColorTransparent;
    return false;
}

uint32_t CProxyFrame::GetPixelValue(int32_t x, int32_t y) const
{
    return m_pTarget ? m_pTarget->GetPixelValue(x, y) : 0;
}

void CProxyFrame::SetPixel(int32_t x, int32_t y, const CColor& colour)
{
    if (m_pTarget)
        m_pTarget->SetPixel(x, y, colour);
}

bool CProxyFrame::HitTestPixel(int32_t x, int32_t y) const
{
    return m_pTarget && m_pTarget->HitTestPixel(x, y);
}

void CProxyFrame::RemapRect(const CRect& rect, const uint8_t* map)
{
    if (m_pTarget)
        m_pTarget->RemapRect(rect, map);
}

void CProxyFrame::SetTarget(CFrameInterface* target)
{
    m_pTarget = target;
}
