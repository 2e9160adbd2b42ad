#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "engine/blit/opacity_row.h"
#include "engine/blit/run_kernel_table.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/fnv1a.h"

namespace {

enum Form
{
    COPY,
    FILL,
    COPY_ALPHA,
    FILL_ALPHA
};

// What one row does to one pixel, written from the row table without the
// engine's blend helpers. Pixels are little-endian words of 1, 2 or 3
// bytes; index and count let the four-lane rows tell their group steps
// from the pixels after them.
struct RowCase
{
    int32_t row;
    uint32_t bytes;
    Form form;
};

int32_t Floor(int32_t numerator, int32_t denominator)
{
    return numerator >= 0 ? numerator / denominator : -((-numerator + denominator - 1) / denominator);
}

uint32_t Plain565(uint32_t d, uint32_t s, int32_t a)
{
    const int32_t a6 = a / 4, a5 = a6 / 2;
    const int32_t dr = static_cast<int32_t>(d >> 11), dg = static_cast<int32_t>((d >> 5) & 63),
                  db = static_cast<int32_t>(d & 31);
    const int32_t sr = static_cast<int32_t>(s >> 11), sg = static_cast<int32_t>((s >> 5) & 63),
                  sb = static_cast<int32_t>(s & 31);
    const int32_t r = dr + Floor((sr - dr) * a5, 32), g = dg + Floor((sg - dg) * a6, 64),
                  b = db + Floor((sb - db) * a5, 32);
    return static_cast<uint32_t>(r << 11 | g << 5 | b);
}

// The weighted average over 31 (or 63) rounded to nearest.
uint32_t Rounded565(uint32_t d, uint32_t s, int32_t a)
{
    const int32_t a6 = a / 4, a5 = a6 / 2;
    auto mix = [](int32_t dc, int32_t sc, int32_t w, int32_t full) {
        return (sc * w + dc * (full - w) + full / 2) / full;
    };
    const int32_t r = mix(static_cast<int32_t>(d >> 11), static_cast<int32_t>(s >> 11), a5, 31);
    const int32_t g = mix(static_cast<int32_t>((d >> 5) & 63), static_cast<int32_t>((s >> 5) & 63), a6, 63);
    const int32_t b = mix(static_cast<int32_t>(d & 31), static_cast<int32_t>(s & 31), a5, 31);
    return static_cast<uint32_t>(r << 11 | g << 5 | b);
}

uint32_t Plain24(uint32_t d, uint32_t s, int32_t a)
{
    uint32_t out = 0;
    for (int k = 0; k < 3; k++)
    {
        const int32_t dc = static_cast<int32_t>((d >> (8 * k)) & 255), sc = static_cast<int32_t>((s >> (8 * k)) & 255);
        const int32_t diff = (sc - dc) * a;
        out |= static_cast<uint32_t>(dc + (diff >= 0 ? diff / 256 : -(-diff / 256))) << (8 * k);
    }
    return out;
}

uint8_t TableA(uint32_t p, uint32_t q)
{
    return static_cast<uint8_t>(p * 7 + q * 13 + 1);
}
uint8_t TableB(uint32_t p, uint32_t q)
{
    return static_cast<uint8_t>((p * 3) ^ (q * 5));
}

int32_t Opacity()
{
    return CurrentOpacityRow[255];
}
int32_t Scaled(uint32_t a)
{
    return CurrentOpacityRow[a & 255];
}

uint32_t Expected(int32_t row, uint32_t d, uint32_t s, uint32_t a, uint32_t index, uint32_t count)
{
    const bool group = index < (count & ~3u);
    switch (row)
    {
    case 0:
    case 1:
    case 10:
    case 11:
    case 24:
    case 25:
        return s;
    case 2:
    case 3:
        return TableA(d, s);
    case 4:
    case 5:
        return TableB(d, s);
    case 6:
    case 7:
        return TableB(s, d);
    case 8:
    case 9:
        return TableA(s, d);
    case 12:
    case 13:
        return Plain565(d, s, static_cast<int32_t>(a));
    case 14:
    case 15:
        return Plain565(d, s, Opacity());
    case 16:
    case 17:
        return Plain565(d, s, Scaled(a));
    case 18:
    case 19:
        return group ? Rounded565(d, s, static_cast<int32_t>(a)) : Plain565(d, s, static_cast<int32_t>(a));
    case 20:
    case 21:
        return group ? Rounded565(d, s, Opacity()) : Plain565(d, s, Opacity());
    case 22:
        return group ? Rounded565(d, s, static_cast<int32_t>(a) * Opacity() >> 8) : Plain565(d, s, Scaled(a));
    case 23:
        return group ? Rounded565(d, s, Scaled(a)) : Plain565(d, s, Scaled(a));
    case 26:
    case 27:
        return Plain24(d, s, static_cast<int32_t>(a));
    case 28:
    case 29:
        return Plain24(d, s, Opacity());
    default:
        return Plain24(d, s, Scaled(a));
    }
}

Form FormOfRow(int32_t row)
{
    const bool literal = row % 2 == 0;
    const bool alpha = (row >= 12 && row <= 13) || (row >= 16 && row <= 19) || row >= 22 ? true : false;
    const bool withAlpha = alpha && row != 24 && row != 25 && row != 28 && row != 29 && row != 20 && row != 21;
    return literal ? (withAlpha ? COPY_ALPHA : COPY) : (withAlpha ? FILL_ALPHA : FILL);
}

uint32_t BytesOfRow(int32_t row)
{
    return row < 10 ? 1 : row < 24 ? 2 : 3;
}

uint32_t Load(const uint8_t* at, uint32_t bytes)
{
    uint32_t value = 0;
    std::memcpy(&value, at, bytes);
    return value;
}

void Call(const RunKernelRow& row, uint32_t slot, Form form, uint8_t* destination, const uint8_t* source,
          uint32_t value, const uint8_t* alpha, uint32_t alphaWord)
{
    switch (form)
    {
    case COPY:
        row[slot].copy(destination, source, slot);
        break;
    case FILL:
        row[slot].fill(destination, value, slot);
        break;
    case COPY_ALPHA:
        row[slot].copyAlpha(destination, source, alpha, slot);
        break;
    case FILL_ALPHA:
        row[slot].fillAlpha(destination, value, alphaWord, slot);
        break;
    }
}

class RunKernels : public testing::Test
{
protected:
    void SetUp() override
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        for (CColorTable* table : {&PaletteBlendTableA, &PaletteBlendTableB})
        {
            table->SetKind(CColorTable::BLEND_TABLE);
            for (uint32_t p = 0; p < 256; p++)
                for (uint32_t q = 0; q < 256; q++)
                    table->GetData()[p * 256 + q] = table == &PaletteBlendTableA ? TableA(p, q) : TableB(p, q);
        }
    }
    void TearDown() override
    {
        PaletteBlendTableA.SetKind(CColorTable::EMPTY);
        PaletteBlendTableB.SetKind(CColorTable::EMPTY);
        PointOpacityRowAt(255);
    }
};

