#include <gtest/gtest.h>

#include "engine/core/geometry/polygon2d.h"
#include "engine/core/geometry/polygon_text.h"

namespace {

Polygon2D Read(const char* text)
{
    Polygon2D polygon;
    ReadPolygonText(polygon, text);
    return polygon;
}

} // namespace

TEST(PolygonText, RoundTrips)
{
    Polygon2D polygon = Read("0, 0, 10, 0, 10, 10");
    ASSERT_EQ(polygon.GetCount(), 3u);
    EXPECT_EQ(polygon.GetPoint(1).x, 10.0f);
    EXPECT_EQ(polygon.GetPoint(2).y, 10.0f);
    EXPECT_STREQ(FormatPolygonText(polygon).GetText(), "0, 0, 10, 0, 10, 10");
}

TEST(PolygonText, FractionsAndNegativesUseShortestForm)
{
    Polygon2D polygon = Read("-19.75, -11, 19.75, -11, 19.75, 11, -19.75, 11, -19.75, -11");
    ASSERT_EQ(polygon.GetCount(), 5u);
    EXPECT_TRUE(polygon.IsClosed());
    EXPECT_STREQ(FormatPolygonText(polygon).GetText(),
                 "-19.75, -11, 19.75, -11, 19.75, 11, -19.75, 11, -19.75, -11");
    EXPECT_STREQ(FormatPolygonText(Polygon2D()).GetText(), "");
}

TEST(PolygonText, ReadingStopsAtThePairThatDoesNotScan)
{
    struct Case
    {
        const char* text;
        uint32_t count;
    };
    const Case cases[] = {
        {"1, 2, 3, x", 1},
        {"1, 2, 3, 4 5, 6", 2},
        {"1 2, 3, 4", 0},
        {"", 0},
        // Plain decimals only: no hexadecimal, no words.
        {"0x10, 5", 0},
        {"inf, 1", 0},
        {"1, nan, 3, 4", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Read(c.text).GetCount(), c.count) << c.text;
}

TEST(PolygonText, ALonePointFromATextWithAnEIsEmptied)
{
    EXPECT_EQ(Read("5, 7").GetCount(), 1u);
    EXPECT_EQ(Read("5e0, 7").GetCount(), 0u);
    EXPECT_EQ(Read("5, 7, 1e1, 2").GetCount(), 2u);
}

TEST(PolygonText, ReadingAppendsToThePointsThere)
{
    Polygon2D polygon = Read("0, 0");
    ReadPolygonText(polygon, "4, 0, 4, 4");
    EXPECT_EQ(polygon.GetCount(), 3u);
}
