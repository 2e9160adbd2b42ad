#pragma once

#include <cstdint>

#include "engine/graphics/frame_interface.h"

// A frame without pixels of its own that passes every call on to a target
// frame: the same drawing code then draws in its own coordinates, inside a
// clip rectangle, faded or recorded, without knowing what lies behind. This
// one forwards unchanged; the kinds derived from it move, clip, fade or
// record on the way. A proxy never owns its target.
//
// Without a target nothing is drawn and every query answers 0, false, null
// or empty bounds.
//
// Clear, ClearRect and FillBytes are forwarded by every kind unmoved and
// unclipped: a caller that wants a clear of its own area uses the kind's
// mapped clear.
class CProxyFrame : public CFrameInterface
{
    VP_DECLARE_CLASS(CProxyFrame)
public:
    CProxyFrame();
    explicit CProxyFrame(CFrameInterface* target);
    ~CProxyFrame() override;

    // The target's size and the pointer to it.
    uint32_t GetInstanceSize() const override;

    bool Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType) override;
    void ClearRect(const CRect& rect) override;
    void Clear() override;
    void Fill(const CColor& colour) override;
    void FillBytes(uint8_t value) override;
    void FillRect(const CRect& rect, const CColor& colour) override;
    using CFrameInterface::FillRect;
    int32_t GetBitsPerPixel() const override;
    int32_t GetBytesPerPixel() const override;
    uint8_t* GetPixels() const override;
    uint8_t* GetPixelsForRect(const CRect& rect) override;
    uint8_t* GetStream1Data() const override;
    uint8_t* GetStream2Data() const override;
    uint8_t* GetStream3Data() const override;
    uint8_t* GetStream4Data() const override;
    void GetBounds(CRect& bounds) const override;
    // The frame that really holds the pixels.
    CFrameInterface* GetRealFrame() override;
    uint32_t GetFormat() const override;
    int32_t GetHeight() const override;
    int32_t GetPitch() const override;
    int32_t GetWidthShift() const override;
    int32_t GetHeightShift() const override;
    int32_t GetUpperLeftXOffset() const override;
    int32_t GetUpperLeftYOffset() const override;
    int32_t GetWidth() const override;
    const int32_t* GetRowOffsets() const override;
    const int32_t* GetStream1RowOffsets() const override;
    const int32_t* GetStream2RowOffsets() const override;
    const int32_t* GetStream3RowOffsets() const override;
    const int32_t* GetStream4RowOffsets() const override;
    void DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour) override;
    void DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour) override;
    using CFrameInterface::DrawLineAA;
    bool GetPixel(int32_t x, int32_t y, CColor& colour) const override;
    uint32_t GetPixelValue(int32_t x, int32_t y) const override;
    void SetPixel(int32_t x, int32_t y, const CColor& colour) override;
    bool HitTestPixel(int32_t x, int32_t y) const override;
    void RemapRect(const CRect& rect, const uint8_t* map) override;
    using CFrameInterface::RemapRect;

    virtual void SetTarget(CFrameInterface* target);
    CFrameInterface* GetTarget() const { return m_pTarget; }

protected:
    CFrameInterface* m_pTarget;
};
