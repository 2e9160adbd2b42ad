// Reading a frame rather than drawing on it: pixel values and colours, hit
// tests, the bounds of the visible content. Points outside the frame, and
// frames without plain pixels, read as empty.
#include <cstring>

#include "engine/core/color/color.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"

namespace {

// The raw pixel at pixel coordinates inside a plain frame.
uint32_t RawPixel(const CFrame& frame, int32_t x, int32_t y)
{
    const size_t bytesPerPixel = static_cast<size_t>(frame.GetBytesPerPixel());
    const uint8_t* at =
        frame.GetPixels() + (static_cast<size_t>(frame.GetRowOffsets()[y]) + static_cast<size_t>(x)) * bytesPerPixel;
    uint32_t value = 0;
    std::memcpy(&value, at, bytesPerPixel);
    return value;
}

bool IsPlainWithPixels(const CFrame& frame)
{
    return frame.GetPixels() != nullptr && frame.GetRowOffsets() != nullptr && !IsRunLengthFormat(frame.GetFormat());
}

} // namespace

uint32_t CFrame::GetPixelValue(int32_t x, int32_t y) const
{
    x -= m_UpperLeftX;
    y -= m_UpperLeftY;
    if (!IsPlainWithPixels(*this) || x < 0 || y < 0 || x >= m_Width || y >= m_Height)
        return 0;
    return RawPixel(*this, x, y);
}

bool CFrame::GetPixel(int32_t x, int32_t y, CColor& colour) const
{
    const int32_t px = x - m_UpperLeftX;
    const int32_t py = y - m_UpperLeftY;
    if (!IsPlainWithPixels(*this) || px < 0 || py < 0 || px >= m_Width || py >= m_Height)
    {
        colour.SetRGBA(0, 0, 0, 0);
        return false;
    }
    const uint32_t value = RawPixel(*this, px, py);
    switch (GetBitsPerPixel())
    {
    case 8:
        colour.SetFromPaletteIndex(static_cast<uint8_t>(value));
        break;
    case 16:
        colour.SetFrom565(static_cast<uint16_t>(value));
        break;
    case 24:
        colour.SetRGBA((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF, 255);
        break;
    default:
        colour.SetRGBA((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF, static_cast<int32_t>(value >> 24));
        break;
    }
    return true;
}

bool CFrame::HitTestPixel(int32_t x, int32_t y) const
{
    return GetPixelValue(x, y) != 0;
}

void CFrame::GetContentBounds(CRect& bounds) const
{
    bounds = CRect{0, 0, 0, 0};
    if (!IsPlainWithPixels(*this))
        return;
    const bool byAlpha = GetBitsPerPixel() == 32;
    auto counts = [&](int32_t x, int32_t y) {
        const uint32_t value = RawPixel(*this, x, y);
        return byAlpha ? (value >> 24) != 0 : value != 0;
    };
    const int32_t width = m_Width, height = m_Height;
    int32_t top = -1;
    for (int32_t y = 0; y < height && top < 0; y++)
        for (int32_t x = 0; x < width; x++)
            if (counts(x, y))
            {
                top = y;
                break;
            }
    if (top < 0)
        return;
    int32_t bottom = top + 1;
    for (int32_t y = height - 1; y > top; y--)
    {
        bool found = false;
        for (int32_t x = 0; x < width && !found; x++)
            found = counts(x, y);
        if (found)
        {
            bottom = y + 1;
            break;
        }
    }
    int32_t left = 0;
    for (int32_t x = 0; x < width; x++)
    {
        bool found = false;
        for (int32_t y = top; y < bottom && !found; y++)
            found = counts(x, y);
        if (found)
        {
            left = x;
            break;
        }
    }
    int32_t right = left + 1;
    for (int32_t x = width - 1; x > left; x--)
    {
        bool found = false;
        for (int32_t y = top; y < bottom && !found; y++)
            found = counts(x, y);
        if (found)
        {
            right = x + 1;
            break;
        }
    }
    bounds = CRect{left, top, right, bottom};
}

bool CFrame::HasNonZeroPixels() const
{
    if (!IsPlainWithPixels(*this))
        return false;
    const int32_t bits = GetBitsPerPixel();
    if (bits == 16)
        return false;
    for (int32_t y = 0; y < m_Height; y++)
        for (int32_t x = 0; x < m_Width; x++)
        {
            const uint32_t value = RawPixel(*this, x, y);
            if (bits == 32 ? (value >> 24) != 0 : value != 0)
                return true;
        }
    return false;
}
