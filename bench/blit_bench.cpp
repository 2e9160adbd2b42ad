// Whole-screen blits of the "Normal" blit type beside what other libraries
// do for the same pixels, in pixels per second: an 800 x 600 16-bit copy
// (against memcpy and SDL), the 32- to 16-bit conversion in both forms
// (against pixman, SDL's conversion and SDL's blit, after the truncating
// form is checked to give their bytes), and the 16-bit blend at opacity 0.5
// (against SDL's alpha modulation and pixman's OVER through a half mask,
// printing how far their rounding lies from ours). Pixels are seeded, so
// every run blends the same picture.

#include <benchmark/benchmark.h>

#include <SDL.h>
#include <pixman.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "engine/blit/blit_normal.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"

namespace {

constexpr int32_t WIDTH = 800;
constexpr int32_t HEIGHT = 600;
constexpr int64_t PIXELS = int64_t{WIDTH} * HEIGHT;

void FillSeeded(CFrame& frame, uint32_t seed)
{
    std::mt19937 random(seed);
    const size_t bytes = size_t{WIDTH} * HEIGHT * static_cast<size_t>(frame.GetBytesPerPixel());
    for (size_t i = 0; i < bytes; i++)
        frame.GetPixels()[i] = static_cast<uint8_t>(random());
}

// Frames and the surfaces and images of the other libraries over the same
// pixel blocks, built once.
struct Scene
{
    CFrame source16, source32, destination16, reference16;
    SDL_Surface* sdlSource16;
    SDL_Surface* sdlSource32;
    SDL_Surface* sdlDestination16;
    pixman_image_t* pixmanSource16;
    pixman_image_t* pixmanSource32;
    pixman_image_t* pixmanDestination16;
    pixman_image_t* pixmanHalfMask;

    Scene()
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        SDL_SetMainReady();
        source16.Create(WIDTH, HEIGHT, 16);
        source32.Create(WIDTH, HEIGHT, 32);
        destination16.Create(WIDTH, HEIGHT, 16);
        reference16.Create(WIDTH, HEIGHT, 16);
        FillSeeded(source16, 1);
        FillSeeded(source32, 2);
        FillSeeded(reference16, 3);
        sdlSource16 = SDL_CreateRGBSurfaceWithFormatFrom(source16.GetPixels(), WIDTH, HEIGHT, 16, WIDTH * 2,
                                                         SDL_PIXELFORMAT_RGB565);
        sdlSource32 = SDL_CreateRGBSurfaceWithFormatFrom(source32.GetPixels(), WIDTH, HEIGHT, 32, WIDTH * 4,
                                                         SDL_PIXELFORMAT_ARGB8888);
        sdlDestination16 = SDL_CreateRGBSurfaceWithFormatFrom(destination16.GetPixels(), WIDTH, HEIGHT, 16, WIDTH * 2,
                                                              SDL_PIXELFORMAT_RGB565);
        pixmanSource16 = pixman_image_create_bits(PIXMAN_r5g6b5, WIDTH, HEIGHT,
                                                  reinterpret_cast<uint32_t*>(source16.GetPixels()), WIDTH * 2);
        pixmanSource32 = pixman_image_create_bits(PIXMAN_a8r8g8b8, WIDTH, HEIGHT,
                                                  reinterpret_cast<uint32_t*>(source32.GetPixels()), WIDTH * 4);
        pixmanDestination16 = pixman_image_create_bits(
            PIXMAN_r5g6b5, WIDTH, HEIGHT, reinterpret_cast<uint32_t*>(destination16.GetPixels()), WIDTH * 2);
        const pixman_color_t half{0, 0, 0, 0x8080};
        pixmanHalfMask = pixman_image_create_solid_fill(&half);
    }

    ~Scene()
    {
        for (pixman_image_t* image : {pixmanSource16, pixmanSource32, pixmanDestination16, pixmanHalfMask})
            pixman_image_unref(image);
        for (SDL_Surface* surface : {sdlSource16, sdlSource32, sdlDestination16})
            SDL_FreeSurface(surface);
    }

    void ResetDestination() { std::memcpy(destination16.GetPixels(), reference16.GetPixels(), PIXELS * 2); }

    const uint16_t* Destination() const { return reinterpret_cast<const uint16_t*>(destination16.GetPixels()); }
};