// Every slot of every row on seeded pixels, with guard pixels either
// side: the run gives the per-pixel formula and nothing else changes.
TEST_F(RunKernels, EverySlotOfEveryRowGivesTheRowsFormulaAndWritesOnlyItsRun)
{
    std::mt19937 random(17);
    for (int32_t row = 0; row < RUN_KERNEL_ROWS; row++)
    {
        const uint32_t bytes = BytesOfRow(row);
        const Form form = FormOfRow(row);
        for (uint32_t n = 0; n < 64; n++)
        {
            PointOpacityRowAt(static_cast<int32_t>(random() % 256));
            std::vector<uint8_t> destination((n + 2) * bytes), source(n * bytes + 4), alpha(n + 1);
            for (uint8_t& b : destination)
                b = static_cast<uint8_t>(random());
            for (uint8_t& b : source)
                b = static_cast<uint8_t>(random());
            for (uint8_t& b : alpha)
                b = static_cast<uint8_t>(random());
            // High bytes of the fill value and alpha words are noise the
            // routines must ignore.
            const uint32_t value = static_cast<uint32_t>(random());
            const uint32_t alphaWord = static_cast<uint32_t>(random());
            std::vector<uint8_t> expected = destination;
            const uint32_t mask = bytes == 3 ? 0xFFFFFFu : (1u << (8 * bytes)) - 1;
            for (uint32_t i = 0; i < n; i++)
            {
                uint8_t* at = expected.data() + (i + 1) * bytes;
                const bool literal = form == COPY || form == COPY_ALPHA;
                const uint32_t s = literal ? Load(source.data() + i * bytes, bytes) : value & mask;
                const uint32_t a = form == COPY_ALPHA ? alpha[i] : alphaWord & 255;
                const uint32_t result = Expected(row, Load(at, bytes), s, a, i, n);
                std::memcpy(at, &result, bytes);
            }
            Call(RunKernelTable[row], n, form, destination.data() + bytes, source.data(), value, alpha.data(),
                 alphaWord);
            ASSERT_EQ(destination, expected) << "row " << row << " slot " << n;
        }
    }
}

