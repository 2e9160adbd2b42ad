#include <gtest/gtest.h>

#include <cfloat>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tests/object/properties/composite_kinds_object.h"
#include "tests/support/object_forms.h"

// An outline saved in an object's text must load as the very same points:
// a point that comes back moved, or merged into its neighbour, changes the
// shape a brick or a ball collides with.
namespace
{
struct OutlineCase
{
    const char* name;
    std::vector<Vector2> points;
};

const OutlineCase kOutlines[] = {
    // Six significant digits print both as 2.5e+06.
    {"NeighboursThatSixDigitsMerge", {{0, 2500004}, {0, 2500005}}},
    {"WholeNumbersBeyondSixDigits", {{1234568, -7654321}, {16777215, 0}}},
    {"FractionsWithoutAShortForm", {{0.1f, 1.0f / 3.0f}, {-2.0f / 3.0f, 123456.7f}}},
    {"TheLargestFloats", {{FLT_MAX, 0}, {0, -FLT_MAX}}},
    {"TinyNumbersInExponentForm", {{1.0e-7f, 1.17549435e-38f}, {-3.3333333e-20f, 0}}},
};

void PrintTo(const OutlineCase& c, std::ostream* out)
{
    *out << c.name;
}

class OutlineText : public testing::TestWithParam<OutlineCase>
{
};

INSTANTIATE_TEST_SUITE_P(Cases, OutlineText, testing::ValuesIn(kOutlines),
                         [](const testing::TestParamInfo<OutlineCase>& info) { return info.param.name; });

void ExpectSamePoints(const Polygon2D& read, const std::vector<Vector2>& points)
{
    ASSERT_EQ(read.GetCount(), points.size());
    for (uint32_t i = 0; i < read.GetCount(); i++)
    {
        EXPECT_EQ(read.GetPoint(i).x, points[i].x) << "point " << i;
        EXPECT_EQ(read.GetPoint(i).y, points[i].y) << "point " << i;
    }
}
}

TEST_P(OutlineText, ReadsBackAsTheSamePoints)
{
    CTestComposite built;
    built.SetDefaults();
    for (const Vector2& point : GetParam().points)
        built.m_Outline.InsertPoint(point.x, point.y, -1);
    ASSERT_EQ(built.m_Outline.GetCount(), GetParam().points.size());

    const std::string text = ObjectText(&built);
    std::unique_ptr<CObject> read = ObjectFromText(text);
    ASSERT_NE(read, nullptr);
    ExpectSamePoints(static_cast<const CTestComposite&>(*read).m_Outline, GetParam().points);
    EXPECT_EQ(ObjectText(read.get()), text);
}

// An outline without a default takes the points of every line that names
// it, in whatever case; what it saves is one line holding them all.
TEST(OutlineText, PointsOfTwoLinesSaveAndLoadAsOne)
{
    std::unique_ptr<CObject> object =
        ObjectFromText("CTestCompositeWithBlob\r\n{\r\n\tOutline=0, 2500004\r\n\tOutlIne=0, 2500005\r\n}\r\n");
    ASSERT_NE(object, nullptr);
    const std::vector<Vector2> points = {{0, 2500004}, {0, 2500005}};
    ExpectSamePoints(static_cast<const CTestComposite&>(*object).m_Outline, points);

    const std::string text = ObjectText(object.get());
    EXPECT_NE(text.find("\tOutline=0, 2500004, 0, 2500005\r\n"), std::string::npos) << text;
    std::unique_ptr<CObject> copy = ObjectFromText(text);
    ASSERT_NE(copy, nullptr);
    ExpectSamePoints(static_cast<const CTestComposite&>(*copy).m_Outline, points);
}
