#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/object/editor_hooks.h"
#include "game/bricks/brick_nearly_indestructible.h"
#include "game/bricks/brick_normal.h"
#include "game/bricks/brick_optional.h"
#include "game/bricks/brick_shredder.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_part.h"
#include "tests/support/brick_test_field.h"

namespace {

class BrickKindsTest : public BrickTestField
{
};

TEST_F(BrickKindsTest, HardKindsBounceTwentyFourHitsWithTheirSoundAndBreakAtTheTwentyFifth)
{
    for (const char* kind : {"CBrickNearlyIndestructible", "CBrickShredder"})
    {
        SCOPED_TRACE(kind);
        const int32_t clinks = SoundPlays("Clink.wav");
        const int32_t pops = SoundPlays("Pop Brick.wav");
        const uint32_t score = m_pPlayfield->GetScore();
        CBrickBase* brick = AddBrick(kind, kind[6] == 'N' ? "Indestructible" : "Shredder", {200.0f, 200.0f});
        for (int32_t i = 0; i < 24; i++)
            EXPECT_FALSE(brick->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
        EXPECT_FALSE(brick->IsDestroyed());
        EXPECT_EQ(SoundPlays("Clink.wav"), clinks + 24);

        EXPECT_TRUE(brick->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
        EXPECT_TRUE(brick->IsDestroyed());
        EXPECT_EQ(SoundPlays("Clink.wav"), clinks + 24);
        EXPECT_EQ(SoundPlays("Pop Brick.wav"), pops + 1);
        EXPECT_EQ(m_pPlayfield->GetScore(), score + 1);
    }
}

TEST_F(BrickKindsTest, BindingAgainStartsTheHitCountAfresh)
{
    auto* brick =
        static_cast<CBrickNearlyIndestructible*>(GetClassRegistry().CreateByName("CBrickNearlyIndestructible"));
    brick->m_StyleSheet = StyleIndex("Indestructible");
    CGameSprite first;
    brick->AttachToSprite(&first);
    for (int32_t i = 0; i < 20; i++)
        brick->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    EXPECT_EQ(brick->GetCountedHits().GetHits(), 20u);
    first.DetachAI(CBrickBase::SGetClassInfo());
    CGameSprite second;
    brick->AttachToSprite(&second);
    EXPECT_EQ(brick->GetCountedHits().GetHits(), 0u);
}

TEST_F(BrickKindsTest, ShredderDestroysABrickDrivenIntoItButNotOneNudged)
{
    for (bool hard : {true, false})
    {
        SCOPED_TRACE(hard);
        CBrickBase* pusher = AddBrick("CBrickNormal", "Quiet", {200.0f, 300.0f});
        CBrickBase* shredder = AddBrick("CBrickShredder", "Shredder", {241.0f, 300.0f});
        pusher->Move({3.0f, 0.0f}, hard, true);
        EXPECT_EQ(pusher->IsDestroyed(), hard);
        EXPECT_FALSE(shredder->IsDestroyed());
        pusher->GetSprite()->Kill();
        shredder->GetSprite()->Kill();
    }
}

TEST_F(BrickKindsTest, OnlyNormalBricksHoldTheRoundAndEachKindHasItsName)
{
    struct Case
    {
        const char* kind;
        const char* style;
        bool required;
        const char* name;
    };
    for (const Case& c :
         {Case{"CBrickNormal", "Normal", true, "Normal"}, Case{"CBrickOptional", "Optional", false, "Optional"},
          Case{"CBrickNearlyIndestructible", "Indestructible", false, "Indestructible"},
          Case{"CBrickShredder", "Shredder", false, "Shredder"}})
    {
        SCOPED_TRACE(c.kind);
        CBrickBase* brick = AddBrick(c.kind, c.style, {200.0f, 200.0f});
        EXPECT_EQ(brick->MustBeDestroyedToFinish(), c.required);
        EXPECT_STREQ(brick->GetTypeDisplayName().GetText(), c.name);
        EXPECT_TRUE(brick->IsStyleSheetCompatible(brick->GetStyleSheet()));
        brick->GetSprite()->Kill();
    }
}

TEST_F(BrickKindsTest, OptionalBrickSurvivesTheShipAndRefusesAcid)
{
    auto* brick = static_cast<CBrickOptional*>(AddBrick("CBrickOptional", "Optional", {200.0f, 200.0f}));
    CBrickBase* normal = AddBrick("CBrickNormal", "Quiet", {300.0f, 200.0f});
    AcidHitQuery query{nullptr, false};
    brick->OnAcidHit(query);
    EXPECT_TRUE(query.refuse);
    AcidHitQuery accepted{nullptr, false};
    normal->OnAcidHit(accepted);
    EXPECT_FALSE(accepted.refuse);

    brick->OnTouchedByShip(nullptr);
    normal->OnTouchedByShip(nullptr);
    brick->GetSprite()->Update();
    normal->GetSprite()->Update();
    EXPECT_FALSE(brick->IsDestroyed());
    EXPECT_TRUE(normal->IsDestroyed());
}

TEST_F(BrickKindsTest, ShipFlagOffKeepsADestructibleBrick)
{
    auto* brick = static_cast<CBrickNormal*>(AddBrick("CBrickNormal", "Quiet", {200.0f, 200.0f}));
    brick->m_ShouldBeDestroyedIfHitByPlayerShip = false;
    brick->OnTouchedByShip(nullptr);
    brick->GetSprite()->Update();
    EXPECT_FALSE(brick->IsDestroyed());
}

TEST_F(BrickKindsTest, DestructionEffectsFollowTheStyleSheetAndQuietPlaysNone)
{
    struct Case
    {
        const char* style;
        bool quiet;
        int32_t pops;
        bool effects;
        uint32_t score;
    };
    for (const Case& c :
         {Case{"Normal", false, 1, true, 10}, Case{"Quiet", false, 1, false, 3}, Case{"Normal", true, 0, false, 10}})
    {
        SCOPED_TRACE(std::string(c.style) + (c.quiet ? " quietly" : ""));
        m_pPlayfield->m_pFrontEffects->DeleteAll();
        const int32_t pops = SoundPlays("Pop Brick.wav");
        const uint32_t score = m_pPlayfield->GetScore();
        CBrickBase* brick = AddBrick("CBrickNormal", c.style, {200.0f, 200.0f});
        EXPECT_TRUE(brick->Destroy({nullptr, c.quiet}));
        EXPECT_EQ(SoundPlays("Pop Brick.wav"), pops + c.pops);
        EXPECT_EQ(m_pPlayfield->m_pFrontEffects->GetHead() != nullptr, c.effects);
        EXPECT_EQ(m_pPlayfield->GetScore(), score + c.score);
    }
}

TEST_F(BrickKindsTest, BricksStartTheirLoopAtRandomUnlessTheEditorBuildsThem)
{
    CBrickBase* a = AddBrick("CBrickNormal", "Normal", {100.0f, 100.0f});
    CBrickBase* b = AddBrick("CBrickNormal", "Normal", {200.0f, 100.0f});
    EXPECT_NE(a->GetSprite()->GetPart(0)->GetProgress(), b->GetSprite()->GetPart(0)->GetProgress());
    GetEditorHooks().LevelEditorBuilding = true;
    CBrickBase* built = AddBrick("CBrickNormal", "Normal", {300.0f, 100.0f});
    GetEditorHooks().LevelEditorBuilding = false;
    EXPECT_EQ(built->GetSprite()->GetPart(0)->GetProgress(), 0.0);
}

} // namespace
