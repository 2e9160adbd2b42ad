// Sprites drawn from run-length frames beside what other libraries do for
// the same pictures, in pixels per second of sprite area. Four seeded
// sprites (a 40 x 22 opaque brick with cut corners, a 32 x 32 ball with an
// opaque core and a translucent rim, a 64 x 64 mostly translucent glow, a
// 256 x 256 picture with 30% transparent pixels) are each held as our
// 16-bit alpha run-length frame, an RGB565 SDL surface keyed on 0 with
// RLE acceleration, an ARGB8888 SDL surface and a premultiplied pixman
// image, and drawn at 256 seeded positions over an 800 x 600 16-bit frame,
// whole or clipped (half off the left, a third off the bottom); "Normal"
// in the plain arithmetic, in the four-lane one (the fast form) and
// through the four-lane reference rows, a pixel at a time. Then single
// kernel rows at run lengths 1, 4, 16 and 63: the 16-bit copy against
// memcpy, the plain alpha rows against the four-lane ones (fast form and
// reference).

#include <benchmark/benchmark.h>

#include <SDL.h>
#include <pixman.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/blit/normal_run_length_routines.h"
#include "engine/blit/run_kernel_table.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"

namespace {

constexpr int32_t WIDTH = 800;
constexpr int32_t HEIGHT = 600;
constexpr int32_t POSITIONS = 256;

// Blue, green, red, alpha per pixel, not premultiplied.
struct Picture
{
    int32_t width, height;
    std::vector<uint32_t> argb;
};

Picture MakeSprite(int32_t kind)
{
    std::mt19937 random(static_cast<uint32_t>(kind + 1));
    const int32_t sizes[4][2] = {{40, 22}, {32, 32}, {64, 64}, {256, 256}};
    Picture p{sizes[kind][0], sizes[kind][1], {}};
    p.argb.resize(static_cast<size_t>(p.width * p.height));
    for (int32_t y = 0; y < p.height; y++)
        for (int32_t x = 0; x < p.width; x++)
        {
            const uint32_t colour = static_cast<uint32_t>(random()) & 0xFFFFFF;
            const float dx = static_cast<float>(x) - p.width / 2.0f + 0.5f;
            const float dy = static_cast<float>(y) - p.height / 2.0f + 0.5f;
            const float distance = std::sqrt(dx * dx + dy * dy);
            uint32_t alpha = 255;
            if (kind == 0)
            {
                const int32_t cx = std::min(x, p.width - 1 - x), cy = std::min(y, p.height - 1 - y);
                alpha = cx + cy < 3 ? 0 : 255;
            }
            else if (kind == 1)
            {
                alpha = distance < 12.0f   ? 255
                        : distance < 16.0f ? static_cast<uint32_t>((16.0f - distance) * 60.0f)
                                           : 0;
            }
            else if (kind == 2)
            {
                alpha = distance < 4.0f ? 255 : distance < 32.0f ? static_cast<uint32_t>((32.0f - distance) * 8.0f) : 0;
            }
            else
            {
                alpha = random() % 10 < 3 ? 0 : 255;
            }
            p.argb[static_cast<size_t>(y * p.width + x)] = alpha << 24 | colour;
        }
    return p;
}

uint16_t To565(uint32_t argb)
{
    return static_cast<uint16_t>(((argb >> 8) & 0xF800) | ((argb >> 5) & 0x07E0) | ((argb >> 3) & 0x001F));
}

// Runs of opaque pixels into stream 0, of translucent ones into stream 4
// with their alpha bytes in stream 3; everything else skipped.
class Encoded
{
public:
    explicit Encoded(const Picture& p)
    {
        for (int32_t stream : {0, 3, 4})
        {
            m_Blocks[stream].assign(4, 0);
            m_Offsets[stream].assign(static_cast<size_t>(std::max(p.height, 2)), 0);
        }
        for (int32_t y = 0; y < p.height; y++)
        {
            for (int32_t stream : {0, 3, 4})
                m_Offsets[stream][static_cast<size_t>(y)] = static_cast<int32_t>(m_Blocks[stream].size());
            for (int32_t stream : {0, 4})
            {
                std::vector<uint8_t>& out = m_Blocks[stream];
                int32_t x = 0;
                while (x < p.width)
                {
                    auto wanted = [&](int32_t at) {
                        const uint32_t alpha = p.argb[static_cast<size_t>(y * p.width + at)] >> 24;
                        return stream == 0 ? alpha == 255 : alpha != 0 && alpha != 255;
                    };
                    int32_t n = 0;
                    if (wanted(x))
                    {
                        while (x + n < p.width && n < 63 && wanted(x + n))
                            n++;
                        out.push_back(static_cast<uint8_t>(0x40 | n));
                        for (int32_t i = 0; i < n; i++)
                        {
                            const uint32_t argb = p.argb[static_cast<size_t>(y * p.width + x + i)];
                            const uint16_t word = To565(argb);
                            out.push_back(static_cast<uint8_t>(word));
                            out.push_back(static_cast<uint8_t>(word >> 8));
                            if (stream == 4)
                                m_Blocks[3].push_back(static_cast<uint8_t>(argb >> 24));
                        }
                    }
                    else
                    {
                        while (x + n < p.width && n < 127 && !wanted(x + n))
                            n++;
                        out.push_back(static_cast<uint8_t>(0x80 | n));
                    }
                    x += n;
                }
            }
        }
        for (int32_t stream : {0, 3, 4})
        {
            const uint32_t size = static_cast<uint32_t>(m_Blocks[stream].size());
            std::memcpy(m_Blocks[stream].data(), &size, 4);
        }
        frame.SetFormatWord(FRAME_ENCODING_RLE_ALPHA | FRAME_DEPTH_16 | FRAME_BORROWED_PIXELS);
        frame.SetSize(static_cast<uint32_t>(p.width), static_cast<uint32_t>(p.height));
        frame.SetPixelData(m_Blocks[0].data(), m_Offsets[0].data());
        // As the encoder does, a picture without translucent pixels gets
        // no translucent streams.
        if (m_Blocks[3].size() > 4)
        {
            frame.SetStream(3, m_Blocks[3].data(), m_Offsets[3].data());
            frame.SetStream(4, m_Blocks[4].data(), m_Offsets[4].data());
        }
    }