TEST_F(RunKernels, SlotsPastSixteenShareOneGeneralRoutine)
{
    for (int32_t row = 0; row < RUN_KERNEL_ROWS; row++)
        for (int32_t slot = 18; slot < RUN_KERNEL_SLOTS; slot++)
            EXPECT_EQ(RunKernelTable[row][slot].copy, RunKernelTable[row][17].copy) << row << " " << slot;
}

TEST_F(RunKernels, ConversionRowsWriteTheExpandedPixelAndNothingForCountZero)
{
    struct Case
    {
        const RunKernelRow* row;
        Form form;
        uint16_t word;
        uint8_t alpha;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {&RunConvert565To24Copy, COPY, 0xF800, 0, {0, 0, 255}},
        {&RunConvert565To24Fill, FILL, 0x07E0, 0, {0, 255, 0}},
        {&RunConvert565To24CopyAlpha, COPY_ALPHA, 0x001F, 9, {255, 0, 0}},
        {&RunConvert565To24FillAlpha, FILL_ALPHA, 0xF800, 9, {0, 0, 255}},
        {&RunConvert565To32Copy, COPY, 0xF800, 0, {0, 0, 255, 255}},
        {&RunConvert565To32Fill, FILL, 0x001F, 0, {255, 0, 0, 255}},
        {&RunConvert565To32CopyAlpha, COPY_ALPHA, 0x07E0, 77, {0, 255, 0, 77}},
        {&RunConvert565To32FillAlpha, FILL_ALPHA, 0x07E0, 77, {0, 255, 0, 77}},
    };
    for (const Case& c : cases)
    {
        const size_t pixel = c.bytes.size();
        const uint8_t source[4] = {static_cast<uint8_t>(c.word), static_cast<uint8_t>(c.word >> 8),
                                   static_cast<uint8_t>(c.word), static_cast<uint8_t>(c.word >> 8)};
        const uint8_t alpha[2] = {c.alpha, c.alpha};
        std::vector<uint8_t> destination(3 * pixel, 0xA5);
        // Count 0 through slot 0, then two pixels through slot 2.
        Call(*c.row, 0, c.form, destination.data(), source, 0xABCD0000u | c.word, alpha, 0x1200u | c.alpha);
        EXPECT_EQ(destination, std::vector<uint8_t>(3 * pixel, 0xA5));
        Call(*c.row, 2, c.form, destination.data(), source, 0xABCD0000u | c.word, alpha, 0x1200u | c.alpha);
        for (size_t i = 0; i < 2 * pixel; i++)
            EXPECT_EQ(destination[i], c.bytes[i % pixel]) << i;
        EXPECT_EQ(destination[2 * pixel], 0xA5);
        for (int32_t slot = 1; slot < RUN_KERNEL_SLOTS; slot++)
            EXPECT_EQ((*c.row)[slot].copy, (*c.row)[0].copy);
    }
}

