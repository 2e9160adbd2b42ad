#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "game/playfield/animate_sprite_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_window.h"
#include "tests/support/recording_frame.h"
#include "tests/support/sprite_fixtures.h"

namespace {

// Counts the deletions of its sprite.
class CCountedSprite : public CGameSprite
{
public:
    explicit CCountedSprite(int* deletions)
        : m_pDeletions(deletions)
    {
    }
    ~CCountedSprite() override { ++*m_pDeletions; }

private:
    int* m_pDeletions;
};

class SpriteWindowTest : public testing::Test
{
protected:
    SpriteWindowTest()
        : m_Wide(MakeSolidSequence(4, 32, 18, 40))
        , m_Small(MakeSolidSequence(1, 10, 6, 50))
    {
    }

    std::unique_ptr<CSequence> m_Wide;
    std::unique_ptr<CSequence> m_Small;
};

TEST_F(SpriteWindowTest, PlacesTheImageOnTheOriginAndSizesTheWindowToIt)
{
    CGameSprite* sprite = new CGameSprite;
    sprite->AddPart(m_Wide.get());
    SpriteWindow* window = new SpriteWindow(nullptr, sprite);
    EXPECT_EQ(window->GetText().Compare("~SpriteWindow"), 0);
    EXPECT_EQ(sprite->m_Position.x, 16.0f);
    EXPECT_EQ(sprite->m_Position.y, 9.0f);
    EXPECT_EQ(sprite->m_DrawnPosition.x, 16);
    EXPECT_EQ(sprite->m_DrawnPosition.y, 9);
    EXPECT_EQ(window->GetRect().right - window->GetRect().left, 32);
    EXPECT_EQ(window->GetRect().bottom - window->GetRect().top, 18);

    CRecordingFrame target;
    window->Draw(target);
    ASSERT_EQ(target.calls.size(), 1u);
    EXPECT_EQ(target.calls[0].x0, 0.0f);
    EXPECT_EQ(target.calls[0].y0, 0.0f);
    window->Destroy();
}

TEST_F(SpriteWindowTest, ReplacingTheSpriteDeletesTheOldAndNullKeepsTheSize)
{
    int deletions = 0;
    CCountedSprite* first = new CCountedSprite(&deletions);
    first->AddPart(m_Wide.get());
    SpriteWindow* window = new SpriteWindow(nullptr, first);
    CCountedSprite* second = new CCountedSprite(&deletions);
    second->AddPart(m_Small.get());
    window->SetSprite(second);
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(window->GetRect().right - window->GetRect().left, 10);
    EXPECT_EQ(window->GetRect().bottom - window->GetRect().top, 6);
    EXPECT_EQ(second->m_Position.x, 5.0f);

    window->SetSprite(nullptr);
    EXPECT_EQ(deletions, 2);
    EXPECT_EQ(window->GetRect().right - window->GetRect().left, 10);
    CRecordingFrame target;
    window->Update(1.0f / 60.0f);
    window->Draw(target);
    EXPECT_TRUE(target.calls.empty());

    window->SetSprite(new CCountedSprite(&deletions));
    window->Destroy();
    EXPECT_EQ(deletions, 3);
}

TEST_F(SpriteWindowTest, TheBehaviourRunsInTheWindowsUpdate)
{
    CSprite* sprite = new CSprite;
    sprite->SetSequence(m_Wide.get());
    sprite->AddAI(new CAnimateSpriteAI(1.0f));
    sprite->m_Flags |= SPRITE_NO_INTEGRATION;
    SpriteWindow* window = new SpriteWindow(nullptr, sprite);
    CJWindow* child = new CJWindow(window);
    window->AddChild(child);
    for (int32_t frame = 1; frame <= 3; frame++)
    {
        window->Update(1.0f / 60.0f);
        EXPECT_EQ(sprite->m_FrameIndex, frame);
    }
    CRecordingFrame target;
    window->Draw(target);
    ASSERT_EQ(target.calls.size(), 1u);
    EXPECT_EQ(target.calls[0].source, m_Wide->GetFrame(3));
    window->Destroy();
}

} // namespace