    CFrame frame;

private:
    std::vector<uint8_t> m_Blocks[5];
    std::vector<int32_t> m_Offsets[5];
};

struct Sprite
{
    Picture picture;
    Encoded encoded;
    std::vector<uint16_t> keyed;
    std::vector<uint32_t> premultiplied;
    SDL_Surface* sdlKeyed;
    SDL_Surface* sdlArgb;
    pixman_image_t* pixman;

    explicit Sprite(int32_t kind)
        : picture(MakeSprite(kind))
        , encoded(picture)
    {
        for (uint32_t argb : picture.argb)
        {
            const uint32_t a = argb >> 24;
            const uint16_t word = To565(argb);
            keyed.push_back(a == 0 ? 0 : (word == 0 ? 1 : word));
            uint32_t out = a << 24;
            for (int32_t shift : {0, 8, 16})
                out |= (((argb >> shift) & 255) * a / 255) << shift;
            premultiplied.push_back(out);
        }
        sdlKeyed = SDL_CreateRGBSurfaceWithFormatFrom(keyed.data(), picture.width, picture.height, 16,
                                                      picture.width * 2, SDL_PIXELFORMAT_RGB565);
        SDL_SetColorKey(sdlKeyed, SDL_TRUE, 0);
        SDL_SetSurfaceRLE(sdlKeyed, 1);
        sdlArgb = SDL_CreateRGBSurfaceWithFormatFrom(picture.argb.data(), picture.width, picture.height, 32,
                                                     picture.width * 4, SDL_PIXELFORMAT_ARGB8888);
        SDL_SetSurfaceBlendMode(sdlArgb, SDL_BLENDMODE_BLEND);
        SDL_SetSurfaceRLE(sdlArgb, 1);
        pixman = pixman_image_create_bits(PIXMAN_a8r8g8b8, picture.width, picture.height, premultiplied.data(),
                                          picture.width * 4);
    }
};

struct Scene
{
    CFrame destination;
    SDL_Surface* sdlDestination;
    pixman_image_t* pixmanDestination;
    pixman_image_t* halfMask;
    std::vector<Sprite*> sprites;

    Scene()
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        SDL_SetMainReady();
        destination.Create(WIDTH, HEIGHT, 16);
        sdlDestination = SDL_CreateRGBSurfaceWithFormatFrom(destination.GetPixels(), WIDTH, HEIGHT, 16, WIDTH * 2,
                                                            SDL_PIXELFORMAT_RGB565);
        pixmanDestination = pixman_image_create_bits(PIXMAN_r5g6b5, WIDTH, HEIGHT,
                                                     reinterpret_cast<uint32_t*>(destination.GetPixels()), WIDTH * 2);
        const pixman_color_t half{0, 0, 0, 0x8080};
        halfMask = pixman_image_create_solid_fill(&half);
        for (int32_t kind = 0; kind < 4; kind++)
            sprites.push_back(new Sprite(kind));
    }
};

Scene& GetScene()
{
    static Scene s_Scene;
    return s_Scene;
}

