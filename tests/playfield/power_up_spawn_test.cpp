#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/maths/random_r250.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/round_set_library.h"
#include "tests/support/test_round_set.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/playfield/power_up_base.h"

namespace {

// Power-up kinds "!None" (0), "Fire" (1, a level breaker), "Extra Ball" (2)
// and "Multi" (3), and a playfield playing one round whose chances each
// test sets.
class PowerUpSpawn : public testing::Test
{
protected:
    enum
    {
        NONE = 0,
        FIRE = 1,
        EXTRA_BALL = 2,
        MULTI = 3
    };

    void SetUp() override
    {
        CResourceLibrary<CPowerUpBase>& library = GetPowerUpLibrary();
        library.DeleteAllItems();
        for (const char* name : {"!None", "Fire", "Extra Ball", "Multi"})
        {
            CPowerUpBase* kind = new CPowerUpBase;
            kind->m_IsALevelBreaker = std::string(name) == "Fire";
            library.AddItemWithObject(kind, name);
        }
        ASSERT_EQ(library.Find("Extra Ball", -1), EXTRA_BALL);
        MakeCurrentTestRoundSet("Test Set")->AddRound(&m_Round);
        m_pPlayfield = std::make_unique<CPlayfield>();
        m_Source.SetPosition(Vector2{120.25f, 80.5f});
        GameRandom().SeedFromTick(2024);
    }

    void TearDown() override
    {
        m_pPlayfield.reset();
        GetRoundSetLibrary().DeleteAllItems();
        GetPowerUpLibrary().DeleteAllItems();
    }

    static int32_t KindOf(const CSprite* capsule)
    {
        const CPowerUpBase* powerUp = static_cast<CPowerUpBase*>(capsule->FindAI(CPowerUpBase::SGetClassInfo()));
        return powerUp != nullptr ? powerUp->m_LibraryIndex : -1;
    }

    // How often each kind dropped in n spawns, each capsule removed again
    // unless kept.
    std::map<int32_t, int32_t> Drops(int32_t n, bool noLevelBreakers = false,
                                     const CDynamicArray<int32_t>* excluded = nullptr, bool keep = false)
    {
        std::map<int32_t, int32_t> drops;
        for (int32_t i = 0; i < n; i++)
        {
            CGameSprite* capsule = m_pPlayfield->SpawnPowerUp(&m_Source, 0, noLevelBreakers, excluded);
            drops[capsule != nullptr ? KindOf(capsule) : NONE]++;
            if (!keep)
                m_pPlayfield->m_pFallingPowerUps->DeleteAll();
        }
        return drops;
    }

