// Conversion to the display depth, the last step of the load chain.
//
// Plain frames are rewritten in place: a narrower pixel never overtakes the
// wider one it is read from, and the row table counts pixels, so it stays
// valid. Run-length frames the encoder left with 32-bit stored values are
// narrowed stream by stream in place the same way: codes are copied, each
// stored value shrinks, row starts move down.
#include "engine/graphics/bit_depth_filter.h"

#include <cstring>
#include <utility>

#include "engine/core/color/color.h"
#include "engine/graphics/floyd_steinberg.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_rows.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/run_length_stream.h"

namespace {

struct Rgb
{
    uint8_t red, green, blue;
};

Rgb ReadRgb(const uint8_t* pixel, int32_t bits)
{
    if (bits == 16)
    {
        uint16_t word;
        std::memcpy(&word, pixel, 2);
        return {Expand5To8[word >> 11], Expand6To8[(word >> 5) & 63], Expand5To8[word & 31]};
    }
    return {pixel[2], pixel[1], pixel[0]};
}

// Rewrites every pixel of a plain frame through write(rgb, destination,
// source pixel); the offsets of the old depth are read before the new one
// is set.
template <typename Write>
void RewritePlain(CFrame& frame, int32_t toBytes, Write write)
{
    const int32_t bits = frame.GetBitsPerPixel();
    const int32_t fromBytes = bits / 8;
    for (int32_t y = 0; y < frame.GetHeight(); y++)
    {
        const size_t start = static_cast<size_t>(frame.GetRowOffsets()[y]);
        uint8_t* from = frame.GetPixels() + start * static_cast<size_t>(fromBytes);
        uint8_t* to = frame.GetPixels() + start * static_cast<size_t>(toBytes);
        for (int32_t x = 0; x < frame.GetWidth(); x++, from += fromBytes, to += toBytes)
            write(ReadRgb(from, bits), to, from);
    }
}

void StoreWord(uint8_t* to, uint16_t word)
{
    std::memcpy(to, &word, 2);
}

// Narrows one run-length stream of 4-byte values in place. narrow(value,
// out) writes the new value and answers its byte count; codesKept false
// drops the codes and skips (the alpha stream).
template <typename Narrow>
void NarrowStream(uint8_t* block, int32_t* rowOffsets, int32_t width, int32_t height, bool codesKept,
                  Narrow narrow)
{
    uint32_t out = 4;
    for (int32_t y = 0; y < height; y++)
    {
        uint32_t at = static_cast<uint32_t>(rowOffsets[y]);
        rowOffsets[y] = static_cast<int32_t>(out);
        int32_t x = 0;
        while (x < width)
        {
            const uint8_t code = block[at++];
            if (codesKept)
                block[out++] = code;
            if (code >= 0x80)
            {
                x += code & 0x7F;
                continue;
            }
            const int32_t n = code & 0x3F;
            const int32_t values = code >= 0x40 ? n : 1;
            for (int32_t i = 0; i < values; i++, at += 4)
                out += narrow(block + at, block + out);
            x += n;
        }
    }
    std::memcpy(block, &out, 4);
}

bool ConvertRunLength(CFrame& frame, int32_t target)
{
    const uint32_t encoding = frame.GetFormat() & FRAME_ENCODING_MASK;
    const int32_t width = frame.GetWidth(), height = frame.GetHeight();
    // The encoder's blocks are the frame's own, so they may be rewritten.
    auto stream = [&frame](int32_t i) {
        const RunLengthStream s = GetRunLengthStream(frame, i);
        return std::pair<uint8_t*, int32_t*>{const_cast<uint8_t*>(s.data), const_cast<int32_t*>(s.rowOffsets)};
    };
    if (encoding == FRAME_ENCODING_RLE8)
    {
        if (target != 8 || !GamePalette.HasData())
            return false;
        for (int32_t i = 0; i < 5; i++)
        {
            auto [block, rows] = stream(i);
            if (block)
                NarrowStream(block, rows, width, height, true, [](const uint8_t* value, uint8_t* to) {
                    *to = GamePalette.FindNearestPaletteIndex(value[2], value[1], value[0], 1, 255);
                    return 1u;
                });
        }
        return true;
    }
    for (int32_t i : {0, 4})
    {
        auto [block, rows] = stream(i);
        if (block == nullptr)
            continue;
        if (target == 24)
            NarrowStream(block, rows, width, height, true, [](const uint8_t* value, uint8_t* to) {
                std::memmove(to, value, 3);
                return 3u;
            });
        else
            NarrowStream(block, rows, width, height, true, [](const uint8_t* value, uint8_t* to) {
                StoreWord(to, Pack565(value[2], value[1], value[0]));
                return 2u;
            });
    }
    auto [alpha, alphaRows] = stream(3);
    if (alpha)
        ExtractAlphaStream(alpha, alphaRows, width, height);
    return true;
}

} // namespace

