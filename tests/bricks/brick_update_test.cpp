#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/bricks/brick_basic_destructible.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_part.h"
#include "tests/support/brick_test_field.h"

namespace {

using Lines = std::vector<std::string>;

class BrickUpdateTest : public BrickTestField
{
};

TEST_F(BrickUpdateTest, BindingPutsTheSpriteAtTheStartCentreAtRest)
{
    CBrickBase* brick = static_cast<CBrickBase*>(GetClassRegistry().CreateByName("CBrickNormal"));
    brick->m_StartPosition = {100.0f, 50.0f};
    brick->m_Motion = {3.0f, 1.0f};
    brick->m_DestructionCountdown = 7;
    CGameSprite sprite;
    sprite.m_Velocity = {5.0f, 5.0f};
    brick->AttachToSprite(&sprite);
    EXPECT_EQ(sprite.m_Position.x, 134.0f);
    EXPECT_EQ(sprite.m_Position.y, 73.0f);
    EXPECT_EQ(sprite.m_DrawnPosition.x, 134);
    EXPECT_EQ(sprite.m_DrawnPosition.y, 73);
    EXPECT_EQ(sprite.m_Velocity.x, 0.0f);
    EXPECT_EQ(sprite.m_Velocity.y, 0.0f);
    EXPECT_EQ(brick->m_Motion.x, 0.0f);
    EXPECT_EQ(brick->m_DestructionCountdown, 0u);
    EXPECT_EQ(sprite.GetAI(), brick);
    EXPECT_EQ(sprite.GetPartCount(), 1);
}

TEST_F(BrickUpdateTest, BrickTheLayerDoesNotLayShowsAtTheFirstUpdateAfterLaying)
{
    CTestBrickLayer layer;
    CTestRound empty("Empty", {});
    m_pPlayfield->m_pBrickLayer = &layer;
    layer.Start(&empty);
    ASSERT_TRUE(m_pPlayfield->IsLayingBricks());
    CBrickBase* brick = AddBrick("CBrickNormal", "Normal", {200.0f, 200.0f});
    brick->m_SpawnedByBrickLayer = false;
    brick->GetSprite()->SetActive(false);
    brick->GetPlugIns().AddPlugIn(new CRecordingPlugIn(&m_Log, "p"));

    brick->GetSprite()->Update();
    EXPECT_FALSE(brick->GetSprite()->IsActive());
    EXPECT_FALSE(brick->m_SpawnedByBrickLayer);

    m_pPlayfield->m_pBrickLayer = nullptr;
    brick->GetSprite()->Update();
    EXPECT_TRUE(brick->GetSprite()->IsActive());
    EXPECT_TRUE(brick->m_SpawnedByBrickLayer);
    // Started at the first update, run only once the laying was done.
    EXPECT_EQ(m_Log, Lines({"p:owner", "p:start", "p:update", "p:after update"}));
}

TEST_F(BrickUpdateTest, StopFlagFreezesTheRestOfTheFrame)
{
    CBrickBase* brick = AddBrick("CBrickNormal", "Normal", {200.0f, 200.0f});
    CGameSprite* sprite = brick->GetSprite();
    std::vector<std::string> chain;
    sprite->AddAI(new CLoggingAI(&chain, "next"));
    chain.clear();
    auto* plugIn = new CRecordingPlugIn(&m_Log, "p");
    plugIn->m_SetsStop = true;
    brick->GetPlugIns().AddPlugIn(plugIn);
    brick->m_Motion = {5.0f, 0.0f};
    brick->m_DestructionCountdown = 3;
    const double progress = sprite->GetPart(0)->GetProgress();

    sprite->Update();
    EXPECT_EQ(sprite->GetPart(0)->GetProgress(), progress);
    EXPECT_EQ(sprite->m_Position.x, 200.0f);
    EXPECT_EQ(brick->m_Motion.x, 5.0f);
    EXPECT_EQ(brick->m_DestructionCountdown, 3u);
    EXPECT_EQ(chain, Lines());

    plugIn->m_SetsStop = false;
    sprite->Update();
    EXPECT_NE(sprite->GetPart(0)->GetProgress(), progress);
    EXPECT_EQ(sprite->m_Position.x, 203.5f);
    EXPECT_EQ(brick->m_Motion.x, 3.5f);
    EXPECT_EQ(brick->m_DestructionCountdown, 2u);
    EXPECT_EQ(chain, Lines({"next:update0"}));
}

TEST_F(BrickUpdateTest, ShipDestroysAtTheNextUpdateOnlyBricksItMayDestroy)
{
    struct Case
    {
        bool indestructible;
        bool destroyedByShip;
        bool destroyed;
    };
    for (const Case& c : {Case{false, true, true}, Case{true, true, false}, Case{false, false, false}})
    {
        SCOPED_TRACE(std::to_string(c.indestructible) + " " + std::to_string(c.destroyedByShip));
        auto* brick = static_cast<CScriptedBrick*>(AddBrick(new CScriptedBrick, "Normal", {200.0f, 200.0f}));
        brick->m_Indestructible = c.indestructible;
        brick->m_DestroyedByShip = c.destroyedByShip;
        brick->OnTouchedByShip(nullptr);
        EXPECT_FALSE(brick->IsDestroyed());
        brick->GetSprite()->Update();
        EXPECT_EQ(brick->IsDestroyed(), c.destroyed);
        brick->GetSprite()->Kill();
    }
}

TEST_F(BrickUpdateTest, ReplacingThePlugInsTakesNoneOneOrAContainersChildren)
{
    CBrickBase* brick = AddBrick("CBrickNormal", "Normal", {200.0f, 200.0f});
    CBrickPlugInSimultaneous& plugIns = brick->GetPlugIns();
    plugIns.AddPlugIn(new CRecordingPlugIn(&m_Log, "old"));

    brick->ReplacePlugIns(nullptr);
    EXPECT_EQ(plugIns.GetChildCount(), 0u);

    auto* single = new CRecordingPlugIn(&m_Log, "single");
    brick->ReplacePlugIns(single);
    ASSERT_EQ(plugIns.GetChildCount(), 1u);
    EXPECT_EQ(plugIns.GetChild(0), single);

    auto* container = new CBrickPlugInSimultaneous;
    CBrickPlugIn* children[3];
    for (int32_t i = 0; i < 3; i++)
    {
        children[i] = new CRecordingPlugIn(&m_Log, "child");
        container->AddPlugIn(children[i]);
    }
    // The container itself is deleted; ASan sees a use of it or a leak.
    brick->ReplacePlugIns(container);
    ASSERT_EQ(plugIns.GetChildCount(), 3u);
    for (uint32_t i = 0; i < 3; i++)
        EXPECT_EQ(plugIns.GetChild(i), children[i]);
}

} // namespace