TEST_F(RunKernels, PaletteWordsOfIndicesAreDrawnOntoSixteenBits)
{
    Palette565Lookup[3] = 0x1234F800;
    const uint8_t source[3] = {3, 3, 3};
    uint16_t destination[4] = {1, 1, 1, 1};
    RunConvert8To565Copy[3].copy(reinterpret_cast<uint8_t*>(destination), source, 3);
    RunConvert8To565Fill[1].fill(reinterpret_cast<uint8_t*>(destination) + 6, 0x7703, 1);
    EXPECT_EQ(destination[0], 0xF800);
    EXPECT_EQ(destination[3], 0xF800);
}

TEST(Blend24, TruncatesTowardZero)
{
    EXPECT_EQ(Blend24(0, 255, 255), 254);
    EXPECT_EQ(Blend24(255, 0, 255), 1);
    EXPECT_EQ(Blend24(0, 255, 1), 0);
    EXPECT_EQ(Blend24(10, 20, 128), 15);
    EXPECT_EQ(Blend24(200, 100, 128), 150);
    EXPECT_EQ(Blend24(100, 100, 128), 100);
}

uint16_t Rgb(int r, int g, int b)
{
    return static_cast<uint16_t>(r << 11 | g << 5 | b);
}

TEST_F(RunKernels, PlainBlendFloorsTowardTheLowerValue)
{
    struct Case
    {
        uint16_t d, s;
        uint32_t a;
        uint16_t want;
    };
    const Case cases[] = {
        {Rgb(0, 0, 0), Rgb(31, 63, 31), 255, Rgb(30, 62, 30)}, {Rgb(31, 63, 31), Rgb(0, 0, 0), 255, Rgb(0, 0, 0)},
        {Rgb(0, 0, 0), Rgb(31, 63, 31), 128, Rgb(15, 31, 15)}, {Rgb(31, 63, 31), Rgb(0, 0, 0), 128, Rgb(15, 31, 15)},
        {Rgb(31, 63, 31), Rgb(0, 0, 0), 3, Rgb(31, 63, 31)},   {Rgb(31, 63, 31), Rgb(0, 0, 0), 4, Rgb(31, 62, 31)},
        {Rgb(0, 0, 0), Rgb(31, 63, 31), 7, Rgb(0, 0, 0)},      {Rgb(31, 63, 31), Rgb(0, 0, 0), 8, Rgb(30, 61, 30)},
    };
    for (const Case& c : cases)
    {
        uint16_t pixel = c.d;
        RunKernelTable[13][1].fillAlpha(reinterpret_cast<uint8_t*>(&pixel), c.s, c.a, 1);
        EXPECT_EQ(pixel, c.want) << c.d << " " << c.s << " " << c.a;
    }
}

