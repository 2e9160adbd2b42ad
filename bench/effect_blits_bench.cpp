// The effect blits beside what other libraries do for the same pixels, in
// destination pixels per second: nearest-neighbour enlarging (against SDL's
// scaled blit and pixman's nearest filter), texture tiling (against pixman's
// repeating source), the filtered thumbnail (against pixman's separable
// cubic convolution), a ball's shadow (against pixman's OVER of black
// through an a8 mask), anti-aliased lines (against our own one-pixel
// lines, per line) and a blit through a window's offset-and-clip proxy
// (against the same blit made directly). Pixels and lines are seeded, so
// every run draws the same pictures.

#include <benchmark/benchmark.h>

#include <SDL.h>
#include <pixman.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "engine/blit/blit_filtered_scale.h"
#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_normal_scale.h"
#include "engine/blit/blit_shadow.h"
#include "engine/blit/blit_tiling.h"
#include "engine/core/color/color.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/run_length_frames.h"

namespace {

constexpr int32_t WIDTH = 800;
constexpr int32_t HEIGHT = 600;
constexpr int32_t BALL = 32;

void FillSeeded(CFrame& frame, uint32_t seed)
{
    std::mt19937 random(seed);
    const size_t bytes = static_cast<size_t>(frame.GetWidth()) * static_cast<size_t>(frame.GetHeight()) *
                         static_cast<size_t>(frame.GetBytesPerPixel());
    for (size_t i = 0; i < bytes; i++)
        frame.GetPixels()[i] = static_cast<uint8_t>(random());
}

pixman_image_t* Pixman565(CFrame& frame)
{
    return pixman_image_create_bits(PIXMAN_r5g6b5, frame.GetWidth(), frame.GetHeight(),
                                    reinterpret_cast<uint32_t*>(frame.GetPixels()), frame.GetWidth() * 2);
}

SDL_Surface* Sdl565(CFrame& frame)
{
    return SDL_CreateRGBSurfaceWithFormatFrom(frame.GetPixels(), frame.GetWidth(), frame.GetHeight(), 16,
                                              frame.GetWidth() * 2, SDL_PIXELFORMAT_RGB565);
}

// Source position = destination position x factor.
void ScaleTransform(pixman_image_t* image, double factor)
{
    pixman_transform_t transform;
    pixman_transform_init_scale(&transform, pixman_double_to_fixed(factor), pixman_double_to_fixed(factor));
    pixman_image_set_transform(image, &transform);
}

// An opaque disc of run-length rows, and its a8 mask at the shadow's
// weight of 100.
struct Ball
{
    RunLengthFixture runs{BALL, BALL, 16, FRAME_ENCODING_RLE_ALPHA};
    std::vector<uint8_t> mask = std::vector<uint8_t>(BALL * BALL, 0);

    Ball()
    {
        std::vector<RunRow> opaque, translucent;
        for (int32_t y = 0; y < BALL; y++)
        {
            const float dy = static_cast<float>(y) + 0.5f - BALL / 2.0f;
            int32_t half = 0;
            while (half < BALL / 2 && (static_cast<float>(half) + 0.5f) * (static_cast<float>(half) + 0.5f) + dy * dy <
                                          (BALL / 2.0f) * (BALL / 2.0f))
                half++;
            const uint8_t side = static_cast<uint8_t>(BALL / 2 - half);
            RunRow row = side ? Skip(side) : RunRow{};
            if (half > 0)
                row = Codes({row, Fill(2, static_cast<uint8_t>(2 * half), 0x1234)});
            if (side)
                row = Codes({row, Skip(side)});
            opaque.push_back(row);
            translucent.push_back(Skip(BALL));
            for (int32_t x = side; x < BALL - side; x++)
                mask[static_cast<size_t>(y * BALL + x)] = 100;
        }
        runs.SetStream(0, opaque);
        runs.SetStream(4, translucent);
        runs.SetStream(3, std::vector<RunRow>(BALL));
    }
};

struct Scene
{
    CFrame destination, quarter, texture, screen, thumbnail, sprite;
    Ball ball;
    SDL_Surface* sdlQuarter;
    SDL_Surface* sdlDestination;
    pixman_image_t* pixmanDestination;
    pixman_image_t* pixmanQuarter;
    pixman_image_t* pixmanTexture;
    pixman_image_t* pixmanScreen;
    pixman_image_t* pixmanThumbnail;
    pixman_image_t* pixmanMask;
    pixman_image_t* pixmanBlack;
    struct Line
    {
        float x0, y0, x1, y1;
    };
    std::vector<Line> lines;