void ExtractAlphaStream(uint8_t* block, int32_t* rowOffsets, int32_t width, int32_t height)
{
    NarrowStream(block, rowOffsets, width, height, false, [](const uint8_t* value, uint8_t* to) {
        *to = value[3];
        return 1u;
    });
}

bool ConvertFrameTo8(CFrame& frame, bool dither)
{
    const int32_t bits = frame.GetBitsPerPixel();
    if (bits != 16 && bits != 24 && bits != 32)
        return false;
    CColorTable& palette = GetCurrentPalette();
    if (!GamePalette.HasData() || (dither && !palette.Holds(CColorTable::PALETTE)))
        return false;
    if (!dither)
        RewritePlain(frame, 1, [](Rgb c, uint8_t* to, const uint8_t*) {
            *to = GamePalette.FindNearestPaletteIndex(c.red, c.green, c.blue, 1, 255);
        });
    else
    {
        FloydSteinbergDither ditherer(frame.GetWidth(), 0.5f, &palette, &GamePalette);
        RewritePlain(frame, 1, [&ditherer](Rgb c, uint8_t* to, const uint8_t*) {
            *to = ditherer.ChooseIndex(c.red * CHANNEL_SCALE, c.green * CHANNEL_SCALE, c.blue * CHANNEL_SCALE);
        });
    }
    frame.SetFormat(8);
    return true;
}

bool ConvertFrameTo16(CFrame& frame, bool dither)
{
    const int32_t bits = frame.GetBitsPerPixel();
    if (bits != 24 && bits != 32)
        return false;
    if (!dither)
        RewritePlain(frame, 2,
                     [](Rgb c, uint8_t* to, const uint8_t*) { StoreWord(to, Pack565(c.red, c.green, c.blue)); });
    else
    {
        FloydSteinbergDither ditherer(frame.GetWidth(), 0.5f, nullptr, nullptr);
        RewritePlain(frame, 2, [&ditherer](Rgb c, uint8_t* to, const uint8_t*) {
            uint8_t rgb[3];
            DitherPixelTo565(ditherer, c.red * CHANNEL_SCALE, c.green * CHANNEL_SCALE, c.blue * CHANNEL_SCALE, rgb);
            StoreWord(to, Pack565(rgb[0], rgb[1], rgb[2]));
        });
    }
    frame.SetFormat(16);
    return true;
}

bool ConvertFrameTo24(CFrame& frame)
{
    if (frame.GetBitsPerPixel() != 32)
        return false;
    bool opaque = true;
    ForEachPixel32(frame, [&opaque](uint8_t* pixel) { opaque = opaque && pixel[3] >= 250; });
    if (!opaque)
        return false;
    RewritePlain(frame, 3, [](Rgb, uint8_t* to, const uint8_t* from) { std::memmove(to, from, 3); });
    frame.SetFormat(24);
    return true;
}

bool CBitDepthFilter::ApplyStep(CFrame& frame, const CRect&)
{
    const int32_t target = m_TargetDepth;
    if (frame.GetPixels() == nullptr)
    {
        frame.SetFormat(target);
        return true;
    }
    if (frame.GetBitsPerPixel() == target || target == 32)
        return true;
    if (IsRunLengthFormat(frame.GetFormat()))
    {
        if (frame.GetBitsPerPixel() == 32 && ConvertRunLength(frame, target))
            frame.SetFormat(target);
        return true;
    }
    if (target == 8)
        ConvertFrameTo8(frame, m_Dither);
    else if (target == 16)
        ConvertFrameTo16(frame, m_Dither);
    else if (target == 24)
        ConvertFrameTo24(frame);
    return true;
}
