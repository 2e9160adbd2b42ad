// Frames derived from frames: copies of a rectangle (cutting frames out of
// a strip) and remapping a rectangle's lightness through a palette map.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/blit/blit_normal.h"
#include "engine/core/color/color.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_clipping.h"
#include "engine/graphics/palettes.h"

namespace {

// The 24-bit remap's channel table, rebuilt only when the ratio changes.
int32_t s_ChannelTable[256] = {};
float s_ChannelTableRatio = 0.0f;

// The lightness ratio the map applies: the blue byte of the entry that the
// palette's middle grey maps to, over the grey's own. None without a
// palette or when the grey has no blue to compare with.
bool RemapRatio(const uint8_t* map, float& ratio)
{
    if (!CurrentPalette.Holds(CColorTable::PALETTE))
        return false;
    const uint8_t grey = CurrentPalette.FindNearestPaletteIndex(128, 128, 128, 0, 256);
    uint8_t red, green, blue, mappedBlue;
    CurrentPalette.GetEntry(grey, red, green, blue);
    CurrentPalette.GetEntry(map[grey], red, green, mappedBlue);
    if (blue == 0)
        return false;
    ratio = static_cast<float>(mappedBlue) / static_cast<float>(blue);
    return true;
}

} // namespace

void CFrame::RemapRect(const CRect& rect, const uint8_t* map)
{
    CRect pixels;
    if (!IsWritablePlain() || !ClipToPixels(rect, pixels))
        return;
    switch (GetBitsPerPixel())
    {
    case 8:
        for (int32_t y = pixels.top; y < pixels.bottom; y++)
        {
            uint8_t* row = m_pPixels + m_pRowOffsets[y];
            for (int32_t x = pixels.left; x < pixels.right; x++)
                row[x] = map[row[x]];
        }
        break;
    case 16:
    {
        float ratio;
        if (!RemapRatio(map, ratio))
            return;
        if (ratio > 1.0f)
        {
            const float strength = std::min((ratio - 1.0f) * 0.2f, 1.0f);
            FillRect(rect, CColor(255, 255, 255, static_cast<uint8_t>(strength * 255.0f)));
        }
        else
        {
            // The share of black is what the ratio takes away: an identity
            // map leaves the pixels as they are.
            FillRect(rect, CColor(0, 0, 0, static_cast<uint8_t>((1.0f - ratio) * 255.0f)));
        }
        break;
    }
    case 24:
    {
        float ratio;
        if (!RemapRatio(map, ratio))
            return;
        if (ratio != s_ChannelTableRatio)
        {
            for (int32_t i = 0; i < 256; i++)
                s_ChannelTable[i] = std::min(static_cast<int32_t>(std::nearbyint(ratio * static_cast<float>(i))), 255);
            s_ChannelTableRatio = ratio;
        }
        for (int32_t y = pixels.top; y < pixels.bottom; y++)
        {
            uint8_t* row = m_pPixels + static_cast<size_t>(m_pRowOffsets[y]) * 3;
            for (int32_t x = pixels.left * 3; x < pixels.right * 3; x++)
                row[x] = static_cast<uint8_t>(s_ChannelTable[row[x]]);
        }
        break;
    }
    default:
        break;
    }
}

void CFrame::CopyRect(CFrameInterface* source, const CRect& rect)
{
    const uint32_t width = static_cast<uint32_t>(std::max(rect.right - rect.left, 0));
    const uint32_t height = static_cast<uint32_t>(std::max(rect.bottom - rect.top, 0));
    const int32_t pitch = AllocatePixels(width, height, source->GetBitsPerPixel());
    m_UpperLeftX = 0;
    m_UpperLeftY = 0;
    BuildRowTable(pitch, true);

    CRect sourceBounds;
    source->GetBounds(sourceBounds);
    CRect part = rect;
    if (m_pPixels != nullptr)
        Clear();
    if (m_pPixels != nullptr && ClipRect(sourceBounds, part))
    {
        const CRect sourcePixels{part.left - sourceBounds.left, part.top - sourceBounds.top,
                                 part.right - sourceBounds.left, part.bottom - sourceBounds.top};
        const CRect destinationPixels{part.left - rect.left, part.top - rect.top, part.right - rect.left,
                                      part.bottom - rect.top};
        BlitClipped(source, sourcePixels, destinationPixels, &GetBlitNormal());
        if (source->GetBitsPerPixel() == 16 && !IsRunLengthFormat(source->GetFormat()) && source->GetStream4Data())
            CopyPlane(source, sourcePixels, destinationPixels);
    }

    CFrame* sourceFrame = source->IsKindOf(CFrame::SGetClassInfo()) ? static_cast<CFrame*>(source) : nullptr;
    if (sourceFrame && sourceFrame->GetPalette())
        SetPalette(*sourceFrame->GetPalette());
}

void CFrame::CopyPlane(CFrameInterface* source, const CRect& sourcePixels, const CRect& destinationPixels)
{
    uint8_t* plane = AllocatePixelBlock(size_t{m_Width} * m_Height);
    if (plane == nullptr)
        return;
    const uint8_t* sourcePlane = source->GetStream4Data();
    const int32_t* sourceRows = source->GetRowOffsets();
    const size_t count = static_cast<size_t>(sourcePixels.right - sourcePixels.left);
    for (int32_t y = 0; y < sourcePixels.bottom - sourcePixels.top; y++)
        std::memcpy(plane + static_cast<size_t>(destinationPixels.top + y) * m_Width + destinationPixels.left,
                    sourcePlane + sourceRows[sourcePixels.top + y] + sourcePixels.left, count);
    FreePixelBlock(m_pStreamData[3]);
    m_pStreamData[3] = plane;
}

void CFrame::CopyFrom(const CObject& other)
{
    CObject::CopyFrom(other);
    if (!other.IsKindOf(CFrameInterface::SGetClassInfo()))
        return;
    CFrameInterface& source = const_cast<CFrameInterface&>(static_cast<const CFrameInterface&>(other));
    CRect bounds;
    source.GetBounds(bounds);
    CopyRect(&source, bounds);
    SetUpperLeftOffset(source.GetUpperLeftXOffset(), source.GetUpperLeftYOffset());
}
