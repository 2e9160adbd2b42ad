// Loading images beside what a plain program would do with the same
// libraries. Seeded pictures: an 800 x 600 JPEG decoded into a 16-bit
// frame against libjpeg-turbo decoding to RGB followed by a plain 888 to
// 565 loop; 1024 x 1024 TGA files (24 and 32 bits, plain and run-length)
// read into 16- and 32-bit frames against memcpy of the file and
// SDL_ConvertPixels; compiled caches of 100 64 x 64 sprites and an
// 800 x 600 background read borrowed and copied against fread of the same
// files and against rebuilding them from their TGA sources; the palette
// of the decoded 800 x 600 JPEG (QuantizeBoxes(254) alone, the palette
// reduce step, and that step followed by mapping every pixel) against
// libjpeg-turbo's two-pass quantizer (a decode with quantize_colors minus
// a plain decode); plain and dithered conversion to 16 bits against
// SDL_ConvertPixels.

#include <benchmark/benchmark.h>

#include <SDL.h>
#include <cstdio>
#include <memory>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/graphics/bit_depth_filter.h"
#include "engine/graphics/color_quantizer.h"
#include "engine/graphics/color_table.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/jpeg_codec.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/tga_file_io.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Smooth areas with noise, as photographs and painted sprites have.
void Paint(CFrame& frame, uint32_t seed)
{
    std::mt19937 random(seed);
    const int32_t bytes = frame.GetBytesPerPixel();
    for (int32_t y = 0; y < frame.GetHeight(); y++)
    {
        uint8_t* pixel = frame.GetPixels() + size_t(frame.GetRowOffsets()[y]) * size_t(bytes);
        for (int32_t x = 0; x < frame.GetWidth(); x++, pixel += bytes)
        {
            const bool flat = (x / 16 + y / 16) % 3 == 0;
            for (int32_t k = 0; k < 3; k++)
                pixel[k] = static_cast<uint8_t>(flat ? 40 * k : (x * (k + 1) + y + random() % 8));
            if (bytes == 4)
                pixel[3] = flat ? 0 : 255;
        }
    }
}

Bytes Contents(CFile& file)
{
    const uint32_t size = file.GetSize();
    file.Seek(0);
    const uint8_t* bytes = file.Map(size);
    return Bytes(bytes, bytes + size);
}