// Seeded positions; clipped ones lie half off the left edge or a third
// off the bottom.
std::vector<std::pair<int32_t, int32_t>> Positions(const Picture& p, bool clipped)
{
    std::mt19937 random(7);
    std::vector<std::pair<int32_t, int32_t>> positions;
    for (int32_t i = 0; i < POSITIONS; i++)
    {
        if (clipped && i % 2 == 0)
            positions.push_back(
                {-p.width / 2, static_cast<int32_t>(random() % static_cast<uint32_t>(HEIGHT - p.height))});
        else if (clipped)
            positions.push_back(
                {static_cast<int32_t>(random() % static_cast<uint32_t>(WIDTH - p.width)), HEIGHT - 2 * p.height / 3});
        else
            positions.push_back({static_cast<int32_t>(random() % static_cast<uint32_t>(WIDTH - p.width)),
                                 static_cast<int32_t>(random() % static_cast<uint32_t>(HEIGHT - p.height))});
    }
    return positions;
}

template <typename Draw>
void Run(benchmark::State& state, Draw draw)
{
    Scene& scene = GetScene();
    Sprite& sprite = *scene.sprites[static_cast<size_t>(state.range(0))];
    const auto positions = Positions(sprite.picture, state.range(1) != 0);
    for (auto _ : state)
    {
        for (const auto& [x, y] : positions)
            draw(scene, sprite, x, y);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * POSITIONS * sprite.picture.width * sprite.picture.height);
}

void Arguments(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"sprite", "clipped"});
    for (int64_t sprite = 0; sprite < 4; sprite++)
        for (int64_t clipped = 0; clipped < 2; clipped++)
            b->Args({sprite, clipped});
}

// The opacity is set once, as a game sets it when it changes; SDL and
// pixman have nothing to set per draw either.
void RunOurs(benchmark::State& state, CBlitType& blitType, float opacity)
{
    blitType.SetOpacity(opacity);
    Run(state, [&blitType](Scene& s, Sprite& sp, int32_t x, int32_t y) {
        s.destination.BlitAt(&sp.encoded.frame, x, y, &blitType);
    });
}

CBlitNormal& Normal(bool fourLane)
{
    static CBlitNormal s_Plain(false), s_FourLane(true);
    return fourLane ? s_FourLane : s_Plain;
}

void Sprite_NormalPlain(benchmark::State& state)
{
    RunOurs(state, Normal(false), 1.0f);
}
BENCHMARK(Sprite_NormalPlain)->Apply(Arguments);

void Sprite_NormalFourLane(benchmark::State& state)
{
    RunOurs(state, Normal(true), 1.0f);
}
BENCHMARK(Sprite_NormalFourLane)->Apply(Arguments);

// "Normal"'s four-lane routine through the reference rows.
class CBlitFourLaneReference : public CBlitType
{
public:
    CBlitFourLaneReference() { AddEntry(16, 4, 16, 0, BlitNormalRle16AlphaTo16FourLaneReference); }
};

void Sprite_NormalFourLaneReference(benchmark::State& state)
{
    static CBlitFourLaneReference s_Reference;
    RunOurs(state, s_Reference, 1.0f);
}
BENCHMARK(Sprite_NormalFourLaneReference)->Apply(Arguments);

void Sprite_TransparentMask(benchmark::State& state)
{
    static CBlitTransparentMask s_Mask(true);
    RunOurs(state, s_Mask, 1.0f);
}
BENCHMARK(Sprite_TransparentMask)->Apply(Arguments);

void Sprite_SdlColorKeyRle(benchmark::State& state)
{
    Run(state, [](Scene& s, Sprite& sp, int32_t x, int32_t y) {
        SDL_Rect at{x, y, 0, 0};
        SDL_BlitSurface(sp.sdlKeyed, nullptr, s.sdlDestination, &at);
    });
}
BENCHMARK(Sprite_SdlColorKeyRle)->Apply(Arguments);

void Sprite_SdlAlphaRle(benchmark::State& state)
{
    Run(state, [](Scene& s, Sprite& sp, int32_t x, int32_t y) {
        SDL_Rect at{x, y, 0, 0};
        SDL_BlitSurface(sp.sdlArgb, nullptr, s.sdlDestination, &at);
    });
}
BENCHMARK(Sprite_SdlAlphaRle)->Apply(Arguments);

void Sprite_PixmanOver(benchmark::State& state)
{
    Run(state, [](Scene& s, Sprite& sp, int32_t x, int32_t y) {
        pixman_image_composite32(PIXMAN_OP_OVER, sp.pixman, nullptr, s.pixmanDestination, 0, 0, 0, 0, x, y,
                                 sp.picture.width, sp.picture.height);
    });
}
BENCHMARK(Sprite_PixmanOver)->Apply(Arguments);

void Sprite_NormalHalfOpacityFourLane(benchmark::State& state)
{
    RunOurs(state, Normal(true), 0.5f);
}
BENCHMARK(Sprite_NormalHalfOpacityFourLane)->Apply(Arguments);

