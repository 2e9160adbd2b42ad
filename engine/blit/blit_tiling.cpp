#include "engine/blit/blit_tiling.h"

#include <cstring>

#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_rows.h"
#include "engine/graphics/frame_clipping.h"
#include "engine/graphics/frame_interface.h"
#include "engine/graphics/run_length_stream.h"

namespace {

bool HasPixels(const CFrameInterface* frame)
{
    return frame->GetPixels() != nullptr && frame->GetRowOffsets() != nullptr && frame->GetWidth() > 0 &&
           frame->GetHeight() > 0;
}

struct Wrap
{
    int32_t widthMask;
    int32_t heightMask;
};

Wrap WrapOf(const CFrameInterface* texture)
{
    return Wrap{(1 << texture->GetWidthShift()) - 1, (1 << texture->GetHeightShift()) - 1};
}

template <int SourceBytes, int DestinationBytes>
void WrapCopy(CFrameInterface* texture, const CRect& sourceRect, CFrameInterface* destination,
              const CRect& destinationRect, CBlitType*)
{
    if (!HasPixels(texture))
        return;
    const Wrap wrap = WrapOf(texture);
    const int32_t* textureRows = texture->GetRowOffsets();
    const uint8_t* texels = texture->GetPixels();
    const int32_t* destinationRows = destination->GetRowOffsets();
    uint8_t* pixels = destination->GetPixels();
    const int32_t width = destinationRect.right - destinationRect.left;
    for (int32_t r = 0; r < destinationRect.bottom - destinationRect.top; r++)
    {
        const uint8_t* from =
            texels + static_cast<size_t>(textureRows[(sourceRect.top + r) & wrap.heightMask]) * SourceBytes;
        uint8_t* to = pixels + (static_cast<size_t>(destinationRows[destinationRect.top + r]) +
                                static_cast<size_t>(destinationRect.left)) *
                                   DestinationBytes;
        for (int32_t c = 0; c < width; c++)
        {
            const size_t column = static_cast<size_t>((sourceRect.left + c) & wrap.widthMask);
            std::memcpy(to + static_cast<size_t>(c) * DestinationBytes, from + column * SourceBytes, SourceBytes);
            if constexpr (DestinationBytes == 4)
                to[static_cast<size_t>(c) * 4 + 3] = 255;
        }
    }
}

// One stream of the run-length frame: each stored value becomes the
// texture pixel at its first position. Codes past the stream's block end
// the row.
void TextureStream(const RunLengthStream& stream, int32_t frameWidth, int32_t frameHeight,
                   const CFrameInterface* texture, int32_t sx, int32_t sy)
{
    if (stream.data == nullptr || stream.rowOffsets == nullptr)
        return;
    uint32_t blockBytes = 0;
    std::memcpy(&blockBytes, stream.data, 4);
    uint8_t* data = const_cast<uint8_t*>(stream.data);
    const Wrap wrap = WrapOf(texture);
    const int32_t* textureRows = texture->GetRowOffsets();
    const uint8_t* texels = texture->GetPixels();
    for (int32_t y = 0; y < frameHeight; y++)
    {
        const uint8_t* textureRow = texels + static_cast<size_t>(textureRows[(sy + y) & wrap.heightMask]) * 2;
        auto texel = [&](int32_t x) { return Load16(textureRow + static_cast<size_t>((sx + x) & wrap.widthMask) * 2); };
        uint32_t at = static_cast<uint32_t>(stream.rowOffsets[y]);
        int32_t x = 0;
        while (x < frameWidth && at < blockBytes)
        {
            const uint8_t code = data[at++];
            const int32_t n = code & (code >= 0x80 ? 0x7F : 0x3F);
            if (code >= 0x80)
            {
                x += n;
                continue;
            }
            const int32_t values = code >= 0x40 ? n : 1;
            if (at + 2u * static_cast<uint32_t>(values) > blockBytes)
                break;
            for (int32_t k = 0; k < values; k++, at += 2)
                Store16(data + at, texel(x + k));
            x += n;
        }
    }
}

void TextureRunLength16(CFrameInterface* texture, const CRect& sourceRect, CFrameInterface* destination, const CRect&,
                        CBlitType*)
{
    if (!HasPixels(texture))
        return;
    for (int32_t stream : {0, 4})
        TextureStream(GetRunLengthStream(*destination, stream), destination->GetWidth(), destination->GetHeight(),
                      texture, sourceRect.left, sourceRect.top);
}

// Non-negative remainder.
int32_t Phase(int32_t point, int32_t size)
{
    const int32_t remainder = point % size;
    return remainder < 0 ? remainder + size : remainder;
}

void Repeat(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
            const CRect& destinationRect, CBlitType* blitType)
{
    if (!HasPixels(source))
        return;
    const int32_t width = source->GetWidth(), height = source->GetHeight();
    CBlitNormal& normal = GetBlitNormal();
    const BlitRoutine routine = normal.Lookup(source, destination);
    if (routine == nullptr)
        return;
    const float normalOpacity = normal.GetOpacity();
    normal.SetOpacity(blitType->GetOpacity());
    // The first copies that can touch the rectangle: no walk over copies
    // wholly before it.
    const int32_t spanX = destinationRect.right - destinationRect.left;
    const int32_t spanY = destinationRect.bottom - destinationRect.top;
    for (int32_t y = -Phase(sourceRect.top, height); y < spanY; y += height)
        for (int32_t x = -Phase(sourceRect.left, width); x < spanX; x += width)
        {
            CRect copy{0, 0, width, height};
            CRect placed{destinationRect.left + x, destinationRect.top + y, destinationRect.left + x + width,
                         destinationRect.top + y + height};
            if (ClipBlitRects(destinationRect, copy, placed))
                routine(source, copy, destination, placed, &normal);
        }
    normal.SetOpacity(normalOpacity);
}

} // namespace

CBlitTile::CBlitTile()
    : CBlitType(TILES)
{
    AddEntry(8, 0, 8, 0, WrapCopy<1, 1>);
    AddEntry(16, 0, 16, 0, WrapCopy<2, 2>);
    AddEntry(24, 0, 24, 0, WrapCopy<3, 3>);
    AddEntry(24, 0, 32, 0, WrapCopy<3, 4>);
    AddEntry(16, 0, 16, 4, TextureRunLength16);
}

CBlitRepeat::CBlitRepeat()
    : CBlitType(TILES)
{
    for (int32_t bits : {8, 16, 24})
        AddEntry(bits, 0, bits, 0, Repeat);
    for (int32_t bits : {8, 16, 24})
        AddEntry(bits, 4, bits, 0, Repeat);
}

CBlitTile& GetBlitTile()
{
    static CBlitTile s_Tile;
    return s_Tile;
}

CBlitRepeat& GetBlitRepeat()
{
    static CBlitRepeat s_Repeat;
    return s_Repeat;
}
