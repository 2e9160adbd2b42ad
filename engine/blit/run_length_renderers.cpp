// One row renderer, a template over the stored value size, the
// destination pixel size, the presence of an alpha stream and clipping,
// serves every stream of every run-length form. The whole-frame renderers
// below only choose the stream and kernel rows of each pass.
#include "engine/blit/run_length_renderers.h"

#include <algorithm>
#include <cstring>

#include "engine/graphics/frame_interface.h"

namespace {

uint32_t LoadValue(const uint8_t* at, uint32_t bytes)
{
    uint32_t value = 0;
    std::memcpy(&value, at, bytes);
    return value;
}

// Draws n pixels of a run through the kernel. 24-bit values onto 32-bit
// pixels go one pixel at a time at a 4-byte stride, so the 24-bit rows'
// arithmetic applies and each fourth byte stays as it was.
template <uint32_t ValueBytes, uint32_t PixelBytes, bool WithAlpha>
void Literal(const RunKernelRow& row, uint8_t* to, const uint8_t* values, const uint8_t* alpha, uint32_t n)
{
    if constexpr (ValueBytes == 3 && PixelBytes == 4)
    {
        for (uint32_t i = 0; i < n; i++)
        {
            if constexpr (WithAlpha)
                row[1].copyAlpha(to + 4 * i, values + 3 * i, alpha + i, 1);
            else
                row[1].copy(to + 4 * i, values + 3 * i, 1);
        }
    }
    else if constexpr (WithAlpha)
    {
        row[n].copyAlpha(to, values, alpha, n);
    }
    else
    {
        row[n].copy(to, values, n);
    }
}

template <uint32_t ValueBytes, uint32_t PixelBytes, bool WithAlpha>
void Fill(const RunKernelRow& row, uint8_t* to, uint32_t value, uint32_t alpha, uint32_t n)
{
    if constexpr (ValueBytes == 3 && PixelBytes == 4)
    {
        for (uint32_t i = 0; i < n; i++)
        {
            if constexpr (WithAlpha)
                row[1].fillAlpha(to + 4 * i, value, alpha, 1);
            else
                row[1].fill(to + 4 * i, value, 1);
        }
    }
    else if constexpr (WithAlpha)
    {
        row[n].fillAlpha(to, value, alpha, n);
    }
    else
    {
        row[n].fill(to, value, n);
    }
}

// Source column 0 lands on destination column x; the window is
// [left, right). Whole rows skip the window's left test: every run is
// drawn whole, and decoding stops at the right edge.
template <uint32_t ValueBytes, uint32_t PixelBytes, bool WithAlpha, bool Clipped>
void DrawRleRow(const uint8_t* codes, const uint8_t* alpha, int32_t x, int32_t left, int32_t right, uint8_t* row,
                RunKernelPair kernels)
{
    while (x < right)
    {
        const uint8_t code = *codes++;
        if (code >= 0x80)
        {
            x += code & 0x7F;
            continue;
        }
        int32_t n = code & 0x3F;
        if (code >= 0x40)
        {
            if (Clipped && x < left)
            {
                const int32_t k = std::min(left - x, n);
                codes += static_cast<size_t>(k) * ValueBytes;
                if (WithAlpha)
                    alpha += k;
                x += k;
                n -= k;
            }
            if (n > 0)
            {
                const int32_t e = Clipped ? std::min(x + n, right) : x + n;
                Literal<ValueBytes, PixelBytes, WithAlpha>(*kernels.literal, row + static_cast<size_t>(x) * PixelBytes,
                                                           codes, alpha, static_cast<uint32_t>(e - x));
                // Values past the window's right edge are never read: the
                // row ends there.
                codes += static_cast<size_t>(e - x) * ValueBytes;
                if (WithAlpha)
                    alpha += e - x;
                x = e;
            }
        }
        else
        {
            if (Clipped && x < left)
            {
                const int32_t k = std::min(left - x, n);
                x += k;
                n -= k;
            }
            if (n > 0)
            {
                const int32_t e = Clipped ? std::min(x + n, right) : x + n;
                Fill<ValueBytes, PixelBytes, WithAlpha>(*kernels.fill, row + static_cast<size_t>(x) * PixelBytes,
                                                        LoadValue(codes, ValueBytes), WithAlpha ? *alpha : 0,
                                                        static_cast<uint32_t>(e - x));
                x = e;
            }
            codes += ValueBytes;
            if (WithAlpha)
                alpha++;
        }
    }
}

struct Stream
{
    const uint8_t* data;
    const int32_t* rowOffsets;
};

Stream StreamOf(const CFrameInterface* frame, int32_t index)
{
    switch (index)
    {
    case 0:
        return {frame->GetPixels(), frame->GetRowOffsets()};
    case 1:
        return {frame->GetStream1Data(), frame->GetStream1RowOffsets()};
    case 2:
        return {frame->GetStream2Data(), frame->GetStream2RowOffsets()};
    case 3:
        return {frame->GetStream3Data(), frame->GetStream3RowOffsets()};
    default:
        return {frame->GetStream4Data(), frame->GetStream4RowOffsets()};
    }
}

// One stream over all rows of the rectangle; an absent stream (or a
// translucent one without its alpha bytes) draws nothing.
template <uint32_t ValueBytes, uint32_t PixelBytes, bool WithAlpha>
void DrawStream(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                const CRect& destinationRect, int32_t index, RunKernelPair kernels, RunRows rows)
{
    const Stream stream = StreamOf(source, index);
    const Stream alpha = WithAlpha ? StreamOf(source, 3) : Stream{nullptr, nullptr};
    if (stream.data == nullptr || stream.rowOffsets == nullptr ||
        (WithAlpha && (alpha.data == nullptr || alpha.rowOffsets == nullptr)))
        return;
    uint8_t* pixels = destination->GetPixels();
    const int32_t* destinationOffsets = destination->GetRowOffsets();
    const int32_t x0 = destinationRect.left - sourceRect.left;
    int32_t destinationY = destinationRect.top;
    for (int32_t y = sourceRect.top; y < sourceRect.bottom; y++, destinationY++)
    {
        const uint8_t* codes = stream.data + stream.rowOffsets[y];
        const uint8_t* alphaRow = WithAlpha ? alpha.data + alpha.rowOffsets[y] : nullptr;
        uint8_t* row = pixels + static_cast<size_t>(destinationOffsets[destinationY]) * PixelBytes;
        if (rows == RunRows::WHOLE)
            DrawRleRow<ValueBytes, PixelBytes, WithAlpha, false>(codes, alphaRow, x0, destinationRect.left,
                                                                 destinationRect.right, row, kernels);
        else
            DrawRleRow<ValueBytes, PixelBytes, WithAlpha, true>(codes, alphaRow, x0, destinationRect.left,
                                                                destinationRect.right, row, kernels);
    }
}

RunKernelPair TableRows(int32_t literalRow)
{
    return {&RunKernelTable[literalRow], &RunKernelTable[literalRow + 1]};
}

// Stream drawn by each pass at each translucency level; -1 none. Pass k
// uses the kernel rows 2k and 2k + 1.
constexpr int32_t RLE8_PASS_STREAMS[5][5] = {
    {0, 4, 3, 2, 1}, {-1, 0, 4, 3, 2}, {-1, -1, 0, 4, 3}, {-1, -1, -1, 0, 4}, {-1, -1, -1, -1, 0},
};

template <uint32_t PixelBytes, class KernelsOfPass>
void DrawRle8Passes(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                    const CRect& destinationRect, int32_t level, RunRows rows, KernelsOfPass kernelsOf)
{
    if (level < 0 || level > 4)
        return;
    for (int32_t pass = 0; pass < 5; pass++)
    {
        const int32_t stream = RLE8_PASS_STREAMS[level][pass];
        if (stream < 0)
            continue;
        DrawStream<1, PixelBytes, false>(source, sourceRect, destination, destinationRect, stream, kernelsOf(pass),
                                         rows);
    }
}

template <uint32_t ValueBytes, uint32_t PixelBytes>
void DrawAlphaStreams(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                      const CRect& destinationRect, RunKernelPair opaque, RunKernelPair translucent, RunRows rows)
{
    DrawStream<ValueBytes, PixelBytes, false>(source, sourceRect, destination, destinationRect, 0, opaque, rows);
    DrawStream<ValueBytes, PixelBytes, true>(source, sourceRect, destination, destinationRect, 4, translucent, rows);
}

} // namespace

