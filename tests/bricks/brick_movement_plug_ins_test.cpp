#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>
#include <vector>

#include "game/bricks/brick_movement_support.h"
#include "game/bricks/brick_path_polygon.h"
#include "game/bricks/brick_plug_in_blend_positions.h"
#include "game/bricks/brick_plug_in_move_along_path.h"
#include "game/bricks/brick_plug_in_move_between_points.h"
#include "game/bricks/brick_plug_in_move_to_point.h"
#include "game/bricks/brick_plug_in_orbit.h"
#include "game/bricks/brick_plug_in_sequence.h"
#include "game/bricks/brick_plug_in_waits.h"
#include "game/bricks/script_position.h"
#include "tests/support/brick_script_field.h"
#include "tests/support/recording_frame.h"

namespace {

CScriptPosition* AbsolutePoint(float x, float y)
{
    auto* point = new CScriptPositionAbsolutePoint();
    point->m_Position = Vector2{x, y};
    return point;
}

CScriptPosition* Named(const char* name)
{
    auto* point = new CScriptPositionNamedObject();
    point->m_Position.m_Name = name;
    return point;
}

using Colour = std::tuple<int, int, int>;

// Keeps the colour of every anti-aliased line as it was drawn: overlays
// draw with colours of their own stack.
class CColourNotingFrame : public CRecordingFrame
{
public:
    void DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour) override
    {
        CRecordingFrame::DrawLineAA(x0, y0, x1, y1, colour);
        lineColours.push_back(Colour{colour.m_Red, colour.m_Green, colour.m_Blue});
    }
    using CRecordingFrame::DrawLineAA;

    std::vector<Colour> lineColours;
};

class BrickMovementPlugInsTest : public BrickScriptFieldTest
{
protected:
    // The plug-in as the only step of a stopping sequence, so that its done
    // shows as the sequence's end.
    CBrickPlugInSequence* Watched(CBrickBase* brick, CBrickPlugIn* plugIn)
    {
        auto* sequence = new CBrickPlugInSequence();
        sequence->SetDefaults();
        sequence->m_WhenDone = CBrickPlugInSequence::STOP;
        sequence->AddStep(plugIn);
        return Script(brick, sequence);
    }

    static CBrickPlugInMoveBetweenPoints* Between(CScriptPosition* p1, CScriptPosition* p2, float legSeconds,
                                                  float stop, int32_t startType)
    {
        auto* move = new CBrickPlugInMoveBetweenPoints();
        move->SetDefaults();
        ReplacePosition(move->m_pPoint1, p1);
        ReplacePosition(move->m_pPoint2, p2);
        move->m_TimeToCompleteOneLeg = legSeconds;
        move->m_Stop = stop;
        move->m_StartType = startType;
        return move;
    }

    static bool Done(const CBrickPlugInSequence* sequence) { return sequence->m_CurrentStep >= 1; }
};

TEST_F(BrickMovementPlugInsTest, OneLegFromPoint1EndsAtPoint2AfterItsTimeWithTheLegsEqualToStop)
{
    CScriptTestBrick* brick = AddNamedBrick("Mover", 300.0f, 300.0f);
    auto* move = Between(AbsolutePoint(100.0f, 100.0f), AbsolutePoint(200.0f, 160.0f), 2.0f, 1.0f,
                         CBrickPlugInMoveBetweenPoints::START_FROM_POINT_1);
    CBrickPlugInSequence* sequence = Watched(brick, move);
    Run(118);
    EXPECT_FALSE(Done(sequence));
    Run(3);
    EXPECT_TRUE(Done(sequence));
    EXPECT_EQ(move->GetElapsedLegs(), 1.0f);
    EXPECT_EQ(PositionOf(brick).x, 200.0f);
    EXPECT_EQ(PositionOf(brick).y, 160.0f);
}

