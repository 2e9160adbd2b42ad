#include <gtest/gtest.h>

#include <cmath>

#include "game/bricks/action_play_sound.h"
#include "game/bricks/brick_magnetic.h"
#include "game/bricks/brick_on_off.h"
#include "game/bricks/brick_plug_in_triggers.h"
#include "game/bricks/brick_switch.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_list.h"
#include "tests/support/brick_test_field.h"

namespace {

class SwitchingBricksTest : public BrickTestField
{
protected:
    CBrickMagnetic* AddMagnet(const char* style, const Vector2& at)
    {
        return static_cast<CBrickMagnetic*>(AddBrick("CBrickMagnetic", style, at));
    }

    CBrickOnOff* AddDetonator(const Vector2& at, bool on, const char* style = "Detonator")
    {
        auto* detonator = static_cast<CBrickOnOff*>(GetClassRegistry().CreateByName("CBrickOnOff"));
        detonator->m_Activated = on;
        AddBrick(detonator, style, at);
        return detonator;
    }

    void Frame() { m_pPlayfield->m_pBricks->UpdateAndReap(); }
};

TEST_F(SwitchingBricksTest, TwoSwitchedOnMagnetsAttractWhenTheirGroupsMatchAndRepelOtherwise)
{
    struct Case
    {
        const char* second;
        CBrickMagnetic::State state;
        float speed;
    };
    for (const Case& c : {Case{"Magnet North Lower", CBrickMagnetic::ATTRACTING, 2.1f},
                          Case{"Magnet South", CBrickMagnetic::REPELLING, 14.0f}})
    {
        SCOPED_TRACE(c.second);
        CBrickMagnetic* first = AddMagnet("Magnet North", {100.0f, 300.0f});
        CBrickMagnetic* second = AddMagnet(c.second, {300.0f, 300.0f});
        const int32_t clinks = SoundPlays("Clink.wav");
        EXPECT_TRUE(first->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
        EXPECT_EQ(first->GetState(), CBrickMagnetic::SWITCHED_ON);
        EXPECT_EQ(SoundPlays("Clink.wav"), clinks + 1);
        EXPECT_TRUE(second->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
        EXPECT_EQ(first->GetState(), c.state);
        EXPECT_EQ(second->GetState(), c.state);
        const float towards = c.state == CBrickMagnetic::ATTRACTING ? 1.0f : -1.0f;
        EXPECT_NEAR(first->GetFlightVelocity().x, towards * c.speed, 1e-4f);
        EXPECT_NEAR(second->GetFlightVelocity().x, -towards * c.speed, 1e-4f);
        EXPECT_FALSE(first->CanBeMovedByPlugIns());
        m_pPlayfield->m_pBricks->DeleteAll();
    }
}

TEST_F(SwitchingBricksTest, AttractingMagnetsSpeedUpUntilTheyMeetAndDestroyEachOther)
{
    CBrickMagnetic* first = AddMagnet("Magnet North", {100.0f, 300.0f});
    CBrickMagnetic* second = AddMagnet("Magnet North", {300.0f, 300.0f});
    first->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    second->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    first->GetSprite()->Update();
    EXPECT_NEAR(first->GetSprite()->m_Position.x, 102.1f, 1e-4f);
    EXPECT_NEAR(first->GetFlightVelocity().x, 2.1f * 1.1f, 1e-4f);
    const int32_t pops = SoundPlays("Pop Brick.wav");
    for (int32_t frame = 0; frame < 60 && !Bricks().empty(); frame++)
        Frame();
    EXPECT_TRUE(Bricks().empty());
    // Magnets break without the destruction effects.
    EXPECT_EQ(SoundPlays("Pop Brick.wav"), pops);
}

TEST_F(SwitchingBricksTest, RepellingMagnetsThatMissEverythingLeaveThePlayAreaAndAreDestroyed)
{
    CBrickMagnetic* first = AddMagnet("Magnet North", {200.0f, 300.0f});
    CBrickMagnetic* second = AddMagnet("Magnet South", {400.0f, 320.0f});
    first->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    second->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    for (int32_t frame = 0; frame < 60 && !Bricks().empty(); frame++)
    {
        for (CBrickBase* brick : Bricks())
        {
            EXPECT_TRUE(std::isfinite(brick->GetSprite()->m_Position.x));
            EXPECT_TRUE(std::isfinite(brick->GetSprite()->m_Position.y));
        }
        Frame();
    }
    EXPECT_TRUE(Bricks().empty());
}

TEST_F(SwitchingBricksTest, AFlyingMagnetIgnoresHitsAndItsCountdown)
{
    CBrickMagnetic* first = AddMagnet("Magnet North", {100.0f, 300.0f});
    CBrickMagnetic* second = AddMagnet("Magnet North", {500.0f, 300.0f});
    first->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    second->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    EXPECT_FALSE(first->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    EXPECT_EQ(first->GetState(), CBrickMagnetic::ATTRACTING);
    first->ArmCountdown(0.01f);
    first->GetSprite()->Update();
    EXPECT_FALSE(first->IsDestroyed());
}

TEST_F(SwitchingBricksTest, AMagnetLeftSwitchedOnAloneDestroysItselfOnTheNextFrame)
{
    CBrickMagnetic* first = AddMagnet("Magnet North", {100.0f, 300.0f});
    CBrickMagnetic* other = AddMagnet("Magnet North", {300.0f, 300.0f});
    first->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    Frame();
    EXPECT_FALSE(first->IsDestroyed());
    // Switched off again, then on: still waiting while another stands.
    first->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    EXPECT_EQ(first->GetState(), CBrickMagnetic::OFF);
    first->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    other->Destroy({nullptr, false});
    Frame();
    EXPECT_TRUE(Bricks().empty());
}

TEST_F(SwitchingBricksTest, HittingTheLastDetonatorOffSetsOffAllOfThemOnce)
{
    CBrickOnOff* detonators[5];
    for (int32_t i = 0; i < 5; i++)
        detonators[i] = AddDetonator({200.0f + 41.0f * static_cast<float>(i), 300.0f}, i != 2);
    const uint32_t score = m_pPlayfield->GetScore();
    EXPECT_TRUE(detonators[2]->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    for (CBrickOnOff* detonator : detonators)
        EXPECT_TRUE(detonator->IsDestroyed());
    EXPECT_EQ(m_pPlayfield->GetScore(), score + 5 * 2);
}

TEST_F(SwitchingBricksTest, HittingAnOnDetonatorSwitchesItOffAndNothingExplodes)
{
    CBrickOnOff* on = AddDetonator({200.0f, 300.0f}, true);
    const int32_t sounds = SoundPlays("Brick Turned Off.wav");
    EXPECT_TRUE(on->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    EXPECT_FALSE(on->m_Activated);
    EXPECT_FALSE(on->IsDestroyed());
    EXPECT_EQ(SoundPlays("Brick Turned Off.wav"), sounds + 1);
}

TEST_F(SwitchingBricksTest, RoundStartSetsOffALevelWhoseDetonatorsAreAllOn)
{
    CBrickOnOff* a = AddDetonator({100.0f, 100.0f}, true, "Detonator Without Radius");
    CBrickOnOff* b = AddDetonator({300.0f, 100.0f}, true, "Detonator Without Radius");
    CBrickBase* neighbour = AddBrick("CBrickNormal", "Quiet", {141.0f, 100.0f});
    a->OnRoundStart();
    EXPECT_TRUE(a->IsDestroyed());
    EXPECT_TRUE(b->IsDestroyed());
    // No radius, no area damage.
    EXPECT_FALSE(neighbour->IsDestroyed());
}

TEST_F(SwitchingBricksTest, ADetonatorDestroyedOtherwiseSetsOffTheOthersWhenNoneIsOff)
{
    CBrickOnOff* hitByShip = AddDetonator({100.0f, 100.0f}, false, "Detonator Without Radius");
    CBrickOnOff* others[3];
    for (int32_t i = 0; i < 3; i++)
        others[i] = AddDetonator({200.0f + 100.0f * static_cast<float>(i), 100.0f}, true, "Detonator Without Radius");
    const int32_t pops = SoundPlays("Pop Brick.wav");
    hitByShip->OnTouchedByShip(nullptr);
    hitByShip->GetSprite()->Update();
    EXPECT_TRUE(hitByShip->IsDestroyed());
    for (CBrickOnOff* other : others)
        EXPECT_TRUE(other->IsDestroyed());
    EXPECT_EQ(SoundPlays("Pop Brick.wav"), pops + 4);
}

TEST_F(SwitchingBricksTest, SwitchAnimatesWhenItsTriggerFiresAndThatHitStaysSilent)
{
    auto* plain = static_cast<CBrickSwitch*>(AddBrick("CBrickSwitch", "Switch", {100.0f, 100.0f}));
    auto* triggered = static_cast<CBrickSwitch*>(AddBrick("CBrickSwitch", "Switch", {300.0f, 100.0f}));
    auto* trigger = new CBrickPlugInTriggerActionWhenHit;
    trigger->m_pAction = new CActionPlaySound;
    triggered->GetPlugIns().AddPlugIn(trigger);
    triggered->GetPlugIns().SetOwner(triggered);

    const int32_t clinks = SoundPlays("Brick Turned Off.wav");
    const int32_t switching = SoundPlays("Brick Turned On.wav");
    EXPECT_FALSE(plain->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    EXPECT_FALSE(plain->IsSwitching());
    EXPECT_EQ(SoundPlays("Brick Turned Off.wav"), clinks + 1);

    EXPECT_FALSE(triggered->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    EXPECT_TRUE(triggered->IsSwitching());
    EXPECT_EQ(SoundPlays("Brick Turned On.wav"), switching + 1);
    EXPECT_EQ(SoundPlays("Brick Turned Off.wav"), clinks + 1);
    EXPECT_FALSE(triggered->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    EXPECT_EQ(SoundPlays("Brick Turned Off.wav"), clinks + 2);

    for (int32_t frame = 0; frame < 120 && triggered->IsSwitching(); frame++)
        triggered->GetSprite()->Update();
    EXPECT_FALSE(triggered->IsSwitching());
}

TEST_F(SwitchingBricksTest, SwitchOutlastsEverythingButTheRound)
{
    CBrickBase* sw = AddBrick("CBrickSwitch", "Switch", {300.0f, 100.0f});
    AcidHitQuery query{nullptr, false};
    sw->OnAcidHit(query);
    EXPECT_TRUE(query.refuse);
    sw->ArmCountdown(0.01f);
    EXPECT_EQ(sw->m_DestructionCountdown, 0u);
    sw->OnTouchedByShip(nullptr);
    sw->GetSprite()->Update();
    EXPECT_FALSE(sw->DestroyByExplosion(1.0f, 0.0f));
    EXPECT_FALSE(sw->IsDestroyed());
    EXPECT_FALSE(sw->MustBeDestroyedToFinish());
}

} // namespace