RunRows RunRowsFor(const CFrameInterface* source, const CRect& sourceRect)
{
    return sourceRect.left == 0 && sourceRect.right == source->GetWidth() ? RunRows::WHOLE : RunRows::CLIPPED;
}

void DrawRle8(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
              const CRect& destinationRect, int32_t level, RunRows rows)
{
    DrawRle8Passes<1>(source, sourceRect, destination, destinationRect, level, rows,
                      [](int32_t pass) { return TableRows(2 * pass); });
}

void DrawRle8To16(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                  const CRect& destinationRect, int32_t level, RunRows rows)
{
    DrawRle8Passes<2>(source, sourceRect, destination, destinationRect, level, rows, [](int32_t) {
        return RunKernelPair{&RunConvert8To565Copy, &RunConvert8To565Fill};
    });
}

void DrawRle8Through(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                     const CRect& destinationRect, int32_t level, const RunKernelPair (&passes)[5], RunRows rows)
{
    DrawRle8Passes<1>(source, sourceRect, destination, destinationRect, level, rows,
                      [&passes](int32_t pass) { return passes[pass]; });
}

void DrawRle16Alpha(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                    const CRect& destinationRect, RunBlend blend, RunRows rows)
{
    // Opaque stream rows, translucent stream rows.
    int32_t opaque = 10, translucent = 12;
    switch (blend)
    {
    case RunBlend::OPAQUE:
        break;
    case RunBlend::OPAQUE_FOUR_LANE:
        translucent = 18;
        break;
    case RunBlend::OPACITY:
        opaque = 14;
        translucent = 16;
        break;
    case RunBlend::OPACITY_FOUR_LANE:
        opaque = 20;
        translucent = 22;
        break;
    }
    DrawAlphaStreams<2, 2>(source, sourceRect, destination, destinationRect, TableRows(opaque), TableRows(translucent),
                           rows);
}

