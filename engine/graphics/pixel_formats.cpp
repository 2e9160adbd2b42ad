#include "engine/graphics/pixel_formats.h"

#include <cstdio>

#include "engine/core/color/color.h"

constinit int32_t Scale8To5[256] = {};
constinit int32_t Scale8To5Green555[256] = {};
constinit int32_t Scale8To5Red555[256] = {};
constinit int32_t Scale8To5Red565[256] = {};
constinit int32_t Scale8To6Green565[256] = {};
constinit int32_t ProductTable[256][256] = {};
constinit int32_t ScaledAlphaTable[256][256] = {};
constinit int32_t TranslucencyLevelTable[256] = {};

const uint8_t Expand5To8[32] = {0,   8,   16,  25,  33,  41,  49,  58,  66,  74,  82,  91,  99,  107, 115, 123,
                                132, 140, 148, 156, 165, 173, 181, 189, 197, 206, 214, 222, 230, 239, 247, 255};

const uint8_t Expand6To8[64] = {0,   4,   8,   12,  16,  20,  24,  28,  32,  36,  40,  45,  49,  53,  57,  61,
                                65,  69,  73,  77,  81,  85,  89,  93,  97,  101, 105, 109, 113, 117, 121, 125,
                                130, 134, 138, 142, 146, 150, 154, 158, 162, 166, 170, 174, 178, 182, 186, 190,
                                194, 198, 202, 206, 210, 215, 219, 223, 227, 231, 235, 239, 243, 247, 251, 255};

namespace {

constinit int32_t s_DisplayBitDepth = 0;

// No i * maximum / 255 lies on a half, so adding half the divisor rounds.
int32_t ScaleRounded(int32_t value, int32_t maximum)
{
    return (value * maximum + 127) / 255;
}

// The arithmetic used before the tables exist: half a step up, capped.
uint16_t RoundUp5(uint8_t channel)
{
    return static_cast<uint16_t>(channel + 4 >= 256 ? 31 : (channel + 4) >> 3);
}

uint16_t RoundUp6(uint8_t channel)
{
    return static_cast<uint16_t>(channel + 2 >= 256 ? 63 : (channel + 2) >> 2);
}

} // namespace

bool ArePixelFormatTablesBuilt()
{
    return Scale8To5[128] != 0;
}

void InitPixelFormatTables(const char*, const char*)
{
    for (int32_t i = 0; i < 256; i++)
    {
        Scale8To5[i] = ScaleRounded(i, 31);
        Scale8To5Green555[i] = Scale8To5[i] << 5;
        Scale8To5Red555[i] = Scale8To5[i] << 10;
        Scale8To5Red565[i] = Scale8To5[i] << 11;
        Scale8To6Green565[i] = ScaleRounded(i, 63) << 5;
        for (int32_t j = 0; j < 256; j++)
        {
            ProductTable[i][j] = i * j;
            ScaledAlphaTable[i][j] = i * j / 255;
        }
    }
    if (TranslucencyLevelTable[128] == 0)
    {
        for (int32_t i = 0; i < 256; i++)
            TranslucencyLevelTable[i] = 5 - ((i * 6) >> 8);
    }
}

uint16_t Pack565(uint8_t red, uint8_t green, uint8_t blue)
{
    if (ArePixelFormatTablesBuilt())
        return static_cast<uint16_t>(Scale8To5Red565[red] + Scale8To6Green565[green] + Scale8To5[blue]);
    return static_cast<uint16_t>((RoundUp5(red) << 11) | (RoundUp6(green) << 5) | RoundUp5(blue));
}

uint16_t Pack555(uint8_t red, uint8_t green, uint8_t blue)
{
    if (ArePixelFormatTablesBuilt())
        return static_cast<uint16_t>(Scale8To5Red555[red] + Scale8To5Green555[green] + Scale8To5[blue]);
    return static_cast<uint16_t>((RoundUp5(red) << 10) | (RoundUp5(green) << 5) | RoundUp5(blue));
}

int32_t GetDisplayBitDepth()
{
    return s_DisplayBitDepth == 0 ? 16 : s_DisplayBitDepth;
}

void SetDisplayBitDepth(int32_t bits)
{
    if (bits != 16)
        std::fprintf(stderr, "A display depth of %d bits is served as 16 bits (5-6-5).\n", bits);
    s_DisplayBitDepth = 16;
}
