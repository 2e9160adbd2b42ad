#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

#include "engine/object/class_registry.h"
#include "game/bricks/brick_movement_support.h"
#include "game/bricks/brick_plug_in_change_self.h"
#include "game/bricks/brick_plug_in_move_along_path.h"
#include "game/bricks/brick_plug_in_move_between_points.h"
#include "game/bricks/brick_plug_in_orbit.h"
#include "game/bricks/brick_plug_in_sequence.h"
#include "game/bricks/brick_plug_in_triggers.h"
#include "game/bricks/brick_plug_in_waits.h"
#include "game/bricks/script_position.h"
#include "tests/support/object_forms.h"

namespace {

std::string Block(const std::string& className, const std::string& lines)
{
    return className + "\r\n{\r\n" + lines + "}\r\n";
}

template <typename T>
std::unique_ptr<T> Read(const std::string& className, const std::string& lines)
{
    std::unique_ptr<CObject> object = ObjectFromText(Block(className, lines));
    if (object == nullptr || !object->IsKindOf(T::SGetClassInfo()))
        return nullptr;
    return std::unique_ptr<T>(static_cast<T*>(object.release()));
}

struct ProjectionCase
{
    Vector2 p2;
    Vector2 s;
    float expected;
};

TEST(BrickScriptFormsTest, ProjectOntoSegmentClampsToTheSegmentAndAnswers0ForAPixelLongOne)
{
    const ProjectionCase cases[] = {
        {{100.0f, 0.0f}, {25.0f, 40.0f}, 0.25f},
        {{100.0f, 0.0f}, {-5.0f, 0.0f}, 0.0f},
        {{100.0f, 0.0f}, {150.0f, 0.0f}, 1.0f},
        {{1.0f, 0.0f}, {0.5f, 0.0f}, 0.0f},
    };
    for (const ProjectionCase& c : cases)
        EXPECT_FLOAT_EQ(ProjectOntoSegment(Vector2{0.0f, 0.0f}, c.p2, c.s), c.expected) << c.s.x << "," << c.s.y;
    float angle = -1.0f;
    ProjectOntoSegment(Vector2{0.0f, 0.0f}, Vector2{0.0f, -10.0f}, Vector2{0.0f, -5.0f}, &angle);
    EXPECT_NEAR(angle, 4.712389f, 1e-5f);
}

TEST(BrickScriptFormsTest, OldClassNamesAndLegacyKeysStillRead)
{
    auto relative = Read<CScriptPositionPointRelativeToBrickStartingPosition>("CScriptedPosition",
                                                                             "Position=10.000000,-4.000000\r\n");
    ASSERT_NE(relative, nullptr);
    EXPECT_EQ(relative->m_Position.x, 10.0f);
    EXPECT_EQ(relative->m_Position.y, -4.0f);

    auto named = Read<CScriptPositionNamedObject>("CScriptPositionNammedObject", "Position Name=Gate\r\n");
    ASSERT_NE(named, nullptr);
    EXPECT_STREQ(named->m_Position.m_Name.GetText(), "Gate");

    auto wait = Read<CBrickPlugInWaitXSeconds>("CBrickPlugInWait", "Time To Wait=3\r\n");
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(wait->m_TimeToWait, 3.0f);

    auto waitForBrick = Read<CBrickPlugInWaitForBrickToBeDestroyed>("CBrickPlugInWaitForBrickToBeDestroyed",
                                                                    "Trigger Brick Name=Keep\r\n");
    ASSERT_NE(waitForBrick, nullptr);
    EXPECT_STREQ(waitForBrick->m_TriggerBrick.m_Name.GetText(), "Keep");

    auto path = Read<CBrickPlugInMoveAlongPath>("CBrickPlugInMoveAlongPath",
                                                "Path Name=Loop\r\nTime To Compleat One Loop=7\r\n");
    ASSERT_NE(path, nullptr);
    EXPECT_STREQ(path->m_Path.m_Name.GetText(), "Loop");
    EXPECT_EQ(path->m_TimeToCompleteOneLoop, 7.0f);

    auto orbit = Read<CBrickPlugInOrbit>("CBrickPlugInOrbit", "Center Point=50,10\r\n");
    ASSERT_NE(orbit, nullptr);
    ASSERT_NE(orbit->m_pCenter, nullptr);
    ASSERT_EQ(orbit->m_pCenter->GetClassInfo(), CScriptPositionPointRelativeToBrickStartingPosition::SGetClassInfo());
    const auto* center = static_cast<CScriptPositionPointRelativeToBrickStartingPosition*>(orbit->m_pCenter);
    EXPECT_EQ(center->m_Position.x, 50.0f);
    EXPECT_EQ(center->m_Position.y, 10.0f);
}

TEST(BrickScriptFormsTest, MovementDefaultsPutTheSecondPointAHundredPixelsToTheRight)
{
    CBrickPlugInMoveBetweenPoints move;
    move.SetDefaults();
    ASSERT_NE(move.m_pPoint1, nullptr);
    ASSERT_NE(move.m_pPoint2, nullptr);
    const auto* second = static_cast<CScriptPositionPointRelativeToBrickStartingPosition*>(move.m_pPoint2);
    EXPECT_EQ(second->m_Position.x, 100.0f);
    EXPECT_EQ(second->m_Position.y, 0.0f);
    EXPECT_EQ(move.m_Stop, STOP_NEVER);
}

TEST(BrickScriptFormsTest, EveryScriptClassFreshFromItsDefaultsIsAllDefaultAndCopiesEqual)
{
    for (const char* className :
         {"CBrickPlugInSequence", "CBrickPlugInWaitXSeconds", "CBrickPlugInWaitForBrickToBeDestroyed",
          "CBrickPlugInDestroySelf", "CBrickPlugInDestroySelfIfOffScreen", "CBrickPlugInDeleteSelf",
          "CBrickPlugInChangeSelfAfterDelay", "CBrickPlugInTriggerActionWhenDestroyed",
          "CBrickPlugInTriggerActionWhenHit", "CBrickPlugInTriggerActionEveryXSeconds", "CBrickPlugInBlendPositions",
          "CBrickPlugInMoveAlongPath", "CBrickPlugInMoveBetweenPoints", "CBrickPlugInMoveToPoint", "CBrickPlugInOrbit",
          "CActionPlaySound", "CActionSimultaneousActions", "CActionRandomAction", "CActionSequence",
          "CActionShuffledSequence", "CAdvanceToNextItemInSequence", "CScriptPositionNamedObject",
          "CScriptPositionAbsolutePoint", "CScriptPositionPointRelativeToBrickStartingPosition"})
    {
        std::unique_ptr<CObject> object(GetClassRegistry().CreateByName(className));
        ASSERT_NE(object, nullptr) << className;
        object->SetDefaults();
        EXPECT_TRUE(object->AllPropertiesDefault()) << className;
        std::unique_ptr<CObject> copy(object->CreateSameClass());
        EXPECT_TRUE(copy->AllPropertiesEqual(*object)) << className;
    }
}

TEST(BrickScriptFormsTest, StopIsWrittenByNameAtEndAndNotAtAllForNever)
{
    CBrickPlugInMoveBetweenPoints move;
    move.SetDefaults();
    EXPECT_EQ(ObjectText(&move).find("Stop"), std::string::npos);
    move.m_Stop = STOP_AT_END;
    EXPECT_NE(ObjectText(&move).find("Stop=At End"), std::string::npos) << ObjectText(&move);
    auto back = Read<CBrickPlugInMoveBetweenPoints>("CBrickPlugInMoveBetweenPoints", "Stop=At End\r\n");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->m_Stop, STOP_AT_END);

