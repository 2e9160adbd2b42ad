#include "engine/graphics/floyd_steinberg.h"

#include <algorithm>
#include <cmath>

#include "engine/graphics/color_table.h"

FloydSteinbergDither::FloydSteinbergDither(int32_t width, float limit, const CColorTable* palette,
                                           CColorTable* lookup)
    : m_Width(std::max(width, 1))
    , m_RingSize(m_Width + 1)
    , m_Position(0)
    , m_Column(0)
    , m_Incoming{}
    , m_Adjusted{}
    , m_LimitSquared(limit * limit)
    , m_Retry(false)
    , m_pPalette(palette)
    , m_pLookup(lookup)
{
    for (std::vector<float>& ring : m_Errors)
        ring.assign(static_cast<size_t>(m_RingSize), 0.0f);
}

void FloydSteinbergDither::TakePixel(float c1, float c2, float c3)
{
    const float channels[3] = {c1, c2, c3};
    for (int32_t i = 0; i < 3; i++)
    {
        m_Incoming[i] = channels[i];
        m_Adjusted[i] = std::clamp(channels[i] - m_Errors[i][static_cast<size_t>(m_Position)], 0.0f, 1.0f);
        m_Errors[i][static_cast<size_t>(m_Position)] = 0.0f;
    }
    m_Position = (m_Position + 1) % m_RingSize;
    m_Column = (m_Column + 1) % m_Width;
    m_Retry = false;
}

bool FloydSteinbergDither::Diffuse(float c1, float c2, float c3)
{
    const float chosen[3] = {c1, c2, c3};
    if (!m_Retry)
    {
        float distance = 0.0f;
        for (int32_t i = 0; i < 3; i++)
            distance += (m_Incoming[i] - chosen[i]) * (m_Incoming[i] - chosen[i]);
        if (distance > m_LimitSquared)
        {
            m_Retry = true;
            std::copy(m_Incoming, m_Incoming + 3, m_Adjusted);
            return true;
        }
    }
    // m_Column is already the next pixel's column: 1 for the first pixel of
    // a row, 0 for the last.
    const bool firstOfRow = m_Column == 1 % m_Width;
    const bool lastOfRow = m_Column == 0;
    auto cell = [this](int32_t offset) { return static_cast<size_t>((m_Position + offset) % m_RingSize); };
    for (int32_t i = 0; i < 3; i++)
    {
        const float error = chosen[i] - m_Adjusted[i];
        std::vector<float>& ring = m_Errors[i];
        ring[cell(0)] += error * (7.0f / 16.0f);
        if (!firstOfRow)
            ring[cell(m_Width - 2 + m_RingSize)] += error * (3.0f / 16.0f);
        ring[cell(m_Width - 1)] += error * (5.0f / 16.0f);
        if (!lastOfRow)
            ring[cell(m_Width)] += error * (1.0f / 16.0f);
    }
    return false;
}

uint8_t FloydSteinbergDither::ChooseIndex(float red, float green, float blue)
{
    TakePixel(red, green, blue);
    auto level = [this](int32_t i) { return static_cast<uint8_t>(std::lround(m_Adjusted[i] * 255.0f)); };
    uint8_t index;
    bool again;
    do
    {
        index = m_pLookup->FindNearestPaletteIndex(level(0), level(1), level(2), 1, 256);
        uint8_t r, g, b;
        m_pPalette->GetEntry(index, r, g, b);
        again = Diffuse(r * CHANNEL_SCALE, g * CHANNEL_SCALE, b * CHANNEL_SCALE);
    } while (again);
    return index;
}

void DitherPixelTo565(FloydSteinbergDither& ditherer, float red, float green, float blue, uint8_t out[3])
{
    ditherer.TakePixel(red, green, blue);
    float levels[3];
    do
    {
        levels[0] = std::trunc(ditherer.Adjusted(0) * 31.0f) / 31.0f;
        levels[1] = std::trunc(ditherer.Adjusted(1) * 63.0f) / 63.0f;
        levels[2] = std::trunc(ditherer.Adjusted(2) * 31.0f) / 31.0f;
    } while (ditherer.Diffuse(levels[0], levels[1], levels[2]));
    for (int32_t i = 0; i < 3; i++)
        out[i] = static_cast<uint8_t>(std::lround(levels[i] * 255.0f));
}