Scene& GetScene()
{
    static Scene s_Scene;
    return s_Scene;
}

CBlitNormal& FourLaneNormal()
{
    static CBlitNormal s_Normal(true);
    return s_Normal;
}

CBlitNormal& PlainNormal()
{
    static CBlitNormal s_Normal(false);
    return s_Normal;
}

void Count(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations() * PIXELS);
}

// ---- the 16-bit copy

void Copy16_Normal(benchmark::State& state)
{
    Scene& scene = GetScene();
    PlainNormal().SetOpacity(1.0f);
    for (auto _ : state)
    {
        scene.destination16.BlitAt(&scene.source16, 0, 0, &PlainNormal());
        benchmark::ClobberMemory();
    }
    Count(state);
}
BENCHMARK(Copy16_Normal);

void Copy16_Memcpy(benchmark::State& state)
{
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        std::memcpy(scene.destination16.GetPixels(), scene.source16.GetPixels(), PIXELS * 2);
        benchmark::ClobberMemory();
    }
    Count(state);
}
BENCHMARK(Copy16_Memcpy);

void Copy16_SdlBlitSurface(benchmark::State& state)
{
    Scene& scene = GetScene();
    SDL_SetSurfaceBlendMode(scene.sdlSource16, SDL_BLENDMODE_NONE);
    SDL_SetSurfaceAlphaMod(scene.sdlSource16, 255);
    for (auto _ : state)
    {
        SDL_BlitSurface(scene.sdlSource16, nullptr, scene.sdlDestination16, nullptr);
        benchmark::ClobberMemory();
    }
    Count(state);
}
BENCHMARK(Copy16_SdlBlitSurface);

// ---- 32 to 16 bits

// The truncating form must give the others' bytes before its speed means
// anything.
bool TruncatingMatches(const char* against, void (*convert)(Scene&))
{
    Scene& scene = GetScene();
    scene.ResetDestination();
    scene.destination16.BlitAt(&scene.source32, 0, 0, &FourLaneNormal());
    std::vector<uint16_t> ours(scene.Destination(), scene.Destination() + PIXELS);
    scene.ResetDestination();
    convert(scene);
    const bool same = std::equal(ours.begin(), ours.end(), scene.Destination());
    std::printf("32 to 16, truncating form against %s: %s\n", against, same ? "the same bytes" : "DIFFERENT bytes");
    return same;
}

void PixmanSource(Scene& scene)
{
    pixman_image_composite32(PIXMAN_OP_SRC, scene.pixmanSource32, nullptr, scene.pixmanDestination16, 0, 0, 0, 0, 0, 0,
                             WIDTH, HEIGHT);
}

void SdlBlitNoBlend(Scene& scene)
{
    SDL_SetSurfaceBlendMode(scene.sdlSource32, SDL_BLENDMODE_NONE);
    SDL_BlitSurface(scene.sdlSource32, nullptr, scene.sdlDestination16, nullptr);
}

void SdlConvert(Scene& scene)
{
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(scene.sdlSource32, SDL_PIXELFORMAT_RGB565, 0);
    for (int32_t y = 0; y < HEIGHT; y++)
        std::memcpy(scene.destination16.GetPixels() + size_t{WIDTH} * 2 * static_cast<size_t>(y),
                    static_cast<uint8_t*>(converted->pixels) + static_cast<size_t>(converted->pitch) * y, WIDTH * 2);
    SDL_FreeSurface(converted);
}

void Convert32To16_NormalTruncating(benchmark::State& state)
{
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        scene.destination16.BlitAt(&scene.source32, 0, 0, &FourLaneNormal());
        benchmark::ClobberMemory();
    }
    Count(state);
}
BENCHMARK(Convert32To16_NormalTruncating);

void Convert32To16_NormalBlending(benchmark::State& state)
{
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        scene.destination16.BlitAt(&scene.source32, 0, 0, &PlainNormal());
        benchmark::ClobberMemory();
    }
    Count(state);
}
BENCHMARK(Convert32To16_NormalBlending);

