// Clears, fills, single pixels and lines on plain frames. Each switches
// once on the depth and runs a tight loop over rows found through the row
// table. Run-length frames are images to draw from: writing into their
// streams would corrupt them, so all of these leave them alone.
#include <cstring>

#include "engine/blit/cpu_info.h"
#include "engine/core/color/color.h"
#include "engine/graphics/blend565.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_clipping.h"

namespace {

uint8_t PaletteIndexOf(const CColor& colour)
{
    if (colour.m_Flags & COLOR_PALETTE_INDEX_VALID)
        return colour.m_PaletteIndex;
    CColor search = colour;
    return search.NearestPaletteIndex();
}

uint32_t Value32Of(const CColor& colour)
{
    return static_cast<uint32_t>(colour.m_Blue) | static_cast<uint32_t>(colour.m_Green) << 8 |
           static_cast<uint32_t>(colour.m_Red) << 16 | static_cast<uint32_t>(colour.m_Alpha) << 24;
}

// One pixel's bytes at any depth, worked out once per operation.
struct PixelForm
{
    uint8_t bytes[4];
    int32_t size;
};

PixelForm PixelFormOf(const CColor& colour, int32_t bitsPerPixel)
{
    PixelForm form{{0, 0, 0, 0}, bitsPerPixel / 8};
    switch (bitsPerPixel)
    {
    case 8:
        form.bytes[0] = PaletteIndexOf(colour);
        break;
    case 16:
        std::memcpy(form.bytes, &colour.m_Rgb565, 2);
        break;
    case 24:
        form.bytes[0] = colour.m_Blue24;
        form.bytes[1] = colour.m_Green24;
        form.bytes[2] = colour.m_Red24;
        break;
    case 32:
    {
        const uint32_t value = Value32Of(colour);
        std::memcpy(form.bytes, &value, 4);
        break;
    }
    default:
        break;
    }
    return form;
}

void FillSpan(uint8_t* at, int32_t count, const PixelForm& form)
{
    switch (form.size)
    {
    case 1:
        FillMemoryBytes(at, form.bytes[0], static_cast<size_t>(count));
        break;
    case 2:
    {
        uint16_t word;
        std::memcpy(&word, form.bytes, 2);
        uint16_t* pixels = reinterpret_cast<uint16_t*>(at);
        for (int32_t i = 0; i < count; i++)
            pixels[i] = word;
        break;
    }
    case 3:
        for (int32_t i = 0; i < count; i++, at += 3)
            std::memcpy(at, form.bytes, 3);
        break;
    case 4:
    {
        uint32_t value;
        std::memcpy(&value, form.bytes, 4);
        uint32_t* pixels = reinterpret_cast<uint32_t*>(at);
        for (int32_t i = 0; i < count; i++)
            pixels[i] = value;
        break;
    }
    default:
        break;
    }
}

} // namespace

void FillMemoryBytes(void* pointer, uint8_t value, size_t count)
{
    uint8_t* at = static_cast<uint8_t*>(pointer);
    while (count > 0 && reinterpret_cast<uintptr_t>(at) % 4 != 0)
    {
        *at++ = value;
        count--;
    }
    const uint32_t word = value * 0x01010101u;
    for (; count >= 4; count -= 4, at += 4)
        std::memcpy(at, &word, 4);
    while (count-- > 0)
        *at++ = value;
}

void BlendRow565(uint16_t* row, int32_t count, uint16_t colour, int32_t weight, bool fourLane)
{
    int32_t i = 0;
    if (fourLane)
    {
        const int32_t grouped = count - count % 4;
        for (; i < grouped; i++)
            row[i] = Blend565FourLane(row[i], colour, weight);
    }
    for (; i < count; i++)
        row[i] = Blend565(row[i], colour, weight);
}

void CFrame::Clear()
{
    if (!IsWritablePlain())
        return;
    std::memset(m_pPixels, 0, static_cast<size_t>(GetPitch()) * m_Height * static_cast<size_t>(GetBytesPerPixel()));
}

void CFrame::ClearRect(const CRect& rect)
{
    CRect pixels;
    if (!IsWritablePlain() || !ClipToPixels(rect, pixels))
        return;
    const size_t bytesPerPixel = static_cast<size_t>(GetBytesPerPixel());
    for (int32_t y = pixels.top; y < pixels.bottom; y++)
        std::memset(m_pPixels +
                        (static_cast<size_t>(m_pRowOffsets[y]) + static_cast<size_t>(pixels.left)) * bytesPerPixel,
                    0, static_cast<size_t>(pixels.right - pixels.left) * bytesPerPixel);
}

