#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/bricks/brick_base.h"
#include "game/bricks/brick_normal.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/accessory_gun_ball_splitter.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/ball_plug_in_bomb.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/power_up_ball_kinds.h"
#include "game/playfield/power_up_bomb.h"
#include "game/playfield/power_up_bomb_ball.h"
#include "game/playfield/power_up_laser_sight.h"
#include "game/playfield/power_up_safty_bumper.h"
#include "game/playfield/power_up_ship_kinds.h"
#include "game/playfield/first_behaviour.h"
#include "tests/support/brick_data.h"
#include "tests/support/power_up_fixtures.h"

namespace {

int32_t s_Upgrades = 0;
int32_t s_Attaches = 0;

// Accessories that count what the ship asks of them; the derived ones are
// other weapons of a related class.
class CCountingGun : public CShipAccessory
{
    VP_DECLARE_CLASS(CCountingGun)
public:
    CCountingGun() { ConstructProperties(SGetClassInfo()); }
    ~CCountingGun() override { DestroyProperties(SGetClassInfo()); }
    void AttachToShip(CGameSprite*) override { s_Attaches++; }
    void Update(float) override {}
    void Fire() override {}
    void Upgrade() override { s_Upgrades++; }
};

class CDerivedCountingGun : public CCountingGun
{
    VP_DECLARE_CLASS(CDerivedCountingGun)
public:
    CDerivedCountingGun() { ConstructProperties(SGetClassInfo()); }
    ~CDerivedCountingGun() override { DestroyProperties(SGetClassInfo()); }
};

class CCountingSplitter : public CAccessoryGunBallSplitter
{
    VP_DECLARE_CLASS(CCountingSplitter)
public:
    CCountingSplitter() { ConstructProperties(SGetClassInfo()); }
    ~CCountingSplitter() override { DestroyProperties(SGetClassInfo()); }
    void AttachToShip(CGameSprite*) override { s_Attaches++; }
    void Upgrade() override { s_Upgrades++; }
};

VP_IMPLEMENT_CLASS(CCountingGun, CShipAccessory, 0.0f)
VP_IMPLEMENT_CLASS(CDerivedCountingGun, CCountingGun, 0.0f)
VP_IMPLEMENT_CLASS(CCountingSplitter, CAccessoryGunBallSplitter, 0.0f)

void CCountingGun::RegisterProperties(CClassInfo*)
{
}

void CDerivedCountingGun::RegisterProperties(CClassInfo*)
{
}

void CCountingSplitter::RegisterProperties(CClassInfo*)
{
}

class PowerUpKindsTest : public PowerUpTest
{
protected:
    void SetUp() override
    {
        PowerUpTest::SetUp();
        s_Upgrades = 0;
        s_Attaches = 0;
    }

    CBallAI* Ball(float x = 200.0f) { return AddTestBall(*m_pPlayfield, Vector2{x, 300.0f}, Vector2{0.0f, 4.0f}); }
};

TEST_F(PowerUpKindsTest, SpeedKindsMultiplyEveryBallAndFlashTheSpeedNumber)
{
    struct Case
    {
        float baseSpeed;
        bool fast;
        float expected;
    };
    for (const Case& c : {Case{5.4166665f, false, 4.0083332f}, Case{10.0f, true, 13.5f}, Case{25.0f, true, 25.0f}})
    {
        CPowerUpBase* kind =
            c.fast ? static_cast<CPowerUpBase*>(AddKind<CPowerUpFast>("Fast")) : AddKind<CPowerUpSlow>("Slow");
        CBallAI* first = Ball(100.0f);
        CBallAI* second = Ball(200.0f);
        for (CBallAI* ball : {first, second})
            ball->SetBaseSpeed(c.baseSpeed);
        ScopedPlayfieldHooks::s_Calls.clear();
        Activate(kind);
        for (CBallAI* ball : {first, second})
            EXPECT_FLOAT_EQ(ball->GetBaseSpeed(), c.expected) << c.baseSpeed;
        EXPECT_EQ(ScopedPlayfieldHooks::s_Calls, std::vector<std::string>{"FlashSpeedNumber"});
        m_pPlayfield->m_pBallsInPlay->DeleteAll();
        ResetKinds();
    }
}

TEST_F(PowerUpKindsTest, SplitBallSplitsTheFirstBallOrSaysWhyNot)
{
    struct Case
    {
        int32_t balls;
        int32_t ballsAfter;
        int32_t activationSounds;
        int32_t scoreSounds;
        int32_t multiplySounds;
    };
    for (const Case& c : {Case{1, 3, 1, 0, 1}, Case{100, 100, 1, 0, 1}, Case{0, 0, 0, 1, 0}})
    {
        CPowerUpSplitBall* kind = AddKind<CPowerUpSplitBall>("Split");
        for (int32_t i = 0; i < c.balls; i++)
            Ball(100.0f + static_cast<float>(i));
        const int32_t activation = SoundPlays("Power Up.wav");
        const int32_t score = SoundPlays("Score.wav");
        const int32_t multiply = SoundPlays("Multiply 8.wav");
        const uint32_t points = m_pPlayfield->GetScore();
        Activate(kind);
        EXPECT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), c.ballsAfter) << c.balls;
        EXPECT_EQ(SoundPlays("Power Up.wav") - activation, c.activationSounds) << c.balls;
        EXPECT_EQ(SoundPlays("Score.wav") - score, c.scoreSounds) << c.balls;
        EXPECT_EQ(SoundPlays("Multiply 8.wav") - multiply, c.multiplySounds) << c.balls;
        EXPECT_EQ(m_pPlayfield->GetScore(), points + 100) << c.balls;
        m_pPlayfield->m_pBallsInPlay->DeleteAll();
        ResetKinds();
    }
}