void Convert32To16_PixmanSrc(benchmark::State& state)
{
    static const bool s_Same = TruncatingMatches("pixman SRC", PixmanSource);
    if (!s_Same)
    {
        state.SkipWithError("bytes differ");
        return;
    }
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        PixmanSource(scene);
        benchmark::ClobberMemory();
    }
    Count(state);
}
BENCHMARK(Convert32To16_PixmanSrc);

void Convert32To16_SdlConvertSurface(benchmark::State& state)
{
    static const bool s_Same = TruncatingMatches("SDL_ConvertSurface", SdlConvert);
    if (!s_Same)
    {
        state.SkipWithError("bytes differ");
        return;
    }
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        SDL_Surface* converted = SDL_ConvertSurfaceFormat(scene.sdlSource32, SDL_PIXELFORMAT_RGB565, 0);
        benchmark::DoNotOptimize(converted->pixels);
        SDL_FreeSurface(converted);
    }
    Count(state);
}
BENCHMARK(Convert32To16_SdlConvertSurface);

void Convert32To16_SdlBlitSurface(benchmark::State& state)
{
    static const bool s_Same = TruncatingMatches("SDL_BlitSurface", SdlBlitNoBlend);
    if (!s_Same)
    {
        state.SkipWithError("bytes differ");
        return;
    }
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        SdlBlitNoBlend(scene);
        benchmark::ClobberMemory();
    }
    Count(state);
}
BENCHMARK(Convert32To16_SdlBlitSurface);

// ---- 16-bit blend at half opacity

// The largest difference of one channel, in its own steps, between our
// blend and another library's over the same picture.
void PrintLargestDifference(const char* against, void (*blend)(Scene&))
{
    Scene& scene = GetScene();
    scene.ResetDestination();
    PlainNormal().SetOpacity(0.5f);
    scene.destination16.BlitAt(&scene.source16, 0, 0, &PlainNormal());
    std::vector<uint16_t> ours(scene.Destination(), scene.Destination() + PIXELS);
    scene.ResetDestination();
    blend(scene);
    int32_t largest = 0;
    for (int64_t i = 0; i < PIXELS; i++)
    {
        const int32_t a = ours[i], b = scene.Destination()[i];
        largest = std::max({largest, std::abs((a >> 11) - (b >> 11)), std::abs(((a >> 5) & 63) - ((b >> 5) & 63)),
                            std::abs((a & 31) - (b & 31))});
    }
    std::printf("16-bit blend at 0.5 against %s: largest channel difference %d steps\n", against, largest);
}

void SdlAlphaBlit(Scene& scene)
{
    SDL_SetSurfaceBlendMode(scene.sdlSource16, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(scene.sdlSource16, 128);
    SDL_BlitSurface(scene.sdlSource16, nullptr, scene.sdlDestination16, nullptr);
}

void PixmanHalfOver(Scene& scene)
{
    pixman_image_composite32(PIXMAN_OP_OVER, scene.pixmanSource16, scene.pixmanHalfMask, scene.pixmanDestination16, 0,
                             0, 0, 0, 0, 0, WIDTH, HEIGHT);
}

void Blend16Half_Normal(benchmark::State& state)
{
    Scene& scene = GetScene();
    PlainNormal().SetOpacity(0.5f);
    for (auto _ : state)
    {
        scene.destination16.BlitAt(&scene.source16, 0, 0, &PlainNormal());
        benchmark::ClobberMemory();
    }
    PlainNormal().SetOpacity(1.0f);
    Count(state);
}
BENCHMARK(Blend16Half_Normal);

void Blend16Half_SdlAlphaMod(benchmark::State& state)
{
    static const bool s_Printed =
        (PrintLargestDifference("SDL_BlitSurface with alpha modulation 128", SdlAlphaBlit), true);
    benchmark::DoNotOptimize(s_Printed);
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        SdlAlphaBlit(scene);
        benchmark::ClobberMemory();
    }
    Count(state);
}
BENCHMARK(Blend16Half_SdlAlphaMod);

void Blend16Half_PixmanOver(benchmark::State& state)
{
    static const bool s_Printed = (PrintLargestDifference("pixman OVER with a 0x80 mask", PixmanHalfOver), true);
    benchmark::DoNotOptimize(s_Printed);
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        PixmanHalfOver(scene);
        benchmark::ClobberMemory();
    }
    Count(state);
}
BENCHMARK(Blend16Half_PixmanOver);

} // namespace
