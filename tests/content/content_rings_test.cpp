#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/graphics/sequence.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_coin.h"
#include "game/bricks/round_library.h"
#include "game/playfield/power_up_base.h"
#include "game/records/player_stats.h"
#include "tests/content/generated_content_fixture.h"

namespace {

// The ring game's generated content, read as the game reads it.
class ContentRings : public GeneratedContentTest
{
protected:
    void SetUp() override
    {
        GeneratedContentTest::SetUp();
        if (HasFatalFailure())
            return;
        InitBrickStyleSheetLibrary();
        InitCatalogueLibrary(GetPowerUpLibrary(), LIBRARY_POWER_UP);
        InitCatalogueLibrary(GetBackgroundLibrary(), LIBRARY_BACKGROUND_DEFINITION);
        InitCatalogueLibrary(GetRoundLibrary(), LIBRARY_ROUNDS);
    }

    static const char* SoundName(int32_t index) { return GetSoundList().GetName(static_cast<uint32_t>(index)); }
};

TEST_F(ContentRings, TheCoinStyleShowsItsRingAndSoundsEveryStep)
{
    CBrickStyleSheetLibrary& styles = GetBrickStyleSheetLibrary();
    const int32_t index = styles.Find("Common/Coin", -1);
    ASSERT_GT(index, 0);
    const auto* coin = dynamic_cast<const CBrickStyleSheetCoin*>(styles.GetItemObject(static_cast<uint32_t>(index)));
    ASSERT_NE(coin, nullptr);
    EXPECT_EQ(coin->m_CoinsPerLevel, CPlayerStatsForRoundSet::kRingsPerRound);
    EXPECT_EQ(coin->m_PrimarySequence, GetSequenceList().Find("Coin", -1));
    EXPECT_EQ(coin->m_PickupSequence, GetSequenceList().Find("Coin Pickup", -1));
    for (int32_t sequence : {coin->m_PrimarySequence, coin->m_PickupSequence})
        EXPECT_GT(GetSequenceList().GetItemObject(static_cast<uint32_t>(sequence))->GetFrameCount(), 1u);
    const struct
    {
        int32_t sound;
        const char* name;
    } sounds[] = {{coin->m_PickupSound, "Rings/Pickup.wav"},
                  {coin->m_BonusCountUpSound, "Rings/Count Up.wav"},
                  {coin->m_AllCoinsSound, "Rings/All Rings.wav"},
                  {coin->m_ExtraLifeSound, "Rings/Extra Ball.wav"},
                  {coin->m_RedeemCountDownSound, "Rings/Count Down.wav"},
                  {coin->m_ReceivedExtraLifeSound, "Rings/Received Extra Ball.wav"}};
    for (const auto& sound : sounds)
        EXPECT_STREQ(SoundName(sound.sound), sound.name);
    EXPECT_GE(GetSoundList().FindSound("Completed Ring Game.wav", -1), 0);
    for (const char* file : {"Resources/Completed Ring Game.TGA", "Resources/Completed Ring Game.FOO",
                             "Resources/Completed Ring Generic.FOO"})
        EXPECT_TRUE(std::filesystem::exists(m_Folder.Path() + "/Data/" + file)) << file;
}

TEST_F(ContentRings, TheFiveRingRoundHoldsAllTheRingsARoundCounts)
{
    CResourceLibrary<CBrickLayout>& rounds = GetRoundLibrary();
    const int32_t index = rounds.Find("Rounds/Five Rings", -1);
    ASSERT_GE(index, 0);
    const CBrickLayout* round = rounds.GetItemObject(static_cast<uint32_t>(index));
    ASSERT_NE(round, nullptr);
    const int32_t coinStyle = GetBrickStyleSheetLibrary().Find("Common/Coin", -1);
    uint32_t coins = 0;
    uint32_t required = 0;
    for (uint32_t i = 0; i < round->GetBrickCount(); i++)
    {
        const CBrickBase* brick = round->GetBrick(i);
        if (dynamic_cast<const CBrickCoin*>(brick) != nullptr)
        {
            coins++;
            EXPECT_EQ(brick->m_StyleSheet, coinStyle);
        }
        required += brick->MustBeDestroyedToFinish() ? 1 : 0;
    }
    EXPECT_EQ(coins, CPlayerStatsForRoundSet::kRingsPerRound);
    EXPECT_GT(required, 0u);
}

} // namespace
