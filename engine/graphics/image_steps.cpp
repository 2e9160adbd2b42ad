#include "engine/graphics/image_steps.h"

#include <algorithm>
#include <memory>

#include "engine/blit/blit_normal.h"
#include "engine/graphics/color_quantizer.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_rows.h"
#include "engine/graphics/palettes.h"

void ConvertFrame24To32(CFrame& frame)
{
    CFrame copy;
    copy.Create(static_cast<uint32_t>(frame.GetWidth()), static_cast<uint32_t>(frame.GetHeight()), 32);
    if (copy.GetPixels() != nullptr && frame.GetPixels() != nullptr)
    {
        const CRect all{0, 0, frame.GetWidth(), frame.GetHeight()};
        copy.BlitClipped(&frame, all, all, &GetBlitNormal());
    }
    copy.SetUpperLeftOffset(frame.GetUpperLeftXOffset(), frame.GetUpperLeftYOffset());
    frame.CopyFrom(copy);
}

bool CImageStepCenterHotSpot::ApplyStep(CFrame& frame, const CRect& context)
{
    const uint32_t halfWidth = static_cast<uint32_t>(context.right - context.left) >> 1;
    const uint32_t halfHeight = static_cast<uint32_t>(context.bottom - context.top) >> 1;
    frame.SetUpperLeftOffset(frame.GetUpperLeftXOffset() - static_cast<int32_t>(halfWidth),
                             frame.GetUpperLeftYOffset() - static_cast<int32_t>(halfHeight));
    return true;
}

bool CImageStepAlphaThreshold::ApplyStep(CFrame& frame, const CRect&)
{
    return ForEachPixel32(frame, [this](uint8_t* pixel) {
        if (pixel[3] < m_Threshold)
            pixel[3] = 0;
    });
}

namespace {

bool IsNearBlack(const uint8_t* bytes)
{
    return bytes[0] < 40 && bytes[1] < 40 && bytes[2] < 40;
}

// At 8 bits black is index 0, so near-black pixels become it.
bool BlackToTransparentFor8(CFrame& frame)
{
    if (!IsPlainFrameWithPixels(frame))
        return true;
    const int32_t bits = frame.GetBitsPerPixel();
    if (bits == 8)
    {
        CColorTable& palette = GetCurrentPalette();
        if (!palette.Holds(CColorTable::PALETTE))
            return false;
        for (int32_t y = 0; y < frame.GetHeight(); y++)
        {
            uint8_t* row = PlainFrameRow(frame, y);
            for (int32_t x = 0; x < frame.GetWidth(); x++)
                if (row[x] != 0 && IsNearBlack(palette.GetData() + row[x] * 3))
                    row[x] = 0;
        }
    }
    else if (bits == 24 || bits == 32)
    {
        const int32_t bytes = bits / 8;
        for (int32_t y = 0; y < frame.GetHeight(); y++)
        {
            uint8_t* pixel = PlainFrameRow(frame, y);
            for (int32_t x = 0; x < frame.GetWidth(); x++, pixel += bytes)
                if (IsNearBlack(pixel))
                    std::fill(pixel, pixel + bytes, 0);
        }
    }
    return true;
}

} // namespace

bool CImageStepBlackToTransparent::ApplyStep(CFrame& frame, const CRect&)
{
    if (frame.GetWidth() == 0)
        return false;
    if (GetTargetDepth() == 8)
        return BlackToTransparentFor8(frame);
    if (frame.GetBitsPerPixel() == 24 && IsPlainFrameWithPixels(frame))
        ConvertFrame24To32(frame);
    ForEachPixel32(frame, [](uint8_t* pixel) {
        if (pixel[3] > 5)
            pixel[3] = std::max({pixel[0], pixel[1], pixel[2]});
    });
    return true;
}

bool CImageStepMaxColorThreshold::ApplyStep(CFrame& frame, const CRect&)
{
    return ForEachPixel32(frame, [this](uint8_t* pixel) {
        if (std::max({pixel[0], pixel[1], pixel[2]}) < m_Threshold)
            std::fill(pixel, pixel + 4, 0);
    });
}

bool CImageStepTrim::ApplyStep(CFrame& frame, const CRect&)
{
    const int32_t x = frame.GetUpperLeftXOffset();
    const int32_t y = frame.GetUpperLeftYOffset();
    frame.SetUpperLeftOffset(0, 0);
    CRect bounds;
    frame.GetContentBounds(bounds);
    if (bounds.right == bounds.left)
    {
        frame.FreePixels();
        return true;
    }
    CFrame part;
    part.CopyRect(&frame, bounds);
    frame.CopyFrom(part);
    frame.SetUpperLeftOffset(x + bounds.left, y + bounds.top);
    return true;
}

bool CImageStepUnpremultiply::ApplyStep(CFrame& frame, const CRect&)
{
    return ForEachPixel32(frame, [](uint8_t* pixel) {
        const uint8_t alpha = pixel[3];
        if (alpha == 0 || alpha == 255)
            return;
        // The divisor grows to the brightest channel, so no channel passes
        // 255 by much before the cap.
        const float k = 0.003921569f;
        float divisor = static_cast<float>(alpha) * k;
        for (int32_t channel = 2; channel >= 0; channel--)
            if (static_cast<float>(pixel[channel]) / divisor > 255.0f)
                divisor = static_cast<float>(pixel[channel]) * k;
        for (int32_t channel = 0; channel < 3; channel++)
        {
            const float value = static_cast<float>(pixel[channel]) / divisor + 0.5f;
            pixel[channel] = static_cast<uint8_t>(std::min(255.0f, value));
        }
    });
}

bool CImageStepPaletteReduce::ApplyStep(CFrame& frame, const CRect&)
{
    CColorTable* palette = frame.GetPalette();
    if (palette == nullptr || frame.GetBitsPerPixel() != 24 || !IsPlainFrameWithPixels(frame))
        return true;
    std::unique_ptr<uint32_t[]> histogram(new uint32_t[COLOR_HISTOGRAM_CELLS]);
    ClearColorHistogram(histogram.get());
    CountColorHistogram(histogram.get(), frame);
    BuildPaletteFromHistogram(*palette, histogram.get());
    return true;
}
