#pragma once

#include <cstdint>
#include <vector>

#include "engine/core/color/color.h"
#include "engine/graphics/frame_interface.h"

// A frame that draws nothing and remembers every call, in order, so tests
// can compare what was drawn.
class CRecordingFrame : public CFrameInterface
{
public:
    // A blit records where the source's pixel (0, 0) landed, its size, the
    // blit type's opacity and the whole destination rectangle; a fill its
    // rectangle (x0, y0, x1, y1 = left, top, right, bottom) and a copy of
    // the colour, whose alpha is also kept apart. Lines and pixels keep a
    // copy of their colour too, for drawers whose colour is a temporary.
    enum Kind { LINE, LINE_AA, PIXEL, BLIT, FILL };

    struct Call
    {
        Kind kind;
        float x0;
        float y0;
        float x1;
        float y1;
        const CColor* colour;
        float opacity = 1.0f;
        int32_t alpha = 255;
        CRect rect{0, 0, 0, 0};
        CColor fillColour{0, 0, 0, 255};
        // A blit's source, its source rectangle as it arrived, and blit type.
        const CFrameInterface* source = nullptr;
        CRect sourceRect{0, 0, 0, 0};
        const CBlitType* blitType = nullptr;
    };

    void DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour) override;
    void DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour) override;
    using CFrameInterface::DrawLineAA;
    void SetPixel(int32_t x, int32_t y, const CColor& colour) override;

    // A surface without pixels: everything else answers nothing.
    uint32_t GetInstanceSize() const override { return sizeof(*this); }
    bool Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType) override;
    void ClearRect(const CRect&) override {}
    void Clear() override {}
    void Fill(const CColor&) override {}
    void FillBytes(uint8_t) override {}
    void FillRect(const CRect& rect, const CColor& colour) override;
    using CFrameInterface::FillRect;
    int32_t GetBitsPerPixel() const override { return 0; }
    int32_t GetBytesPerPixel() const override { return 0; }
    uint8_t* GetPixels() const override { return nullptr; }
    uint8_t* GetPixelsForRect(const CRect&) override { return nullptr; }
    uint8_t* GetStream1Data() const override { return nullptr; }
    uint8_t* GetStream2Data() const override { return nullptr; }
    uint8_t* GetStream3Data() const override { return nullptr; }
    uint8_t* GetStream4Data() const override { return nullptr; }
    void GetBounds(CRect& rect) const override { rect = bounds; }
    uint32_t GetFormat() const override { return 0; }
    int32_t GetHeight() const override { return 0; }
    int32_t GetPitch() const override { return 0; }
    int32_t GetWidthShift() const override { return 0; }
    int32_t GetHeightShift() const override { return 0; }
    int32_t GetUpperLeftXOffset() const override { return 0; }
    int32_t GetUpperLeftYOffset() const override { return 0; }
    int32_t GetWidth() const override { return 0; }
    const int32_t* GetRowOffsets() const override { return nullptr; }
    const int32_t* GetStream1RowOffsets() const override { return nullptr; }
    const int32_t* GetStream2RowOffsets() const override { return nullptr; }
    const int32_t* GetStream3RowOffsets() const override { return nullptr; }
    const int32_t* GetStream4RowOffsets() const override { return nullptr; }
    bool GetPixel(int32_t, int32_t, CColor& colour) const override;
    uint32_t GetPixelValue(int32_t, int32_t) const override { return 0; }
    bool HitTestPixel(int32_t, int32_t) const override { return false; }
    void RemapRect(const CRect&, const uint8_t*) override {}
    using CFrameInterface::RemapRect;

    std::vector<Call> calls;
    // What the frame answers as its bounds.
    CRect bounds{0, 0, 0, 0};
};
