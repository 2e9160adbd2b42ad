#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/ball_converter_ball.h"
#include "game/playfield/ball_plug_in_type1.h"
#include "game/playfield/collision_contact.h"
#include "game/playfield/game_sprite.h"
#include "game/records/stats.h"
#include "tests/support/ball_fixtures.h"
#include "tests/support/brick_test_field.h"

namespace {

class CAcidRefusingBrick : public CScriptedBrick
{
public:
    void OnAcidHit(AcidHitQuery& query) override { query.refuse = true; }
};

class BallBrickRoadTest : public BrickTestField
{
protected:
    void SetUp() override
    {
        BrickTestField::SetUp();
        AddBallParticleGenerators();
        GetStats().GetCurrentGame().m_LevelOfDifficulty = 1;
    }

    CScriptedBrick* Brick(const Vector2& at, int32_t hitAnswer, CScriptedBrick* brick = nullptr)
    {
        auto* added = static_cast<CScriptedBrick*>(AddBrick(brick != nullptr ? brick : new CScriptedBrick, "Normal", at));
        added->m_HitAnswer = hitAnswer;
        return added;
    }

    CBallAI* Ball(bool small = false) { return AddTestBall(*m_pPlayfield, {200.0f, 230.0f}, {0.0f, -4.0f}, small); }

    static bool Hit(CBallAI* ball, CBrickBase* brick, int32_t passesThrough = 0)
    {
        CollisionContact contact;
        contact.m_Normal = {0.0f, 1.0f};
        return ball->HitBrick(ball->GetSprite(), brick->GetSprite(), passesThrough, contact);
    }

    int32_t LooseBalls() const { return m_pPlayfield->m_pLooseBalls->Count(); }
};

TEST_F(BallBrickRoadTest, PlainBallDeliversTheBricksOwnAnswer)
{
    const struct
    {
        int32_t hitAnswer;
        bool result;
        bool destroyed;
    } cases[] = {{0, false, false}, {1, true, false}, {2, true, true}};
    for (const auto& c : cases)
    {
        CScriptedBrick* brick = Brick({200.0f, 200.0f}, c.hitAnswer);
        CBallAI* ball = Ball();
        ball->AddPlugIn(Configured<CBallConverterBall>());
        EXPECT_EQ(Hit(ball, brick), c.result);
        EXPECT_EQ(brick->IsDestroyed(), c.destroyed);
        // The converter hears of destroyed bricks only.
        EXPECT_EQ(LooseBalls(), c.destroyed ? 1 : 0);
        m_pPlayfield->m_pLooseBalls->DeleteAll();
        brick->GetSprite()->Kill();
    }
}

TEST_F(BallBrickRoadTest, FireBallExplodesEvenAnUnbreakableAnswerAndReachesByItsSize)
{
    for (bool small : {false, true})
    {
        SCOPED_TRACE(small ? "small" : "normal");
        CScriptedBrick* brick = Brick({200.0f, 200.0f}, 0);
        // 35 px aside: inside 40 x 1.1 wide, outside 40 x 0.75.
        CScriptedBrick* neighbour = Brick({235.0f, 200.0f}, 0);
        CBallAI* ball = Ball(small);
        ball->AddPlugIn(Configured<CBallPlugInFireBall>());
        EXPECT_TRUE(Hit(ball, brick));
        EXPECT_TRUE(brick->IsDestroyed());
        EXPECT_EQ(neighbour->IsDestroyed() || neighbour->m_DestructionCountdown != 0, !small);
        for (CBrickBase* b : {static_cast<CBrickBase*>(brick), static_cast<CBrickBase*>(neighbour)})
            b->GetSprite()->Kill();
    }
}

TEST_F(BallBrickRoadTest, RailBallPassesAndDestroysButBouncesOffIndestructibleBricks)
{
    CBallAI* ball = Ball();
    ball->AddPlugIn(Configured<CBallPlugInRailBall>());
    ball->AddPlugIn(Configured<CBallConverterBall>());
    CScriptedBrick* brick = Brick({200.0f, 200.0f}, 0);
    CScriptedBrick* wall = Brick({300.0f, 200.0f}, 0);
    wall->m_Indestructible = true;
    CollisionMotion motion;
    EXPECT_TRUE(ball->PassesThrough(ball->GetSprite(), brick->GetSprite(), motion));
    EXPECT_FALSE(ball->PassesThrough(ball->GetSprite(), wall->GetSprite(), motion));

    const float speed = ball->GetSprite()->m_Velocity.y;
    Hit(ball, brick, 1);
    EXPECT_TRUE(brick->IsDestroyed());
    EXPECT_EQ(ball->GetSprite()->m_Velocity.y, speed);
    EXPECT_EQ(LooseBalls(), 1);
}

TEST_F(BallBrickRoadTest, AcidDissolvesABrickThatAcceptsAndHitsOneThatRefuses)
{
    CBallAI* ball = Ball();
    ball->AddPlugIn(Configured<CBallPlugInAcidBall>());
    CScriptedBrick* accepting = Brick({200.0f, 200.0f}, 0);
    EXPECT_TRUE(Hit(ball, accepting));
    EXPECT_FALSE(accepting->IsDestroyed());
    EXPECT_EQ(accepting->GetSprite()->m_Flags & SPRITE_COLLIDABLE, 0u);
    EXPECT_NE(accepting->GetSprite()->m_Flags & SPRITE_NOT_RECORDED, 0u);

    CScriptedBrick* refusing = Brick({300.0f, 200.0f}, 1, new CAcidRefusingBrick);
    EXPECT_TRUE(Hit(ball, refusing));
    EXPECT_NE(refusing->GetSprite()->m_Flags & SPRITE_COLLIDABLE, 0u);
}

// The configured acid names no animation that ever moves: the brick would
// stay, blocking nothing and holding the round open.
TEST_F(BallBrickRoadTest, AcidThatCannotAnimateRemovesTheBrickQuietlyAtOnce)
{
    CSequence* still = m_Sequences.Add("Still", MakeSolidSequence(3, 4, 4, 0x7777, -1.0f));
    ASSERT_LE(still->GetEffectiveFps(), 0.0f);
    const int32_t index = GetSequenceList().IndexOfObject(still);
    CBallAI* ball = Ball();
    auto* acid = Configured<CBallPlugInAcidBall>();
    acid->m_DissolveEffectMask = index;
    acid->m_DissolveEffectOverlay = index;
    ball->AddPlugIn(acid);
    CScriptedBrick* brick = Brick({200.0f, 200.0f}, 0);
    ASSERT_TRUE(Hit(ball, brick));
    EXPECT_FALSE(brick->IsDestroyed());
    brick->GetSprite()->Update();
    EXPECT_TRUE(brick->IsDestroyed());
}

} // namespace
