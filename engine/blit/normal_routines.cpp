#include "engine/blit/normal_routines.h"

#include <cstring>

#include "engine/blit/blit_rows.h"
#include "engine/blit/opacity_row.h"
#include "engine/core/color/color.h"
#include "engine/graphics/blend565.h"
#include "engine/graphics/frame_interface.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"

namespace {

template <int Bytes>
void CopyRows(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
              const CRect& destinationRect)
{
    ForEachRow<Bytes, Bytes>(source, sourceRect, destination, destinationRect,
                             [](const uint8_t* from, uint8_t* to, int32_t count) {
        std::memmove(to, from, static_cast<size_t>(count) * Bytes);
    });
}

// 8-bit sources onto 24 and 32 bits take their colours from the blit
// type's palette, else from a palette the source frame holds as its own,
// else from a grey ramp: an index is as light as its number.
const uint8_t* PaletteFor8BitSource(CFrameInterface* source, CBlitType* blitType)
{
    const CColorTable* palette = blitType->GetPalette();
    if (palette->Holds(CColorTable::PALETTE))
        return palette->GetData();
    if (source->HasOwnPalette())
    {
        const CColorTable* own = source->GetPalette();
        if (own && own->Holds(CColorTable::PALETTE))
            return own->GetData();
    }
    return nullptr;
}

// SkipZero: the value 0 of the source is transparent ("Transparent Mask").
template <int DestinationBytes, bool SkipZero = false>
void Blit8ToTrueColour(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                       const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    const uint8_t* palette = PaletteFor8BitSource(source, blitType);
    ForEachRow<1, DestinationBytes>(source, sourceRect, destination, destinationRect,
                                    [palette](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++, to += DestinationBytes)
        {
            const uint8_t index = from[x];
            if (SkipZero && index == 0)
                continue;
            if (palette)
            {
                to[0] = palette[3 * index];
                to[1] = palette[3 * index + 1];
                to[2] = palette[3 * index + 2];
            }
            else
            {
                to[0] = to[1] = to[2] = index;
            }
            if constexpr (DestinationBytes == 4)
                to[3] = 255;
        }
    });
}

template <int DestinationBytes, bool SkipZero = false>
void Blit16ToTrueColour(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                        const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    ForEachRow<2, DestinationBytes>(source, sourceRect, destination, destinationRect,
                                    [](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++, to += DestinationBytes)
        {
            const uint16_t value = Load16(from + 2 * x);
            if (SkipZero && value == 0)
                continue;
            to[0] = Expand5To8[value & 31];
            to[1] = Expand6To8[(value >> 5) & 63];
            to[2] = Expand5To8[value >> 11];
            if constexpr (DestinationBytes == 4)
                to[3] = 255;
        }
    });
}

// d + (s - d) x weight / 255, the quotient truncated toward zero.
uint8_t BlendChannel(int32_t destination, int32_t source, int32_t weight)
{
    return static_cast<uint8_t>(destination + (source - destination) * weight / 255);
}

} // namespace

void BlitNormal8To8(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                    const CRect& destinationRect, CBlitType* blitType)
{
    if (IsOpaque(blitType))
    {
        CopyRows<1>(source, sourceRect, destination, destinationRect);
        return;
    }
    if (!PaletteBlendTableA.Holds(CColorTable::BLEND_TABLE))
        return;
    const uint8_t* blend = PaletteBlendTableA.GetData();
    ForEachRow<1, 1>(source, sourceRect, destination, destinationRect,
                     [blend](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++)
            to[x] = blend[to[x] * 256 + from[x]];
    });
}

void BlitNormal8To16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                     const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    ForEachRow<1, 2>(source, sourceRect, destination, destinationRect,
                     [](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++)
            Store16(to + 2 * x, static_cast<uint32_t>(Palette565Lookup[from[x]]));
    });
}

void BlitNormal8To24(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                     const CRect& destinationRect, CBlitType* blitType)
{
    Blit8ToTrueColour<3>(source, sourceRect, destination, destinationRect, blitType);
}

void BlitNormal8To32(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                     const CRect& destinationRect, CBlitType* blitType)
{
    Blit8ToTrueColour<4>(source, sourceRect, destination, destinationRect, blitType);
}

void BlitNormal16To8(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                     const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    if (!InversePalette565.Holds(CColorTable::INVERSE_565))
        return;
    const uint8_t* inverse = InversePalette565.GetData();
    ForEachRow<2, 1>(source, sourceRect, destination, destinationRect,
                     [inverse](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++)
            to[x] = inverse[Load16(from + 2 * x)];
    });
}

void BlitNormal16To16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                      const CRect& destinationRect, CBlitType* blitType)
{
    if (IsOpaque(blitType))
    {
        CopyRows<2>(source, sourceRect, destination, destinationRect);
        return;
    }
    const int32_t weight = blitType->GetOpacityByte();
    ForEachRowOf<uint16_t, 2, uint16_t, 2>(source, sourceRect, destination, destinationRect,
                                           [weight](const uint16_t* from, uint16_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++)
            to[x] = Blend565(to[x], from[x], weight);
    });
}

void BlitNormal16To24(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                      const CRect& destinationRect, CBlitType* blitType)
{
    Blit16ToTrueColour<3>(source, sourceRect, destination, destinationRect, blitType);
}

