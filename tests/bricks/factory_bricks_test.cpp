#include <gtest/gtest.h>

#include <vector>

#include "engine/object/object_files.h"
#include "game/bricks/brick_factory.h"
#include "game/bricks/brick_factory_shutdown.h"
#include "game/bricks/brick_normal.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_list.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/object_forms.h"

namespace {

class FactoryBricksTest : public BrickTestField
{
protected:
    CBrickFactory* AddFactory(const char* style, const Vector2& at, uint32_t toGenerate = 20)
    {
        auto* factory = static_cast<CBrickFactory*>(AddBrick("CBrickFactory", style, at));
        factory->SetGenerateStyle(StyleIndex("Quiet"));
        factory->m_NumberOfBricksToGenerate = toGenerate;
        return factory;
    }

    void Frame() { m_pPlayfield->m_pBricks->UpdateAndReap(); }
};

TEST_F(FactoryBricksTest, MadeBrickMovesOutAtMostFivePixelsAFrameUntilItClearsTheFactory)
{
    struct Case
    {
        const char* style;
        float dx;
        float dy;
    };
    for (const Case& c : {Case{"Factory", 0.0f, 1.0f}, Case{"Factory Diagonal", 1.0f, 1.0f}})
    {
        SCOPED_TRACE(c.style);
        CBrickFactory* factory = AddFactory(c.style, {300.0f, 200.0f});
        ASSERT_TRUE(factory->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
        CBrickBase* made = factory->GetLastMadeBrick();
        ASSERT_NE(made, nullptr);
        EXPECT_TRUE(made->IsKindOf(CBrickNormal::SGetClassInfo()));
        EXPECT_EQ(m_pPlayfield->m_pBricks->GetHead(), made->GetSprite());
        std::vector<float> steps;
        for (int32_t frame = 0; frame < 8; frame++)
        {
            const Vector2 before = made->GetSprite()->m_Position;
            Frame();
            const Vector2 after = made->GetSprite()->m_Position;
            EXPECT_EQ(after.x - before.x, c.dx * (after.y - before.y));
            if (after.y != before.y)
                steps.push_back(after.y - before.y);
        }
        EXPECT_EQ(steps, (std::vector<float>{5.0f, 5.0f, 5.0f, 5.0f, 4.0f}));
        EXPECT_EQ(factory->GetLastMadeBrick(), nullptr);
        EXPECT_EQ(factory->GetSprite()->m_Position.y, 200.0f);
        m_pPlayfield->m_pBricks->DeleteAll();
    }
}

TEST_F(FactoryBricksTest, HitsBounceWhileTheBrickMovesOutAndTheHitAfterTheLastBrickDestroys)
{
    CBrickFactory* factory = AddFactory("Factory", {300.0f, 200.0f}, 2);
    const int32_t sounds = SoundPlays("Clink.wav");
    EXPECT_TRUE(factory->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    EXPECT_FALSE(factory->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    for (int32_t frame = 0; frame < 5; frame++)
        Frame();
    EXPECT_TRUE(factory->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    EXPECT_EQ(SoundPlays("Clink.wav"), sounds + 2);
    EXPECT_EQ(factory->m_NumberOfBricksToGenerate, 0u);
    for (int32_t frame = 0; frame < 5; frame++)
        Frame();
    EXPECT_FALSE(factory->IsDestroyed());
    factory->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    EXPECT_TRUE(factory->IsDestroyed());
    Frame();
    EXPECT_EQ(Bricks().size(), 2u);
}

TEST_F(FactoryBricksTest, AFactoryWithoutDirectionMakesTheNextBrickAtTheNextHit)
{
    CBrickFactory* factory = AddFactory("Factory Still", {300.0f, 200.0f});
    factory->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    EXPECT_EQ(factory->GetLastMadeBrick(), nullptr);
    EXPECT_TRUE(factory->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    EXPECT_EQ(factory->m_NumberOfBricksToGenerate, 18u);
}

TEST_F(FactoryBricksTest, FactoryDeletedWhileItsBrickMovesOutLeavesTheBrickSafeToDelete)
{
    CBrickFactory* factory = AddFactory("Factory", {300.0f, 200.0f});
    factory->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    CBrickBase* made = factory->GetLastMadeBrick();
    Frame();
    factory->Destroy({nullptr, false});
    Frame();
    for (int32_t frame = 0; frame < 5; frame++)
        Frame();
    // The made brick's deletion must not write into the freed factory.
    made->Destroy({nullptr, false});
    Frame();
    EXPECT_TRUE(Bricks().empty());
}

TEST_F(FactoryBricksTest, MadeBrickDestroyedWhileMovingOutDropsTheLeftOverMovement)
{
    CBrickFactory* factory = AddFactory("Factory", {300.0f, 200.0f});
    factory->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    factory->GetLastMadeBrick()->Destroy({nullptr, false});
    Frame();
    EXPECT_EQ(factory->GetLastMadeBrick(), nullptr);
    Frame();
    EXPECT_EQ(factory->m_MovementLeftOver.y, 0.0f);
}

TEST_F(FactoryBricksTest, ShutdownBreaksEveryFactoryAndOtherShutdownSixFramesLater)
{
    AddFactory("Factory", {100.0f, 100.0f});
    AddFactory("Factory", {200.0f, 100.0f});
    AddBrick("CBrickFactoryShutdown", "Factory Shutdown", {300.0f, 100.0f});
    CBrickBase* normal = AddBrick("CBrickNormal", "Quiet", {400.0f, 100.0f});
    CBrickBase* shutdown = AddBrick("CBrickFactoryShutdown", "Factory Shutdown", {500.0f, 100.0f});
    const uint32_t score = m_pPlayfield->GetScore();
    EXPECT_TRUE(shutdown->Destroy({nullptr, false}));
    EXPECT_EQ(m_pPlayfield->GetScore(), score + 5);
    for (int32_t frame = 0; frame < 5; frame++)
        Frame();
    EXPECT_EQ(Bricks().size(), 4u);
    Frame();
    EXPECT_EQ(m_pPlayfield->GetScore(), score + 5 + 10 + 10 + 5);
    ASSERT_EQ(Bricks().size(), 1u);
    EXPECT_EQ(Bricks()[0], normal);
}

TEST_F(FactoryBricksTest, PrototypeFollowsTheGenerateStyleAndAnOlderLevelTakesTheStyleFromIt)
{
    CBrickFactory factory;
    factory.SetGenerateStyle(StyleIndex("Shredder"));
    ASSERT_NE(factory.GetPrototype(), nullptr);
    EXPECT_STREQ(factory.GetPrototype()->GetClassInfo()->GetClassName(), "CBrickShredder");
    factory.GetPrototype()->m_Name = "Kept";
    factory.SetGenerateStyle(StyleIndex("Quiet"));
    EXPECT_STREQ(factory.GetPrototype()->GetClassInfo()->GetClassName(), "CBrickNormal");
    EXPECT_EQ(factory.GetPrototype()->m_StyleSheet, StyleIndex("Quiet"));
    EXPECT_STREQ(factory.GetPrototype()->m_Name.GetText(), "Kept");

    CBrickFactory older;
    ReadObjectText(&older, "CBrickFactory\r\n{\r\n\tBrick To Generate=CBrickShredder\r\n\t{\r\n"
                           "\t\tStyle Sheet=Shredder\r\n\t}\r\n}\r\n");
    EXPECT_EQ(older.m_GenerateStyle, StyleIndex("Shredder"));
    ASSERT_NE(older.GetPrototype(), nullptr);
    EXPECT_STREQ(older.GetPrototype()->GetClassInfo()->GetClassName(), "CBrickShredder");
}

} // namespace