    Scene()
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        SDL_SetMainReady();
        destination.Create(WIDTH, HEIGHT, 16);
        quarter.Create(WIDTH / 2, HEIGHT / 2, 16);
        texture.Create(64, 64, 16);
        screen.Create(630, 480, 16);
        thumbnail.Create(105, 80, 16);
        sprite.Create(64, 64, 16);
        FillSeeded(destination, 1);
        FillSeeded(quarter, 2);
        FillSeeded(texture, 3);
        FillSeeded(screen, 4);
        FillSeeded(sprite, 5);
        sdlQuarter = Sdl565(quarter);
        sdlDestination = Sdl565(destination);
        SDL_SetSurfaceBlendMode(sdlQuarter, SDL_BLENDMODE_NONE);
        pixmanDestination = Pixman565(destination);
        pixmanQuarter = Pixman565(quarter);
        ScaleTransform(pixmanQuarter, 0.5);
        pixman_image_set_filter(pixmanQuarter, PIXMAN_FILTER_NEAREST, nullptr, 0);
        pixmanTexture = Pixman565(texture);
        pixman_image_set_repeat(pixmanTexture, PIXMAN_REPEAT_NORMAL);
        pixmanScreen = Pixman565(screen);
        ScaleTransform(pixmanScreen, 6.0);
        int parameterCount = 0;
        pixman_fixed_t* parameters = pixman_filter_create_separable_convolution(
            &parameterCount, pixman_double_to_fixed(6.0), pixman_double_to_fixed(6.0), PIXMAN_KERNEL_IMPULSE,
            PIXMAN_KERNEL_IMPULSE, PIXMAN_KERNEL_CUBIC, PIXMAN_KERNEL_CUBIC, 4, 4);
        pixman_image_set_filter(pixmanScreen, PIXMAN_FILTER_SEPARABLE_CONVOLUTION, parameters, parameterCount);
        std::free(parameters);
        // 105 pixels of 2 bytes are no whole number of 4-byte words, which
        // pixman's rows must be: its thumbnail has rows of its own.
        pixmanThumbnail = pixman_image_create_bits(PIXMAN_r5g6b5, 105, 80, nullptr, 0);
        pixmanMask =
            pixman_image_create_bits(PIXMAN_a8, BALL, BALL, reinterpret_cast<uint32_t*>(ball.mask.data()), BALL);
        const pixman_color_t black{0, 0, 0, 0xFFFF};
        pixmanBlack = pixman_image_create_solid_fill(&black);
        std::mt19937 random(6);
        std::uniform_real_distribution<float> x(0.0f, WIDTH), y(0.0f, HEIGHT);
        for (int32_t i = 0; i < 1000; i++)
            lines.push_back(Line{x(random), y(random), x(random), y(random)});
    }

    ~Scene()
    {
        for (pixman_image_t* image :
             {pixmanDestination, pixmanQuarter, pixmanTexture, pixmanScreen, pixmanThumbnail, pixmanMask, pixmanBlack})
            pixman_image_unref(image);
        SDL_FreeSurface(sdlQuarter);
        SDL_FreeSurface(sdlDestination);
    }
};

Scene& GetScene()
{
    static Scene s_Scene;
    return s_Scene;
}

void Count(benchmark::State& state, int64_t pixels)
{
    state.SetItemsProcessed(state.iterations() * pixels);
}

// ---- enlarging 400 x 300 to 800 x 600

void Enlarge_NormalScale(benchmark::State& state)
{
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        CRect from{0, 0, WIDTH / 2, HEIGHT / 2};
        CRect into{0, 0, WIDTH, HEIGHT};
        scene.destination.Blit(&scene.quarter, from, into, &GetBlitNormalScale());
        benchmark::ClobberMemory();
    }
    Count(state, int64_t{WIDTH} * HEIGHT);
}
BENCHMARK(Enlarge_NormalScale);

void Enlarge_SdlBlitScaled(benchmark::State& state)
{
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        SDL_Rect into{0, 0, WIDTH, HEIGHT};
        SDL_BlitScaled(scene.sdlQuarter, nullptr, scene.sdlDestination, &into);
        benchmark::ClobberMemory();
    }
    Count(state, int64_t{WIDTH} * HEIGHT);
}
BENCHMARK(Enlarge_SdlBlitScaled);

void Enlarge_PixmanNearest(benchmark::State& state)
{
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        pixman_image_composite32(PIXMAN_OP_SRC, scene.pixmanQuarter, nullptr, scene.pixmanDestination, 0, 0, 0, 0, 0, 0,
                                 WIDTH, HEIGHT);
        benchmark::ClobberMemory();
    }
    Count(state, int64_t{WIDTH} * HEIGHT);
}
BENCHMARK(Enlarge_PixmanNearest);

