// The run-length encoder of the load chain.
//
// Every encoder here reduces a row to three arrays (each pixel's stored
// bytes, whether it is transparent, and an equality key) and hands them to
// one row encoder, so the choice of codes is the same for plain 8- and
// 16-bit frames and for every layer of a 32-bit image; only the keys
// differ: the same palette entry at 8 bits, the same 5-6-5 word (and for
// translucent pixels the same alpha / 8) at 16, never equal for the
// translucent layer at 8 bits.
//
// Streams are built in growable buffers and copied into blocks of their
// exact size, so no image shape can outgrow a work buffer.
#include "engine/graphics/run_length_encoder.h"

#include <algorithm>
#include <cstring>

#include "engine/core/color/color.h"
#include "engine/graphics/bit_depth_filter.h"
#include "engine/graphics/floyd_steinberg.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_rows.h"
#include "engine/graphics/image_steps.h"
#include "engine/graphics/palettes.h"

namespace {

int32_t s_FillThreshold = 8;

constexpr int32_t MAX_SKIP = 127;
constexpr int32_t MAX_RUN = 63;

// How many pixels from p have p's key, counting at most limit.
int32_t CountEqual(const uint32_t* keys, int32_t p, int32_t limit)
{
    int32_t k = 1;
    while (k < limit && keys[p + k] == keys[p])
        k++;
    return limit > 0 ? k : 0;
}

void AppendValues(std::vector<uint8_t>& output, const RunLengthRowSource& row, int32_t from, int32_t count)
{
    const uint8_t* values = row.values + static_cast<size_t>(from) * row.valueBytes;
    output.insert(output.end(), values, values + static_cast<size_t>(count) * row.valueBytes);
}

void EncodeStretch(const RunLengthRowSource& row, int32_t p, int32_t end, std::vector<uint8_t>& output)
{
    const int32_t threshold = s_FillThreshold;
    while (p < end)
    {
        const int32_t k = CountEqual(row.keys, p, std::min(end - p, MAX_RUN));
        if (k > threshold)
        {
            output.push_back(static_cast<uint8_t>(k));
            AppendValues(output, row, p, 1);
            p += k;
            continue;
        }
        // A literal ends before a stretch of threshold equal pixels, which
        // the next code can fill.
        int32_t n = 1;
        while (n < MAX_RUN && p + n < end &&
               CountEqual(row.keys, p + n, std::min(threshold, end - (p + n))) < threshold)
            n++;
        output.push_back(static_cast<uint8_t>(0x40 | n));
        AppendValues(output, row, p, n);
        p += n;
    }
}

// A stream under construction: its block (size word first) and row starts.
struct StreamBuilder
{
    std::vector<uint8_t> bytes{0, 0, 0, 0};
    std::vector<int32_t> rows;
};

// The finished stream in exact-size blocks; the row table has at least
// two entries, as every frame's does.
void InstallStream(CFrame& frame, int32_t index, StreamBuilder& stream)
{
    const uint32_t size = static_cast<uint32_t>(stream.bytes.size());
    std::memcpy(stream.bytes.data(), &size, 4);
    uint8_t* block = AllocatePixelBlock(size);
    std::memcpy(block, stream.bytes.data(), size);
    const size_t rows = std::max<size_t>(stream.rows.size(), 2);
    int32_t* table = new int32_t[rows];
    for (size_t i = 0; i < rows; i++)
        table[i] = i < stream.rows.size() ? stream.rows[i] : static_cast<int32_t>(size);
    if (index == 0)
        frame.SetPixelData(block, table);
    else
        frame.SetStream(index, block, table);
}

// Replaces the frame's pixels by the streams given (null: no stream),
// keeping its size, depth and offsets.
void ReplaceWithStreams(CFrame& frame, uint32_t encoding, StreamBuilder* streams[5])
{
    const int32_t width = frame.GetWidth(), height = frame.GetHeight();
    const int32_t x = frame.GetUpperLeftXOffset(), y = frame.GetUpperLeftYOffset();
    const uint32_t depth = frame.GetFormat() & FRAME_DEPTH_MASK;
    frame.FreePixels();
    frame.SetSize(static_cast<uint32_t>(width), static_cast<uint32_t>(height));
    frame.SetFormatWord((frame.GetFormat() & ~(FRAME_ENCODING_MASK | FRAME_DEPTH_MASK)) | depth | encoding);
    frame.SetUpperLeftOffset(x, y);
    for (int32_t i = 0; i < 5; i++)
        if (streams[i])
            InstallStream(frame, i, *streams[i]);
}

// Encodes every row of a plain frame; keyOf(pixel bytes, x) gives the
// equality key, emptyOf(pixel bytes) whether the pixel is transparent.
template <typename KeyOf, typename EmptyOf>
void EncodeLayer(const CFrame& layer, KeyOf keyOf, EmptyOf emptyOf, StreamBuilder& stream)
{
    const int32_t width = layer.GetWidth();
    const uint32_t valueBytes = static_cast<uint32_t>(layer.GetBytesPerPixel());
    std::vector<uint32_t> keys(static_cast<size_t>(width));
    std::vector<uint8_t> empty(static_cast<size_t>(width));
    for (int32_t y = 0; y < layer.GetHeight(); y++)
    {
        const uint8_t* row = PlainFrameRow(layer, y);
        for (int32_t x = 0; x < width; x++)
        {
            keys[static_cast<size_t>(x)] = keyOf(row + static_cast<size_t>(x) * valueBytes, x);
            empty[static_cast<size_t>(x)] = emptyOf(row + static_cast<size_t>(x) * valueBytes) ? 1 : 0;
        }
        stream.rows.push_back(static_cast<int32_t>(stream.bytes.size()));
        EncodeRunLengthRow({row, valueBytes, keys.data(), empty.data(), width}, stream.bytes);
    }
}

bool IsTransparent32(const uint8_t* pixel)
{
    return pixel[3] == 0;
}

bool HasVisiblePixel(CFrame& layer)
{
    bool any = false;
    ForEachPixel32(layer, [&any](uint8_t* pixel) { any = any || pixel[3] != 0; });
    return any;
}

uint32_t PaletteKey(const uint8_t* pixel, int32_t)
{
    return GamePalette.FindNearestPaletteIndex(pixel[2], pixel[1], pixel[0], 1, 255);
}

uint32_t Word565Key(const uint8_t* pixel, int32_t)
{
    return Pack565(pixel[2], pixel[1], pixel[0]);
}

uint32_t Translucent565Key(const uint8_t* pixel, int32_t)
{
    return Pack565(pixel[2], pixel[1], pixel[0]) | static_cast<uint32_t>(pixel[3] >> 3) << 16;
}

// Translucent pixels at 8 bits are never merged into fills.
uint32_t UniqueKey(const uint8_t*, int32_t x)
{
    return static_cast<uint32_t>(x);
}

bool HasGamePalette()
{
    return GamePalette.HasData();
}

} // namespace