TEST_F(PowerUpKindsTest, EveryKindActsAndSomeStopOnceTheRoundIsCleared)
{
    struct Case
    {
        std::function<CPowerUpBase*()> make;
        std::function<bool(CBallAI*)> acted;
        bool actsWhenCleared;
    };
    CBallPlugInBombBall bombPlugIn;
    CCountingGun gun;
    const std::vector<Case> cases =
        {
            {[this]() {
        return AddKind<CPowerUpExtraBall>("Extra Ball");
             },
             [this](CBallAI*) { return m_pPlayfield->m_BallsInReserve == 4; }, true},
            {[this]() { return AddKind<CPowerUpShrinkPaddle>("Shrink"); },
             [this](CBallAI*) { return m_pShip->GetShieldSize() == 1; }, true},
            {[this]() { return AddKind<CPowerUpExpandPaddle>("Expand"); },
             [this](CBallAI*) { return m_pShip->GetShieldSize() == 3; }, true},
            {[this]() { return AddKind<CPowerUpBallCatcher>("Catch"); },
             [this](CBallAI*) { return m_pShip->IsCatching(); }, true},
            {[this]() { return AddKind<CPowerUpSmallBall>("Small"); }, [](CBallAI* ball) { return ball->IsSmall(); },
             false},
            {[this]() {
        m_pShip->EnableCatch();
        return AddKind<CPowerUpNormalShip>("Normal Ship");
             },
             [this](CBallAI*) { return !m_pShip->IsCatching(); }, false},
                            {[this, &bombPlugIn]() {
        CPowerUpAddPlugInToBall* kind = AddKind<CPowerUpAddPlugInToBall>("Plug");
        kind->m_pPlugInToAdd = static_cast<CBallPlugIn*>(bombPlugIn.CreateSameClass());
        return kind;
                             },
                             [](CBallAI* ball) { return ball->GetPlugInCount() == 1; }, false},
        {[this]() {
        CPowerUpBombBall* kind = AddKind<CPowerUpBombBall>("Bomb Ball");
        kind->m_pBallPlugIn = new CBallPlugInBombBall;
        return kind;
         },
         [this](CBallAI* ball) { return ball->GetPlugInCount() == 1 && m_pShip->GetBombCharge() == 1; }, false},
        {[this, &gun]() {
        CPowerUpAddAccessoryToShip* kind = AddKind<CPowerUpAddAccessoryToShip>("Gun");
        kind->m_pShipAccessory = static_cast<CShipAccessory*>(gun.CreateSameClass());
        return kind;
         },
         [this](CBallAI*) { return m_pShip->GetAccessory() != nullptr; }, true},
        };
    for (bool cleared : {false, true})
        for (size_t i = 0; i < cases.size(); i++)
        {
            m_pPlayfield->m_BallsInReserve = 3;
            m_pShip->Reset(m_pShipSprite, false);
            m_pPlayfield->m_RoundCleared = false;
            CBallAI* ball = Ball();
            CPowerUpBase* kind = cases[i].make();
            m_pPlayfield->m_RoundCleared = cleared;
            const uint32_t points = m_pPlayfield->GetScore();
            Activate(kind);
            EXPECT_EQ(cases[i].acted(ball), !cleared || cases[i].actsWhenCleared) << i << " " << cleared;
            EXPECT_EQ(m_pPlayfield->GetScore(), points + 100) << i;
            m_pPlayfield->m_pBallsInPlay->DeleteAll();
            ResetKinds();
        }
}