// ---- a 64 x 64 texture over 800 x 600

void Tile_BlitTile(benchmark::State& state)
{
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        CRect from{0, 0, WIDTH, HEIGHT};
        CRect into{0, 0, WIDTH, HEIGHT};
        scene.destination.Blit(&scene.texture, from, into, &GetBlitTile());
        benchmark::ClobberMemory();
    }
    Count(state, int64_t{WIDTH} * HEIGHT);
}
BENCHMARK(Tile_BlitTile);

void Tile_PixmanRepeat(benchmark::State& state)
{
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        pixman_image_composite32(PIXMAN_OP_SRC, scene.pixmanTexture, nullptr, scene.pixmanDestination, 0, 0, 0, 0, 0, 0,
                                 WIDTH, HEIGHT);
        benchmark::ClobberMemory();
    }
    Count(state, int64_t{WIDTH} * HEIGHT);
}
BENCHMARK(Tile_PixmanRepeat);

// ---- the 630 x 480 to 105 x 80 thumbnail

void Thumbnail_FilteredScale(benchmark::State& state)
{
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        CRect from{0, 0, 630, 480};
        CRect into{0, 0, 105, 80};
        scene.thumbnail.Blit(&scene.screen, from, into, &GetBlitFilteredScale());
        benchmark::ClobberMemory();
    }
    Count(state, 105 * 80);
}
BENCHMARK(Thumbnail_FilteredScale);

void Thumbnail_PixmanCubic(benchmark::State& state)
{
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        pixman_image_composite32(PIXMAN_OP_SRC, scene.pixmanScreen, nullptr, scene.pixmanThumbnail, 0, 0, 0, 0, 0, 0,
                                 105, 80);
        benchmark::ClobberMemory();
    }
    Count(state, 105 * 80);
}
BENCHMARK(Thumbnail_PixmanCubic);

// ---- a ball's shadow

void Shadow_BlitAsShadow(benchmark::State& state)
{
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        scene.destination.BlitAt(&scene.ball.runs.frame, 100, 100, &GetBlitAsShadow());
        benchmark::ClobberMemory();
    }
    Count(state, BALL * BALL);
}
BENCHMARK(Shadow_BlitAsShadow);

void Shadow_PixmanOverMask(benchmark::State& state)
{
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        pixman_image_composite32(PIXMAN_OP_OVER, scene.pixmanBlack, scene.pixmanMask, scene.pixmanDestination, 0, 0, 0,
                                 0, 100, 100, BALL, BALL);
        benchmark::ClobberMemory();
    }
    Count(state, BALL * BALL);
}
BENCHMARK(Shadow_PixmanOverMask);

// ---- 1,000 lines, counted per line

void Lines_DrawLineAA(benchmark::State& state)
{
    Scene& scene = GetScene();
    const CColor colour(250, 200, 100, 255);
    for (auto _ : state)
    {
        for (const Scene::Line& line : scene.lines)
            scene.destination.DrawLineAA(line.x0, line.y0, line.x1, line.y1, colour);
        benchmark::ClobberMemory();
    }
    Count(state, 1000);
}
BENCHMARK(Lines_DrawLineAA);

void Lines_DrawLine(benchmark::State& state)
{
    Scene& scene = GetScene();
    const CColor colour(250, 200, 100, 255);
    for (auto _ : state)
    {
        for (const Scene::Line& line : scene.lines)
            scene.destination.DrawLine(static_cast<int32_t>(line.x0), static_cast<int32_t>(line.y0),
                                       static_cast<int32_t>(line.x1), static_cast<int32_t>(line.y1), colour);
        benchmark::ClobberMemory();
    }
    Count(state, 1000);
}
BENCHMARK(Lines_DrawLine);

// ---- a 64 x 64 sprite through a window's proxy

void Sprite_ThroughOffsetClippedProxy(benchmark::State& state)
{
    Scene& scene = GetScene();
    COffsetClippedProxyFrame window(&scene.destination);
    window.SetOffset(-100, -50);
    window.SetClipRect(CRect{0, 0, 300, 200});
    for (auto _ : state)
    {
        window.BlitAt(&scene.sprite, 10, 10, &GetBlitNormal());
        benchmark::ClobberMemory();
    }
    Count(state, 64 * 64);
}
BENCHMARK(Sprite_ThroughOffsetClippedProxy);

void Sprite_Direct(benchmark::State& state)
{
    Scene& scene = GetScene();
    for (auto _ : state)
    {
        scene.destination.BlitAt(&scene.sprite, 110, 60, &GetBlitNormal());
        benchmark::ClobberMemory();
    }
    Count(state, 64 * 64);
}
BENCHMARK(Sprite_Direct);

} // namespace
