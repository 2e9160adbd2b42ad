// The pixel-exact collision test. Both sides' images are placed where the
// draw puts them (drawn position plus part offset); where two placed images'
// bounds overlap, each is rendered with "Transparent Mask" into a scratch
// frame of its own over the overlap only, cleared first, and the two are
// compared word by word: a pixel is set when its 16-bit word is not zero.
// The scratch frames are kept between tests and grow to the largest overlap
// seen, so a step of many tests allocates nothing.

#include <algorithm>
#include <cstring>

#include "engine/blit/blit_transparent_mask.h"
#include "engine/graphics/frame.h"
#include "game/playfield/sprite.h"

namespace {

const int32_t SCRATCH_BITS = 16;

CFrame& ScratchFrame(int32_t side)
{
    static CFrame s_Frames[2];
    return s_Frames[side];
}

// Renders the image placed at the point into the scratch frame so that the
// overlap's upper-left corner lands on pixel (0, 0).
const CFrame& RenderOverlap(int32_t side, CFrame* image, CPoint at, const CRect& overlap)
{
    CFrame& scratch = ScratchFrame(side);
    const int32_t width = overlap.right - overlap.left;
    const int32_t height = overlap.bottom - overlap.top;
    if (scratch.GetWidth() < width || scratch.GetHeight() < height)
        scratch.Create(static_cast<uint32_t>(std::max(scratch.GetWidth(), width)),
                       static_cast<uint32_t>(std::max(scratch.GetHeight(), height)), SCRATCH_BITS);
    scratch.ClearRect(CRect{0, 0, width, height});
    scratch.BlitAt(image, at.x - overlap.left, at.y - overlap.top, &GetBlitTransparentMask());
    return scratch;
}

uint16_t Word(const CFrame& frame, int32_t x, int32_t y)
{
    uint16_t word = 0;
    std::memcpy(&word, frame.GetPixels() + (static_cast<size_t>(frame.GetRowOffsets()[y]) + x) * sizeof(word),
                sizeof(word));
    return word;
}

bool AnyPixelSetInBoth(const CFrame& a, const CFrame& b, int32_t width, int32_t height)
{
    for (int32_t y = 0; y < height; y++)
        for (int32_t x = 0; x < width; x++)
            if (Word(a, x, y) != 0 && Word(b, x, y) != 0)
                return true;
    return false;
}

CRect PlacedBounds(CFrame* image, CPoint at)
{
    CRect bounds;
    image->GetBounds(bounds);
    return OffsetRect(bounds, at.x, at.y);
}

// The sprite's collidable parts against one placed image.
bool CollidesWithPlacedImage(CSprite& sprite, CFrame* other, CPoint otherAt)
{
    const CRect otherBounds = PlacedBounds(other, otherAt);
    return sprite.AnyCollidablePart([&](CFrame* image, CPoint at) {
        CRect overlap;
        if (!IntersectRects(PlacedBounds(image, at), otherBounds, overlap))
            return false;
        const CFrame& mine = RenderOverlap(0, image, at, overlap);
        const CFrame& theirs = RenderOverlap(1, other, otherAt, overlap);
        return AnyPixelSetInBoth(mine, theirs, overlap.right - overlap.left, overlap.bottom - overlap.top);
    });
}

} // namespace

bool CSprite::Collides(CSprite* other)
{
    if (!IsLiveAndCollidable() || !other->IsLiveAndCollidable())
        return false;
    return other->AnyCollidablePart(
        [&](CFrame* image, CPoint at) { return CollidesWithPlacedImage(*this, image, at); });
}