CFile* MemoryFile()
{
    CFile* file = new CFile;
    file->Attach(new CMemoryStream(), OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    return file;
}

const Bytes& JpegPicture()
{
    static const Bytes bytes = [] {
        CFrame frame;
        frame.Create(800, 600, 24);
        Paint(frame, 1);
        std::unique_ptr<CFile> file(MemoryFile());
        EncodeJpeg(*file, frame.GetPixels(), 800, 600, true, 85);
        return Contents(*file);
    }();
    return bytes;
}

void BM_JpegInto16BitFrame(benchmark::State& state)
{
    InitPixelFormatTables("Palettes", "GamePalette");
    const Bytes& jpeg = JpegPicture();
    for (auto _ : state)
    {
        CFile file;
        file.Attach(new CMemoryStream(const_cast<uint8_t*>(jpeg.data()), uint32_t(jpeg.size()), false), OPEN_READ);
        CFrame frame;
        DecodeJpegIntoFrame(frame, file);
        ConvertFrameTo16(frame, false);
        benchmark::DoNotOptimize(frame.GetPixels());
    }
    state.SetItemsProcessed(state.iterations() * 800 * 600);
}
BENCHMARK(BM_JpegInto16BitFrame);

// libjpeg-turbo's own decode of the picture into rows of its output: red,
// green, blue, or with colours > 0 palette indexes from its two-pass
// quantizer.
void LibjpegDecode(const Bytes& jpeg, Bytes& out, int32_t colours, J_DITHER_MODE dither)
{
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, jpeg.data(), jpeg.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    if (colours > 0)
    {
        info.quantize_colors = TRUE;
        info.two_pass_quantize = TRUE;
        info.desired_number_of_colors = colours;
        info.dither_mode = dither;
    }
    jpeg_start_decompress(&info);
    const size_t rowBytes = size_t(info.output_width) * size_t(info.output_components);
    out.resize(rowBytes * info.output_height);
    while (info.output_scanline < info.output_height)
    {
        JSAMPROW row = out.data() + rowBytes * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
}

void BM_LibjpegRgbThen565Loop(benchmark::State& state)
{
    const Bytes& jpeg = JpegPicture();
    Bytes rgb;
    std::vector<uint16_t> words(800 * 600);
    for (auto _ : state)
    {
        LibjpegDecode(jpeg, rgb, 0, JDITHER_NONE);
        for (size_t i = 0; i < words.size(); i++)
            words[i] =
                static_cast<uint16_t>((rgb[i * 3] >> 3) << 11 | (rgb[i * 3 + 1] >> 2) << 5 | rgb[i * 3 + 2] >> 3);
        benchmark::DoNotOptimize(words.data());
    }
    state.SetItemsProcessed(state.iterations() * 800 * 600);
}
BENCHMARK(BM_LibjpegRgbThen565Loop);

// The run-length TGA file our writer makes of the frame.
Bytes TgaFileOf(CFrame& frame)
{
    const std::string path = std::string(P_tmpdir) + "/vp_image_loading_bench.tga";
    CTGAFileIO().Write(frame, path.c_str(), OPEN_NAME_UNCHANGED);
    CFile file;
    file.Open(path.c_str(), OPEN_READ | OPEN_NAME_UNCHANGED | OPEN_WHOLE_FILE);
    Bytes bytes = Contents(file);
    std::remove(path.c_str());
    return bytes;
}

// A 1024 x 1024 TGA of the depth, run-length or plain.
const Bytes& TgaPicture(int32_t bits, bool runLength)
{
    static Bytes pictures[2][2];
    Bytes& bytes = pictures[bits == 32][runLength];
    if (bytes.empty())
    {
        CFrame frame;
        frame.Create(1024, 1024, bits);
        Paint(frame, 2);
        if (runLength)
            bytes = TgaFileOf(frame);
        else
        {
            bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 4, static_cast<uint8_t>(bits), 0x20};
            bytes.insert(bytes.end(), frame.GetPixels(), frame.GetPixels() + 1024 * 1024 * (bits / 8));
        }
    }
    return bytes;
}

void BM_TgaRead(benchmark::State& state)
{
    InitPixelFormatTables("Palettes", "GamePalette");
    const Bytes& tga = TgaPicture(int32_t(state.range(0)), state.range(1) != 0);
    CTGAFileIO reader;
    for (auto _ : state)
    {
        CFrame frame;
        reader.Read(frame, tga.data(), uint32_t(tga.size()), "bench", int32_t(state.range(2)));
        benchmark::DoNotOptimize(frame.GetPixels());
    }
    state.SetItemsProcessed(state.iterations() * 1024 * 1024);
}
BENCHMARK(BM_TgaRead)->ArgNames({"bits", "rle", "into"})->ArgsProduct({{24, 32}, {0, 1}, {16, 32}});

void BM_MemcpyOfTheFile(benchmark::State& state)
{
    const Bytes& tga = TgaPicture(int32_t(state.range(0)), false);
    Bytes copy(tga.size());
    for (auto _ : state)
    {
        std::memcpy(copy.data(), tga.data(), tga.size());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * 1024 * 1024);
}
BENCHMARK(BM_MemcpyOfTheFile)->ArgName("bits")->Arg(24)->Arg(32);

void BM_SdlConvertPixels(benchmark::State& state)
{
    const int32_t bits = int32_t(state.range(0));
    const Bytes& tga = TgaPicture(bits, false);
    const uint32_t from = bits == 24 ? SDL_PIXELFORMAT_BGR24 : SDL_PIXELFORMAT_ARGB8888;
    const uint32_t to = state.range(1) == 16 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_ARGB8888;
    Bytes out(1024 * 1024 * 4);
    for (auto _ : state)
    {
        SDL_ConvertPixels(1024, 1024, from, tga.data() + 18, 1024 * bits / 8, to, out.data(),
                          1024 * int32_t(state.range(1)) / 8);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * 1024 * 1024);
}
BENCHMARK(BM_SdlConvertPixels)->ArgNames({"bits", "into"})->ArgsProduct({{24, 32}, {16, 32}});

// The steps that make a loaded picture its cache: conversion to 16 bits,
// and run-length encoding for sprites.
void FinishForCache(CFrame& frame, bool background)
{
    CImageFilterChain chain;
    chain.AddStep(IMAGE_STEP_BIT_DEPTH);
    if (!background)
        chain.AddStep(IMAGE_STEP_RUN_LENGTH);
    chain.Apply(frame);
}

// 100 sprites (range 0) or one background (range 1): each picture's TGA
// source and its compiled cache.
struct CompiledPictures
{
    std::vector<Bytes> sources;
    std::vector<Bytes> caches;
};

const CompiledPictures& Pictures(bool background)
{
    static CompiledPictures sets[2];
    CompiledPictures& pictures = sets[background];
    if (pictures.caches.empty())
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        for (int32_t i = 0; i < (background ? 1 : 100); i++)
        {
            CFrame frame;
            frame.Create(background ? 800 : 64, background ? 600 : 64, 32);
            Paint(frame, uint32_t(10 + i));
            pictures.sources.push_back(TgaFileOf(frame));
            FinishForCache(frame, background);
            std::unique_ptr<CFile> file(MemoryFile());
            frame.WriteBinary(*file);
            pictures.caches.push_back(Contents(*file));
        }
    }
    return pictures;
}

