#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "engine/core/strings/ref_string.h"

namespace {

std::u16string WideOf(const CString& text)
{
    return std::u16string(text.GetWideText(), text.GetLength());
}

CString Encoded(const CString& text)
{
    CString out;
    text.EncodeForText(out);
    return out;
}

} // namespace

TEST(CStringNumbers, ToIntReadsTheLeadingDecimalNumber)
{
    struct Case {
        const char* text;
        int32_t expected;
    };
    const Case cases[] = {
        {"123", 123},
        {"-5", -5},
        {"  +7 apples", 7},
        {"abc", 0},
        {"", 0},
        {"0x1F", 0},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        // Out of range saturates instead of wrapping.
        {"99999999999", INT32_MAX},
        {"-99999999999", INT32_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.text).ToInt(), c.expected) << c.text;
}

TEST(CStringNumbers, WideTextReadsTheSameNumbers)
{
    EXPECT_EQ(CString(u"123").ToInt(), 123);
    EXPECT_EQ(CString(u" -42\u4E2D").ToInt(), -42);
    EXPECT_EQ(CString(u"99999999999").ToInt(), INT32_MAX);
    EXPECT_DOUBLE_EQ(CString(u"2.5").ToFloat(), 2.5);
}

TEST(CStringNumbers, ToFloatReadsDecimalsOnly)
{
    EXPECT_DOUBLE_EQ(CString("1.5e2 m").ToFloat(), 150.0);
    EXPECT_DOUBLE_EQ(CString(" -0.25").ToFloat(), -0.25);
    EXPECT_DOUBLE_EQ(CString("0x10").ToFloat(), 0.0);
    EXPECT_DOUBLE_EQ(CString("inf").ToFloat(), 0.0);
    EXPECT_DOUBLE_EQ(CString("nan").ToFloat(), 0.0);
}

TEST(CStringNumbers, FromIntWritesDigitsInTheRadix)
{
    struct Case {
        int32_t value;
        int32_t radix;
        const char* expected;
    };
    const Case cases[] = {
        {0, 10, "0"},
        {-5, 10, "-5"},
        {INT32_MIN, 10, "-2147483648"},
        {INT32_MAX, 10, "2147483647"},
        {255, 16, "ff"},
        {-1, 16, "ffffffff"},
        {5, 2, "101"},
    };
    for (const Case& c : cases) {
        CString text("old text");
        text.FromInt(c.value, c.radix);
        EXPECT_STREQ(text.GetText(), c.expected) << c.value << " radix " << c.radix;
    }
    CString smallest;
    smallest.FromInt(INT32_MIN);
    EXPECT_EQ(smallest.GetLength(), 11u);
}

TEST(CStringNumbers, FromIntMakesAWideStringNarrowAndLeavesSharersAlone)
{
    CString wide(u"\u4E2D");
    wide.FromInt(12);
    EXPECT_FALSE(wide.IsWide());
    EXPECT_STREQ(wide.GetText(), "12");

    CString text("abc");
    CString copy(text);
    text.FromInt(7);
    EXPECT_STREQ(copy.GetText(), "abc");
    // Room for any decimal, so counting up keeps the storage.
    EXPECT_EQ(text.GetSpareCapacity(), 10u);
}

TEST(CStringEscape, WideTextEncodesAsHexLowByteFirst)
{
    EXPECT_STREQ(Encoded(CString(u"A\u4E2D")).GetText(), "UNICODE-HEX<41002D4E>");
}

TEST(CStringEscape, TextThatFitsInEightBitsIsWrittenPlain)
{
    CString narrow("plain");
    CString out = Encoded(narrow);
    EXPECT_EQ(out.GetText(), narrow.GetText());

    CString wideLatin(u"caf\u00E9");
    CString plain = Encoded(wideLatin);
    EXPECT_FALSE(plain.IsWide());
    EXPECT_STREQ(plain.GetText(), "caf\xE9");
}

TEST(CStringEscape, RoundTripsThroughEightBitText)
{
    const char16_t* texts[] = {
        u"\u4E2D",
        u"Player \u4E2D\u6587 name",
        u"\uFFFF\u0100x",
        // A text that itself reads like an escape decodes back to itself.
        u"UNICODE-HEX<41002D4E>\u4E2D",
    };
    for (const char16_t* source : texts) {
        CString original(source);
        CString text = Encoded(original);
        EXPECT_FALSE(text.IsWide());
        text.DecodeFromText();
        EXPECT_TRUE(text.IsWide());
        EXPECT_EQ(WideOf(text), std::u16string(source));
    }
}

TEST(CStringEscape, DecodingKeepsTheTextAroundEachEscape)
{
    CString text("Name: UNICODE-HEX<2D4e>, again UNICODE-HEX<41002D4E>!");
    text.DecodeFromText();
    EXPECT_EQ(WideOf(text), u"Name: \u4E2D, again A\u4E2D!");
}

TEST(CStringEscape, DecodedTextIsNotDecodedAgain)
{
    // The escape holds the characters of "UNICODE-HEX<4100>".
    CString inner("UNICODE-HEX<4100>");
    inner.MakeWide();
    inner.Append(CString(u"\u4E2D"));
    CString text = Encoded(inner);
    text.DecodeFromText();
    EXPECT_EQ(WideOf(text), u"UNICODE-HEX<4100>\u4E2D");
}

TEST(CStringEscape, UnterminatedEscapeStaysAsItIs)
{
    CString text("abc UNICODE-HEX<4100");
    text.DecodeFromText();
    EXPECT_FALSE(text.IsWide());
    EXPECT_STREQ(text.GetText(), "abc UNICODE-HEX<4100");

    CString partly("UNICODE-HEX<4100> then UNICODE-HEX<4200");
    partly.DecodeFromText();
    EXPECT_EQ(WideOf(partly), u"A then UNICODE-HEX<4200");
}

TEST(CStringEscape, DigitsPastTheLastWholeCharacterAreIgnored)
{
    CString text("UNICODE-HEX<410042>");
    text.DecodeFromText();
    EXPECT_EQ(WideOf(text), u"A");

    CString empty("UNICODE-HEX<>");
    empty.DecodeFromText();
    EXPECT_TRUE(empty.IsWide());
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(CStringEscape, WideStringsAreNotDecoded)
{
    CString text(u"UNICODE-HEX<4100>");
    text.DecodeFromText();
    EXPECT_EQ(WideOf(text), u"UNICODE-HEX<4100>");
}