TEST_F(RunKernels, OpacityRowsAtFullOpacityMatchAlphaRowsAtFullAlpha)
{
    PointOpacityRowAt(255);
    const uint16_t source[3] = {Rgb(31, 0, 5), Rgb(3, 63, 31), 0xFFFF};
    const uint8_t full[3] = {255, 255, 255};
    const uint8_t alpha[3] = {10, 128, 200};
    uint16_t byOpacity[3] = {1, 2000, 60000}, byAlpha[3] = {1, 2000, 60000};
    RunKernelTable[14][3].copy(reinterpret_cast<uint8_t*>(byOpacity), reinterpret_cast<const uint8_t*>(source), 3);
    RunKernelTable[12][3].copyAlpha(reinterpret_cast<uint8_t*>(byAlpha), reinterpret_cast<const uint8_t*>(source), full,
                                    3);
    EXPECT_EQ(std::vector<uint16_t>(byOpacity, byOpacity + 3), std::vector<uint16_t>(byAlpha, byAlpha + 3));
    RunKernelTable[15][3].fill(reinterpret_cast<uint8_t*>(byOpacity), 0xF81F, 3);
    RunKernelTable[13][3].fillAlpha(reinterpret_cast<uint8_t*>(byAlpha), 0xF81F, 255, 3);
    EXPECT_EQ(std::vector<uint16_t>(byOpacity, byOpacity + 3), std::vector<uint16_t>(byAlpha, byAlpha + 3));
    uint16_t scaled[3] = {7, 7, 7}, plain[3] = {7, 7, 7};
    RunKernelTable[16][3].copyAlpha(reinterpret_cast<uint8_t*>(scaled), reinterpret_cast<const uint8_t*>(source), alpha,
                                    3);
    RunKernelTable[12][3].copyAlpha(reinterpret_cast<uint8_t*>(plain), reinterpret_cast<const uint8_t*>(source), alpha,
                                    3);
    EXPECT_EQ(std::vector<uint16_t>(scaled, scaled + 3), std::vector<uint16_t>(plain, plain + 3));
}

// ---- Four-lane rows ----------------------------------------------------

// For every pair of channel values and every weight, the lane result is
// the rounded weighted average, within -1..+2 of the plain blend, and the
// source itself from weight 252 up.
TEST_F(RunKernels, FourLaneStepsRoundTheWeightedAverage)
{
    for (int32_t a = 0; a < 256; a++)
        for (int32_t d = 0; d < 64; d++)
            for (int32_t s = 0; s < 64; s++)
            {
                const uint16_t dw = Rgb(d & 31, d, d & 31), sw = Rgb(s & 31, s, s & 31);
                uint16_t pixels[4] = {dw, dw, dw, dw};
                RunKernelTable[19][4].fillAlpha(reinterpret_cast<uint8_t*>(pixels), sw, static_cast<uint32_t>(a), 4);
                ASSERT_EQ(pixels[0], Rounded565(dw, sw, a)) << a << " " << d << " " << s;
                ASSERT_EQ(pixels[3], pixels[0]);
                const uint16_t plain = static_cast<uint16_t>(Plain565(dw, sw, a));
                for (int shift : {0, 5, 11})
                {
                    const int32_t mask = shift == 5 ? 63 : 31;
                    const int32_t delta = ((pixels[0] >> shift) & mask) - ((plain >> shift) & mask);
                    ASSERT_GE(delta, -1);
                    ASSERT_LE(delta, 2);
                }
                if (a >= 252)
                {
                    ASSERT_EQ(pixels[0], sw);
                }
            }
}

