#include "engine/core/files/crc32.h"

#include <array>

static constexpr std::array<uint32_t, 256> MakeCrc32Table()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; i++)
    {
        uint32_t value = i;
        for (int bit = 0; bit < 8; bit++)
            value = (value & 1) ? 0xEDB88320u ^ (value >> 1) : value >> 1;
        table[i] = value;
    }
    return table;
}

static constexpr std::array<uint32_t, 256> s_Crc32Table = MakeCrc32Table();

uint32_t Crc32Init()
{
    return 0xFFFFFFFFu;
}

uint32_t Crc32Update(uint32_t crc, const void* bytes, size_t length)
{
    const uint8_t* p = static_cast<const uint8_t*>(bytes);
    for (size_t i = 0; i < length; i++)
        crc = s_Crc32Table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

uint32_t Crc32Final(uint32_t crc)
{
    return ~crc;
}

uint32_t Crc32(const void* bytes, size_t length)
{
    return Crc32Final(Crc32Update(Crc32Init(), bytes, length));
}
