#include "engine/blit/blit_normal_scale.h"

#include <cstring>

#include "engine/blit/blit_rows.h"
#include "engine/graphics/frame_interface.h"
#include "engine/graphics/palettes.h"

namespace {

template <int SourceBytes, int DestinationBytes, typename CopyPixel>
void ScaleRows(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
               const CRect& destinationRect, CBlitType* blitType, CopyPixel copy)
{
    const uint64_t width = static_cast<uint64_t>(destinationRect.right - destinationRect.left);
    const uint64_t height = static_cast<uint64_t>(destinationRect.bottom - destinationRect.top);
    if (width == 0 || height == 0)
        return;
    const uint64_t xStep = static_cast<uint64_t>(sourceRect.right - sourceRect.left) * 65536 / width;
    const uint64_t yStep = static_cast<uint64_t>(sourceRect.bottom - sourceRect.top) * 65536 / height;
    // The opacity only points the shared row, for what follows.
    IsOpaque(blitType);
    const int32_t* sourceRows = source->GetRowOffsets();
    const int32_t* destinationRows = destination->GetRowOffsets();
    const uint8_t* sourcePixels = source->GetPixels();
    uint8_t* destinationPixels = destination->GetPixels();
    for (uint64_t j = 0; j < height; j++)
    {
        const int64_t sourceY = sourceRect.top + static_cast<int64_t>((j * yStep) >> 16);
        const uint8_t* from = sourcePixels + static_cast<size_t>(sourceRows[sourceY]) * SourceBytes;
        uint8_t* to =
            destinationPixels + (static_cast<size_t>(destinationRows[destinationRect.top + static_cast<int64_t>(j)]) +
                                 static_cast<size_t>(destinationRect.left)) *
                                    DestinationBytes;
        for (uint64_t i = 0; i < width; i++)
        {
            const size_t sourceX = static_cast<size_t>(sourceRect.left + static_cast<int64_t>((i * xStep) >> 16));
            copy(from + sourceX * SourceBytes, to + i * DestinationBytes);
        }
    }
}

template <int Bytes>
void ScaleCopy(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
               const CRect& destinationRect, CBlitType* blitType)
{
    ScaleRows<Bytes, Bytes>(source, sourceRect, destination, destinationRect, blitType,
                            [](const uint8_t* from, uint8_t* to) { std::memcpy(to, from, Bytes); });
}

void Scale8To16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                const CRect& destinationRect, CBlitType* blitType)
{
    ScaleRows<1, 2>(source, sourceRect, destination, destinationRect, blitType, [](const uint8_t* from, uint8_t* to) {
        Store16(to, static_cast<uint32_t>(Palette565Lookup[*from]));
    });
}

// The fourth byte of the destination stays as it was.
void Scale24To32(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                 const CRect& destinationRect, CBlitType* blitType)
{
    ScaleRows<3, 4>(source, sourceRect, destination, destinationRect, blitType,
                    [](const uint8_t* from, uint8_t* to) { std::memcpy(to, from, 3); });
}

} // namespace

CBlitNormalScale::CBlitNormalScale()
    : CBlitType(SCALES)
{
    AddEntry(8, 0, 8, 0, ScaleCopy<1>);
    AddEntry(8, 0, 16, 0, Scale8To16);
    AddEntry(16, 0, 16, 0, ScaleCopy<2>);
    AddEntry(24, 0, 24, 0, ScaleCopy<3>);
    AddEntry(24, 0, 32, 0, Scale24To32);
}

CBlitNormalScale& GetBlitNormalScale()
{
    static CBlitNormalScale s_NormalScale;
    return s_NormalScale;
}
