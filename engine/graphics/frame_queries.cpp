// Reading a frame rather than drawing on it: pixel values and colours, hit
// tests, the bounds of the visible content. Points outside the frame, and
// frames without pixels, read as empty. Run-length frames are read in
// place, walking one row of each stream up to the covering run.
#include <cstring>

#include "engine/core/color/color.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/run_length_stream.h"
#include "engine/graphics/run_pixel_queries.h"

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

bool FindInStream(const CFrame& frame, int32_t index, uint32_t valueBytes, int32_t x, int32_t y, RunPixel& found)
{
    const RunLengthStream stream = GetRunLengthStream(frame, index);
    return stream.data != nullptr && stream.rowOffsets != nullptr &&
           FindRunPixel(stream.data, stream.rowOffsets, frame.GetWidth(), valueBytes, x, y, found);
}

// The streams of an 8-bit frame in the order its pixel reads look at them.
constexpr int32_t RLE8_READ_ORDER[5] = {0, 4, 3, 2, 1};

bool IsRle8(const CFrame& frame)
{
    return (frame.GetFormat() & FRAME_ENCODING_MASK) == FRAME_ENCODING_RLE8 && frame.GetBitsPerPixel() == 8;
}

// Bytes of an alpha frame's stored values; 0 for depths without a form.
uint32_t AlphaValueBytes(const CFrame& frame)
{
    if ((frame.GetFormat() & FRAME_ENCODING_MASK) != FRAME_ENCODING_RLE_ALPHA)
        return 0;
    const int32_t bits = frame.GetBitsPerPixel();
    return bits == 8 || bits == 16 || bits == 24 ? static_cast<uint32_t>(bits / 8) : 0;
}

bool CoveredInRunLength(const CFrame& frame, int32_t x, int32_t y)
{
    RunPixel found;
    if (IsRle8(frame))
    {
        for (int32_t index : RLE8_READ_ORDER)
            if (FindInStream(frame, index, 1, x, y, found))
                return true;
        return false;
    }
    const uint32_t valueBytes = AlphaValueBytes(frame);
    return valueBytes != 0 &&
           (FindInStream(frame, 0, valueBytes, x, y, found) || FindInStream(frame, 4, valueBytes, x, y, found));
}

void SetColourOfValue(CColor& colour, uint32_t value, uint32_t valueBytes, int32_t alpha)
{
    if (valueBytes == 1)
    {
        colour.SetFromPaletteIndex(static_cast<uint8_t>(value));
        colour.m_Alpha = static_cast<uint8_t>(alpha);
    }
    else if (valueBytes == 2)
    {
        colour.SetFrom565(static_cast<uint16_t>(value));
        colour.m_Alpha = static_cast<uint8_t>(alpha);
    }
    else
    {
        colour.SetRGBA((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF, alpha);
    }
}

// The colour of an alpha frame's pixel: an opaque stored value other than
// 0, else the translucent run's value with its alpha byte, else nothing.
void ReadAlphaFramePixel(const CFrame& frame, int32_t x, int32_t y, CColor& colour)
{
    const uint32_t valueBytes = AlphaValueBytes(frame);
    RunPixel found;
    if (valueBytes == 0)
    {
        colour.SetRGBA(0, 0, 0, 0);
        return;
    }
    if (FindInStream(frame, 0, valueBytes, x, y, found) && found.value != 0)
    {
        SetColourOfValue(colour, found.value, valueBytes, 255);
        return;
    }
    const RunLengthStream alpha = GetRunLengthStream(frame, 3);
    if (alpha.data != nullptr && alpha.rowOffsets != nullptr && FindInStream(frame, 4, valueBytes, x, y, found))
    {
        SetColourOfValue(colour, found.value, valueBytes, alpha.data[alpha.rowOffsets[y] + found.alphaIndex]);
        return;
    }
    colour.SetRGBA(0, 0, 0, 0);
}

} // namespace

