#include <gtest/gtest.h>

#include <cstring>

#include "engine/core/strings/text_buffers.h"

TEST(TextBuffers, PrefixAndSuffixIgnoreCase)
{
    char buffer[] = "Resources/Bricks.TXT";
    EXPECT_TRUE(RemovePrefixNoCase(buffer, "RESOURCES/"));
    EXPECT_STREQ(buffer, "Bricks.TXT");
    EXPECT_FALSE(RemovePrefixNoCase(buffer, "Data/"));
    EXPECT_TRUE(RemoveSuffixNoCase(buffer, ".txt"));
    EXPECT_STREQ(buffer, "Bricks");
    EXPECT_FALSE(RemoveSuffixNoCase(buffer, ""));
    EXPECT_FALSE(RemoveSuffixNoCase(buffer, "LongerThanBricks"));
}

TEST(TextBuffers, WhiteSpace)
{
    EXPECT_TRUE(IsBlankText(""));
    EXPECT_TRUE(IsBlankText(" \t\r\n"));
    EXPECT_FALSE(IsBlankText(" x"));
    EXPECT_STREQ(SkipSpace(" \t Options"), "Options");
    EXPECT_STREQ(FindSpace("/exit now"), " now");
    EXPECT_STREQ(FindSpace("/exit"), "");
    EXPECT_FALSE(IsSpaceChar('\v'));
}

TEST(TextBuffers, EditsInPlace)
{
    char buffer[] = "a-B_c-D";
    KeepOnlyChars(buffer, "aBcD");
    EXPECT_STREQ(buffer, "aBcD");
    UpperCaseAscii(buffer);
    EXPECT_STREQ(buffer, "ABCD");
    LowerCaseAscii(buffer);
    EXPECT_STREQ(buffer, "abcd");
    ReplaceByte(buffer, 'b', 'x');
    EXPECT_STREQ(buffer, "axcd");

    char latin[] = "\xC9t\xE9";
    UpperCaseAscii(latin);
    EXPECT_STREQ(latin, "\xC9T\xE9");
}

TEST(TextBuffers, FindNoCaseInText)
{
    const char* text = "game.exe /NoJPEG /exit";
    EXPECT_EQ(FindNoCaseInText(text, "/nojpeg"), text + 9);
    EXPECT_EQ(FindNoCaseInText(text, "/ScreenWidth"), nullptr);
    EXPECT_EQ(FindNoCaseInText(text, "/EXIT!"), nullptr);
}

TEST(TextBuffers, AllocateDString)
{
    EXPECT_EQ(AllocateDString(nullptr), nullptr);
    char* copy = AllocateDString("Red Brick");
    EXPECT_STREQ(copy, "Red Brick");
    delete[] copy;
}

TEST(TextBuffers, HexRoundTrip)
{
    const uint8_t bytes[] = {0x00, 0x9F, 0xAB, 0xFF};
    char text[9];
    HexEncodeBytes(text, bytes, 4);
    EXPECT_STREQ(text, "009FABFF");

    uint8_t decoded[4] = {};
    HexDecodeBytes(decoded, "009fabFF", 4);
    EXPECT_EQ(std::memcmp(decoded, bytes, 4), 0);

    uint8_t limited[3] = {1, 2, 3};
    HexDecodeBytes(limited, "AABBC", 3);  // two whole pairs only
    EXPECT_EQ(limited[0], 0xAA);
    EXPECT_EQ(limited[1], 0xBB);
    EXPECT_EQ(limited[2], 3);
}