void Sprite_NormalHalfOpacityFourLaneReference(benchmark::State& state)
{
    static CBlitFourLaneReference s_Reference;
    RunOurs(state, s_Reference, 0.5f);
}
BENCHMARK(Sprite_NormalHalfOpacityFourLaneReference)->Apply(Arguments);

void Sprite_PixmanOverHalfMask(benchmark::State& state)
{
    Run(state, [](Scene& s, Sprite& sp, int32_t x, int32_t y) {
        pixman_image_composite32(PIXMAN_OP_OVER, sp.pixman, s.halfMask, s.pixmanDestination, 0, 0, 0, 0, x, y,
                                 sp.picture.width, sp.picture.height);
    });
}
BENCHMARK(Sprite_PixmanOverHalfMask)->Apply(Arguments);

// ---- single kernel rows, per run length

constexpr int32_t RUNS = 1024;

// RUNS runs of n pixels through one routine of a row, over seeded pixels.
template <typename Call>
void RunKernel(benchmark::State& state, Call call)
{
    const uint32_t n = static_cast<uint32_t>(state.range(0));
    std::mt19937 random(3);
    std::vector<uint16_t> destination(64 * RUNS), source(64 * RUNS);
    std::vector<uint8_t> alpha(64 * RUNS);
    for (size_t i = 0; i < destination.size(); i++)
    {
        destination[i] = static_cast<uint16_t>(random());
        source[i] = static_cast<uint16_t>(random());
        alpha[i] = static_cast<uint8_t>(random());
    }
    for (auto _ : state)
    {
        for (int32_t r = 0; r < RUNS; r++)
            call(reinterpret_cast<uint8_t*>(destination.data() + 64 * r),
                 reinterpret_cast<const uint8_t*>(source.data() + 64 * r), alpha.data() + 64 * r, n);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * RUNS * n);
}

void RunLengths(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"n"});
    for (int64_t n : {1, 4, 16, 63})
        b->Arg(n);
}

void Kernel_Row10Copy(benchmark::State& state)
{
    RunKernel(state,
              [](uint8_t* d, const uint8_t* s, const uint8_t*, uint32_t n) { RunKernelTable[10][n].copy(d, s, n); });
}
BENCHMARK(Kernel_Row10Copy)->Apply(RunLengths);

void Kernel_Memcpy(benchmark::State& state)
{
    RunKernel(state, [](uint8_t* d, const uint8_t* s, const uint8_t*, uint32_t n) { std::memcpy(d, s, 2 * n); });
}
BENCHMARK(Kernel_Memcpy)->Apply(RunLengths);

void Kernel_Row11Fill(benchmark::State& state)
{
    RunKernel(state,
              [](uint8_t* d, const uint8_t*, const uint8_t*, uint32_t n) { RunKernelTable[11][n].fill(d, 0xF800, n); });
}
BENCHMARK(Kernel_Row11Fill)->Apply(RunLengths);

void Kernel_Row12Plain(benchmark::State& state)
{
    RunKernel(state, [](uint8_t* d, const uint8_t* s, const uint8_t* a, uint32_t n) {
        RunKernelTable[12][n].copyAlpha(d, s, a, n);
    });
}
BENCHMARK(Kernel_Row12Plain)->Apply(RunLengths);

void Kernel_Row18Fast(benchmark::State& state)
{
    RunKernel(state, [](uint8_t* d, const uint8_t* s, const uint8_t* a, uint32_t n) {
        RunKernelTable[18][n].copyAlpha(d, s, a, n);
    });
}
BENCHMARK(Kernel_Row18Fast)->Apply(RunLengths);

void Kernel_Row18Reference(benchmark::State& state)
{
    RunKernel(state, [](uint8_t* d, const uint8_t* s, const uint8_t* a, uint32_t n) {
        RunKernelFourLaneReference[0][n].copyAlpha(d, s, a, n);
    });
}
BENCHMARK(Kernel_Row18Reference)->Apply(RunLengths);

void Kernel_Row13Plain(benchmark::State& state)
{
    RunKernel(state, [](uint8_t* d, const uint8_t*, const uint8_t*, uint32_t n) {
        RunKernelTable[13][n].fillAlpha(d, 0xF800, 100, n);
    });
}
BENCHMARK(Kernel_Row13Plain)->Apply(RunLengths);

void Kernel_Row19Fast(benchmark::State& state)
{
    RunKernel(state, [](uint8_t* d, const uint8_t*, const uint8_t*, uint32_t n) {
        RunKernelTable[19][n].fillAlpha(d, 0xF800, 100, n);
    });
}
BENCHMARK(Kernel_Row19Fast)->Apply(RunLengths);

} // namespace