bool FindRunPixel(const uint8_t* stream, const int32_t* rowOffsets, int32_t width, uint32_t valueBytes, int32_t x,
                  int32_t y, RunPixel& found)
{
    const uint8_t* codes = stream + rowOffsets[y];
    int32_t column = 0;
    uint32_t alphaIndex = 0;
    while (column < width)
    {
        const uint8_t code = *codes++;
        if (code >= 0x80)
        {
            column += code & 0x7F;
            if (x < column)
                return false;
            continue;
        }
        const int32_t n = code & 0x3F;
        const bool literal = code >= 0x40;
        if (x < column + n)
        {
            const uint8_t* at = literal ? codes + static_cast<size_t>(x - column) * valueBytes : codes;
            found.value = 0;
            std::memcpy(&found.value, at, valueBytes);
            found.alphaIndex = alphaIndex + (literal ? static_cast<uint32_t>(x - column) : 0);
            return true;
        }
        codes += (literal ? static_cast<size_t>(n) : 1) * valueBytes;
        alphaIndex += literal ? static_cast<uint32_t>(n) : 1;
        column += n;
    }
    return false;
}

int32_t FindRunPixel8(const uint8_t* stream, const int32_t* rowOffsets, int32_t width, int32_t x, int32_t y)
{
    RunPixel found;
    return FindRunPixel(stream, rowOffsets, width, 1, x, y, found) ? -1 : 0;
}

int32_t FindRunPixel16(const uint8_t* stream, const int32_t* rowOffsets, int32_t width, int32_t x, int32_t y)
{
    RunPixel found;
    return FindRunPixel(stream, rowOffsets, width, 2, x, y, found) ? -1 : 0;
}

int32_t FindRunPixel24(const uint8_t* stream, const int32_t* rowOffsets, int32_t width, int32_t x, int32_t y)
{
    RunPixel found;
    return FindRunPixel(stream, rowOffsets, width, 3, x, y, found) ? -1 : 0;
}

uint8_t ReadRunPixel8(const uint8_t* stream, const int32_t* rowOffsets, int32_t width, int32_t x, int32_t y)
{
    RunPixel found;
    return FindRunPixel(stream, rowOffsets, width, 1, x, y, found) ? static_cast<uint8_t>(found.value) : 0;
}

uint32_t CFrame::GetPixelValue(int32_t x, int32_t y) const
{
    x -= m_UpperLeftX;
    y -= m_UpperLeftY;
    if (x < 0 || y < 0 || x >= m_Width || y >= m_Height)
        return 0;
    if (IsRunLengthFormat(m_Format))
    {
        // Alpha frames of depths other than 16 bits answer 0 here; their
        // hit test walks them.
        const bool readable = IsRle8(*this) || AlphaValueBytes(*this) == 2;
        return readable && CoveredInRunLength(*this, x, y) ? 0xFFFFFFFFu : 0;
    }
    if (!IsPlainWithPixels(*this))
        return 0;
    return RawPixel(*this, x, y);
}

bool CFrame::GetPixel(int32_t x, int32_t y, CColor& colour) const
{
    const int32_t px = x - m_UpperLeftX;
    const int32_t py = y - m_UpperLeftY;
    const bool runLength = IsRunLengthFormat(m_Format);
    if ((!runLength && !IsPlainWithPixels(*this)) || px < 0 || py < 0 || px >= m_Width || py >= m_Height)
    {
        colour.SetRGBA(0, 0, 0, 0);
        return false;
    }
    if (runLength)
    {
        if (IsRle8(*this))
        {
            uint8_t index = 0;
            RunPixel found;
            for (int32_t stream : RLE8_READ_ORDER)
                if (FindInStream(*this, stream, 1, px, py, found) && found.value != 0)
                {
                    index = static_cast<uint8_t>(found.value);
                    break;
                }
            colour.SetFromPaletteIndex(index);
        }
        else
        {
            ReadAlphaFramePixel(*this, px, py, colour);
        }
        return true;
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
    if (!IsRunLengthFormat(m_Format))
        return GetPixelValue(x, y) != 0;
    x -= m_UpperLeftX;
    y -= m_UpperLeftY;
    return x >= 0 && y >= 0 && x < m_Width && y < m_Height && CoveredInRunLength(*this, x, y);
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
