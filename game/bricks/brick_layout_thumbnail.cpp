#include "game/bricks/brick_layout.h"

#include "engine/core/files/crc32.h"
#include "engine/core/files/little_endian.h"
#include "game/bricks/brick_base.h"

namespace {

// The thumbnail's shape and the framed play area it is taken from.
constexpr int32_t kThumbnailWidth = 105;
constexpr int32_t kThumbnailHeight = 80;
constexpr int32_t kAreaLeft = 11;
constexpr int32_t kAreaTop = 10;
constexpr int32_t kAreaRight = 626;
constexpr int32_t kAreaBottom = 600;

uint32_t CrcOfWord(uint32_t crc, uint32_t word)
{
    uint8_t bytes[4];
    WriteLittleEndian32(bytes, word);
    return Crc32Update(crc, bytes, sizeof(bytes));
}

} // namespace

// Signed arithmetic throughout: a centre near 0 takes the left edge below
// 0, where unsigned arithmetic would wrap past the right edge.
CRect CBrickLayout::GetCaptureRect() const
{
    const int32_t width = static_cast<int32_t>(m_CaptureWidth);
    const int32_t height = width * kThumbnailHeight / kThumbnailWidth;
    CRect rect;
    rect.left = m_CaptureCenter.x - width / 2;
    rect.top = m_CaptureCenter.y - width * kThumbnailHeight / (2 * kThumbnailWidth);
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    if (rect.left < kAreaLeft)
    {
        rect.left = kAreaLeft;
        rect.right = width + kAreaLeft;
    }
    if (rect.right > kAreaRight)
    {
        rect.left -= rect.right - kAreaRight;
        rect.right = kAreaRight;
    }
    if (rect.top < kAreaTop)
    {
        rect.top = kAreaTop;
        rect.bottom = height + kAreaTop;
    }
    if (rect.bottom > kAreaBottom)
    {
        rect.top -= rect.bottom - kAreaBottom;
        rect.bottom = kAreaBottom;
    }
    return rect;
}

uint32_t CBrickLayout::ComputeChecksum() const
{
    uint32_t crc = Crc32Init();
    crc = CrcOfWord(crc, static_cast<uint32_t>(m_CaptureCenter.x));
    crc = CrcOfWord(crc, static_cast<uint32_t>(m_CaptureCenter.y));
    crc = CrcOfWord(crc, m_CaptureWidth);
    crc = CrcOfWord(crc, m_ThumbnailQuality);
    crc = CrcOfWord(crc, m_BrickCount);
    for (uint32_t i = 0; i < m_BrickCount; i++)
    {
        if (m_pBricks[i] != nullptr)
            crc = BrickCrc(crc, m_pBricks[i]);
    }
    return Crc32Final(crc);
}
