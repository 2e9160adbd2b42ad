#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>

#include "engine/core/strings/decimal_number.h"

TEST(DecimalNumber, FloatsReadPlainDecimalSyntaxOnly)
{
    struct Case {
        const char* text;
        double expected;
        int consumed;
    };
    const Case cases[] = {
        {"1.5", 1.5, 3},
        {"  -2.5e3x", -2500.0, 8},
        {"+.5", 0.5, 3},
        {"5.", 5.0, 2},
        {"1e", 1.0, 1},
        {"1e+", 1.0, 1},
        {"2E-2", 0.02, 4},
        {"0.1", 0.1, 3},
        // No hexadecimal and no words: they read as 0 up to where decimal
        // syntax ends.
        {"0x10", 0.0, 1},
        {"0x1p3", 0.0, 1},
        {"inf", 0.0, 0},
        {"-nan", 0.0, 0},
        {"infinity", 0.0, 0},
        {".", 0.0, 0},
        {"-", 0.0, 0},
        {"", 0.0, 0},
    };
    for (const Case& c : cases) {
        const char* end = nullptr;
        EXPECT_DOUBLE_EQ(ParseDecimalFloat(c.text, &end), c.expected) << c.text;
        EXPECT_EQ(end - c.text, c.consumed) << c.text;
    }
}

TEST(DecimalNumber, HugeFloatsOverflowToInfinityOfTheSign)
{
    EXPECT_TRUE(std::isinf(ParseDecimalFloat("1e400")));
    EXPECT_LT(ParseDecimalFloat("-1e400"), 0.0);
    EXPECT_EQ(ParseDecimalFloat("1e-400"), 0.0);
}

TEST(DecimalNumber, SingleFloatsSaturateAtTheLargestFloatOfTheSign)
{
    struct Case {
        const char* text;
        float expected;
        int consumed;
    };
    const Case cases[] = {
        {"1.5", 1.5f, 3},
        {"3.4028234e38", FLT_MAX, 12},
        {"3.5e38", FLT_MAX, 6},
        {"-1e400,", -FLT_MAX, 6},
        {"333333333333333333333333333333333333333333333333338", FLT_MAX, 51},
        {"1e-50", 0.0f, 5},
        {"inf", 0.0f, 0},
    };
    for (const Case& c : cases) {
        const char* end = nullptr;
        EXPECT_EQ(ParseDecimalSingle(c.text, &end), c.expected) << c.text;
        EXPECT_EQ(end - c.text, c.consumed) << c.text;
    }
}

TEST(DecimalNumber, IntegersSaturateAndStopAtTheFirstNonDigit)
{
    struct Case {
        const char* text;
        int32_t expected;
        int consumed;
    };
    const Case cases[] = {
        {"42", 42, 2},
        {" \t-17,", -17, 5},
        {"+3", 3, 2},
        {"0x10", 0, 1},
        {"1.9", 1, 1},
        {"x", 0, 0},
        {"-", 0, 0},
        {"2147483648", INT32_MAX, 10},
        {"-2147483649", INT32_MIN, 11},
        {"123456789012345678901234567890", INT32_MAX, 30},
    };
    for (const Case& c : cases) {
        const char* end = nullptr;
        EXPECT_EQ(ParseDecimalInt(c.text, &end), c.expected) << c.text;
        EXPECT_EQ(end - c.text, c.consumed) << c.text;
    }
}

TEST(DecimalNumber, WideIntegersReadTheSameWay)
{
    const char16_t* text = u" -2147483649 rest";
    const char16_t* end = nullptr;
    EXPECT_EQ(ParseDecimalInt(text, &end), INT32_MIN);
    EXPECT_EQ(end, text + 12);
    EXPECT_EQ(ParseDecimalInt(u"77"), 77);
}
