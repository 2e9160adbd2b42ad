// Text drawing in glyphs per second: a 40-character line of DejaVu Sans at
// 12 points drawn into an 800 x 600 16-bit frame by the font (glyphs
// rendered once, kept display-ready, warm cache), beside the two ways a
// direct FreeType renderer draws: rendering every glyph with FT_Load_Char
// and FT_LOAD_RENDER and blending its 8-bit coverage pixel by pixel (the
// floor the cache must beat), and the same blend from coverage kept from
// an earlier render. Then the font's cold first draw, face opening and
// every glyph's render included, in milliseconds.

#include <benchmark/benchmark.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/settings/paths.h"
#include "engine/graphics/blend565.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/fonts/font_file_list.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"

namespace {

const char* const kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char kLine[] = "The quick brown fox jumps over 13 lazy d";
constexpr int32_t kGlyphs = sizeof(kLine) - 1;
static_assert(kGlyphs == 40);
constexpr uint16_t kWhite565 = 0xFFFF;

// A data folder whose default font is DejaVu Sans, and a 16-bit display.
void PrepareOnce()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vp_text_bench";
    std::filesystem::create_directories(folder / "Data/Resources/Fonts");
    std::filesystem::copy_file(kDejaVuSans, folder / "Data/Resources/Fonts/!default.ttf",
                               std::filesystem::copy_options::overwrite_existing);
    SetDataFolder((folder / "Data").c_str());
    InitPixelFormatTables("Palettes", "GamePalette");
    SetFrameDepth(16);
    BuildFontFileList();
}

CFrame MakeTarget()
{
    CFrame target;
    target.Create(800, 600, 16);
    return target;
}

// Blends a coverage bitmap in white onto the 16-bit frame at (x, y).
void BlendCoverage(CFrame& target, const unsigned char* coverage, int32_t width, int32_t rows, int32_t pitch, int32_t x,
                   int32_t y)
{
    for (int32_t row = 0; row < rows; row++)
    {
        const int32_t ty = y + row;
        if (ty < 0 || ty >= target.GetHeight())
            continue;
        uint16_t* line = reinterpret_cast<uint16_t*>(target.GetPixels()) + target.GetRowOffsets()[ty];
        for (int32_t column = 0; column < width; column++)
        {
            const int32_t tx = x + column;
            const unsigned char weight = coverage[row * pitch + column];
            if (weight != 0 && tx >= 0 && tx < target.GetWidth())
                line[tx] = Blend565(line[tx], kWhite565, weight);
        }
    }
}

void BM_FontDrawTextWarm(benchmark::State& state)
{
    PrepareOnce();
    CFont font;
    font.SetDefaults();
    CFrame target = MakeTarget();
    font.DrawText(target, 100, 300, kLine);
    for (auto _ : state)
    {
        font.DrawText(target, 100, 300, kLine);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kGlyphs);
}
BENCHMARK(BM_FontDrawTextWarm);

struct FreeTypeFace
{
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    FreeTypeFace()
    {
        FT_Init_FreeType(&library);
        FT_New_Face(library, kDejaVuSans, 0, &face);
        FT_Set_Char_Size(face, 12 * 64, 12 * 64, 72, 72);
    }
    ~FreeTypeFace()
    {
        FT_Done_Face(face);
        FT_Done_FreeType(library);
    }
};

void BM_FreeTypeRenderEveryGlyph(benchmark::State& state)
{
    FreeTypeFace ft;
    CFrame target = MakeTarget();
    const int32_t baseline = 300 + static_cast<int32_t>(ft.face->size->metrics.ascender >> 6);
    for (auto _ : state)
    {
        int32_t x = 100;
        for (int32_t i = 0; i < kGlyphs; i++)
        {
            FT_Load_Char(ft.face, static_cast<unsigned char>(kLine[i]), FT_LOAD_RENDER);
            const FT_GlyphSlot slot = ft.face->glyph;
            BlendCoverage(target, slot->bitmap.buffer, static_cast<int32_t>(slot->bitmap.width),
                          static_cast<int32_t>(slot->bitmap.rows), slot->bitmap.pitch, x + slot->bitmap_left,
                          baseline - slot->bitmap_top);
            x += static_cast<int32_t>(slot->advance.x >> 6);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kGlyphs);
}
BENCHMARK(BM_FreeTypeRenderEveryGlyph);

void BM_FreeTypeCachedCoverageBlend(benchmark::State& state)
{
    FreeTypeFace ft;
    struct Coverage
    {
        std::vector<unsigned char> pixels;
        int32_t width, rows, left, top, advance;
    };
    std::vector<Coverage> glyphs;
    for (int32_t i = 0; i < kGlyphs; i++)
    {
        FT_Load_Char(ft.face, static_cast<unsigned char>(kLine[i]), FT_LOAD_RENDER);
        const FT_GlyphSlot slot = ft.face->glyph;
        Coverage glyph{{},
                       static_cast<int32_t>(slot->bitmap.width),
                       static_cast<int32_t>(slot->bitmap.rows),
                       slot->bitmap_left,
                       slot->bitmap_top,
                       static_cast<int32_t>(slot->advance.x >> 6)};
        for (int32_t row = 0; row < glyph.rows; row++)
            glyph.pixels.insert(glyph.pixels.end(), slot->bitmap.buffer + row * slot->bitmap.pitch,
                                slot->bitmap.buffer + row * slot->bitmap.pitch + glyph.width);
        glyphs.push_back(std::move(glyph));
    }
    CFrame target = MakeTarget();
    const int32_t baseline = 300 + static_cast<int32_t>(ft.face->size->metrics.ascender >> 6);
    for (auto _ : state)
    {
        int32_t x = 100;
        for (const Coverage& glyph : glyphs)
        {
            BlendCoverage(target, glyph.pixels.data(), glyph.width, glyph.rows, glyph.width, x + glyph.left,
                          baseline - glyph.top);
            x += glyph.advance;
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kGlyphs);
}
BENCHMARK(BM_FreeTypeCachedCoverageBlend);

void BM_FontDrawTextCold(benchmark::State& state)
{
    PrepareOnce();
    CFrame target = MakeTarget();
    for (auto _ : state)
    {
        CFont font;
        font.SetDefaults();
        font.DrawText(target, 100, 300, kLine);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FontDrawTextCold)->Unit(benchmark::kMillisecond);

} // namespace