void CFrame::Fill(const CColor& colour)
{
    if (!IsWritablePlain())
        return;
    const PixelForm form = PixelFormOf(colour, GetBitsPerPixel());
    if (form.size == 1)
    {
        FillMemoryBytes(m_pPixels, form.bytes[0], size_t{m_Width} * m_Height);
        return;
    }
    for (int32_t y = 0; y < m_Height; y++)
        FillSpan(m_pPixels + static_cast<size_t>(m_pRowOffsets[y]) * static_cast<size_t>(form.size), m_Width, form);
}

void CFrame::FillBytes(uint8_t value)
{
    if (!IsWritablePlain())
        return;
    FillMemoryBytes(m_pPixels, value, static_cast<size_t>(GetBytesPerPixel()) * m_Width * m_Height);
}

void CFrame::FillRect(const CRect& rect, const CColor& colour)
{
    CRect pixels;
    if (!IsWritablePlain() || !ClipToPixels(rect, pixels))
        return;
    const int32_t bits = GetBitsPerPixel();
    if (bits == 16 && colour.m_Alpha != 255)
    {
        // Asked on every call: the choice is the processor's, not the
        // frame's.
        const bool fourLane = GetCpuInfo().HasMMX();
        for (int32_t y = pixels.top; y < pixels.bottom; y++)
            BlendRow565(reinterpret_cast<uint16_t*>(m_pPixels) + m_pRowOffsets[y] + pixels.left,
                        pixels.right - pixels.left, colour.m_Rgb565, colour.m_Alpha, fourLane);
        return;
    }
    const PixelForm form = PixelFormOf(colour, bits);
    for (int32_t y = pixels.top; y < pixels.bottom; y++)
        FillSpan(m_pPixels + (static_cast<size_t>(m_pRowOffsets[y]) + static_cast<size_t>(pixels.left)) *
                                 static_cast<size_t>(form.size),
                 pixels.right - pixels.left, form);
}

void CFrame::SetPixel(int32_t x, int32_t y, const CColor& colour)
{
    x -= m_UpperLeftX;
    y -= m_UpperLeftY;
    if (!IsWritablePlain() || x < 0 || y < 0 || x >= m_Width || y >= m_Height)
        return;
    const PixelForm form = PixelFormOf(colour, GetBitsPerPixel());
    FillSpan(m_pPixels +
                 (static_cast<size_t>(m_pRowOffsets[y]) + static_cast<size_t>(x)) * static_cast<size_t>(form.size),
             1, form);
}

void CFrame::DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour)
{
    CRect bounds;
    GetBounds(bounds);
    if (!IsWritablePlain() || !ClipLine(bounds, x0, y0, x1, y1))
        return;
    x0 -= m_UpperLeftX;
    x1 -= m_UpperLeftX;
    y0 -= m_UpperLeftY;
    y1 -= m_UpperLeftY;
    const PixelForm form = PixelFormOf(colour, GetBitsPerPixel());
    const size_t size = static_cast<size_t>(form.size);
    auto plot = [&](int32_t x, int32_t y) {
        FillSpan(m_pPixels + (static_cast<size_t>(m_pRowOffsets[y]) + static_cast<size_t>(x)) * size, 1, form);
    };

    const int32_t dx = x1 > x0 ? x1 - x0 : x0 - x1;
    const int32_t dy = y1 > y0 ? y1 - y0 : y0 - y1;
    const int32_t sx = x1 >= x0 ? 1 : -1;
    const int32_t sy = y1 >= y0 ? 1 : -1;
    int32_t x = x0, y = y0;
    plot(x, y);
    if (dx >= dy)
    {
        int32_t error = dx >> 1;
        while (x != x1)
        {
            error += dy;
            if (error >= dx)
            {
                error -= dx;
                y += sy;
            }
            x += sx;
            plot(x, y);
        }
    }
    else
    {
        int32_t error = dy >> 1;
        while (y != y1)
        {
            error += dx;
            if (error >= dy)
            {
                error -= dy;
                x += sx;
            }
            y += sy;
            plot(x, y);
        }
    }
}