TEST_F(BrickMovementPlugInsTest, StopAtEndStartedHalfwayMovesToPoint2AndStaysThere)
{
    CScriptTestBrick* brick = AddNamedBrick("Mover", 150.0f, 100.0f);
    auto* move = Between(AbsolutePoint(100.0f, 100.0f), AbsolutePoint(200.0f, 100.0f), 1.0f, STOP_AT_END,
                         CBrickPlugInMoveBetweenPoints::START_FROM_RELATIVE_POSITION);
    CBrickPlugInSequence* sequence = Watched(brick, move);
    Run(35);
    EXPECT_TRUE(Done(sequence));
    EXPECT_EQ(PositionOf(brick).x, 200.0f);
    Run(60);
    EXPECT_EQ(PositionOf(brick).x, 200.0f);
    EXPECT_EQ(PositionOf(brick).y, 100.0f);
}

TEST_F(BrickMovementPlugInsTest, AMoveToPointLandsExactlyOnItsEndAndAZeroOrNegativeTimeEndsAtOnce)
{
    for (float seconds : {1.0f, 0.0f, -4.0f})
    {
        CScriptTestBrick* brick = AddNamedBrick("Mover", 100.0f, 100.0f);
        auto* move = new CBrickPlugInMoveToPoint();
        move->SetDefaults();
        ReplacePosition(move->m_pEndPoint, AbsolutePoint(257.0f, 131.0f));
        move->m_TimeToComplete = seconds;
        CBrickPlugInSequence* sequence = Watched(brick, move);
        // Sixty float steps of a sixtieth fall just short of 1: movements
        // accumulate their progress, so the last step comes one update later.
        Run(seconds > 0.0f ? 61 : 1);
        EXPECT_TRUE(Done(sequence)) << seconds;
        EXPECT_EQ(PositionOf(brick).x, 257.0f) << seconds;
        EXPECT_EQ(PositionOf(brick).y, 131.0f) << seconds;
        EXPECT_EQ(move->m_TimeToComplete, seconds > 0.0f ? seconds : 0.0001f);
        m_pPlayfield->m_pBricks->DeleteAll();
    }
}

TEST_F(BrickMovementPlugInsTest, ANegativeRotationTimeTurnsTheOtherWayAndStillCountsUp)
{
    for (float seconds : {1.0f, -1.0f})
    {
        CScriptTestBrick* brick = AddNamedBrick("Mover", 150.0f, 100.0f);
        auto* orbit = new CBrickPlugInOrbit();
        orbit->SetDefaults();
        ReplacePosition(orbit->m_pCenter, AbsolutePoint(100.0f, 100.0f));
        orbit->m_SecondsPerRotation = seconds;
        Script(brick, orbit);
        Run(15);
        EXPECT_NEAR(orbit->GetElapsedRotations(), 0.25f, 1e-4f) << seconds;
        EXPECT_NEAR(PositionOf(brick).x, 100.0f, 0.01f) << seconds;
        EXPECT_NEAR(PositionOf(brick).y, seconds > 0.0f ? 150.0f : 50.0f, 0.01f) << seconds;
        m_pPlayfield->m_pBricks->DeleteAll();
    }
}

TEST_F(BrickMovementPlugInsTest, BlendingBetweenOneBrickTwiceFollowsItAtTheStartOffset)
{
    CBrickBase* leader = AddNamedBrick("Leader", 200.0f, 200.0f);
    CScriptTestBrick* follower = AddNamedBrick("Follower", 230.0f, 190.0f);
    auto* blend = new CBrickPlugInBlendPositions();
    blend->SetDefaults();
    ReplacePosition(blend->m_pPoint1, Named("Leader"));
    ReplacePosition(blend->m_pPoint2, Named("LEADER"));
    Script(follower, blend);
    Run();
    leader->MoveTo(Vector2{260.0f, 150.0f}, false, false);
    Run();
    EXPECT_EQ(PositionOf(follower).x, 290.0f);
    EXPECT_EQ(PositionOf(follower).y, 140.0f);
}