    CBrickPlugInSequence sequence;
    sequence.SetDefaults();
    EXPECT_EQ(ObjectText(&sequence).find("Current Step Index"), std::string::npos);
    EXPECT_EQ(ObjectText(&sequence).find("When Done"), std::string::npos);
    sequence.m_WhenDone = CBrickPlugInSequence::STOP;
    EXPECT_NE(ObjectText(&sequence).find("When Done=Stop"), std::string::npos);
}

TEST(BrickScriptFormsTest, OffsetMovesOnlyRelativePoints)
{
    CScriptPositionPointRelativeToBrickStartingPosition relative(Vector2{10.0f, 0.0f});
    relative.Offset(Vector2{-5.0f, 0.0f});
    EXPECT_EQ(relative.m_Position.x, 5.0f);
    CScriptPositionAbsolutePoint absolute;
    absolute.m_Position = Vector2{3.0f, 4.0f};
    absolute.Offset(Vector2{-5.0f, 0.0f});
    EXPECT_EQ(absolute.m_Position.x, 3.0f);
}

TEST(BrickScriptFormsTest, DescriptionsNameTheirTimesAndCounts)
{
    CBrickPlugInWaitXSeconds wait;
    CBrickPlugInTriggerActionEveryXSeconds every;
    CString text;
    wait.m_TimeToWait = 2.0f;
    wait.GetDescription(text, nullptr);
    EXPECT_STREQ(text.GetText(), "Wait 2 Seconds");
    wait.m_TimeToWait = 0.0f;
    wait.GetDescription(text, nullptr);
    EXPECT_STREQ(text.GetText(), "Wait X Seconds");
    every.m_TimeToWait = 2.0f;
    every.GetDescription(text, nullptr);
    EXPECT_STREQ(text.GetText(), "Trigger Action Every 2 Sec.");
    every.m_TimeToWait = 0.0f;
    every.m_RepeatLimit = 3;
    every.GetDescription(text, nullptr);
    EXPECT_STREQ(text.GetText(), "Trigger Action 3 Times.");
}

TEST(BrickScriptFormsTest, RetriggerTimesSaturateInsteadOfOverflowing)
{
    EXPECT_EQ(RetriggerUpdates(0.5f), 30u);
    EXPECT_EQ(RetriggerUpdates(0.0f), 0u);
    EXPECT_EQ(RetriggerUpdates(1e9f), std::numeric_limits<uint32_t>::max());
}

TEST(BrickScriptFormsTest, ChangeSelfAfterAQuarterSecondWaitsFifteenUpdates)
{
    std::unique_ptr<CBrickPlugInChangeSelfAfterDelay> change(CreateChangeSelfAfterDelay(0.25f, 3));
    EXPECT_EQ(change->m_UpdatesUntilChange, 15u);
    EXPECT_EQ(change->m_ChangeToBrickStyle, 3);
}

TEST(BrickScriptFormsTest, MoveTimesOfZeroOrLessBecomeATenThousandthOfASecond)
{
    for (float seconds : {0.0f, -3.0f, -0.0f})
    {
        float time = seconds;
        KeepMoveTimePositive(time);
        EXPECT_EQ(time, 0.0001f) << seconds;
    }
    float time = 2.0f;
    KeepMoveTimePositive(time);
    EXPECT_EQ(time, 2.0f);
}

} // namespace
