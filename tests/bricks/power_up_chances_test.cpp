#include <gtest/gtest.h>

#include <vector>

#include "engine/object/properties/array_property.h"
#include "game/bricks/brick_layout.h"
#include "game/playfield/power_up_base.h"
#include "game/playfield/sprite.h"

namespace {

// A kind that notes each activation instead of acting.
class CNotingPowerUp : public CPowerUpBase
{
public:
    void Activate(const PowerUpCollectContext& context) override { m_Activations.push_back(context); }

    std::vector<PowerUpCollectContext> m_Activations;
};

struct Kind
{
    const char* name;
    uint32_t weight;
    int32_t karma;
    bool levelBreaker;
};

// The "PowerUp" library of each test, built from its kinds in order.
class PowerUpChances : public testing::Test
{
protected:
    void TearDown() override { GetPowerUpLibrary().DeleteAllItems(); }

    static std::vector<CNotingPowerUp*> MakeLibrary(const std::vector<Kind>& kinds)
    {
        std::vector<CNotingPowerUp*> items;
        for (const Kind& kind : kinds)
        {
            CNotingPowerUp* item = new CNotingPowerUp;
            item->m_OccurrenceFrequencyWeighting = kind.weight;
            item->m_KarmaType = kind.karma;
            item->m_IsALevelBreaker = kind.levelBreaker;
            GetPowerUpLibrary().AddItemWithObject(item, kind.name);
            items.push_back(item);
        }
        return items;
    }

    static void List(CBrickLayout& level, const char* property, int32_t index)
    {
        const ArrayProperty* list =
            static_cast<const ArrayProperty*>(CBrickLayout::SGetClassInfo()->FindProperty(property));
        *static_cast<int32_t*>(list->AppendElement(&level)) = index;
    }

    // The chances as computed, entry 0 first.
    static std::vector<uint32_t> Chances(CBrickLayout& level)
    {
        level.ComputePowerUpWeights();
        return level.m_PowerUpChances;
    }
};

TEST_F(PowerUpChances, ForbiddenWeightGoesToTheAllowedKindsOfItsKarma)
{
    MakeLibrary({{"!None", 0, POWER_UP_KARMA_NEUTRAL, false},
                 {"A", 10, POWER_UP_KARMA_NEUTRAL, false},
                 {"B", 20, POWER_UP_KARMA_GOOD, true},
                 {"C", 20, POWER_UP_KARMA_GOOD, false}});
    CBrickLayout level;
    EXPECT_EQ(Chances(level), (std::vector<uint32_t>{0, 10, 20, 20}));
    level.m_DisallowAllLevelBreakers = true;
    EXPECT_EQ(Chances(level), (std::vector<uint32_t>{0, 10, 0, 40}));
    EXPECT_EQ(level.TotalPowerUpWeight(), 50u);
}

TEST_F(PowerUpChances, SharesAreRoundedHalvesToEven)
{
    MakeLibrary({{"!None", 0, POWER_UP_KARMA_NEUTRAL, false},
                 {"A", 1, POWER_UP_KARMA_NEUTRAL, false},
                 {"B", 1, POWER_UP_KARMA_NEUTRAL, false},
                 {"C", 3, POWER_UP_KARMA_NEUTRAL, false}});
    CBrickLayout level;
    List(level, "Disallowed Power-Ups", 3);
    EXPECT_EQ(Chances(level), (std::vector<uint32_t>{0, 2, 2, 0}));
}

TEST_F(PowerUpChances, AKarmaWithNothingAllowedGivesNothing)
{
    MakeLibrary({{"!None", 0, POWER_UP_KARMA_NEUTRAL, false}, {"Bomb", 0, POWER_UP_KARMA_BAD, false}});
    CBrickLayout level;
    EXPECT_EQ(Chances(level), (std::vector<uint32_t>{0, 0}));
    EXPECT_EQ(level.TotalPowerUpWeight(), 0u);
    EXPECT_EQ(level.PickPowerUp(0), 0);
}

TEST_F(PowerUpChances, TheExtraLifeChanceIsAddedAfterTheSharing)
{
    MakeLibrary({{"!None", 0, POWER_UP_KARMA_NEUTRAL, false},
                 {"Fire", 20, POWER_UP_KARMA_GOOD, true},
                 {"Extra Ball", 20, POWER_UP_KARMA_GOOD, false}});
    CBrickLayout level;
    level.m_DisallowAllLevelBreakers = true;
    level.m_AdditionalChanceOfConditionalExtraLife = 15;
    EXPECT_EQ(Chances(level), (std::vector<uint32_t>{0, 0, 55}));
}

TEST_F(PowerUpChances, AnExtraLifeChanceWithoutExtraBallIsTheNotFoundReport)
{
    MakeLibrary({{"!None", 0, POWER_UP_KARMA_NEUTRAL, false}, {"Fire", 20, POWER_UP_KARMA_GOOD, false}});
    CBrickLayout level;
    level.m_AdditionalChanceOfConditionalExtraLife = 15;
    EXPECT_EXIT(level.ComputePowerUpWeights(), testing::ExitedWithCode(255), "Extra Ball");
}

TEST_F(PowerUpChances, AOneItemLibraryDropsNothing)
{
    MakeLibrary({{"!None", 50, POWER_UP_KARMA_NEUTRAL, false}});
    CBrickLayout level;
    level.ComputePowerUpWeights();
    EXPECT_EQ(level.TotalPowerUpWeight(), 0u);
    EXPECT_EQ(level.PickPowerUp(0), 0);
}

TEST_F(PowerUpChances, AutomaticPowerUpsAreGivenQuietlyAndNeverDrop)
{
    const std::vector<CNotingPowerUp*> items = MakeLibrary({{"!None", 0, POWER_UP_KARMA_NEUTRAL, false},
                                                            {"Slow", 10, POWER_UP_KARMA_GOOD, false},
                                                            {"Wide", 10, POWER_UP_KARMA_GOOD, false}});
    CBrickLayout level;
    for (int32_t index : {2, 0, 7})
        List(level, "Automatic Power Ups", index);
    EXPECT_EQ(Chances(level), (std::vector<uint32_t>{0, 20, 0}));
    CSprite ship;
    level.GiveAutomaticPowerUps(&ship);
    ASSERT_EQ(items[2]->m_Activations.size(), 1u);
    EXPECT_EQ(items[2]->m_Activations[0].pCollector, &ship);
    EXPECT_TRUE(items[2]->m_Activations[0].quiet);
    EXPECT_TRUE(items[0]->m_Activations.empty());
    EXPECT_TRUE(items[1]->m_Activations.empty());
    // Allowed to drop, the automatic kind keeps its own weight.
    level.m_DisallowAutomaticPowerUps = false;
    EXPECT_EQ(Chances(level), (std::vector<uint32_t>{0, 10, 10}));
}

} // namespace