    CBrickLayout m_Round;
    std::unique_ptr<CPlayfield> m_pPlayfield;
    CSprite m_Source;
};

TEST_F(PowerUpSpawn, ACapsuleFallsFromTheSourceCarryingACopyOfItsKind)
{
    CGameSprite* capsule = m_pPlayfield->SpawnPowerUp(&m_Source, MULTI, false, nullptr);
    ASSERT_NE(capsule, nullptr);
    EXPECT_EQ(m_pPlayfield->m_pFallingPowerUps->GetHead(), capsule);
    EXPECT_EQ(capsule->m_Position.x, 120.25f);
    EXPECT_EQ(capsule->m_Position.y, 80.5f);
    EXPECT_EQ(capsule->m_DrawnPosition.x, m_Source.m_DrawnPosition.x);
    EXPECT_EQ(capsule->m_DrawnPosition.y, m_Source.m_DrawnPosition.y);
    const CSpriteAI* carried = capsule->FindAI(CPowerUpBase::SGetClassInfo());
    ASSERT_NE(carried, nullptr);
    EXPECT_NE(carried, GetPowerUpLibrary().GetItemObject(MULTI));
    EXPECT_EQ(KindOf(capsule), MULTI);
    EXPECT_EQ(capsule->m_Damping, 1.0f);

    EXPECT_EQ(m_pPlayfield->SpawnPowerUp(&m_Source, 9, false, nullptr), nullptr);
    EXPECT_EQ(m_pPlayfield->m_pFallingPowerUps->Count(), 1);
}

TEST_F(PowerUpSpawn, KindsArePickedByTheRoundsChances)
{
    m_Round.m_PowerUpChances = {50, 0, 0, 7};
    EXPECT_EQ(m_Round.TotalPowerUpWeight(), 7u);
    EXPECT_EQ(Drops(30), (std::map<int32_t, int32_t>{{MULTI, 30}}));

    m_Round.m_PowerUpChances = {50, 10, 0, 30};
    EXPECT_EQ(m_Round.PickPowerUp(0), FIRE);
    EXPECT_EQ(m_Round.PickPowerUp(9), FIRE);
    EXPECT_EQ(m_Round.PickPowerUp(10), MULTI);
    EXPECT_EQ(m_Round.PickPowerUp(39), MULTI);
    EXPECT_EQ(m_Round.PickPowerUp(40), NONE);
}

TEST_F(PowerUpSpawn, LevelBreakersAndExcludedKindsAreRefused)
{
    m_Round.m_PowerUpChances = {0, 1, 0, 1};
    const std::map<int32_t, int32_t> free = Drops(40);
    EXPECT_GT(free.at(FIRE), 0);
    EXPECT_GT(free.at(MULTI), 0);
    EXPECT_EQ(Drops(40, true), (std::map<int32_t, int32_t>{{MULTI, 40}}));
    CDynamicArray<int32_t> excluded;
    excluded.Add(MULTI);
    EXPECT_EQ(Drops(40, false, &excluded), (std::map<int32_t, int32_t>{{FIRE, 40}}));
}

TEST_F(PowerUpSpawn, TheConditionalExtraLifeHoldsBackExtraBalls)
{
    m_Round.m_PowerUpChances = {0, 0, 1, 1};
    m_Round.m_AdditionalChanceOfConditionalExtraLife = 15;

    m_pPlayfield->m_BallsInReserve = 3;
    EXPECT_EQ(Drops(40), (std::map<int32_t, int32_t>{{MULTI, 40}}));

    m_pPlayfield->m_BallsInReserve = 2;
    EXPECT_GT(Drops(40).at(EXTRA_BALL), 0);
    // While one falls, no second one.
    m_pPlayfield->SpawnPowerUp(&m_Source, EXTRA_BALL, false, nullptr);
    const std::map<int32_t, int32_t> whileFalling = Drops(40, false, nullptr, true);
    EXPECT_EQ(whileFalling, (std::map<int32_t, int32_t>{{MULTI, 40}}));

    // Without the conditional chance nothing holds them back.
    m_pPlayfield->m_pFallingPowerUps->DeleteAll();
    m_Round.m_AdditionalChanceOfConditionalExtraLife = 0;
    m_pPlayfield->m_BallsInReserve = 3;
    EXPECT_GT(Drops(40).at(EXTRA_BALL), 0);
}

TEST_F(PowerUpSpawn, AfterTwentyRefusalsTheLastPickDrops)
{
    m_Round.m_PowerUpChances = {0, 0, 1, 0};
    m_Round.m_AdditionalChanceOfConditionalExtraLife = 15;
    m_pPlayfield->m_BallsInReserve = 3;
    EXPECT_EQ(Drops(5), (std::map<int32_t, int32_t>{{EXTRA_BALL, 5}}));
}

// Entry 0 is no power-up: a round without chances drops nothing at all
// rather than a capsule of it.
TEST_F(PowerUpSpawn, ARoundWithoutChancesDropsNothing)
{
    m_Round.m_PowerUpChances = {40, 0, 0, 0};
    EXPECT_EQ(m_pPlayfield->SpawnPowerUp(&m_Source, 0, false, nullptr), nullptr);
    m_Round.m_PowerUpChances.clear();
    EXPECT_EQ(m_pPlayfield->SpawnPowerUp(&m_Source, 0, false, nullptr), nullptr);
    EXPECT_EQ(m_pPlayfield->m_pFallingPowerUps->Count(), 0);
}

} // namespace
