#include "engine/blit/antialiased_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/blit/blit_rows.h"
#include "engine/blit/run_kernel_table.h"
#include "engine/core/color/color.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/graphics/blend565.h"
#include "engine/graphics/frame_clipping.h"
#include "engine/graphics/frame_format.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"

int32_t PaletteChannelTables[3][256];

namespace {

// Beyond this many pixels an end point is cut in floating point first: its
// 16.16 form must fit 32 bits.
constexpr float FIXED_POINT_REACH = 16000.0f;
constexpr float CUT_MARGIN = 2.0f;

// Pixel access of one depth: the blend of one pixel toward the colour.
struct Pixels16
{
    static void Blend(uint8_t* at, uint32_t colour, int32_t weight)
    {
        Store16(at, Blend565(Load16(at), static_cast<uint16_t>(colour), weight));
    }
};

struct Pixels24
{
    static void Blend(uint8_t* at, uint32_t colour, int32_t weight)
    {
        for (int32_t k = 0; k < 3; k++)
            at[k] = Blend24(at[k], static_cast<uint8_t>(colour >> (8 * k)), weight);
    }
};

struct Pixels32
{
    static void Blend(uint8_t* at, uint32_t colour, int32_t weight)
    {
        const int32_t scaled = (weight * static_cast<int32_t>(colour >> 24)) >> 8;
        for (int32_t k = 0; k < 3; k++)
        {
            const int32_t d = at[k];
            at[k] = static_cast<uint8_t>(d + (static_cast<int32_t>((colour >> (8 * k)) & 0xFF) - d) * scaled / 255);
        }
        at[3] = 0;
    }
};

struct Pixels8
{
    static const uint8_t* s_pInverse;

