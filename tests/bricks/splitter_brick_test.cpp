#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/lists/resource_ref.h"
#include "engine/graphics/frame.h"
#include "engine/object/class_registry.h"
#include "game/bricks/brick_normal.h"
#include "game/bricks/brick_split_n.h"
#include "game/bricks/brick_split_n_child.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_list.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/object_forms.h"

namespace {

class SplitterBrickTest : public BrickTestField
{
protected:
    CBrickSplitN* Splitter(const char* style)
    {
        auto* splitter = static_cast<CBrickSplitN*>(AddBrick("CBrickSplitN", style, {300.0f, 200.0f}));
        splitter->GetPlugIns().AddPlugIn(new CRecordingPlugIn(&m_Log, "p"));
        return splitter;
    }

    // The bricks in the list after the first (the splitter).
    std::vector<CBrickBase*> Children() const
    {
        std::vector<CBrickBase*> bricks = Bricks();
        bricks.erase(bricks.begin());
        return bricks;
    }

    std::vector<std::string> Destructions() const
    {
        std::vector<std::string> heard;
        for (const std::string& line : m_Log)
            if (line == "p:destroyed")
                heard.push_back(line);
        return heard;
    }
};

TEST_F(SplitterBrickTest, WithoutASplittingSequenceTheChildrenAppearAtOnce)
{
    CBrickSplitN* splitter = Splitter("Splitter");
    const uint32_t score = m_pPlayfield->GetScore();
    const int32_t sounds = SoundPlays("Clink.wav");
    const int32_t effects = m_pPlayfield->m_pFrontEffects->Count();

    EXPECT_TRUE(splitter->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    EXPECT_TRUE(splitter->IsDestroyed());
    EXPECT_GT(m_pPlayfield->m_pFrontEffects->Count(), effects) << "the break burst";
    EXPECT_EQ(m_pPlayfield->GetScore(), score + 7);
    EXPECT_EQ(SoundPlays("Clink.wav"), sounds + 1);
    EXPECT_EQ(Destructions().size(), 1u);

    // The entry without a brick makes none; the other child sits on the
    // splitter's place and drifts off.
    const std::vector<CBrickBase*> children = Children();
    ASSERT_EQ(children.size(), 1u);
    CBrickBase* child = children[0];
    EXPECT_STREQ(child->GetClassInfo()->GetClassName(), "CBrickNormal");
    EXPECT_EQ(child->m_StyleSheet, StyleIndex("Quiet"));
    EXPECT_EQ(child->GetSprite()->m_Position.x, 300.0f);
    EXPECT_EQ(child->GetSprite()->m_Position.y, 200.0f);
    EXPECT_EQ(child->m_Motion.x, 1.5f);
    EXPECT_EQ(child->m_Motion.y, -2.0f);
    EXPECT_TRUE(child->GetSprite()->IsActive());
    EXPECT_FALSE(child->IsDestroyed());
}

TEST_F(SplitterBrickTest, ASplittingSequenceKeepsTheBrickUntilTheFrameAfterItEnds)
{
    CBrickSplitN* splitter = Splitter("Splitter Sequence");
    const uint32_t score = m_pPlayfield->GetScore();
    splitter->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    EXPECT_FALSE(splitter->IsDestroyed());
    EXPECT_EQ(splitter->GetSplitState(), CBrickSplitN::SPLITTING);
    EXPECT_TRUE(Children().empty());

    // Hits while it splits are refused, though the plug-ins hear each.
    splitter->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    EXPECT_FALSE(splitter->IsDestroyed());
    EXPECT_EQ(Destructions().size(), 2u);
    m_Log.clear();

    int32_t frames = 0;
    while (splitter->GetSplitState() == CBrickSplitN::SPLITTING && frames < 600)
    {
        splitter->GetSprite()->Update();
        frames++;
    }
    ASSERT_EQ(splitter->GetSplitState(), CBrickSplitN::READY_TO_SPLIT);
    // The four frames of "Brick" at 15 a second play once at 60 steps a
    // second.
    EXPECT_EQ(frames, 16);
    EXPECT_FALSE(splitter->IsDestroyed());
    EXPECT_TRUE(Children().empty());
    EXPECT_EQ(m_pPlayfield->GetScore(), score);

    splitter->GetSprite()->Update();
    EXPECT_TRUE(splitter->IsDestroyed());
    EXPECT_EQ(Destructions().size(), 1u);
    EXPECT_EQ(m_pPlayfield->GetScore(), score + 7);
    const std::vector<CBrickBase*> children = Children();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_STREQ(children[0]->GetClassInfo()->GetClassName(), "CBrickNormal");
    EXPECT_STREQ(children[1]->GetClassInfo()->GetClassName(), "CBrickOptional");
    EXPECT_EQ(children[0]->GetSprite()->m_Position.x, 280.0f);
    EXPECT_EQ(children[0]->GetSprite()->m_Position.y, 205.0f);
    EXPECT_EQ(children[1]->GetSprite()->m_Position.x, 320.0f);
    EXPECT_EQ(children[1]->GetSprite()->m_Position.y, 205.0f);
    EXPECT_EQ(children[1]->m_Motion.x, 0.0f);
}

TEST_F(SplitterBrickTest, ThePlugInsOfASequencedSplitterHearTheDestructionTwiceInAFullUpdate)
{
    CBrickSplitN* splitter = Splitter("Splitter Sequence");
    splitter->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
    for (int32_t i = 0; i < 20; i++)
        m_pPlayfield->m_pBricks->UpdateAndReap();
    EXPECT_EQ(Destructions().size(), 2u);
    std::vector<CBrickBase*> bricks = Bricks();
    ASSERT_EQ(bricks.size(), 2u);
    for (CBrickBase* brick : bricks)
        EXPECT_FALSE(brick->IsKindOf(CBrickSplitN::SGetClassInfo()));
}

TEST_F(SplitterBrickTest, AnExplosionSplitsItToo)
{
    CBrickSplitN* splitter = Splitter("Splitter");
    EXPECT_TRUE(splitter->DestroyByExplosion(1.0f, 0.0f));
    EXPECT_EQ(Children().size(), 1u);
}

TEST_F(SplitterBrickTest, TheChildrenAreWrittenAndReadWithTheStyleSheet)
{
    const CBrickStyleSheet* original =
        GetBrickStyleSheetLibrary().GetItemObject(static_cast<uint32_t>(StyleIndex("Splitter Sequence")));
    std::unique_ptr<CObject> read = ObjectFromText(ObjectText(const_cast<CBrickStyleSheet*>(original)));
    ASSERT_NE(read, nullptr);
    const auto& copy = static_cast<const CBrickStyleSheetSplitN&>(*read);
    ASSERT_EQ(copy.m_ChildCount, 2u);
    ASSERT_NE(copy.m_pChildren[1]->m_pChildBrick, nullptr);
    EXPECT_EQ(copy.m_pChildren[1]->m_pChildBrick->m_StartPosition.x, 20.0f);
    EXPECT_EQ(copy.m_pChildren[1]->m_pChildBrick->m_StyleSheet, StyleIndex("Optional"));
    EXPECT_NE(copy.m_SplittingSeq, 0);
}

TEST_F(SplitterBrickTest, LargeAndNarrowKindsHaveShapesOfTheirOwn)
{
    struct Case
    {
        const char* styleSheetClass;
        float collisionX, collisionY, gridX, gridY;
    };
    for (const Case& c : {Case{"CBrickStyleSheetSplitN", 39.5f, 22.0f, 40.0f, 40.0f},
                          Case{"CBrickStyleSheetSpeedChange", 10.875f, 11.0f, 11.0f, 20.0f}})
    {
        SCOPED_TRACE(c.styleSheetClass);
        std::unique_ptr<CObject> made(GetClassRegistry().CreateByName(c.styleSheetClass));
        const auto& styleSheet = static_cast<const CBrickStyleSheet&>(*made);
        ASSERT_EQ(styleSheet.m_CollisionPoly.GetCount(), 5u);
        EXPECT_EQ(styleSheet.m_CollisionPoly.GetPoint(0).x, -c.collisionX);
        EXPECT_EQ(styleSheet.m_CollisionPoly.GetPoint(0).y, -c.collisionY);
        EXPECT_EQ(styleSheet.m_CollisionPoly.GetPoint(1).x, c.collisionX);
        EXPECT_EQ(styleSheet.m_CollisionPoly.GetPoint(2).y, c.collisionY);
        EXPECT_EQ(styleSheet.m_GridPolygon.GetPoint(0).x, -c.gridX);
        EXPECT_EQ(styleSheet.m_GridPolygon.GetPoint(2).x, c.gridX);
        EXPECT_EQ(styleSheet.m_GridPolygon.GetPoint(2).y, c.gridY);
        // Those are the class's defaults: a style sheet holding them holds
        // nothing of its own.
        for (const char* shape : {"Collision Poly", "Grid Polygon"})
            EXPECT_TRUE(made->GetClassInfo()->FindProperty(shape)->IsDefault(made.get())) << shape;
    }
    // The common kinds keep theirs.
    CBrickStyleSheetNormal normal;
    EXPECT_EQ(normal.m_CollisionPoly.GetPoint(0).x, -19.75f);
}

TEST_F(SplitterBrickTest, EachKindHasItsNameItsStyleAndAnAnimatedPreview)
{
    struct Case
    {
        const char* kind;
        const char* style;
        const char* name;
        bool required;
        bool shownBeforeLaying;
    };
    for (const Case& c : {Case{"CBrickPowerup", "Power-Up", "Power-Up", true, false},
                          Case{"CBrickSplitN", "Splitter", "Splitter", true, false},
                          Case{"CBrickSpeedChange", "Speed Changer", "Speed Changer", false, true}})
    {
        SCOPED_TRACE(c.kind);
        CBrickBase* brick = AddBrick(c.kind, c.style, {200.0f, 200.0f});
        EXPECT_STREQ(brick->GetTypeDisplayName().GetText(), c.name);
        EXPECT_EQ(brick->MustBeDestroyedToFinish(), c.required);
        EXPECT_EQ(brick->AppearsWithoutBrickLayer(), c.shownBeforeLaying);
        EXPECT_TRUE(brick->IsStyleSheetCompatible(brick->GetStyleSheet()));
        EXPECT_STREQ(brick->GetStyleSheet()->GetBrickClass()->GetClassName(), c.kind);
        brick->GetSprite()->Kill();

        CBrickStyleSheetLibrary& library = GetBrickStyleSheetLibrary();
        std::unique_ptr<CResourceRef> preview(library.GetReferenceFactory()(&library, StyleIndex(c.style)));
        CFrame target;
        target.Create(80, 60, 16);
        preview->Draw(&target, CPoint{40, 30});
        const uint32_t first = target.GetPixelValue(40, 30);
        EXPECT_NE(first, 0u);
        for (int32_t i = 0; i < 4; i++)
            preview->Update(1.0f / 60.0f);
        preview->Draw(&target, CPoint{40, 30});
        EXPECT_NE(target.GetPixelValue(40, 30), first);
    }
}

} // namespace
