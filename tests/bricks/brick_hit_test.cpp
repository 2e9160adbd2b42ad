#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/bricks/brick_normal.h"
#include "game/playfield/game_sprite.h"
#include "game/records/stats.h"
#include "tests/support/brick_test_field.h"

namespace {

using Lines = std::vector<std::string>;

class BrickHitTest : public BrickTestField
{
protected:
    CScriptedBrick* Scripted(const char* style, const Vector2& at, int32_t hit, int32_t destroyed)
    {
        auto* brick = static_cast<CScriptedBrick*>(AddBrick(new CScriptedBrick, style, at));
        brick->m_HitAnswer = hit;
        brick->m_DestroyedAnswer = destroyed;
        brick->GetPlugIns().AddPlugIn(new CRecordingPlugIn(&m_Log, "p"));
        m_Log.clear();
        return brick;
    }

    static uint32_t BricksDestroyed() { return GetStats().GetCurrentGame().m_BricksDestroyed; }
};

TEST_F(BrickHitTest, EveryPairOfAnswersGivesItsResultScoreMessagesAndTutorials)
{
    for (int32_t hit = 0; hit <= 2; hit++)
    {
        for (int32_t destroyed = 0; destroyed <= 2; destroyed++)
        {
            SCOPED_TRACE("hit " + std::to_string(hit) + ", destroyed " + std::to_string(destroyed));
            CScriptedBrick* brick = Scripted("Normal", {200.0f, 200.0f}, hit, destroyed);
            ScopedPlayfieldHooks::s_Calls.clear();
            const uint32_t score = m_pPlayfield->GetScore();
            const uint32_t counted = BricksDestroyed();

            const bool answer = brick->HitByBallOrShot(Hitter(), {0.0f, 1.0f});

            const bool broken = hit == 2 && destroyed != 2;
            EXPECT_EQ(answer, hit != 0);
            EXPECT_EQ(brick->IsDestroyed(), broken);
            EXPECT_EQ(m_pPlayfield->GetScore(), score + (broken ? 10u : 0u));
            EXPECT_EQ(BricksDestroyed(), counted + (broken ? 1u : 0u));
            EXPECT_EQ(m_Log, hit == 2 ? Lines({"p:hit", "p:destroyed"}) : Lines({"p:hit"}));
            EXPECT_EQ(Tutorials(), broken ? Lines({"3", "4"}) : Lines({"3"}));
            brick->GetSprite()->Kill();
        }
    }
}

TEST_F(BrickHitTest, DestroyingTwiceScoresOnce)
{
    CBrickBase* brick = AddBrick("CBrickNormal", "Normal", {200.0f, 200.0f});
    EXPECT_TRUE(brick->Destroy({nullptr, false}));
    EXPECT_TRUE(brick->Destroy({nullptr, false}));
    EXPECT_TRUE(brick->DestroyByExplosion(1.0f, 0.0f));
    EXPECT_EQ(m_pPlayfield->GetScore(), 10u);
    EXPECT_EQ(BricksDestroyed(), 1u);
    EXPECT_EQ(SoundPlays("Pop Brick.wav"), 1);
}

TEST_F(BrickHitTest, NonGameRoundPlaysTheEffectsButAddsNoScoreStatisticOrTutorial)
{
    m_pPlayfield->m_StandAloneRound = 0;
    CBrickBase* brick = AddBrick("CBrickNormal", "Normal", {200.0f, 200.0f});
    EXPECT_TRUE(brick->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    EXPECT_TRUE(brick->IsDestroyed());
    EXPECT_EQ(m_pPlayfield->GetScore(), 0u);
    EXPECT_EQ(BricksDestroyed(), 0u);
    EXPECT_EQ(Tutorials(), Lines());
    EXPECT_EQ(SoundPlays("Pop Brick.wav"), 1);
    EXPECT_NE(m_pPlayfield->m_pFrontEffects->GetHead(), nullptr);
}

// The exploded brick at (300, 300); the others at the offsets from it.
TEST_F(BrickHitTest, ExplosionDestroysTheBricksInsideItsEllipseAndScoresOnlyThem)
{
    for (int32_t destroyed : {0, 1})
    {
        SCOPED_TRACE("destroyed " + std::to_string(destroyed));
        CScriptedBrick* exploded = Scripted("Normal", {300.0f, 300.0f}, 2, destroyed);
        CBrickBase* right = AddBrick("CBrickNormal", "Quiet", {340.0f, 300.0f});
        CBrickBase* above = AddBrick("CBrickNormal", "Quiet", {300.0f, 277.0f});
        CBrickBase* corner = AddBrick("CBrickNormal", "Quiet", {330.0f, 320.0f});
        const uint32_t score = m_pPlayfield->GetScore();

        EXPECT_TRUE(exploded->DestroyByExplosion(1.0f, 0.0f));

        EXPECT_TRUE(exploded->IsDestroyed());
        EXPECT_EQ(right->IsDestroyed(), destroyed == 0);
        EXPECT_EQ(above->IsDestroyed(), destroyed == 0);
        EXPECT_FALSE(corner->IsDestroyed());
        EXPECT_EQ(m_pPlayfield->GetScore(), score + (destroyed == 0 ? 6u : 0u));
        EXPECT_EQ(m_Log, Lines());
        for (CBrickBase* brick : {static_cast<CBrickBase*>(exploded), right, above, corner})
            brick->GetSprite()->Kill();
    }
}

TEST_F(BrickHitTest, RefusedExplosionLeavesTheBrickAndItsNeighbours)
{
    CScriptedBrick* exploded = Scripted("Normal", {300.0f, 300.0f}, 2, 2);
    CBrickBase* right = AddBrick("CBrickNormal", "Quiet", {340.0f, 300.0f});
    EXPECT_FALSE(exploded->DestroyByExplosion(1.0f, 0.0f));
    EXPECT_FALSE(exploded->IsDestroyed());
    EXPECT_FALSE(right->IsDestroyed());
}

// A brick that damages the area round itself at once while it is being
// destroyed reaches itself, and two such bricks reach each other: each
// destruction must end, and each brick scores once.
TEST_F(BrickHitTest, BricksDamagingTheirOwnAreaWhileDestroyedAreDestroyedOnce)
{
    CScriptedBrick* first = Scripted("Normal", {300.0f, 300.0f}, 2, 0);
    CScriptedBrick* second = Scripted("Normal", {320.0f, 300.0f}, 2, 0);
    first->m_DamageRadius = 40.0f;
    second->m_DamageRadius = 40.0f;

    EXPECT_TRUE(first->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));

    EXPECT_TRUE(first->IsDestroyed());
    EXPECT_TRUE(second->IsDestroyed());
    EXPECT_EQ(first->m_Destructions, 1);
    EXPECT_EQ(second->m_Destructions, 1);
    EXPECT_EQ(m_pPlayfield->GetScore(), 20u);
    EXPECT_EQ(BricksDestroyed(), 2u);
}

TEST_F(BrickHitTest, ExplodingBrickThatDamagesItsOwnAreaEnds)
{
    CScriptedBrick* brick = Scripted("Normal", {300.0f, 300.0f}, 2, 0);
    brick->m_DamageRadius = 40.0f;
    EXPECT_TRUE(brick->DestroyByExplosion(2.0f, 0.0f));
    EXPECT_EQ(brick->m_Destructions, 1);
    EXPECT_EQ(m_pPlayfield->GetScore(), 0u);
}

} // namespace
