#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/core/localization/localized_string.h"
#include "engine/core/strings/string_format.h"

namespace {

// What the C library prints, for comparing long results.
std::string Printed(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string Printed(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measured;
    va_copy(measured, args);
    int length = std::vsnprintf(nullptr, 0, format, measured);
    va_end(measured);
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    return buffer.data();
}

uint32_t Estimate(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    uint32_t length = EstimateFormattedLength(format, args);
    va_end(args);
    return length;
}

CString* FindRegisteredText(const char* comment)
{
    for (const CLocalizedStringEntry& entry : GetLocalizedStringRegistry()) {
        if (entry.pComment != nullptr && std::strcmp(entry.pComment, comment) == 0)
            return entry.pText;
    }
    return nullptr;
}

} // namespace

TEST(StringFormat, FormatReplacesTheText)
{
    CString text("old");
    EXPECT_EQ(text.Format("%s=%d", "lives", 3), 7);
    EXPECT_STREQ(text.GetText(), "lives=3");
    EXPECT_EQ(text.GetSpareCapacity(), 0u);
}

TEST(StringFormat, LongResultsAreMeasuredExactly)
{
    int local = 0;
    void* pointer = &local;
    CString huge;
    huge.Format("%f", 1e300);
    EXPECT_EQ(std::string(huge.GetText()), Printed("%f", 1e300));
    CString precise;
    precise.Format("%.80f", 1.0 / 3.0);
    EXPECT_EQ(std::string(precise.GetText()), Printed("%.80f", 1.0 / 3.0));
    CString address;
    address.Format("%p", pointer);
    EXPECT_EQ(std::string(address.GetText()), Printed("%p", pointer));
    EXPECT_EQ(Estimate("%f", 1e300), Printed("%f", 1e300).size());
    EXPECT_EQ(Estimate("%s%%", "abc"), 4u);
}

TEST(StringFormat, FormatWritesInPlaceWhenTheRoomSuffices)
{
    CString text;
    text.Reserve(64);
    const char* storage = text.GetText();
    text.Format("%d apples", 12);
    EXPECT_EQ(text.GetText(), storage);
    EXPECT_STREQ(text.GetText(), "12 apples");
}

TEST(StringFormat, FormatOfASharedStringLeavesTheCopy)
{
    CString text("shared text");
    CString copy(text);
    text.Format("%d", 5);
    EXPECT_STREQ(copy.GetText(), "shared text");
    EXPECT_STREQ(text.GetText(), "5");

    CString fromCopy(copy);
    fromCopy.Format("[%s]", copy.GetText());
    EXPECT_STREQ(fromCopy.GetText(), "[shared text]");
}

TEST(StringFormat, EmptyResultEmptiesOnlyThisString)
{
    CString text("abc");
    CString copy(text);
    EXPECT_EQ(text.Format("%s", ""), 0);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_STREQ(copy.GetText(), "abc");
}

TEST(StringFormat, FormatMakesAWideStringNarrow)
{
    CString text(u"\u4E2D\u4E2D\u4E2D");
    text.Format("%d", 42);
    EXPECT_FALSE(text.IsWide());
    EXPECT_STREQ(text.GetText(), "42");
}

TEST(StringFormat, AppendFormatAddsTheResult)
{
    CString text("Round ");
    EXPECT_EQ(text.AppendFormat("%d of %d", 3, 10), 7);
    EXPECT_STREQ(text.GetText(), "Round 3 of 10");

    CString reserved("x");
    reserved.Reserve(32);
    const char* storage = reserved.GetText();
    reserved.AppendFormat("%s", "yz");
    EXPECT_EQ(reserved.GetText(), storage);
    EXPECT_STREQ(reserved.GetText(), "xyz");

    CString wide(u"\u4E2D");
    wide.AppendFormat("%d", 7);
    EXPECT_EQ(std::u16string(wide.GetWideText()), u"\u4E2D7");
}

TEST(StringFormat, AppendFormatMayReadItsOwnTextWhenItGrows)
{
    CString text("ab");
    text.AppendFormat("-%s", text.GetText());
    EXPECT_STREQ(text.GetText(), "ab-ab");
}

TEST(StringTokens, IntegerTokensFillInOrder)
{
    struct Case {
        const char* text;
        int32_t value;
        bool zeroFill;
        int32_t width;
        const char* expected;
        bool filled;
    };
    const Case cases[] = {
        {"Score: %d", 42, false, 0, "Score: 42", true},
        {"100%% of %d", 5, false, 0, "100% of 5", true},
        {"Time %u", 7, true, 3, "Time 007", true},
        {"%i left", -3, false, 4, "  -3 left", true},
        {"%u and %d", 1, false, 0, "%u and 1", true},
        {"%d and %d", 1, false, 0, "1 and %d", true},
        {"no token", 1, false, 0, "no token", false},
        {"50%% and 10%%", 1, false, 0, "50% and 10%%", false},
    };
    for (const Case& c : cases) {
        CString text(c.text);
        EXPECT_EQ(text.FillIntToken(c.value, c.zeroFill, c.width), c.filled) << c.text;
        EXPECT_STREQ(text.GetText(), c.expected) << c.text;
    }
}

TEST(StringTokens, SecondFillOfOneTokenAnswersFalse)
{
    CString text("Score: %d");
    EXPECT_TRUE(text.FillIntToken(42));
    EXPECT_FALSE(text.FillIntToken(43));
    EXPECT_STREQ(text.GetText(), "Score: 42");
}

TEST(StringTokens, WideWidthsPrintWithoutOverflow)
{
    CString text("[%d]");
    EXPECT_TRUE(text.FillIntToken(1, false, 300));
    EXPECT_EQ(text.GetLength(), 302u);
    EXPECT_EQ(text.GetAt(300), u'1');
}

TEST(StringTokens, FloatTokensUseTheBuiltFormat)
{
    struct Case {
        const char* text;
        float value;
        bool zeroFill;
        int32_t width;
        int32_t precision;
        const char* expected;
    };
    const Case cases[] = {
        {"x=%f", 2.5f, false, 0, 0, "x=2.5"},
        {"x=%f", 2.7f, false, 5, 0, "x=    3"},
        {"x=%f", 2.7f, true, 6, 2, "x=002.70"},
        {"x=%f", 2.5f, false, 0, 2, "x=2.50"},
        {"x=%g", 1.23456f, false, -1, 3, "x=1.23"},
        {"%g and %f", 0.5f, false, 0, 0, "%g and 0.5"},
        {"%%: %g", 0.25f, false, 0, 0, "%: 0.25"},
    };
    for (const Case& c : cases) {
        CString text(c.text);
        EXPECT_TRUE(text.FillFloatToken(c.value, c.zeroFill, c.width, c.precision)) << c.text;
        EXPECT_STREQ(text.GetText(), c.expected) << c.text;
    }
    CString none("none");
    EXPECT_FALSE(none.FillFloatToken(1.0f));
}

TEST(StringTokens, StringTokensAndAppendedTokens)
{
    CString greeting("Hi %s, %s!");
    EXPECT_TRUE(greeting.FillStringToken("Ann"));
    EXPECT_TRUE(greeting.FillStringToken(CString("Bob")));
    EXPECT_FALSE(greeting.FillStringToken("Cy"));
    EXPECT_STREQ(greeting.GetText(), "Hi Ann, Bob!");

    CString text("x=");
    EXPECT_TRUE(text.AppendInt(5, true, 2));
    EXPECT_TRUE(text.AppendFloat(0.5f));
    EXPECT_STREQ(text.GetText(), "x=050.5");

    // The first integer token of the whole text is filled, not the appended.
    CString earlier("a %d ");
    earlier.AppendInt(7);
    EXPECT_STREQ(earlier.GetText(), "a 7 %d");
}

TEST(StringTime, HoursMinutesSeconds)
{
    struct Case {
        float seconds;
        const char* expected;
    };
    const Case cases[] = {
        {3725.5f, "01:02:05"},
        {59.9f, "00:00:59"},
        {0.0f, "00:00:00"},
        {360000.0f, "100:00:00"},
    };
    for (const Case& c : cases) {
        CString text;
        text.FormatHoursMinutesSeconds(c.seconds);
        EXPECT_STREQ(text.GetText(), c.expected) << c.seconds;
    }
}

TEST(StringTime, SeparatorsAreLocalizable)
{
    CString* hours = FindRegisteredText("Hours:Minutes separator");
    CString* minutes = FindRegisteredText("Minutes:Seconds separator");
    ASSERT_NE(hours, nullptr);
    ASSERT_NE(minutes, nullptr);
    ASSERT_NE(FindRegisteredText("suffix indicating seconds"), nullptr);
    *hours = "h";
    *minutes = "m";
    CString text;
    text.FormatHoursMinutesSeconds(3725.5f);
    *hours = ":";
    *minutes = ":";
    EXPECT_STREQ(text.GetText(), "01h02m05");
}

TEST(StringTime, MinutesSecondsAndHundredths)
{
    CString text;
    text.FormatMinutesSeconds("%d:%02d:%02d", 125.25f);
    EXPECT_STREQ(text.GetText(), "2:05:25");
    text.FormatMinutesSeconds("%d:%02d:%02d", 59.5f);
    EXPECT_STREQ(text.GetText(), "0:59:50");
}

TEST(StringGrouping, ThousandsAreSeparatedByCommas)
{
    struct Case {
        int32_t value;
        const char* expected;
    };
    const Case cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {1234567, "1,234,567"},
        {-1234, "-1,234"},
        {-123, "-123"},
        {-123456, "-123,456"},
        {INT32_MIN, "-2,147,483,648"},
    };
    for (const Case& c : cases) {
        CString text;
        text.FormatGrouped(c.value);
        EXPECT_STREQ(text.GetText(), c.expected) << c.value;
    }
}