const std::vector<Bytes>& Caches(bool background)
{
    return Pictures(background).caches;
}

void BM_CacheRead(benchmark::State& state)
{
    const std::vector<Bytes>& caches = Caches(state.range(0) != 0);
    const bool borrowed = state.range(1) != 0;
    size_t bytes = 0;
    for (auto _ : state)
        for (const Bytes& cache : caches)
        {
            CFile file;
            file.Attach(new CMemoryStream(const_cast<uint8_t*>(cache.data()), uint32_t(cache.size()), false),
                        OPEN_READ);
            file.SetMapInPlace(borrowed);
            CFrame frame;
            frame.ReadBinary(file);
            benchmark::DoNotOptimize(frame.GetPixels());
            bytes += cache.size();
        }
    state.SetBytesProcessed(int64_t(bytes));
}
BENCHMARK(BM_CacheRead)->ArgNames({"background", "borrowed"})->ArgsProduct({{0, 1}, {0, 1}});

void BM_FreadOfTheCaches(benchmark::State& state)
{
    const std::vector<Bytes>& caches = Caches(state.range(0) != 0);
    const std::string path = std::string(P_tmpdir) + "/vp_image_loading_bench.frm";
    FILE* out = std::fopen(path.c_str(), "wb");
    for (const Bytes& cache : caches)
        std::fwrite(cache.data(), 1, cache.size(), out);
    std::fclose(out);
    Bytes buffer(caches[0].size());
    size_t bytes = 0;
    for (auto _ : state)
    {
        FILE* in = std::fopen(path.c_str(), "rb");
        for (const Bytes& cache : caches)
            bytes += std::fread(buffer.data(), 1, cache.size(), in);
        std::fclose(in);
        benchmark::DoNotOptimize(buffer.data());
    }
    std::remove(path.c_str());
    state.SetBytesProcessed(int64_t(bytes));
}
BENCHMARK(BM_FreadOfTheCaches)->ArgName("background")->Arg(0)->Arg(1);

// What a stale cache costs: each picture read from its TGA source and
// finished as its cache was.
void BM_RebuildFromTga(benchmark::State& state)
{
    const bool background = state.range(0) != 0;
    const std::vector<Bytes>& sources = Pictures(background).sources;
    CTGAFileIO reader;
    for (auto _ : state)
        for (const Bytes& source : sources)
        {
            const uint32_t size = uint32_t(source.size());
            CFrame frame;
            reader.Read(frame, source.data(), size, "bench", reader.GetDataBitDepth(source.data(), size));
            FinishForCache(frame, background);
            benchmark::DoNotOptimize(frame.GetPixels());
        }
}
BENCHMARK(BM_RebuildFromTga)->ArgName("background")->Arg(0)->Arg(1);

// The JPEG picture as our decoder gives it: 24 bits, 800 x 600.
const CFrame& DecodedPicture()
{
    static CFrame frame;
    if (frame.GetPixels() == nullptr)
    {
        const Bytes& jpeg = JpegPicture();
        CFile file;
        file.Attach(new CMemoryStream(const_cast<uint8_t*>(jpeg.data()), uint32_t(jpeg.size()), false), OPEN_READ);
        DecodeJpegIntoFrame(frame, file);
    }
    return frame;
}