    static void Blend(uint8_t* at, uint32_t colour, int32_t weight)
    {
        int32_t channels[3];
        for (int32_t k = 0; k < 3; k++)
        {
            const int32_t d = PaletteChannelTables[k][*at];
            channels[k] = d + (PaletteChannelTables[k][colour & 0xFF] - d) * weight / 256;
        }
        *at = s_pInverse[Scale8To5Red555[channels[2]] | Scale8To5Green555[channels[1]] | Scale8To5[channels[0]]];
    }
};

const uint8_t* Pixels8::s_pInverse = nullptr;

// The rounded quotient with halves away from zero.
int64_t RoundedQuotient(int64_t numerator, int64_t denominator)
{
    const int64_t half = denominator / 2;
    return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

// One Wu line along its major axis. Major: the stepped coordinate (x for
// x-major), minor: the blended one. Pixels are written only inside the
// frame unless both ends lie well inside the minor axis.
template <class Pixel>
void DrawWuLine(CFrameInterface& frame, int32_t major0, int32_t minor0, int32_t major1, int32_t minor1, bool xMajor,
                uint32_t colour)
{
    if (major1 < major0)
    {
        std::swap(major0, major1);
        std::swap(minor0, minor1);
    }
    const int64_t majorDelta = int64_t{major1} - major0;
    const int64_t minorDelta = int64_t{minor1} - minor0;
    int64_t slope = majorDelta == 0 ? -1 : RoundedQuotient(minorDelta * 65536, majorDelta);
    if (std::llabs((majorDelta >> 16) * slope) > std::llabs(minorDelta))
        slope += slope > 0 ? -1 : 1;

    const int32_t width = frame.GetWidth(), height = frame.GetHeight();
    const int32_t minorSize = xMajor ? height : width;
    const bool checked = !((minor0 >> 16) >= 1 && (minor0 >> 16) <= minorSize - 3 && (minor1 >> 16) >= 1 &&
                           (minor1 >> 16) <= minorSize - 3);
    const int32_t* rows = frame.GetRowOffsets();
    uint8_t* pixels = frame.GetPixels();
    const int32_t bytes = frame.GetBytesPerPixel();
    auto blend = [&](int32_t x, int32_t y, int32_t weight) {
        if (checked && (x < 0 || x >= width || y < 0 || y >= height))
            return;
        Pixel::Blend(pixels + (static_cast<size_t>(rows[y]) + static_cast<size_t>(x)) * static_cast<size_t>(bytes),
                     colour, weight);
    };
    int64_t minor = minor0;
    for (int32_t step = major0 >> 16; step <= major1 >> 16; step++, minor += slope)
    {
        const int32_t whole = std::max(static_cast<int32_t>(minor >> 16), 0);
        const int32_t fraction = static_cast<int32_t>((minor >> 8) & 0xFF);
        if (xMajor)
        {
            blend(step, whole, 255 - fraction);
            blend(step, whole + 1, fraction);
        }
        else
        {
            blend(whole, step, 255 - fraction);
            blend(whole + 1, step, fraction);
        }
    }
}

template <class Pixel>
void DrawLineOfDepth(CFrameInterface& frame, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour)
{
    if (std::llabs(int64_t{x1} - x0) >= std::llabs(int64_t{y1} - y0))
        DrawWuLine<Pixel>(frame, x0, y0, x1, y1, true, colour);
    else
        DrawWuLine<Pixel>(frame, y0, x0, y1, x1, false, colour);
}

// 16.16 fixed point, truncated toward zero.
int32_t ToFixed(float value)
{
    return static_cast<int32_t>(value * 65536.0f);
}

} // namespace

void DrawAntiAliasedLine8(CFrameInterface& frame, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t index)
{
    if (GamePalette.GetData() == nullptr || CColorTable::GetKindSize(GamePalette.GetKind()) != 32768)
        return;
    BuildLineIntensityTable();
    Pixels8::s_pInverse = GamePalette.GetData();
    DrawLineOfDepth<Pixels8>(frame, x0, y0, x1, y1, index);
}

void DrawAntiAliasedLine16(CFrameInterface& frame, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t word)
{
    DrawLineOfDepth<Pixels16>(frame, x0, y0, x1, y1, word);
}

void DrawAntiAliasedLine24(CFrameInterface& frame, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t rgb)
{
    DrawLineOfDepth<Pixels24>(frame, x0, y0, x1, y1, rgb);
}

void DrawAntiAliasedLine32(CFrameInterface& frame, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t bgra)
{
    DrawLineOfDepth<Pixels32>(frame, x0, y0, x1, y1, bgra);
}

void BuildLineIntensityTable()
{
    for (uint32_t i = 0; i < 256; i++)
    {
        uint8_t red = 0, green = 0, blue = 0;
        CurrentPalette.GetEntry(i, red, green, blue);
        PaletteChannelTables[0][i] = blue;
        PaletteChannelTables[1][i] = green;
        PaletteChannelTables[2][i] = red;
    }
}

void DrawAntiAliasedLine(CFrameInterface& frame, float x0, float y0, float x1, float y1, const CColor& colour)
{
    if (std::isnan(x0) || std::isnan(y0) || std::isnan(x1) || std::isnan(y1) || frame.GetPixels() == nullptr ||
        IsRunLengthFormat(frame.GetFormat()))
        return;
    const int32_t width = frame.GetWidth(), height = frame.GetHeight();
    x0 -= static_cast<float>(frame.GetUpperLeftXOffset());
    x1 -= static_cast<float>(frame.GetUpperLeftXOffset());
    y0 -= static_cast<float>(frame.GetUpperLeftYOffset());
    y1 -= static_cast<float>(frame.GetUpperLeftYOffset());
    const auto far = [](float value) { return !(std::fabs(value) <= FIXED_POINT_REACH); };
    if (far(x0) || far(y0) || far(x1) || far(y1))
    {
        const CRectF grown{-CUT_MARGIN, -CUT_MARGIN, static_cast<float>(width) + CUT_MARGIN,
                           static_cast<float>(height) + CUT_MARGIN};
        if (!ClipLineF(grown, x0, y0, x1, y1) || far(x0) || far(y0) || far(x1) || far(y1))
            return;
    }
    int32_t fx0 = ToFixed(x0), fy0 = ToFixed(y0), fx1 = ToFixed(x1), fy1 = ToFixed(y1);
    const CRect pixels{0, 0, static_cast<int32_t>(std::min<int64_t>(int64_t{width} * 65536, INT32_MAX)),
                       static_cast<int32_t>(std::min<int64_t>(int64_t{height} * 65536, INT32_MAX))};
    if (!ClipLine(pixels, fx0, fy0, fx1, fy1))
        return;
    switch (frame.GetFormat() & FRAME_DEPTH_MASK)
    {
    case FRAME_DEPTH_8:
    {
        CColor indexed = colour;
        const uint32_t index =
            (indexed.m_Flags & COLOR_PALETTE_INDEX_VALID) ? indexed.m_PaletteIndex : indexed.NearestPaletteIndex();
        const int32_t whole = ~0xFFFF;
        DrawAntiAliasedLine8(frame, fx0 & whole, fy0 & whole, fx1 & whole, fy1 & whole, index);
        break;
    }
    case FRAME_DEPTH_16:
        DrawAntiAliasedLine16(frame, fx0, fy0, fx1, fy1, colour.m_Rgb565);
        break;
    case FRAME_DEPTH_24:
        DrawAntiAliasedLine24(frame, fx0, fy0, fx1, fy1,
                              uint32_t{colour.m_Red} << 16 | uint32_t{colour.m_Green} << 8 | colour.m_Blue);
        break;
    case FRAME_DEPTH_32:
        DrawAntiAliasedLine32(frame, fx0, fy0, fx1, fy1,
                              uint32_t{colour.m_Blue} | uint32_t{colour.m_Green} << 8 | uint32_t{colour.m_Red} << 16 |
                                  uint32_t{colour.m_Alpha} << 24);
        break;
    default:
        break;
    }
}

void DrawEllipseArc(CFrameInterface& frame, const Vector2& centre, float radius, float aspect, const CColor& colour,
                    float startAngle, float endAngle, bool connectToCentre)
{
    const float larger = std::max(radius, radius * aspect);
    // Held before converting: a NaN or huge radius must not overflow.
    const float quarter = std::isnan(larger) ? 0.0f : std::clamp(larger, 0.0f, 1000.0f);
    const int32_t segments = std::clamp(static_cast<int32_t>(quarter) / 4, 10, 25);
    const float step = (endAngle - startAngle) / static_cast<float>(segments);
    auto pointAt = [&](float angle) {
        return Vector2{centre.x + radius * FastCos(angle), centre.y + radius * aspect * FastSin(angle)};
    };
    float angle = startAngle;
    Vector2 previous = pointAt(angle);
    if (connectToCentre)
        frame.DrawLineAA(centre, previous, colour);
    for (int32_t i = 0; i < segments; i++)
    {
        angle += step;
        const Vector2 next = pointAt(angle);
        frame.DrawLineAA(previous, next, colour);
        previous = next;
    }
    if (connectToCentre)
        frame.DrawLineAA(centre, previous, colour);
}

void DrawEllipse(CFrameInterface& frame, const Vector2& centre, float radius, const CColor& colour)
{
    DrawEllipseArc(frame, centre, radius, 1.0f, colour, 0.0f, kTwoPi, false);
}