void DrawRle16AlphaThrough(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                           const CRect& destinationRect, RunKernelPair opaque, RunKernelPair translucent, RunRows rows)
{
    DrawAlphaStreams<2, 2>(source, sourceRect, destination, destinationRect, opaque, translucent, rows);
}

void DrawRle16AlphaTo24(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                        const CRect& destinationRect, RunRows rows)
{
    DrawAlphaStreams<2, 3>(source, sourceRect, destination, destinationRect,
                           {&RunConvert565To24Copy, &RunConvert565To24Fill},
                           {&RunConvert565To24CopyAlpha, &RunConvert565To24FillAlpha}, rows);
}

void DrawRle16AlphaTo32(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                        const CRect& destinationRect, RunRows rows)
{
    DrawAlphaStreams<2, 4>(source, sourceRect, destination, destinationRect,
                           {&RunConvert565To32Copy, &RunConvert565To32Fill},
                           {&RunConvert565To32CopyAlpha, &RunConvert565To32FillAlpha}, rows);
}

void DrawRle24Alpha(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                    const CRect& destinationRect, bool withOpacity, RunRows rows)
{
    DrawAlphaStreams<3, 3>(source, sourceRect, destination, destinationRect, TableRows(withOpacity ? 28 : 24),
                           TableRows(withOpacity ? 30 : 26), rows);
}

void DrawRle24AlphaTo32(const CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                        const CRect& destinationRect, bool withOpacity, RunRows rows)
{
    DrawAlphaStreams<3, 4>(source, sourceRect, destination, destinationRect, TableRows(withOpacity ? 28 : 24),
                           TableRows(withOpacity ? 30 : 26), rows);
}