TEST_F(PowerUpKindsTest, NormalBallRemovesPlugInsAndNormalShipKeepsTheBombCharge)
{
    CBallAI* ball = Ball();
    ball->AddPlugIn(new CBallPlugInBombBall);
    ball->MakeSmall();
    m_pShip->SetBombCharge(5);
    m_pShip->GrowShield();
    Activate(AddKind<CPowerUpNormalBall>("Normal Ball"));
    Activate(AddKind<CPowerUpNormalShip>("Normal Ship"));
    EXPECT_EQ(ball->GetPlugInCount(), 0u);
    EXPECT_FALSE(ball->IsSmall());
    EXPECT_EQ(m_pShip->GetShieldSize(), 2);
    EXPECT_EQ(m_pShip->GetBombCharge(), 5);
}

TEST_F(PowerUpKindsTest, EveryBallGetsItsOwnPlugInCopy)
{
    CPowerUpAddPlugInToBall* kind = AddKind<CPowerUpAddPlugInToBall>("Bomb Plug");
    kind->m_pPlugInToAdd = new CBallPlugInBombBall;
    CBallAI* first = Ball(100.0f);
    CBallAI* second = Ball(200.0f);
    Activate(kind);
    ASSERT_EQ(first->GetPlugInCount(), 1u);
    ASSERT_EQ(second->GetPlugInCount(), 1u);
    EXPECT_NE(first->GetPlugIn(0), second->GetPlugIn(0));
    EXPECT_NE(first->GetPlugIn(0), kind->m_pPlugInToAdd);
}

TEST_F(PowerUpKindsTest, AccessoriesUpgradeTheSameKindAndReplaceAnother)
{
    struct Case
    {
        bool splitterKind;
        const CClassInfo* held;
        const CClassInfo* offered;
        bool upgrades;
    };
    const Case cases[] = {
        {false, CCountingGun::SGetClassInfo(), CCountingGun::SGetClassInfo(), true},
        {false, CDerivedCountingGun::SGetClassInfo(), CCountingGun::SGetClassInfo(), false},
        {false, CCountingGun::SGetClassInfo(), CDerivedCountingGun::SGetClassInfo(), false},
        {true, CCountingSplitter::SGetClassInfo(), CAccessoryGunBallSplitter::SGetClassInfo(), true},
        {true, CCountingGun::SGetClassInfo(), CCountingSplitter::SGetClassInfo(), false},
    };
    for (size_t i = 0; i < std::size(cases); i++)
    {
        const Case& c = cases[i];
        m_pShip->SetAccessory(static_cast<CShipAccessory*>(c.held->CreateObject()));
        CShipAccessory* held = m_pShip->GetAccessory();
        CShipAccessory* offered = static_cast<CShipAccessory*>(c.offered->CreateObject());
        CPowerUpBase* kind = nullptr;
        if (c.splitterKind)
        {
            CPowerUpGunBallSplitter* splitter = AddKind<CPowerUpGunBallSplitter>("Splitter");
            splitter->m_pBallSplitterGun = static_cast<CAccessoryGunBallSplitter*>(offered);
            kind = splitter;
        }
        else
        {
            CPowerUpAddAccessoryToShip* gun = AddKind<CPowerUpAddAccessoryToShip>("Gun");
            gun->m_pShipAccessory = offered;
            kind = gun;
        }
        s_Upgrades = 0;
        Activate(kind);
        EXPECT_EQ(s_Upgrades, c.upgrades ? 1 : 0) << i;
        if (c.upgrades)
            EXPECT_EQ(m_pShip->GetAccessory(), held);
        else
        {
            ASSERT_NE(m_pShip->GetAccessory(), nullptr);
            EXPECT_EQ(m_pShip->GetAccessory()->GetClassInfo(), c.offered);
            EXPECT_NE(m_pShip->GetAccessory(), offered);
        }
        ResetKinds();
    }
}

