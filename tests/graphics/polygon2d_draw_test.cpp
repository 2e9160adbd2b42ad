#include <gtest/gtest.h>

#include "engine/app/game_base.h"
#include "engine/core/geometry/polygon2d.h"
#include "engine/core/color/color.h"
#include "engine/graphics/fonts/font.h"
#include "tests/support/block_glyphs.h"
#include "tests/support/polygon_shapes.h"
#include "tests/support/recording_frame.h"

namespace {

// A game object that only carries a text font, as the screen set-up gives it.
class CGameWithFont : public CGameBase
{
public:
    explicit CGameWithFont(CFont* font) { m_pTextFont = font; }
};

void ExpectCall(const CRecordingFrame::Call& call, CRecordingFrame::Kind kind, float x0, float y0, float x1, float y1)
{
    EXPECT_EQ(call.kind, kind);
    EXPECT_EQ(call.x0, x0);
    EXPECT_EQ(call.y0, y0);
    EXPECT_EQ(call.x1, x1);
    EXPECT_EQ(call.y1, y1);
}

const CColor kRed(255, 0, 0, 255);

} // namespace

TEST(Polygon2DDraw, ClosedTriangleDrawsThreeOffsetEdges)
{
    Polygon2D triangle = MakePolygon({{0, 0}, {4, 0}, {0, 3}}, true);
    CRecordingFrame frame;
    triangle.Draw(frame, 10.0f, 20.0f, kRed);
    ASSERT_EQ(frame.calls.size(), 3u);
    ExpectCall(frame.calls[0], CRecordingFrame::LINE_AA, 10, 20, 14, 20);
    ExpectCall(frame.calls[1], CRecordingFrame::LINE_AA, 14, 20, 10, 23);
    ExpectCall(frame.calls[2], CRecordingFrame::LINE_AA, 10, 23, 10, 20);
    EXPECT_EQ(frame.calls[0].colour, &kRed);
}

TEST(Polygon2DDraw, LeavesOutTheLastEdges)
{
    Polygon2D triangle = MakePolygon({{0, 0}, {4, 0}, {0, 3}}, true);
    struct Case
    {
        int32_t leftOut;
        size_t lines;
    };
    // More edges left out than there are draws nothing rather than wrapping
    // round to a huge count.
    const Case cases[] = {{0, 3}, {1, 2}, {3, 0}, {10, 0}, {-5, 3}};
    for (const Case& c : cases) {
        CRecordingFrame frame;
        triangle.Draw(frame, 0.0f, 0.0f, kRed, false, c.leftOut);
        EXPECT_EQ(frame.calls.size(), c.lines) << c.leftOut;
    }
}

TEST(Polygon2DDraw, LonePointIsAPixelInABox)
{
    Polygon2D point = MakePolygon({{2.4f, 3.6f}}, false);
    CRecordingFrame frame;
    point.Draw(frame, 10.0f, 20.0f, kRed);
    ASSERT_EQ(frame.calls.size(), 5u);
    ExpectCall(frame.calls[0], CRecordingFrame::PIXEL, 12, 24, 0, 0);
    // The box from (7, 19) to (17, 29), its far sides one pixel in.
    ExpectCall(frame.calls[1], CRecordingFrame::LINE, 7, 19, 16, 19);
    ExpectCall(frame.calls[2], CRecordingFrame::LINE, 7, 28, 16, 28);
    ExpectCall(frame.calls[3], CRecordingFrame::LINE, 7, 19, 7, 28);
    ExpectCall(frame.calls[4], CRecordingFrame::LINE, 16, 19, 16, 28);
}

TEST(Polygon2DDraw, EmptyPolygonDrawsNothing)
{
    CRecordingFrame frame;
    Polygon2D().Draw(frame, 0.0f, 0.0f, kRed, true);
    EXPECT_TRUE(frame.calls.empty());
}

TEST(Polygon2DDraw, EdgeNumbersNeedAGameObject)
{
    Polygon2D square = MakePolygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
    CRecordingFrame frame;
    square.Draw(frame, 100.0f, 200.0f, kRed, true);
    EXPECT_EQ(frame.calls.size(), 4u);
}

TEST(Polygon2DDraw, EdgeNumbersSitHalfALineOutsideEachEdge)
{
    Polygon2D square = MakePolygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true);
    // Digits 6 pixels wide, so each single-digit number starts 3 left of
    // the point it is centred on.
    CFont font;
    font.SetPointSize(9.0f);
    StoreBlockGlyphs(font, '0', '9', 6, 8);
    CGameWithFont game(&font);
    CRecordingFrame frame;
    square.Draw(frame, 100.0f, 200.0f, kRed, true, 1);
    // Half of 9 is 4: along the outward normal from each edge's start, then
    // up by 4.
    const float expected[][2] = {{97, 192}, {111, 196}, {107, 210}};
    std::vector<CRecordingFrame::Call> blits;
    for (const CRecordingFrame::Call& call : frame.calls)
        if (call.kind == CRecordingFrame::BLIT)
            blits.push_back(call);
    ASSERT_EQ(blits.size(), 3u);
    for (size_t i = 0; i < 3; i++) {
        EXPECT_EQ(blits[i].x0, expected[i][0]) << i;
        EXPECT_EQ(blits[i].y0, expected[i][1]) << i;
        EXPECT_EQ(blits[i].x1, 6) << i;
    }
}
