#include <gtest/gtest.h>

#include <cmath>

#include "engine/app/input/mouse_state.h"
#include "game/playfield/accessory_gun_basic_dual.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/ball_plug_in_bomb.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/shot_basic.h"
#include "game/records/stats.h"
#include "tests/support/ball_fixtures.h"

namespace {

class ShipTest : public PlayfieldTest
{
protected:
    void SetUp() override
    {
        PlayfieldTest::SetUp();
        GetStats().GetCurrentGame().m_LevelOfDifficulty = 1;
        m_pShip = AddTestShip(*m_pPlayfield, {320.0f, 560.0f});
        m_pSprite = static_cast<CGameSprite*>(m_pPlayfield->GetShipSprite());
    }

    void ShipStep()
    {
        ScopedPlayfieldHooks::s_Controls.BeginStep();
        m_pSprite->Update();
    }

    float ShieldLag() const { return m_pSprite->GetPart(1)->GetOffset().x; }
    float Dip() const { return m_pSprite->GetPart(1)->GetOffset().y; }

    CPlayerShipAI* m_pShip = nullptr;
    CGameSprite* m_pSprite = nullptr;
};

TEST_F(ShipTest, MouseColumnsSpanTheTrackAndReversedMirrors)
{
    struct Case
    {
        int32_t column;
        bool reversed;
        float x;
    } cases[] = {{0, false, 35.0f}, {799, false, 601.0f}, {400, false, 319.0f}, {0, true, 602.0f},
                 {799, true, 36.0f}};
    for (const Case& c : cases)
    {
        m_pShip->m_Reversed = c.reversed;
        GetMouseState().SetPosition(c.column, 0);
        ShipStep();
        EXPECT_EQ(m_pSprite->m_Position.x, c.x) << c.column << (c.reversed ? " reversed" : "");
    }
}

TEST_F(ShipTest, ShieldLagsBehindAMoveAndDipsUnderBallsUpToTen)
{
    GetMouseState().SetPosition(400, 0);
    ShipStep();
    // 20 pixels right in one step: 567 x 28.2 / 800 is 20 columns more.
    const float x = m_pSprite->m_Position.x;
    int32_t column = 400;
    while (std::nearbyint(column * 567.0f / 800.0f) + 35.0f < x + 20.0f)
        column++;
    GetMouseState().SetPosition(column, 0);
    ShipStep();
    ASSERT_EQ(m_pSprite->m_Position.x, x + 20.0f);
    EXPECT_NEAR(ShieldLag(), -12.0f, 1e-4f);
    ShipStep();
    EXPECT_NEAR(ShieldLag(), -7.2f, 1e-4f);
    ShipStep();
    EXPECT_NEAR(ShieldLag(), -4.32f, 1e-4f);

    CBallAI* normal = AddTestBall(*m_pPlayfield, {300.0f, 540.0f}, {0.0f, 1.0f});
    CBallAI* small = AddTestBall(*m_pPlayfield, {300.0f, 540.0f}, {0.0f, 1.0f}, true);
    m_pShip->Recoil(m_pSprite, small->GetSprite());
    EXPECT_FLOAT_EQ(Dip(), 1.5f);
    m_pShip->Recoil(m_pSprite, normal->GetSprite());
    EXPECT_FLOAT_EQ(Dip(), 5.0f);
    for (int32_t i = 0; i < 3; i++)
        m_pShip->Recoil(m_pSprite, normal->GetSprite());
    EXPECT_FLOAT_EQ(Dip(), 10.0f);
    ShipStep();
    EXPECT_NEAR(Dip(), 10.0f - 0.16666667f, 1e-5f);
}

TEST_F(ShipTest, CatchesOnlyBouncedBallsWhileShootIsUpNowAndTheStepBefore)
{
    CPlayerControls& controls = ScopedPlayfieldHooks::s_Controls;
    struct Case
    {
        const char* name;
        bool catching;
        bool bounced;
        bool shootNow;
        bool shootBefore;
        bool loose;
        bool caught;
    } cases[] = {
        {"caught", true, true, false, false, false, true},
        {"catching off", false, true, false, false, false, false},
        {"not bounced since launch", true, false, false, false, false, false},
        {"Shoot held", true, true, true, true, false, false},
        {"Shoot let go this step", true, true, false, true, false, false},
        {"loose", true, true, false, false, true, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_pShip->Reset(m_pSprite, false);
        if (c.catching)
            m_pShip->EnableCatch();
        CBallAI* ball = AddTestBall(*m_pPlayfield, {330.0f, 556.0f}, {0.0f, 3.0f});
        ball->SetHasBounced(c.bounced);
        ball->SetLoose(c.loose);
        controls.SetActionDown(CPlayerControls::ACTION_SHOOT, c.shootBefore);
        controls.BeginStep();
        controls.SetActionDown(CPlayerControls::ACTION_SHOOT, c.shootNow);
        EXPECT_EQ(m_pShip->TryCatch(m_pSprite, ball->GetSprite()), c.caught);
        EXPECT_EQ(m_pShip->GetHeldBall() == ball->GetSprite(), c.caught);
        if (c.caught)
        {
            // Lifted until it no longer touches the ship.
            EXPECT_EQ(ball->GetSprite()->m_Velocity.y, 0.0f);
            EXPECT_FALSE(ball->GetSprite()->Collides(m_pSprite));
            EXPECT_LT(ball->GetSprite()->m_Position.y, 556.0f);
        }
    }
}

TEST_F(ShipTest, FireLaunchesAHeldBallOnlyAndTheGunFiresOnlyWhenNoBombWentOff)
{
    CPlayerControls& controls = ScopedPlayfieldHooks::s_Controls;
    auto* gun = Configured<CAccessoryGunLaser>();
    gun->m_pShotType = Configured<CShotGunLaser>();
    m_pShip->SetAccessory(gun);
    gun->AttachToShip(m_pSprite);
    ShipStep();

    CBallAI* ball = AddTestBall(*m_pPlayfield, {330.0f, 540.0f}, {0.0f, 0.0f});
    m_pShip->HoldBall(m_pSprite, ball->GetSprite(), true);
    controls.SetActionDown(CPlayerControls::ACTION_SHOOT, true);
    ShipStep();
    EXPECT_EQ(m_pShip->GetHeldBall(), nullptr);
    EXPECT_LT(ball->GetSprite()->m_Velocity.y, 0.0f);
    EXPECT_EQ(m_pPlayfield->m_pShots->Count(), 0);

    ball->AddPlugIn(Configured<CBallPlugInBombBall>());
    ShipStep();
    EXPECT_EQ(m_pPlayfield->m_pShots->Count(), 0);
    ShipStep();
    EXPECT_EQ(m_pPlayfield->m_pShots->Count(), 1);
}

TEST_F(ShipTest, ShieldSizeStaysWithinItsFiveImages)
{
    for (int32_t i = 0; i < 4; i++)
        m_pShip->GrowShield();
    EXPECT_EQ(m_pShip->GetShieldSize(), 4);
    for (int32_t i = 0; i < 6; i++)
        m_pShip->ShrinkShield();
    EXPECT_EQ(m_pShip->GetShieldSize(), 0);
}

TEST_F(ShipTest, BasicGunFiresRightLeftRightEveryNineStepsAndBothAfterAnUpgrade)
{
    CPlayerControls& controls = ScopedPlayfieldHooks::s_Controls;
    auto* gun = Configured<CAccessoryGunLaser>();
    gun->m_pShotType = Configured<CShotGunLaser>();
    m_pShip->SetAccessory(gun);
    gun->AttachToShip(m_pSprite);
    controls.SetActionDown(CPlayerControls::ACTION_SHOOT, true);
    std::vector<std::pair<int32_t, float>> shots;
    for (int32_t step = 1; step <= 19; step++)
    {
        const int32_t before = m_pPlayfield->m_pShots->Count();
        ShipStep();
        if (m_pPlayfield->m_pShots->Count() != before)
            shots.emplace_back(step, m_pPlayfield->m_pShots->GetTail()->m_Position.x - m_pSprite->m_Position.x);
    }
    EXPECT_EQ(shots, (std::vector<std::pair<int32_t, float>>{{2, 33.0f}, {11, -33.0f}}));
    gun->Upgrade();
    for (int32_t step = 0; step < 9; step++)
        ShipStep();
    EXPECT_EQ(m_pPlayfield->m_pShots->Count(), 4);
}

TEST_F(ShipTest, StingerGunAddsAShotPerGunFromItsSecondUpgrade)
{
    auto* gun = Configured<CAccessoryStingerMissileGun>();
    gun->m_pShotType = Configured<CShotGunLaser>();
    m_pShip->SetAccessory(gun);
    gun->AttachToShip(m_pSprite);
    const struct
    {
        int32_t upgrades;
        int32_t shotsPerGun;
    } cases[] = {{1, 1}, {2, 2}, {3, 3}};
    int32_t done = 0;
    for (const auto& c : cases)
    {
        for (; done < c.upgrades; done++)
            gun->Upgrade();
        EXPECT_EQ(gun->GetNextGun(), CAccessoryGunBasicDual::NEXT_BOTH);
        EXPECT_EQ(gun->GetShotsPerGun(), c.shotsPerGun);
    }
}

TEST_F(ShipTest, GunWithoutShotTypeStillRecoilsAndCoolsDown)
{
    auto* gun = Configured<CAccessoryGunLaser>();
    m_pShip->SetAccessory(gun);
    gun->AttachToShip(m_pSprite);
    ScopedPlayfieldHooks::s_Controls.SetActionDown(CPlayerControls::ACTION_SHOOT, true);
    ShipStep();
    ShipStep();
    EXPECT_EQ(m_pPlayfield->m_pShots->Count(), 0);
    EXPECT_FLOAT_EQ(m_pSprite->GetPart(5)->GetOffset().y, 3.5f - 10.0f / 60.0f);
    EXPECT_EQ(gun->GetCooldown(), 8);
}

TEST_F(ShipTest, LaserShotPassesBallsUnlessItHitsThemThenTurnsThemAtTheirSpeed)
{
    for (bool hits : {false, true})
    {
        CBallAI* ball = AddTestBall(*m_pPlayfield, {300.0f, 300.0f}, {3.0f, 0.0f});
        CSprite* sprite = new CSprite;
        sprite->SetPosition({300.0f, 310.0f});
        auto* shot = Configured<CShotGunLaser>();
        shot->m_ShotsHitBall = hits;
        shot->Launch(sprite);
        shot->HitBall(ball);
        EXPECT_EQ(sprite->IsDead(), hits);
        EXPECT_NEAR(std::sqrt(ball->GetSprite()->m_Velocity.x * ball->GetSprite()->m_Velocity.x +
                              ball->GetSprite()->m_Velocity.y * ball->GetSprite()->m_Velocity.y),
                    3.0f, 1e-5f);
        EXPECT_EQ(ball->GetSprite()->m_Velocity.y < 0.0f, hits);
    }
}

} // namespace