TEST_F(PowerUpKindsTest, TheBombChargeNamesTheBombBallItemOrNone)
{
    struct Case
    {
        bool bombBallItem;
        bool bombBallIsABombBallKind;
        int32_t expected;
    };
    for (const Case& c : {Case{true, true, 2}, Case{false, false, -1}, Case{true, false, -1}})
    {
        CPowerUpBombBall* kind = AddKind<CPowerUpBombBall>("A Bomb");
        if (c.bombBallItem)
        {
            if (c.bombBallIsABombBallKind)
                AddKind<CPowerUpBombBall>("Bomb Ball");
            else
                AddKind<CPowerUpBase>("Bomb Ball");
        }
        Activate(kind);
        EXPECT_EQ(m_pShip->GetBombCharge(), c.expected);
        ResetKinds();
    }
}

TEST_F(PowerUpKindsTest, ShipEffectsWithoutAShipActOnNothing)
{
    CPowerUpBase* kinds[] = {AddKind<CPowerUpShrinkPaddle>("Shrink"), AddKind<CPowerUpBombBall>("Bomb Ball"),
                             AddKind<CPowerUpNormalShip>("Normal Ship"), AddKind<CPowerUpBallCatcher>("Catch")};
    CSprite notAShip;
    for (CPowerUpBase* kind : kinds)
    {
        kind->Activate(PowerUpCollectContext{&notAShip, false});
        kind->Activate(PowerUpCollectContext{nullptr, false});
    }
    EXPECT_EQ(m_pShip->GetShieldSize(), 2);
    EXPECT_EQ(m_pShip->GetBombCharge(), -1);
}

// A flat bar: small enough to stay inside the play area where the bumper
// ends, so that only a push can change its move.
CBrickStyleSheetNormal* BarStyle()
{
    CBrickStyleSheetNormal* style = new CBrickStyleSheetNormal;
    style->m_CollisionPoly.SetPoint(0, -20.0f, -2.0f);
    style->m_CollisionPoly.SetPoint(1, 20.0f, -2.0f);
    style->m_CollisionPoly.SetPoint(2, 20.0f, 2.0f);
    style->m_CollisionPoly.SetPoint(3, -20.0f, 2.0f);
    style->m_CollisionPoly.SetPoint(4, -20.0f, -2.0f);
    return style;
}

TEST_F(PowerUpKindsTest, TheBumperRisesFromBelowTheFieldPushingWhatIsInItsWay)
{
    ScopedBrickData data(m_Folder.Path());
    CBrickStyleSheetLibrary& styles = GetBrickStyleSheetLibrary();
    styles.AddItemWithObject(BarStyle(), "Bar");
    const int32_t bar = ScopedBrickData::StyleIndex("Bar");
    CPowerUpSaftyBumper* kind = AddKind<CPowerUpSaftyBumper>("Bumper");
    kind->m_BrickToSpawn = bar;
    // Where the bumper's rise ends it overlaps this bar, which a hard move
    // drives along and a soft one would only nudge.
    CGameSprite* obstacle = MakeBrickSpriteFromStyle(styles, bar);
    ASSERT_NE(obstacle, nullptr);
    obstacle->SetPosition(Vector2{318.0f, 594.0f});
    m_pPlayfield->m_pBricks->Append(obstacle);

    Activate(kind);
    CSprite* bumper = m_pPlayfield->m_pBricks->GetTail();
    ASSERT_NE(bumper, obstacle);
    ASSERT_NE(FirstBehaviourAs<CBrickBase>(bumper), nullptr);
    EXPECT_EQ(bumper->m_Position.x, 318.0f);
    EXPECT_EQ(bumper->m_Position.y, 595.0f);
    EXPECT_EQ(obstacle->m_Position.x, 318.0f);
    EXPECT_EQ(obstacle->m_Position.y, 584.0f);
    // The bricks go before the styles they name.
    m_pPlayfield->m_pBricks->DeleteAll();
}

} // namespace
