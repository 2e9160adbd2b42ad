#include "engine/graphics/color_table.h"

#include <algorithm>
#include <cstring>

#include "engine/core/color/color.h"
#include "engine/graphics/hsl.h"

namespace {

constexpr uint32_t s_KindSizes[8] = {0, 768, 256, 1024, 65536, 32768, 32768, 65536};

// Squares of channel differences, weighted as the eye weighs green, red and
// blue.
uint32_t ColourDistance(int32_t red, int32_t green, int32_t blue, const uint8_t* entry)
{
    const uint32_t dr = static_cast<uint32_t>((red - entry[2]) * (red - entry[2]));
    const uint32_t dg = static_cast<uint32_t>((green - entry[1]) * (green - entry[1]));
    const uint32_t db = static_cast<uint32_t>((blue - entry[0]) * (blue - entry[0]));
    return 59 * dg + 30 * dr + 11 * db;
}

uint8_t ToChannel(float value)
{
    return static_cast<uint8_t>(static_cast<int32_t>(std::clamp(value, 0.0f, 1.0f) * 255.0f + 0.5f));
}

} // namespace

CColorTable::~CColorTable()
{
    FreeData();
}

uint32_t CColorTable::GetKindSize(int32_t kind)
{
    return kind >= 0 && kind < 8 ? s_KindSizes[kind] : 0;
}

void CColorTable::FreeData()
{
    delete[] m_pData;
    m_pData = nullptr;
}

void CColorTable::SetKind(int32_t kind)
{
    if (kind < EMPTY || kind > INVERSE_565)
        return;
    if (kind != m_Kind || kind == EMPTY)
        FreeData();
    m_Kind = kind;
    if (m_pData == nullptr && kind != EMPTY)
    {
        const uint32_t size = GetKindSize(kind);
        m_pData = new uint8_t[size];
        for (uint32_t i = 0; i < size; i++)
            m_pData[i] = static_cast<uint8_t>(i);
    }
}

void CColorTable::CopyFrom(const CColorTable& other)
{
    if (other.m_pData == nullptr || &other == this)
        return;
    if (other.m_Kind != m_Kind || other.m_Kind == EMPTY)
        FreeData();
    SetKind(other.m_Kind);
    if (m_pData)
        std::memcpy(m_pData, other.m_pData, GetKindSize(other.m_Kind));
}

void CColorTable::SetEntry(uint32_t index, uint8_t red, uint8_t green, uint8_t blue)
{
    if (!Holds(PALETTE) || index > 255)
        return;
    m_pData[3 * index + 2] = red;
    m_pData[3 * index + 1] = green;
    m_pData[3 * index + 0] = blue;
}

void CColorTable::GetEntry(uint32_t index, uint8_t& red, uint8_t& green, uint8_t& blue) const
{
    if (!Holds(PALETTE) || index > 255)
    {
        red = green = blue = 0;
        return;
    }
    red = m_pData[3 * index + 2];
    green = m_pData[3 * index + 1];
    blue = m_pData[3 * index + 0];
}

uint8_t CColorTable::FindNearestPaletteIndex(uint8_t red, uint8_t green, uint8_t blue, int32_t first, int32_t end)
{
    if (m_pData == nullptr)
        return 0;
    switch (m_Kind)
    {
    case PALETTE:
    {
        uint32_t best = UINT32_MAX;
        int32_t bestIndex = 0;
        for (int32_t i = std::max(first, 0); i < std::min(end, 256); i++)
        {
            const uint32_t distance = ColourDistance(red, green, blue, m_pData + 3 * i);
            if (distance < best)
            {
                best = distance;
                bestIndex = i;
                if (distance == 0)
                    break;
            }
        }
        return static_cast<uint8_t>(bestIndex);
    }
    case INVERSE_555:
        return m_pData[Pack555(red, green, blue)];
    case INVERSE_565:
        return m_pData[Pack565(red, green, blue)];
    case INVERSE_555_ON_DEMAND:
    {
        uint8_t& known = m_pData[Pack555(red, green, blue)];
        if (known == 0 && m_pReference != nullptr && m_pReference != this)
            known = m_pReference->FindNearestPaletteIndex(red, green, blue, 1, 255);
        return known;
    }
    default:
        return 0;
    }
}

void CColorTable::BuildLightnessRemap(CColorTable& palette, int32_t scale, int32_t first, int32_t end,
                                      int32_t searchFirst, int32_t searchEnd, int32_t)
{
    SetKind(INDEX_REMAP);
    for (int32_t i = 0; i < 256; i++)
        m_pData[i] = static_cast<uint8_t>(i);
    if (scale == 128)
        return;
    for (int32_t i = std::max(first, 0); i < std::min(end, 256); i++)
    {
        uint8_t red, green, blue;
        palette.GetEntry(static_cast<uint32_t>(i), red, green, blue);
        float hue, saturation, lightness;
        RgbToHsl(red / 255.0f, green / 255.0f, blue / 255.0f, hue, saturation, lightness);
        const float scaled = static_cast<float>(scale) * lightness * 0.0078125f;
        float r, g, b;
        HslToRgb(hue, saturation, scaled, r, g, b);
        m_pData[i] = palette.FindNearestPaletteIndex(ToChannel(r), ToChannel(g), ToChannel(b), searchFirst, searchEnd);
    }
}
