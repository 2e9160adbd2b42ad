#include <gtest/gtest.h>

#include <string>

#include "engine/core/strings/float_text.h"

TEST(FloatText, ValuesReadBackAsTheSameFloat)
{
    const struct
    {
        float value;
        const char* text;
    } cases[] = {{1234568.0f, "1234568"}, {0.1f, "0.1"}, {-2.5f, "-2.5"},        {16777215.0f, "16777215"},
                 {1.0e-7f, "1e-07"},      {0.0f, "0"},   {123456.7f, "123456.7"}};
    for (const auto& test : cases)
    {
        CString text = FormatFloatExactly(test.value);
        EXPECT_EQ(std::string(text.GetText()), test.text) << test.value;
        EXPECT_EQ(static_cast<float>(text.ToFloat()), test.value) << test.text;
    }
}
