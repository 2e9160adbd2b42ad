#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "engine/core/strings/wide_chars.h"

TEST(WideChars, LengthAndCopies)
{
    EXPECT_EQ(Wcslen16(u""), 0u);
    EXPECT_EQ(Wcslen16(u"abc"), 3u);

    char16_t copy[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_EQ(Wcscpy16(copy, u"ab"), copy);
    EXPECT_EQ(copy[2], 0);
    EXPECT_EQ(copy[3], u'x');

    char16_t counted[5] = {u'x', u'x', u'x', u'x', u'x'};
    Wcsncpy16(counted, u"ab", 4);
    EXPECT_EQ(std::u16string(counted, 5), std::u16string(u"ab\0\0x", 5));
    Wcsncpy16(counted, u"abcdef", 3);
    EXPECT_EQ(std::u16string(counted, 5), std::u16string(u"abc\0x", 5));
}

TEST(WideChars, ComparisonsAnswerTheDifference)
{
    EXPECT_EQ(Wcscmp16(u"abc", u"abc"), 0);
    EXPECT_EQ(Wcscmp16(u"abc", u"abd"), 'c' - 'd');
    EXPECT_EQ(Wcscmp16(u"ab", u"abc"), -'c');
    EXPECT_EQ(Wcscmp16To8(u"\u00E9", "\xE9"), 0);
    EXPECT_EQ(Wcscmp16To8(u"\u4E2D", "a"), 0x4E2D - 'a');
    EXPECT_EQ(Wcsncmp16(u"abcX", u"abcY", 3), 0);
    EXPECT_EQ(Wcsncmp16To8(u"abcX", "abcY", 4), 'X' - 'Y');
    EXPECT_EQ(Wcsicmp16(u"Hello", u"hELLO"), 0);
    EXPECT_EQ(Wcsicmp16(u"_", u"a"), '_' - 'A');
    EXPECT_EQ(Wcsicmp16To8(u"Hello", "HELLO"), 0);
}

TEST(WideChars, SearchesFindTheFirstOccurrence)
{
    const char16_t* haystack = u"one Two two";
    EXPECT_EQ(Wcsstr16(haystack, u"two"), haystack + 8);
    EXPECT_EQ(Wcsstr16(haystack, u""), haystack);
    EXPECT_EQ(Wcsstr16(haystack, u"three"), nullptr);
    EXPECT_EQ(Wcsstr16To8(haystack, "Two"), haystack + 4);
    EXPECT_EQ(Wcsistr16(haystack, u"TWO"), haystack + 4);
    EXPECT_EQ(Wcsistr16To8(haystack, "ONE T"), haystack);
    const char16_t* empty = u"";
    EXPECT_EQ(Wcsistr16To8(empty, ""), empty);
    EXPECT_EQ(Wcsistr16(empty, u"a"), nullptr);
}

TEST(WideChars, Wcstol16ReadsLikeWcstol)
{
    struct Case {
        const char16_t* text;
        int radix;
        int32_t expected;
        uint32_t consumed;
    };
    const Case cases[] = {
        {u"  -42 rest", 10, -42, 5},
        {u"+17", 10, 17, 3},
        {u"0x1A", 0, 26, 4},
        {u"0X1a", 16, 26, 4},
        {u"1a", 16, 26, 2},
        {u"017", 0, 15, 3},
        {u"17", 0, 17, 2},
        {u"0x", 0, 0, 1},
        {u"0xg", 16, 0, 1},
        {u"zz", 36, 35 * 36 + 35, 2},
        {u"abc", 10, 0, 0},
        {u"", 10, 0, 0},
        {u"2147483647", 10, INT32_MAX, 10},
        {u"-2147483648", 10, INT32_MIN, 11},
        // Overflow answers the smallest value for either sign and still
        // consumes every digit.
        {u"2147483648", 10, INT32_MIN, 10},
        {u"-2147483649", 10, INT32_MIN, 11},
        {u"99999999999999 left", 10, INT32_MIN, 14},
        {u"0x100000000", 0, INT32_MIN, 11},
    };
    for (const Case& c : cases) {
        const char16_t* end = nullptr;
        EXPECT_EQ(Wcstol16(c.text, &end, c.radix), c.expected) << "radix " << c.radix << " case consumed " << c.consumed;
        EXPECT_EQ(end, c.text + c.consumed);
    }
    EXPECT_EQ(Wcstol16(u"12", nullptr, 10), 12);
}

TEST(WideChars, Wtoi16AndWtof16)
{
    EXPECT_EQ(Wtoi16(u" 12abc"), 12);
    EXPECT_EQ(Wtoi16(u"012"), 12);
    EXPECT_DOUBLE_EQ(Wtof16(u"1.5e2"), 150.0);
    EXPECT_DOUBLE_EQ(Wtof16(u"-0.5"), -0.5);
}

TEST(WideChars, Wtof16ReadsAtMost255Units)
{
    std::u16string longText(300, u'1');
    double value = Wtof16(longText.c_str());
    EXPECT_GT(value, 1e254);
    EXPECT_LT(value, 1e255);
}

TEST(WideChars, NarrowCopyKeepsLowBytesWithoutTerminator)
{
    char bytes[6] = {0, 0, 0, 0, 'x', 0};
    NarrowCopy16(bytes, u"ab\u4E2D", 10);
    EXPECT_EQ(bytes[0], 'a');
    EXPECT_EQ(bytes[1], 'b');
    EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 0x2D);
    EXPECT_EQ(bytes[3], 0);

    char clipped[4] = {0, 0, 0, 0};
    NarrowCopy16(clipped, u"abc", 2);
    EXPECT_STREQ(clipped, "ab");
}
