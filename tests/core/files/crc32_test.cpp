#include <gtest/gtest.h>

#include <cstring>

#include "engine/core/files/crc32.h"

TEST(Crc32, MatchesTheZipCheckValues)
{
    struct Case
    {
        const char* text;
        uint32_t crc;
    };
    const Case cases[] = {
        {"", 0x00000000u},
        {"a", 0xE8B7BE43u},
        {"123456789", 0xCBF43926u},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Crc32(c.text, std::strlen(c.text)), c.crc) << c.text;
}

TEST(Crc32, PiecesGiveTheSameValueAsOneBlock)
{
    const char* text = "The quick brown fox jumps over the lazy dog";
    uint32_t crc = Crc32Init();
    EXPECT_EQ(crc, 0xFFFFFFFFu);
    crc = Crc32Update(crc, text, 10);
    crc = Crc32Update(crc, text + 10, 0);
    crc = Crc32Update(crc, text + 10, std::strlen(text) - 10);
    EXPECT_EQ(Crc32Final(crc), Crc32(text, std::strlen(text)));
}
