#include "engine/blit/scale_resampler.h"

#include <algorithm>
#include <cmath>

#include "engine/blit/blit_rows.h"
#include "engine/graphics/pixel_formats.h"

namespace {

// Filtered channel values from -128 to 383, by value + 128.
struct PackTables
{
    uint16_t blue[512];
    uint16_t green[512];
    uint16_t red[512];

    PackTables()
    {
        for (int32_t i = 0; i < 512; i++)
        {
            const float v = static_cast<float>(i - 128);
            const int32_t five = static_cast<int32_t>(std::clamp(v * 0.12156863f + 0.5f, 0.0f, 31.0f));
            const int32_t six = static_cast<int32_t>(std::clamp(v * 0.24705882f + 0.5f, 0.0f, 63.0f));
            blue[i] = static_cast<uint16_t>(five);
            green[i] = static_cast<uint16_t>(six << 5);
            red[i] = static_cast<uint16_t>(five << 11);
        }
    }
};

const PackTables& GetPackTables()
{
    static const PackTables s_Tables;
    return s_Tables;
}

// whole(v + 128.5), the table index, held within the tables.
int32_t PackIndex(double value)
{
    return std::clamp(static_cast<int32_t>(std::clamp(value + 128.5, 0.0, 511.0)), 0, 511);
}

struct Channels
{
    double blue, green, red;
};

Channels Expand(uint16_t word)
{
    return Channels{static_cast<double>(Expand5To8[word & 31]), static_cast<double>(Expand6To8[(word >> 5) & 63]),
                    static_cast<double>(Expand5To8[word >> 11])};
}

// The weighted sum of one destination position's taps over a line of
// expanded source pixels.
uint16_t Filter(const CScaleResampler::TapList& taps, const std::vector<Channels>& line)
{
    double blue = 0, green = 0, red = 0;
    for (const CScaleResampler::Tap& tap : taps)
    {
        const Channels& c = line[static_cast<size_t>(tap.position)];
        blue += tap.weight * c.blue;
        green += tap.weight * c.green;
        red += tap.weight * c.red;
    }
    return CScaleResampler::Pack(blue, green, red);
}

uint16_t* PixelAt(const CFrame& frame, int32_t x, int32_t y)
{
    return reinterpret_cast<uint16_t*>(frame.GetPixels()) + frame.GetRowOffsets()[y] + x;
}

} // namespace

CScaleResampler::CScaleResampler() = default;

double CScaleResampler::Kernel(double x)
{
    const double a = std::fabs(x);
    if (a < 1.0)
        return (7.0 * a * a * a - 12.0 * a * a + 16.0 / 3.0) / 6.0;
    if (a < 2.0)
        return (-7.0 / 3.0 * a * a * a + 12.0 * a * a - 20.0 * a + 32.0 / 3.0) / 6.0;
    return 0.0;
}

uint16_t CScaleResampler::Pack(double blue, double green, double red)
{
    const PackTables& tables = GetPackTables();
    return static_cast<uint16_t>(tables.blue[PackIndex(blue)] | tables.green[PackIndex(green)] |
                                 tables.red[PackIndex(red)]);
}

void CScaleResampler::BuildTaps(std::vector<TapList>& taps, int32_t sourceSize, int32_t destinationSize, float scale)
{
    taps.assign(static_cast<size_t>(std::max(destinationSize, 0)), TapList());
    const float inverse = 1.0f / scale;
    const bool shrinking = scale < 1.0f;
    const double support = shrinking ? 2.0 * static_cast<double>(inverse) : 2.0;
    for (int32_t i = 0; i < destinationSize; i++)
    {
        const double centre = static_cast<double>(inverse * static_cast<float>(i));
        TapList& list = taps[static_cast<size_t>(i)];
        const int64_t first = static_cast<int64_t>(std::ceil(centre - support));
        const int64_t last = static_cast<int64_t>(std::floor(centre + support));
        for (int64_t p = first; p <= last; p++)
        {
            const double distance = centre - static_cast<double>(p);
            const double weight = shrinking ? scale * Kernel(scale * distance) : Kernel(distance);
            int64_t position = p < 0 ? -p : (p >= sourceSize ? 2 * int64_t{sourceSize} - p - 1 : p);
            position = std::clamp<int64_t>(position, 0, sourceSize - 1);
            list.push_back(Tap{static_cast<int32_t>(position), static_cast<float>(weight)});
        }
    }
}

void CScaleResampler::TapTable::Prepare(int32_t source, int32_t destination, float newScale)
{
    if (newScale == scale && source == sourceSize && destination == destinationSize)
        return;
    BuildTaps(taps, source, destination, newScale);
    scale = newScale;
    sourceSize = source;
    destinationSize = destination;
}

void CScaleResampler::BuildHorizontalTaps(int32_t sourceSize, int32_t destinationSize, float scale)
{
    m_Horizontal.Prepare(sourceSize, destinationSize, scale);
}

void CScaleResampler::BuildVerticalTaps(int32_t sourceSize, int32_t destinationSize, float scale)
{
    m_Vertical.Prepare(sourceSize, destinationSize, scale);
}

void CScaleResampler::Resample(CFrame& destination, const CFrame& source)
{
    const int32_t sourceWidth = source.GetWidth(), sourceHeight = source.GetHeight();
    const int32_t width = destination.GetWidth(), height = destination.GetHeight();
    if (sourceWidth <= 0 || sourceHeight <= 0 || width <= 0 || height <= 0 || source.GetPixels() == nullptr ||
        destination.GetPixels() == nullptr)
        return;
    if (GetWidth() != width || GetHeight() != sourceHeight || GetBitsPerPixel() != 16 || GetPixels() == nullptr)
        Create(static_cast<uint32_t>(width), static_cast<uint32_t>(sourceHeight), 16);
    if (GetPixels() == nullptr)
        return;

    BuildHorizontalTaps(sourceWidth, width, static_cast<float>(width) / static_cast<float>(sourceWidth));
    std::vector<Channels> line(static_cast<size_t>(sourceWidth));
    for (int32_t y = 0; y < sourceHeight; y++)
    {
        for (int32_t x = 0; x < sourceWidth; x++)
            line[static_cast<size_t>(x)] = Expand(*PixelAt(source, x, y));
        for (int32_t j = 0; j < width; j++)
            *PixelAt(*this, j, y) = Filter(m_Horizontal.taps[static_cast<size_t>(j)], line);
    }

    BuildVerticalTaps(sourceHeight, height, static_cast<float>(height) / static_cast<float>(sourceHeight));
    line.resize(static_cast<size_t>(sourceHeight));
    for (int32_t x = 0; x < width; x++)
    {
        for (int32_t y = 0; y < sourceHeight; y++)
            line[static_cast<size_t>(y)] = Expand(*PixelAt(*this, x, y));
        for (int32_t k = 0; k < height; k++)
            *PixelAt(destination, x, k) = Filter(m_Vertical.taps[static_cast<size_t>(k)], line);
    }
}

CScaleResampler& GetScaleResampler()
{
    static CScaleResampler s_Resampler;
    return s_Resampler;
}
