#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

#include "engine/app/sound/sound_list.h"
#include "engine/object/class_registry.h"
#include "engine/object/properties/object_array_property.h"
#include "game/bricks/brick_ball_deflector.h"
#include "game/bricks/brick_concussion.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_n_hit_side.h"
#include "game/bricks/brick_nearly_indestructible.h"
#include "game/bricks/brick_normal.h"
#include "game/bricks/brick_nudge.h"
#include "game/bricks/brick_on_off.h"
#include "game/bricks/brick_powerup.h"
#include "game/bricks/brick_shredder.h"
#include "game/bricks/brick_trapped_ball.h"
#include "game/bricks/brick_type_table.h"
#include "tests/support/brick_test_field.h"

namespace {

using LegacyStyleConversionTest = BrickTestField;

std::unique_ptr<CBrickStyleSheet> MakeStyleSheet(const char* className)
{
    return std::unique_ptr<CBrickStyleSheet>(
        static_cast<CBrickStyleSheet*>(GetClassRegistry().CreateByName(className)));
}

// An old definition whose every reference differs from the others and from
// the new style sheets' defaults, so a field copied from the wrong place
// shows.
void FillDistinctly(CBrickInfo& info, int32_t brickType)
{
    info.m_BrickType = brickType;
    info.m_PrimarySequence = 11;
    info.m_Sequence2 = 12;
    info.m_Sequence3 = 13;
    info.m_DestroyedSequence = 14;
    info.m_DestroyedSound = 21;
    info.m_IndestructibleSound = 22;
    info.m_DamagedSound = 23;
    info.m_ScoreValue = 77;
    info.m_BreakParticleGen = 31;
    static_cast<const ObjectArrayProperty*>(CBrickInfo::SGetClassInfo()->FindProperty("Break Particle Types"))
        ->SetCount(&info, 2);
    Polygon2D triangle;
    triangle.InsertPoint(0.0f, -5.0f, -1);
    triangle.InsertPoint(6.0f, 5.0f, -1);
    triangle.InsertPoint(-6.0f, 5.0f, -1);
    info.m_CollisionPolygon = triangle;
}

TEST_F(LegacyStyleConversionTest, EachKindAcceptsOnlyItsOwnOldTypes)
{
    const struct
    {
        const char* styleSheetClass;
        std::set<int32_t> accepted;
    } kinds[] = {
        {"CBrickStyleSheetNormal", {BRICK_TYPE_NORMAL}},
        {"CBrickStyleSheetOptional", {}},
        {"CBrickStyleSheetNearlyIndestructible", {BRICK_TYPE_INDESTRUCTIBLE}},
        {"CBrickStyleSheetShredder", {BRICK_TYPE_SHREDDER}},
        {"CBrickStyleSheetBallDeflector", {BRICK_TYPE_OBSTACLE}},
        {"CBrickStyleSheetBallFactory", {}},
        {"CBrickStyleSheetFloatingBall", {}},
        {"CBrickStyleSheetNHitSide",
         {BRICK_TYPE_INDESTRUCTIBLE_TOP, BRICK_TYPE_INDESTRUCTIBLE_BOTTOM, BRICK_TYPE_THREE_HIT,
          BRICK_TYPE_THREE_HIT_BOTTOM, BRICK_TYPE_THREE_HIT_TOP}},
        {"CBrickStyleSheetNudge",
         {BRICK_TYPE_NUDGE_UP, BRICK_TYPE_NUDGE_DOWN, BRICK_TYPE_NUDGE_LEFT, BRICK_TYPE_NUDGE_RIGHT}},
        {"CBrickStyleSheetRail", {}},
        {"CBrickStyleSheetMagnetic", {}},
        {"CBrickStyleSheetOnOff", {BRICK_TYPE_OFF_ON, BRICK_TYPE_ON_OFF}},
        {"CBrickStyleSheetSwitch", {}},
        {"CBrickStyleSheetPowerup", {BRICK_TYPE_POWER_UP}},
        {"CBrickStyleSheetSplitN", {}},
        {"CBrickStyleSheetSpeedChange", {}},
        {"CBrickStyleSheetTeleporter", {}},
        {"CBrickStyleSheetTrappedBall", {BRICK_TYPE_TRAPPED_BALL}},
        {"CBrickStyleSheetCoin", {}},
        {"CBrickStyleSheetChangeArea", {BRICK_TYPE_EXPLODING}},
        {"CBrickStyleSheetConcussion", {BRICK_TYPE_PUSH_AWAY}},
        {"CBrickStyleSheetExploder", {BRICK_TYPE_EXPLODING}},
    };
    const int32_t typeCount = static_cast<int32_t>(GetBrickTypeTable().GetCount());
    for (const auto& kind : kinds)
    {
        for (int32_t brickType = 0; brickType < typeCount; brickType++)
        {
            CBrickInfo info;
            FillDistinctly(info, brickType);
            std::unique_ptr<CBrickStyleSheet> styleSheet = MakeStyleSheet(kind.styleSheetClass);
            ASSERT_NE(styleSheet, nullptr) << kind.styleSheetClass;
            const int32_t score = styleSheet->m_Score;
            const bool accepted = styleSheet->ConvertFromBrickInfo(info);
            EXPECT_EQ(accepted, kind.accepted.count(brickType) == 1) << kind.styleSheetClass << " " << brickType;
            // A kind that takes no type still carries the shared looks over,
            // for a tool that converts first and picks the kind afterwards.
            if (accepted || kind.accepted.empty())
            {
                EXPECT_EQ(styleSheet->m_EditorButtonSequence, 11) << kind.styleSheetClass;
                EXPECT_EQ(styleSheet->m_BreakParticleTypes.m_Count, 2u) << kind.styleSheetClass;
                EXPECT_EQ(styleSheet->m_CollisionPoly.GetCount(), 3u) << kind.styleSheetClass;
                EXPECT_FLOAT_EQ(styleSheet->m_GridPolygon.GetPoint(0).x, -16.0f);
                EXPECT_FLOAT_EQ(styleSheet->m_GridPolygon.GetPoint(2).y, 9.0f);
            }
            else
            {
                // A refused definition leaves the style sheet as it was.
                EXPECT_EQ(styleSheet->m_EditorButtonSequence, 0) << kind.styleSheetClass << " " << brickType;
                EXPECT_EQ(styleSheet->m_BreakParticleTypes.m_Count, 0u) << kind.styleSheetClass;
            }
            EXPECT_EQ(styleSheet->m_Score, score) << "the old score value is never taken";
        }
    }
}

TEST_F(LegacyStyleConversionTest, AnAcceptedTypeSetsTheKindsOwnFields)
{
    const struct
    {
        const char* styleSheetClass;
        int32_t brickType;
        std::function<void(const CBrickStyleSheet&)> check;
    } rows[] =
        {
            {"CBrickStyleSheetNormal", BRICK_TYPE_NORMAL,
             [](const CBrickStyleSheet& sheet) {
        const auto& normal = static_cast<const CBrickStyleSheetNormal&>(sheet);
        EXPECT_EQ(normal.m_PrimarySequence, 11);
        EXPECT_EQ(normal.m_DestroyedSeq, 14);
        EXPECT_EQ(normal.m_DestroyedSound, 21);
        EXPECT_EQ(normal.m_BreakParticleGen, 31);
             }},
            {"CBrickStyleSheetNearlyIndestructible", BRICK_TYPE_INDESTRUCTIBLE,
             [](const CBrickStyleSheet& sheet) {
        const auto& indestructible = static_cast<const CBrickStyleSheetNearlyIndestructible&>(sheet);
        EXPECT_EQ(indestructible.m_IndestructibleSound, 22);
        EXPECT_EQ(indestructible.m_PrimarySequence, 11);
        EXPECT_EQ(indestructible.m_DestroyedSound, 21);
             }},
      {"CBrickStyleSheetShredder", BRICK_TYPE_SHREDDER,
       [](const CBrickStyleSheet& sheet) {
        const auto& shredder = static_cast<const CBrickStyleSheetShredder&>(sheet);
        EXPECT_EQ(shredder.m_IndestructibleSound, 22);
        EXPECT_EQ(shredder.m_PrimarySequence, 11);
        EXPECT_EQ(shredder.m_DestroyedSeq, 14);
       }},
        {"CBrickStyleSheetBallDeflector", BRICK_TYPE_OBSTACLE,
         [](const CBrickStyleSheet& sheet) {
        const auto& deflector = static_cast<const CBrickStyleSheetBallDeflector&>(sheet);
        EXPECT_EQ(deflector.m_PrimarySequence, 11);
        EXPECT_EQ(deflector.m_IndestructibleSound, 22);
         }},
        {"CBrickStyleSheetNHitSide", BRICK_TYPE_THREE_HIT_BOTTOM,
         [](const CBrickStyleSheet& sheet) {
        const auto& nHit = static_cast<const CBrickStyleSheetNHitSide&>(sheet);
        ASSERT_EQ(nHit.m_HitSequenceCount, 2u);
        EXPECT_EQ(nHit.m_HitSequenceIndexes[0], 12);
        EXPECT_EQ(nHit.m_HitSequenceIndexes[1], 13);
        EXPECT_EQ(nHit.m_Top, CBrickStyleSheetNHitSide::NEARLY_INDESTRUCTIBLE_EDGE);
        EXPECT_EQ(nHit.m_Bottom, CBrickStyleSheetNHitSide::NORMAL_EDGE);
        EXPECT_EQ(nHit.m_DamagedSound, 23);
        EXPECT_EQ(nHit.m_IndestructibleSound, 22);
        EXPECT_EQ(nHit.m_SmallBallDidPartialDamageSound, 22);
        EXPECT_EQ(nHit.m_PrimarySequence, 11);
        EXPECT_EQ(nHit.m_DestroyedSeq, 14);
        EXPECT_EQ(nHit.m_DestroyedSound, 21);
        EXPECT_EQ(nHit.m_BreakParticleGen, 31);
         }},
        {"CBrickStyleSheetNHitSide", BRICK_TYPE_INDESTRUCTIBLE_BOTTOM,
         [](const CBrickStyleSheet& sheet) {
        const auto& nHit = static_cast<const CBrickStyleSheetNHitSide&>(sheet);
        EXPECT_EQ(nHit.m_Top, CBrickStyleSheetNHitSide::NORMAL_EDGE);
        EXPECT_EQ(nHit.m_Bottom, CBrickStyleSheetNHitSide::NEARLY_INDESTRUCTIBLE_EDGE);
         }},
        {"CBrickStyleSheetNudge", BRICK_TYPE_NUDGE_UP,
         [](const CBrickStyleSheet& sheet) {
        const auto& nudge = static_cast<const CBrickStyleSheetNudge&>(sheet);
        EXPECT_EQ(nudge.m_Movement.x, 0);
        EXPECT_EQ(nudge.m_Movement.y, -18);
        EXPECT_EQ(nudge.m_NudgeSound, 22);
        EXPECT_EQ(nudge.m_PrimarySequence, 11);
         }},
        {"CBrickStyleSheetNudge", BRICK_TYPE_NUDGE_LEFT,
         [](const CBrickStyleSheet& sheet) {
        const auto& nudge = static_cast<const CBrickStyleSheetNudge&>(sheet);
        EXPECT_EQ(nudge.m_Movement.x, -32);
        EXPECT_EQ(nudge.m_Movement.y, 0);
         }},
        {"CBrickStyleSheetConcussion", BRICK_TYPE_PUSH_AWAY,
         [](const CBrickStyleSheet& sheet) {
        const auto& wave = static_cast<const CBrickStyleSheetConcussion&>(sheet);
        EXPECT_EQ(wave.m_PrimarySequence, 11);
        EXPECT_EQ(wave.m_DestroyedSeq, 14);
        EXPECT_EQ(wave.m_DestroyedSound, 21);
        EXPECT_EQ(wave.m_BreakParticleGen, 31);
        EXPECT_FLOAT_EQ(wave.m_ConcussionXRadius, 100.0f);
         }},
        {"CBrickStyleSheetOnOff", BRICK_TYPE_ON_OFF,
         [](const CBrickStyleSheet& sheet) {
        const auto& onOff = static_cast<const CBrickStyleSheetOnOff&>(sheet);
        EXPECT_EQ(onOff.m_ActivatedSequence, 12);
        EXPECT_EQ(onOff.m_ActivatedSound, GetSoundList().FindSound("Brick Turned On.wav", 0));
        EXPECT_EQ(onOff.m_DeactivatedSound, GetSoundList().FindSound("Brick Turned Off.wav", 0));
        EXPECT_GT(onOff.m_ActivatedSound, 0);
        EXPECT_NE(onOff.m_ActivatedSound, onOff.m_DeactivatedSound);
        EXPECT_EQ(onOff.m_DestroyedSound, 21);
         }},
        {"CBrickStyleSheetPowerup", BRICK_TYPE_POWER_UP,
         [](const CBrickStyleSheet& sheet) {
        const auto& powerUp = static_cast<const CBrickStyleSheetPowerup&>(sheet);
        EXPECT_EQ(powerUp.m_PrimarySequence, 11);
        EXPECT_EQ(powerUp.m_DestroyedSeq, 14);
        EXPECT_EQ(powerUp.m_DestroyedSound, 21);
        EXPECT_EQ(powerUp.m_BreakParticleGen, 31);
         }},
        {"CBrickStyleSheetTrappedBall", BRICK_TYPE_TRAPPED_BALL,
         [](const CBrickStyleSheet& sheet) {
        const auto& trapped = static_cast<const CBrickStyleSheetTrappedBall&>(sheet);
        EXPECT_EQ(trapped.m_EditorSequence, 11);
        EXPECT_EQ(trapped.m_EditorButtonSequence, 11);
        EXPECT_EQ(trapped.m_CollisionPoly.GetCount(), 3u);
         }},
        };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.styleSheetClass);
        CBrickInfo info;
        FillDistinctly(info, row.brickType);
        std::unique_ptr<CBrickStyleSheet> styleSheet = MakeStyleSheet(row.styleSheetClass);
        ASSERT_TRUE(styleSheet->ConvertFromBrickInfo(info));
        row.check(*styleSheet);
    }
}

} // namespace
