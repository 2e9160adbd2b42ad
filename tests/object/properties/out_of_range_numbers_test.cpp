#include <gtest/gtest.h>

#include <cfloat>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "tests/object/properties/composite_kinds_object.h"
#include "tests/object/every_kind_object.h"
#include "tests/support/object_forms.h"

// A number beyond single precision in a data file reads as the largest float
// of its sign. Were it an infinity, the object would write "inf", which no
// reader takes for a number, and the value would come back as 0.
namespace
{
struct OutOfRangeCase
{
    const char* name;
    const char* text;
    std::function<void(const CObject&)> check;
};

void PrintTo(const OutOfRangeCase& c, std::ostream* out)
{
    *out << c.name;
}

const OutOfRangeCase kCases[] = {
    {"FloatProperty", "CTestEveryKind\r\n{\r\n\tTurning Rate=333333333333333333333333333333333333333333333333338\r\n}\r\n",
     [](const CObject& object) { EXPECT_EQ(static_cast<const CTestEveryKind&>(object).m_Angle, FLT_MAX); }},
    {"FloatPointProperty", "CTestComposite\r\n{\r\n\tScale=1e39,-1e400\r\n}\r\n",
     [](const CObject& object) {
         const Vector2& scale = static_cast<const CTestComposite&>(object).m_Scale;
         EXPECT_EQ(scale.x, FLT_MAX);
         EXPECT_EQ(scale.y, -FLT_MAX);
     }},
    {"PolygonProperty", "CTestComposite\r\n{\r\n\tOutline=0, 0, 1e39, 0, 1e39, -1e39\r\n}\r\n",
     [](const CObject& object) {
         const Polygon2D& outline = static_cast<const CTestComposite&>(object).m_Outline;
         ASSERT_EQ(outline.GetCount(), 3u);
         EXPECT_EQ(outline.GetPoint(1).x, FLT_MAX);
         EXPECT_EQ(outline.GetPoint(2).y, -FLT_MAX);
     }},
};

class OutOfRangeNumbers : public testing::TestWithParam<OutOfRangeCase>
{
};

INSTANTIATE_TEST_SUITE_P(Cases, OutOfRangeNumbers, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<OutOfRangeCase>& info) { return info.param.name; });
}

TEST_P(OutOfRangeNumbers, ReadAsTheLargestFloatAndWriteATextThatReadsBack)
{
    std::unique_ptr<CObject> object = ObjectFromText(GetParam().text);
    ASSERT_NE(object, nullptr);
    GetParam().check(*object);

    const std::string text = ObjectText(object.get());
    std::unique_ptr<CObject> copy = ObjectFromText(text);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(ObjectText(copy.get()), text);
}
