#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/blit/blit_type.h"
#include "engine/blit/opacity_row.h"
#include "engine/graphics/frame_interface.h"

// Walks the rows of the two rectangles: the shape every plain whole-frame
// routine shares. The per-row operation gets the source row from the source
// rectangle's left edge, the destination row from the destination's, and
// the pixel count. Rows are handed over as arrays of the pixel's word
// (bytes for 24-bit pixels), so the loops compile to packed instructions.
template <typename SourceWord, int SourceBytes, typename DestinationWord, int DestinationBytes, typename RowOperation>
inline void ForEachRowOf(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                         const CRect& destinationRect, RowOperation operation)
{
    const int32_t* sourceRows = source->GetRowOffsets();
    const int32_t* destinationRows = destination->GetRowOffsets();
    uint8_t* sourcePixels = source->GetPixels();
    uint8_t* destinationPixels = destination->GetPixels();
    const int32_t count = destinationRect.right - destinationRect.left;
    for (int32_t y = 0; y < destinationRect.bottom - destinationRect.top; y++)
    {
        const uint8_t* from =
            sourcePixels +
            (static_cast<size_t>(sourceRows[sourceRect.top + y]) + static_cast<size_t>(sourceRect.left)) * SourceBytes;
        uint8_t* to = destinationPixels + (static_cast<size_t>(destinationRows[destinationRect.top + y]) +
                                           static_cast<size_t>(destinationRect.left)) *
                                              DestinationBytes;
        operation(reinterpret_cast<const SourceWord*>(from), reinterpret_cast<DestinationWord*>(to), count);
    }
}

template <int SourceBytes, int DestinationBytes, typename RowOperation>
inline void ForEachRow(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                       const CRect& destinationRect, RowOperation operation)
{
    ForEachRowOf<uint8_t, SourceBytes, uint8_t, DestinationBytes>(source, sourceRect, destination, destinationRect,
                                                                  operation);
}

// A blit type that is not exactly opaque sets the shared opacity row for
// what it drives.
inline bool IsOpaque(CBlitType* blitType)
{
    if (blitType->GetOpacity() == 1.0f)
        return true;
    PointOpacityRowAt(blitType->GetOpacityByte());
    return false;
}

// Pixel words at any byte address.
inline uint16_t Load16(const uint8_t* at)
{
    uint16_t value;
    std::memcpy(&value, at, 2);
    return value;
}

inline void Store16(uint8_t* at, uint32_t value)
{
    const uint16_t word = static_cast<uint16_t>(value);
    std::memcpy(at, &word, 2);
}
