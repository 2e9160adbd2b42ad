#include "game/bricks/brick_base.h"

#include <bit>

#include "engine/core/files/crc32.h"
#include "engine/core/files/little_endian.h"

uint32_t BrickCrc(uint32_t crc, const CBrickBase* brick)
{
    uint8_t bytes[12];
    WriteLittleEndian32(bytes, std::bit_cast<uint32_t>(brick->m_StartPosition.x));
    WriteLittleEndian32(bytes + 4, std::bit_cast<uint32_t>(brick->m_StartPosition.y));
    WriteLittleEndian32(bytes + 8, static_cast<uint32_t>(brick->m_StyleSheet));
    return Crc32Update(crc, bytes, sizeof(bytes));
}