void BlitNormal16To32(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                      const CRect& destinationRect, CBlitType* blitType)
{
    Blit16ToTrueColour<4>(source, sourceRect, destination, destinationRect, blitType);
}

void BlitNormal24To8(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                     const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    if (!GamePalette.Holds(CColorTable::INVERSE_555) && !GamePalette.Holds(CColorTable::INVERSE_555_ON_DEMAND))
        return;
    ForEachRow<3, 1>(source, sourceRect, destination, destinationRect,
                     [](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++, from += 3)
            to[x] = GamePalette.FindNearestPaletteIndex(from[2], from[1], from[0], 0, 256);
    });
}

void BlitNormal24To16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                      const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    ForEachRow<3, 2>(source, sourceRect, destination, destinationRect,
                     [](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++, from += 3)
            Store16(to + 2 * x,
                    static_cast<uint32_t>(Scale8To5Red565[from[2]] + Scale8To6Green565[from[1]] + Scale8To5[from[0]]));
    });
}

void BlitNormal24To24(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                      const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    CopyRows<3>(source, sourceRect, destination, destinationRect);
}

void BlitNormal24To32(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                      const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    ForEachRow<3, 4>(source, sourceRect, destination, destinationRect,
                     [](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++, from += 3, to += 4)
        {
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
            to[3] = 255;
        }
    });
}

void BlitNormal32To16Blended(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                             const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    ForEachRow<4, 2>(source, sourceRect, destination, destinationRect,
                     [](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++, from += 4)
        {
            // 0..254: even an opaque pixel keeps a trace of
            // what lay below.
            const int32_t weight = (255 * from[3]) >> 8;
            const uint16_t below = Load16(to + 2 * x);
            const uint8_t red = BlendChannel(Expand5To8[below >> 11], from[2], weight);
            const uint8_t green = BlendChannel(Expand6To8[(below >> 5) & 63], from[1], weight);
            const uint8_t blue = BlendChannel(Expand5To8[below & 31], from[0], weight);
            Store16(to + 2 * x, Pack565(red, green, blue));
        }
    });
}

void BlitNormal32To16Truncated(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                               const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    ForEachRowOf<uint32_t, 4, uint16_t, 2>(source, sourceRect, destination, destinationRect,
                                           [](const uint32_t* from, uint16_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++)
        {
            const uint32_t pixel = from[x];
            to[x] = static_cast<uint16_t>((pixel >> 8 & 0xF800) | (pixel >> 5 & 0x07E0) | (pixel >> 3 & 0x001F));
        }
    });
}

void BlitNormal32To24(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                      const CRect& destinationRect, CBlitType* blitType)
{
    const bool opaque = IsOpaque(blitType);
    const int32_t* scaled = CurrentOpacityRow;
    ForEachRow<4, 3>(source, sourceRect, destination, destinationRect,
                     [opaque, scaled](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++, from += 4, to += 3)
        {
            const int32_t alpha = from[3];
            int32_t weight;
            if (opaque)
            {
                if (alpha == 0)
                    continue;
                weight = alpha >= 253 ? 255 : alpha;
            }
            else
            {
                if (alpha <= 5)
                    continue;
                weight = scaled[alpha] >= 251 ? 255 : scaled[alpha];
            }
            if (weight == 255)
            {
                to[0] = from[0];
                to[1] = from[1];
                to[2] = from[2];
            }
            else
            {
                to[0] = BlendChannel(to[0], from[0], weight);
                to[1] = BlendChannel(to[1], from[1], weight);
                to[2] = BlendChannel(to[2], from[2], weight);
            }
        }
    });
}

void BlitNormal32To32(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                      const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    CopyRows<4>(source, sourceRect, destination, destinationRect);
}

void BlitMasked8To8(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                    const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    ForEachRow<1, 1>(source, sourceRect, destination, destinationRect,
                     [](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++)
            if (from[x] != 0)
                to[x] = from[x];
    });
}

void BlitMasked8To16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                     const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    ForEachRow<1, 2>(source, sourceRect, destination, destinationRect,
                     [](const uint8_t* from, uint8_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++)
            if (from[x] != 0)
                Store16(to + 2 * x, static_cast<uint32_t>(Palette565Lookup[from[x]]));
    });
}

void BlitMasked8To24(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                     const CRect& destinationRect, CBlitType* blitType)
{
    Blit8ToTrueColour<3, true>(source, sourceRect, destination, destinationRect, blitType);
}

void BlitMasked8To32(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                     const CRect& destinationRect, CBlitType* blitType)
{
    Blit8ToTrueColour<4, true>(source, sourceRect, destination, destinationRect, blitType);
}

void BlitMasked16To16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                      const CRect& destinationRect, CBlitType* blitType)
{
    IsOpaque(blitType);
    ForEachRowOf<uint16_t, 2, uint16_t, 2>(source, sourceRect, destination, destinationRect,
                                           [](const uint16_t* from, uint16_t* to, int32_t count) {
        for (int32_t x = 0; x < count; x++)
            if (from[x] != 0)
                to[x] = from[x];
    });
}

void BlitMasked16To24(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                      const CRect& destinationRect, CBlitType* blitType)
{
    Blit16ToTrueColour<3, true>(source, sourceRect, destination, destinationRect, blitType);
}
