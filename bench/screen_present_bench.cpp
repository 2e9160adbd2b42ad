#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/graphics/dirty_rect_frame.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/platform/sdl_display_device.h"
#include "engine/platform/window_placement.h"

// What the dirty-rectangle frame saves against drawing and copying the
// whole picture every frame, with few and with many sprites, onto a 16- and
// a 32-bit screen; and what a present through the video system costs
// beside converting or copying the picture's bytes.

namespace {

constexpr int32_t WIDTH = 800;
constexpr int32_t HEIGHT = 600;
constexpr int32_t SPRITE_SIDE = 32;

struct Scene
{
    explicit Scene(int32_t spriteCount)
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        background.Create(WIDTH, HEIGHT, 16);
        uint16_t* pixels = reinterpret_cast<uint16_t*>(background.GetPixels());
        for (int32_t i = 0; i < WIDTH * HEIGHT; i++)
            pixels[i] = static_cast<uint16_t>(i * 2654435761u >> 16);
        sprite.Create(SPRITE_SIDE, SPRITE_SIDE, 16);
        std::memset(sprite.GetPixels(), 0x5A, SPRITE_SIDE * SPRITE_SIDE * 2);
        uint32_t seed = 17;
        for (int32_t i = 0; i < spriteCount; i++)
        {
            seed = seed * 1103515245u + 12345u;
            positions.push_back({static_cast<int32_t>(seed >> 8) % (WIDTH - SPRITE_SIDE),
                                 static_cast<int32_t>(seed >> 16) % (HEIGHT - SPRITE_SIDE)});
        }
    }

    // Each sprite moves a little every frame, wrapping around the screen.
    void Draw(CFrameInterface& target, int64_t frame)
    {
        for (size_t i = 0; i < positions.size(); i++)
        {
            const int32_t x = static_cast<int32_t>((positions[i].first + frame * 3 + static_cast<int64_t>(i)) % WIDTH);
            const int32_t y = static_cast<int32_t>((positions[i].second + frame * 2) % HEIGHT);
            target.BlitAt(&sprite, x, y, &GetBlitNormal());
        }
    }

    CFrame background;
    CFrame sprite;
    std::vector<std::pair<int32_t, int32_t>> positions;
};

void BM_DirtyRectangles(benchmark::State& state)
{
    Scene scene(static_cast<int32_t>(state.range(0)));
    const int32_t screenBits = static_cast<int32_t>(state.range(1));
    CDirtyRectFrame frame;
    frame.Create(WIDTH, HEIGHT, 16);
    frame.SetBufferCount(3);
    frame.SetBackgroundFrame(&scene.background);
    // The three surfaces of the flip chain, each holding its own picture.
    CFrame surfaces[3];
    for (CFrame& surface : surfaces)
        surface.Create(WIDTH, HEIGHT, screenBits);
    int64_t frameNumber = 0;
    for (auto _ : state)
    {
        frame.Clear();
        scene.Draw(frame, frameNumber);
        frame.PresentDirty(&surfaces[frame.GetCurrentBuffer()], &GetBlitNormal());
        frame.AdvanceBuffer();
        frameNumber++;
    }
    frame.SetBackgroundFrame(nullptr);
}
BENCHMARK(BM_DirtyRectangles)->ArgsProduct({{0, 10, 50, 200}, {16, 32}})->Unit(benchmark::kMicrosecond);

void BM_WholePicture(benchmark::State& state)
{
    Scene scene(static_cast<int32_t>(state.range(0)));
    const int32_t screenBits = static_cast<int32_t>(state.range(1));
    CFrame picture;
    picture.Create(WIDTH, HEIGHT, 16);
    CFrame surface;
    surface.Create(WIDTH, HEIGHT, screenBits);
    int64_t frameNumber = 0;
    for (auto _ : state)
    {
        picture.BlitAt(&scene.background, 0, 0, &GetBlitNormal());
        scene.Draw(picture, frameNumber);
        surface.BlitAt(&picture, 0, 0, &GetBlitNormal());
        frameNumber++;
    }
}
BENCHMARK(BM_WholePicture)->ArgsProduct({{0, 10, 50, 200}, {16, 32}})->Unit(benchmark::kMicrosecond);

// ---- presenting through the video system (headless driver)

void BM_Present(benchmark::State& state)
{
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    WindowHandle window = CreateHiddenWindow("bench", WIDTH, HEIGHT);
    if (!window)
    {
        state.SkipWithError("no window");
        return;
    }
    {
        SdlDisplayDevice display;
        const uint32_t bits = static_cast<uint32_t>(state.range(0));
        if (!display.Create() || !display.SetCooperativeLevel(window, true) ||
            !display.SetDisplayMode({WIDTH, HEIGHT, bits}) || !display.CreateFlipChain(2, true))
        {
            state.SkipWithError("no mode");
        }
        else
        {
            for (auto _ : state)
                benchmark::DoNotOptimize(display.Flip());
        }
        display.Release();
    }
    SDL_Quit();
}
BENCHMARK(BM_Present)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

void BM_ConvertPixels(benchmark::State& state)
{
    const bool deep = state.range(0) == 32;
    const int32_t bytesPerPixel = deep ? 4 : 2;
    std::vector<uint8_t> picture(static_cast<size_t>(WIDTH * HEIGHT * bytesPerPixel), 0x5A);
    std::vector<uint8_t> converted(static_cast<size_t>(WIDTH * HEIGHT * 4));
    for (auto _ : state)
    {
        SDL_ConvertPixels(WIDTH, HEIGHT, deep ? SDL_PIXELFORMAT_XRGB8888 : SDL_PIXELFORMAT_RGB565, picture.data(),
                          WIDTH * bytesPerPixel, SDL_PIXELFORMAT_ARGB8888, converted.data(), WIDTH * 4);
        benchmark::DoNotOptimize(converted.data());
    }
}
BENCHMARK(BM_ConvertPixels)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

void BM_CopyBytes(benchmark::State& state)
{
    const size_t bytes = static_cast<size_t>(WIDTH * HEIGHT * (state.range(0) == 32 ? 4 : 2));
    std::vector<uint8_t> picture(bytes, 0x5A);
    std::vector<uint8_t> copy(bytes);
    for (auto _ : state)
    {
        std::memcpy(copy.data(), picture.data(), bytes);
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_CopyBytes)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

} // namespace
