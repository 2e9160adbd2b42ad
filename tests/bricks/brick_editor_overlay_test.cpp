#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/bricks/brick_editor_drawing.h"
#include "game/playfield/game_sprite.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/recording_frame.h"

namespace {

using Lines = std::vector<std::string>;

class BrickEditorOverlayTest : public BrickTestField
{
};

struct Line
{
    float x0, y0, x1, y1;
    int32_t red, green, blue;
};

std::vector<Line> LinesOf(const CRecordingFrame& frame)
{
    std::vector<Line> lines;
    for (const CRecordingFrame::Call& call : frame.calls)
    {
        EXPECT_EQ(call.kind, CRecordingFrame::LINE_AA);
        lines.push_back(
            {call.x0, call.y0, call.x1, call.y1, call.colour->m_Red, call.colour->m_Green, call.colour->m_Blue});
    }
    return lines;
}

TEST_F(BrickEditorOverlayTest, GridShowsAlwaysAndTheCollisionPolygonWhenSelected)
{
    CBrickBase* brick = AddBrick("CBrickNormal", "Normal", {100.0f, 50.0f});
    brick->GetPlugIns().AddPlugIn(new CRecordingPlugIn(&m_Log, "p"));
    for (bool selected : {false, true})
    {
        SCOPED_TRACE(selected);
        m_Log.clear();
        CRecordingFrame frame;
        EditorDrawContext context{&frame, brick->GetSprite(), 0, selected, 1, selected ? 255 : 0};
        brick->DrawEditorOverlay(context);
        EXPECT_EQ(m_Log, Lines({"p:owner", "p:overlay"}));
        const std::vector<Line> lines = LinesOf(frame);
        ASSERT_EQ(lines.size(), selected ? 8u : 4u);
        EXPECT_EQ(lines[0].x0, 80.0f);
        EXPECT_EQ(lines[0].y0, 38.0f);
        EXPECT_EQ(lines[0].x1, 120.0f);
        for (size_t i = 0; i < 4; i++)
        {
            EXPECT_EQ(lines[i].red, 0);
            EXPECT_EQ(lines[i].green, selected ? 255 : 128);
            EXPECT_EQ(lines[i].blue, 0);
        }
        for (size_t i = 4; i < lines.size(); i++)
        {
            EXPECT_EQ(lines[i].red, 155);
            EXPECT_EQ(lines[i].green, 0);
            EXPECT_EQ(lines[i].x0 == 80.25f || lines[i].x0 == 119.75f, true) << lines[i].x0;
        }
    }
}

TEST(DrawArrowTest, DrawsTheShaftAndTwoHeadStrokesTurnedWithTheVector)
{
    const CColor colour(10, 20, 30, 255);
    struct Case
    {
        Vector2 vector;
        Line lines[3];
    };
    const Case cases[] = {
        {{20.0f, 0.0f}, {{10, 10, 30, 10, 10, 20, 30}, {30, 10, 25, 15, 10, 20, 30}, {30, 10, 25, 5, 10, 20, 30}}},
        {{0.0f, 20.0f}, {{10, 10, 10, 30, 10, 20, 30}, {10, 30, 5, 25, 10, 20, 30}, {10, 30, 15, 25, 10, 20, 30}}},
    };
    for (const Case& c : cases)
    {
        CRecordingFrame frame;
        DrawArrow(frame, {10.0f, 10.0f}, c.vector, colour);
        const std::vector<Line> lines = LinesOf(frame);
        ASSERT_EQ(lines.size(), 3u);
        for (size_t i = 0; i < 3; i++)
        {
            SCOPED_TRACE(i);
            EXPECT_NEAR(lines[i].x0, c.lines[i].x0, 1e-4f);
            EXPECT_NEAR(lines[i].y0, c.lines[i].y0, 1e-4f);
            EXPECT_NEAR(lines[i].x1, c.lines[i].x1, 1e-4f);
            EXPECT_NEAR(lines[i].y1, c.lines[i].y1, 1e-4f);
            EXPECT_EQ(lines[i].red, 10);
        }
    }
}

} // namespace