void BM_QuantizeBoxes254(benchmark::State& state)
{
    std::vector<uint32_t> histogram(COLOR_HISTOGRAM_CELLS);
    ClearColorHistogram(histogram.data());
    CountColorHistogram(histogram.data(), DecodedPicture());
    uint8_t colours[254 * 3];
    for (auto _ : state)
    {
        int32_t count;
        QuantizeBoxes(histogram.data(), 254, colours, &count);
        benchmark::DoNotOptimize(colours);
    }
}
BENCHMARK(BM_QuantizeBoxes254);

// The palette reduce step: histogram and boxes into the frame's palette.
void PaletteReduce(CFrame& frame)
{
    CImageFilterChain chain;
    chain.AddStep(IMAGE_STEP_PALETTE_REDUCE);
    chain.Apply(frame);
}

void BM_PaletteReduce(benchmark::State& state)
{
    CFrame frame;
    frame.CopyFrom(DecodedPicture());
    frame.AttachPaletteHolder();
    for (auto _ : state)
    {
        PaletteReduce(frame);
        benchmark::DoNotOptimize(frame.GetPalette()->GetData());
    }
    state.SetItemsProcessed(state.iterations() * 800 * 600);
}
BENCHMARK(BM_PaletteReduce);

// The whole of what the two-pass quantizer does: the palette, then every
// pixel mapped to it (nearest entry, or dithered).
void BM_PaletteReduceThenMap(benchmark::State& state)
{
    const bool dither = state.range(0) != 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        CFrame frame;
        frame.CopyFrom(DecodedPicture());
        frame.AttachPaletteHolder();
        state.ResumeTiming();
        PaletteReduce(frame);
        GamePalette.CopyFrom(*frame.GetPalette());
        CurrentPalette.CopyFrom(*frame.GetPalette());
        ConvertFrameTo8(frame, dither);
        benchmark::DoNotOptimize(frame.GetPixels());
    }
    GamePalette.SetKind(CColorTable::EMPTY);
    CurrentPalette.SetKind(CColorTable::EMPTY);
    state.SetItemsProcessed(state.iterations() * 800 * 600);
}
BENCHMARK(BM_PaletteReduceThenMap)->ArgName("dither")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// colours 0: a plain decode to red, green, blue; 254: the two-pass
// quantizer without and with Floyd-Steinberg dithering.
void BM_LibjpegDecode(benchmark::State& state)
{
    const Bytes& jpeg = JpegPicture();
    const J_DITHER_MODE dither = state.range(1) != 0 ? JDITHER_FS : JDITHER_NONE;
    Bytes out;
    for (auto _ : state)
    {
        LibjpegDecode(jpeg, out, int32_t(state.range(0)), dither);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * 800 * 600);
}
BENCHMARK(BM_LibjpegDecode)->ArgNames({"colours", "dither"})->Args({0, 0})->Args({254, 0})->Args({254, 1});

void BM_ConvertTo16(benchmark::State& state)
{
    InitPixelFormatTables("Palettes", "GamePalette");
    CFrame source;
    source.Create(800, 600, 24);
    Paint(source, 4);
    for (auto _ : state)
    {
        state.PauseTiming();
        CFrame frame;
        frame.CopyFrom(source);
        state.ResumeTiming();
        ConvertFrameTo16(frame, state.range(0) != 0);
        benchmark::DoNotOptimize(frame.GetPixels());
    }
    state.SetItemsProcessed(state.iterations() * 800 * 600);
}
BENCHMARK(BM_ConvertTo16)->ArgName("dither")->Arg(0)->Arg(1);

void BM_SdlConvertTo565(benchmark::State& state)
{
    CFrame source;
    source.Create(800, 600, 24);
    Paint(source, 4);
    Bytes out(800 * 600 * 2);
    for (auto _ : state)
    {
        SDL_ConvertPixels(800, 600, SDL_PIXELFORMAT_BGR24, source.GetPixels(), 800 * 3, SDL_PIXELFORMAT_RGB565,
                          out.data(), 800 * 2);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * 800 * 600);
}
BENCHMARK(BM_SdlConvertTo565);

} // namespace