void SetRleFillThreshold(int32_t threshold)
{
    s_FillThreshold = threshold;
}

int32_t GetRleFillThreshold()
{
    return s_FillThreshold;
}

void EncodeRunLengthRow(const RunLengthRowSource& row, std::vector<uint8_t>& output)
{
    int32_t x = 0;
    while (x < row.width)
    {
        int32_t skip = 0;
        while (x + skip < row.width && skip < MAX_SKIP && row.empty[x + skip])
            skip++;
        if (skip > 0)
        {
            output.push_back(static_cast<uint8_t>(0x80 | skip));
            x += skip;
            continue;
        }
        int32_t end = x;
        while (end < row.width && !row.empty[end])
            end++;
        EncodeStretch(row, x, end, output);
        x = end;
    }
}

bool EncodeRunLengthFrame(CFrame& frame)
{
    const int32_t bits = frame.GetBitsPerPixel();
    if ((bits != 8 && bits != 16) || !IsPlainFrameWithPixels(frame))
        return false;
    StreamBuilder stream;
    if (bits == 8)
        EncodeLayer(
            frame, [](const uint8_t* pixel, int32_t) { return uint32_t{*pixel}; },
            [](const uint8_t* pixel) { return *pixel == 0; }, stream);
    else
        EncodeLayer(
            frame,
            [](const uint8_t* pixel, int32_t) {
                uint16_t word;
                std::memcpy(&word, pixel, 2);
                return uint32_t{word};
            },
            [](const uint8_t* pixel) { return pixel[0] == 0 && pixel[1] == 0; }, stream);
    StreamBuilder* streams[5] = {&stream, nullptr, nullptr, nullptr, nullptr};
    ReplaceWithStreams(frame, bits == 8 ? FRAME_ENCODING_RLE8 : FRAME_ENCODING_RLE_ALPHA, streams);
    return true;
}

void SplitAlphaLayer(CFrame& destination, const CFrame& source, int32_t low, int32_t high)
{
    destination.Create(static_cast<uint32_t>(source.GetWidth()), static_cast<uint32_t>(source.GetHeight()), 32);
    if (destination.GetPixels() == nullptr || source.GetBitsPerPixel() != 32 || !IsPlainFrameWithPixels(source))
        return;
    const int32_t top = std::min(high, 255);
    for (int32_t y = 0; y < source.GetHeight(); y++)
    {
        const uint8_t* from = PlainFrameRow(source, y);
        uint8_t* to = PlainFrameRow(destination, y);
        for (int32_t x = 0; x < source.GetWidth(); x++, from += 4, to += 4)
            if (from[3] > low && from[3] <= top)
                std::memcpy(to, from, 4);
    }
}

bool DitherLayerToPalette(CFrame& layer)
{
    CColorTable& palette = GetCurrentPalette();
    if (!palette.Holds(CColorTable::PALETTE) || !HasGamePalette())
        return false;
    FloydSteinbergDither ditherer(layer.GetWidth(), 0.5f, &palette, &GamePalette);
    ForEachPixel32(layer, [&](uint8_t* pixel) {
        const uint8_t index =
            ditherer.ChooseIndex(pixel[2] / 255.0f, pixel[1] / 255.0f, pixel[0] / 255.0f);
        palette.GetEntry(index, pixel[2], pixel[1], pixel[0]);
    });
    return true;
}