TEST_F(BrickMovementPlugInsTest, ABrickPlugInsMayNotMoveMakesNoProgressAndResumesWhereItStood)
{
    CScriptTestBrick* brick = AddNamedBrick("Mover", 100.0f, 100.0f);
    auto* move = Between(AbsolutePoint(100.0f, 100.0f), AbsolutePoint(160.0f, 100.0f), 1.0f, STOP_NEVER,
                         CBrickPlugInMoveBetweenPoints::START_FROM_POINT_1);
    Script(brick, move);
    move->m_EaseInOut = 0.0f;
    Run(10);
    EXPECT_EQ(PositionOf(brick).x, 110.0f);
    brick->m_Movable = false;
    Run(20);
    EXPECT_EQ(PositionOf(brick).x, 110.0f);
    brick->m_Movable = true;
    Run(10);
    EXPECT_EQ(PositionOf(brick).x, 120.0f);
}

// A square path 100 on a side: the brick stands a quarter of the way along
// its first edge, which every loop type starts from.
TEST_F(BrickMovementPlugInsTest, APathMoveStartsFromThePathPointNearestTheBrickForEveryLoopType)
{
    auto* path = new CBrickPathPolygon();
    path->SetDefaults();
    for (const Vector2& point : {Vector2{0.0f, 0.0f}, Vector2{100.0f, 0.0f}, Vector2{100.0f, 100.0f},
                                 Vector2{0.0f, 100.0f}, Vector2{0.0f, 0.0f}})
        path->m_Polygon.InsertPoint(point.x, point.y, -1);
    AddBrick(path, "Normal", Vector2{200.0f, 200.0f});
    for (int32_t loopType : {CBrickPlugInMoveAlongPath::LOOP_FORWARD, CBrickPlugInMoveAlongPath::LOOP_BACKWARDS,
                             CBrickPlugInMoveAlongPath::BACK_AND_FORTH, CBrickPlugInMoveAlongPath::FORTH_AND_BACK})
    {
        CScriptTestBrick* brick = AddNamedBrick("Mover", 225.0f, 203.0f);
        auto* move = new CBrickPlugInMoveAlongPath();
        move->SetDefaults();
        move->m_Path.m_Name = "";
        move->m_LoopType = loopType;
        brick->GetPlugIns().AddPlugIn(move);
        path->m_Name = "Loop";
        move->m_Path.m_Name = "Loop";
        AddNamedBrick("Cache Breaker", 500.0f, 500.0f);
        move->Start(brick->GetSprite());
        // Three edges of 100 are used back and forth, four round the loop.
        const bool open = loopType >= CBrickPlugInMoveAlongPath::BACK_AND_FORTH;
        EXPECT_NEAR(move->GetFraction(), 25.0f / (open ? 300.0f : 400.0f), 1e-5f) << loopType;
    }
}

TEST_F(BrickMovementPlugInsTest, OverlaysDrawTheirColoursAtTheSelectedIntensityAndBlackOtherwise)
{
    CScriptTestBrick* brick = AddNamedBrick("Mover", 100.0f, 100.0f);
    auto* move = new CBrickPlugInMoveToPoint();
    move->SetDefaults();
    Script(brick, move);
    for (int32_t intensity : {255, 0})
    {
        CColourNotingFrame frame;
        EditorDrawContext context{&frame, brick->GetSprite(), 0, intensity == 255, 1, intensity};
        move->DrawEditorOverlay(context);
        const std::set<Colour> colours(frame.lineColours.begin(), frame.lineColours.end());
        const std::set<Colour> expected =
            intensity == 255 ? std::set<Colour>{{255, 100, 100}, {100, 100, 255}, {100, 255, 100}}
                             : std::set<Colour>{{0, 0, 0}};
        EXPECT_EQ(colours, expected) << intensity;
        ASSERT_FALSE(frame.calls.empty());
        const CRecordingFrame::Call& line = frame.calls.back();
        EXPECT_EQ(line.x0, 100.0f);
        EXPECT_EQ(line.x1, 200.0f);
    }
}

} // namespace