TEST_F(RunKernels, FourLaneRowsMatchTheirTableCases)
{
    const uint8_t full[5] = {255, 255, 255, 255, 255};
    const uint16_t red[5] = {0xF800, 0xF800, 0xF800, 0xF800, 0xF800};
    uint16_t pixels[5] = {};
    RunKernelTable[18][5].copyAlpha(reinterpret_cast<uint8_t*>(pixels), reinterpret_cast<const uint8_t*>(red), full, 5);
    EXPECT_EQ(std::vector<uint16_t>(pixels, pixels + 5),
              (std::vector<uint16_t>{0xF800, 0xF800, 0xF800, 0xF800, 0xF000}));

    PointOpacityRowAt(128);
    // Black over white.
    const uint16_t black[5] = {};
    uint16_t lanes[5] = {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}, plain[1] = {0xFFFF};
    RunKernelTable[22][5].copyAlpha(reinterpret_cast<uint8_t*>(lanes), reinterpret_cast<const uint8_t*>(black), full,
                                    5);
    RunKernelTable[16][1].copyAlpha(reinterpret_cast<uint8_t*>(plain), reinterpret_cast<const uint8_t*>(black), full,
                                    1);
    EXPECT_EQ(std::vector<uint16_t>(lanes, lanes + 5), (std::vector<uint16_t>{0x8410, 0x8410, 0x8410, 0x8410, 0x7BEF}));
    EXPECT_EQ(plain[0], 0x7BEF);

    PointOpacityRowAt(0);
    const uint16_t whiteSix[6] = {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    uint16_t untouched[6] = {1, 2, 3, 0xF800, 0x1234, 9};
    RunKernelTable[20][6].copy(reinterpret_cast<uint8_t*>(untouched), reinterpret_cast<const uint8_t*>(whiteSix), 6);
    RunKernelTable[21][6].fill(reinterpret_cast<uint8_t*>(untouched), 0xFFFF, 6);
    EXPECT_EQ(std::vector<uint16_t>(untouched, untouched + 6), (std::vector<uint16_t>{1, 2, 3, 0xF800, 0x1234, 9}));
}

// Runs shorter than a group take the plain arithmetic: rows 18..23 equal
// rows 12..17.
TEST_F(RunKernels, ShortFourLaneRunsEqualThePlainRows)
{
    std::mt19937 random(5);
    for (int32_t trial = 0; trial < 200; trial++)
    {
        PointOpacityRowAt(static_cast<int32_t>(random() % 256));
        const uint32_t n = 1 + random() % 3;
        uint16_t source[3], start[3];
        uint8_t alpha[3];
        for (uint32_t i = 0; i < 3; i++)
        {
            source[i] = static_cast<uint16_t>(random());
            start[i] = static_cast<uint16_t>(random());
            alpha[i] = static_cast<uint8_t>(random());
        }
        for (int32_t row = 12; row < 18; row++)
        {
            uint16_t plain[3], lanes[3];
            std::memcpy(plain, start, sizeof start);
            std::memcpy(lanes, start, sizeof start);
            const Form form = FormOfRow(row);
            Call(RunKernelTable[row], n, form, reinterpret_cast<uint8_t*>(plain),
                 reinterpret_cast<const uint8_t*>(source), source[0], alpha, alpha[0]);
            Call(RunKernelTable[row + 6], n, form, reinterpret_cast<uint8_t*>(lanes),
                 reinterpret_cast<const uint8_t*>(source), source[0], alpha, alpha[0]);
            ASSERT_EQ(std::vector<uint16_t>(plain, plain + 3), std::vector<uint16_t>(lanes, lanes + 3)) << row;
        }
    }
}

} // namespace

namespace {

// Seeded runs of every length, alpha and opacity through one set of rows
// 18..23; answers the hash of every result.
uint64_t HashOfRuns(const RunKernelRow* rows)
{
    std::mt19937 random(2026);
    uint64_t hash = FNV1A_START;
    for (int32_t trial = 0; trial < 2000; trial++)
    {
        PointOpacityRowAt(static_cast<int32_t>(random() % 256));
        const uint32_t n = random() % 64;
        uint16_t destination[64], source[64];
        uint8_t alpha[64];
        for (uint32_t i = 0; i < 64; i++)
        {
            destination[i] = static_cast<uint16_t>(random());
            source[i] = static_cast<uint16_t>(random());
            alpha[i] = static_cast<uint8_t>(random());
        }
        const int32_t row = static_cast<int32_t>(random() % 6);
        Call(rows[row], n, FormOfRow(18 + row), reinterpret_cast<uint8_t*>(destination),
             reinterpret_cast<const uint8_t*>(source), source[0], alpha, alpha[0]);
        hash = Fnv1a(hash, reinterpret_cast<const uint8_t*>(destination), sizeof destination);
    }
    PointOpacityRowAt(255);
    return hash;
}

TEST(FourLaneFastForm, GivesTheReferenceBits)
{
    InitPixelFormatTables("Palettes", "GamePalette");
    const uint64_t reference = HashOfRuns(RunKernelFourLaneReference);
    EXPECT_EQ(HashOfRuns(&RunKernelTable[18]), reference);
    EXPECT_EQ(reference, 9646299878043789692u);
}

} // namespace