void DitherRowTo565(uint8_t* row, int32_t width, FloydSteinbergDither& ditherer)
{
    for (int32_t x = 0; x < width; x++, row += 4)
    {
        uint8_t rgb[3];
        DitherPixelTo565(ditherer, row[2] / 255.0f, row[1] / 255.0f, row[0] / 255.0f, rgb);
        row[2] = rgb[0];
        row[1] = rgb[1];
        row[0] = rgb[2];
    }
}

bool CImageStepRunLength::ConversionDithers() const
{
    for (const CImageFilterChain* step = GetNext(); step; step = step->GetNext())
        if (step->GetType() == IMAGE_STEP_BIT_DEPTH)
            return static_cast<const CBitDepthFilter*>(step)->m_Dither;
    return false;
}

bool EncodeFiveLayerForm(const CImageStepRunLength& step, CFrame& frame)
{
    if (!HasGamePalette())
        return false;
    // Stream i holds the alpha range of layer i; higher streams are drawn
    // more opaque, stream 0 fully.
    static const int32_t LOWER_ALPHA[5] = {229, 25, 76, 127, 178};
    static const int32_t UPPER_ALPHA[5] = {255, 76, 127, 178, 229};
    CFrame layers[5];
    for (int32_t i = 0; i < 5; i++)
        SplitAlphaLayer(layers[i], frame, LOWER_ALPHA[i], UPPER_ALPHA[i]);
    if (step.ConversionDithers())
        DitherLayerToPalette(layers[0]);
    StreamBuilder built[5];
    StreamBuilder* streams[5] = {};
    for (int32_t i : {0, 4, 3, 2, 1})
    {
        if (i != 0 && !HasVisiblePixel(layers[i]))
            continue;
        EncodeLayer(layers[i], PaletteKey, IsTransparent32, built[i]);
        streams[i] = &built[i];
    }
    ReplaceWithStreams(frame, FRAME_ENCODING_RLE8, streams);
    return true;
}

bool EncodeAlphaForm(const CImageStepRunLength& step, CFrame& frame)
{
    const int32_t target = step.GetTargetDepth();
    if (target != 8 && target != 16)
        return false;
    if (target == 8 && !HasGamePalette())
        return false;
    CFrame opaque, translucent;
    SplitAlphaLayer(opaque, frame, 250, 255);
    SplitAlphaLayer(translucent, frame, 5, 250);
    StreamBuilder built[5];
    StreamBuilder* streams[5] = {&built[0], nullptr, nullptr, nullptr, nullptr};
    if (target == 8)
    {
        if (step.ConversionDithers())
            DitherLayerToPalette(opaque);
        EncodeLayer(opaque, PaletteKey, IsTransparent32, built[0]);
    }
    else
    {
        if (step.ConversionDithers())
        {
            // Limit far above any error: diffusion is never skipped.
            FloydSteinbergDither ditherer(opaque.GetWidth(), 100.8f, nullptr, nullptr);
            for (int32_t y = 0; y < opaque.GetHeight(); y++)
                DitherRowTo565(PlainFrameRow(opaque, y), opaque.GetWidth(), ditherer);
        }
        EncodeLayer(opaque, Word565Key, IsTransparent32, built[0]);
    }
    // Streams 4 (colours) and 3 (to become their alpha bytes) hold the same
    // runs, so the two stay in step after narrowing.
    if (HasVisiblePixel(translucent))
    {
        for (int32_t i : {4, 3})
        {
            if (target == 8)
                EncodeLayer(translucent, UniqueKey, IsTransparent32, built[i]);
            else
                EncodeLayer(translucent, Translucent565Key, IsTransparent32, built[i]);
            streams[i] = &built[i];
        }
    }
    ReplaceWithStreams(frame, FRAME_ENCODING_RLE_ALPHA, streams);
    return true;
}

bool CImageStepRunLength::ApplyStep(CFrame& frame, const CRect&)
{
    if (frame.GetPixels() == nullptr)
        return true;
    if (IsRunLengthFormat(frame.GetFormat()))
        return false;
    const int32_t x = frame.GetUpperLeftXOffset(), y = frame.GetUpperLeftYOffset();
    bool result = false;
    const int32_t target = GetTargetDepth();
    switch (frame.GetBitsPerPixel())
    {
    case 8:
    case 16:
        result = EncodeRunLengthFrame(frame);
        break;
    case 24:
    case 32:
        // Nothing draws a run-length frame of 24- or 32-bit values: for
        // such targets the frame stays plain.
        if (target != 8 && target != 16)
            break;
        if (frame.GetBitsPerPixel() == 24)
            ConvertFrame24To32(frame);
        result = m_Mode == FIVE_LAYERS ? EncodeFiveLayerForm(*this, frame) : EncodeAlphaForm(*this, frame);
        break;
    default:
        break;
    }
    frame.SetUpperLeftOffset(x, y);
    return result;
}
