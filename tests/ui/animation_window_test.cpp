#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/ui/animation_window.h"
#include "tests/support/recording_frame.h"
#include "tests/support/sequence_fixtures.h"
#include "tests/support/window_test_tree.h"

// Animation windows over sequences built in memory: frames 6 x 4 drawn one
// pixel right and two down of their hot spots, so every sequence's bounds
// run from (1, 2) to (7, 6).

namespace {
CSequence* MakeSequence(uint32_t frames, float fps)
{
    CSequence* sequence = new CSequence;
    sequence->SetFramesPerSecond(fps);
    for (uint32_t i = 0; i < frames; ++i)
        sequence->AddFrame(MakeTestFrame(6, 4, 1, 2), false, false);
    sequence->ComputeBounds();
    return sequence;
}

// The source frames the window blits when drawn once.
std::vector<const CFrameInterface*> DrawnFrames(CJAnimationWindow& window)
{
    CRecordingFrame frame;
    frame.bounds = CRect{0, 0, 100, 100};
    window.Draw(frame);
    std::vector<const CFrameInterface*> drawn;
    for (const CRecordingFrame::Call& call : frame.calls)
        drawn.push_back(call.source);
    return drawn;
}

class AnimationWindowTest : public testing::Test
{
protected:
    void TearDown() override
    {
        for (CSequence* sequence : m_Sequences)
            delete sequence;
    }

    CJAnimationWindow* MakeWindow(uint32_t frames, float fps)
    {
        m_Sequences.push_back(MakeSequence(frames, fps));
        CJAnimationWindow* window = new CJAnimationWindow(&m_Tree.Root(), m_Sequences.back(), "animation");
        m_Tree.Root().AddChild(window);
        return window;
    }

    CWindowTestTree m_Tree;
    std::vector<CSequence*> m_Sequences;
};
} // namespace

TEST_F(AnimationWindowTest, UpdatesWrapThePositionIntoTheFramesInOneStep)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case
    {
        const char* what;
        uint32_t frames;
        float fps;
        std::vector<float> steps;
        uint32_t shown;
    };
    const Case cases[] = {
        {"a third of the loop", 10, 20.0f, {1.0f / 6.0f}, 3},
        {"0.475 s rounds up to the next loop", 10, 20.0f, {0.475f}, 0},
        {"half a second", 10, 20.0f, {0.5f}, 0},
        {"half a second in frames of the game", 10, 20.0f, std::vector<float>(30, 1.0f / 60.0f), 0},
        {"a long step in one update", 10, 20.0f, {100.26f}, 5},
        // 2^30 s at 20 frames a second: a loop less is the same float.
        {"a step too large to subtract a loop from", 10, 20.0f, {1073741824.0f}, 0},
        {"a step past the largest float", 10, 20.0f, {1e38f}, 0},
        {"a negative rate runs backwards", 10, -20.0f, {0.1f}, 8},
        {"a rate that is not a number", 10, nan, {0.1f, 0.2f}, 0},
        {"no frames", 0, 20.0f, {0.3f}, 0},
    };
    for (const Case& c : cases)
    {
        CJAnimationWindow* window = MakeWindow(c.frames, c.fps);
        for (float step : c.steps)
            window->Update(step);
        EXPECT_EQ(window->GetShownFrame(), c.shown) << c.what;
        EXPECT_TRUE(std::isfinite(window->GetPosition())) << c.what;
        EXPECT_GE(std::floor(window->GetPosition() + 0.5f), 0.0f) << c.what;
        const std::vector<const CFrameInterface*> drawn = DrawnFrames(*window);
        if (c.frames == 0)
            EXPECT_TRUE(drawn.empty()) << c.what;
        else
            EXPECT_EQ(drawn, (std::vector<const CFrameInterface*>{m_Sequences.back()->GetFrame(c.shown)})) << c.what;
    }
}

TEST_F(AnimationWindowTest, TheWindowIsAsLargeAsTheSequenceReachesRightAndDown)
{
    CJAnimationWindow* window = MakeWindow(3, 10.0f);
    CRect bounds{0, 0, 0, 0};
    m_Sequences.back()->GetBounds(bounds);
    EXPECT_EQ(RectText(bounds), RectText(CRect{1, 2, 7, 6}));
    EXPECT_EQ(window->GetWidth(), 7);
    EXPECT_EQ(window->GetHeight(), 6);
    EXPECT_FALSE(window->IsEnabled());
}

TEST_F(AnimationWindowTest, TheTooltipShowsOnHoverWhileClicksGoToTheWindowBehind)
{
    CProbeWindow* behind = m_Tree.AddProbe(&m_Tree.Root(), "behind", CRect{0, 0, 100, 100});
    CJAnimationWindow* window = new CJAnimationWindow(behind, m_Sequences.emplace_back(MakeSequence(4, 10.0f)), "a");
    behind->AddChild(window);
    window->MoveTo(10, 10);
    behind->SetHoverWithChildren(true);

    m_Tree.MoveMouse(12, 12);
    EXPECT_TRUE(m_Tree.Root().GetTooltipText().IsEmpty());
    EXPECT_EQ(std::count(m_Tree.Log().begin(), m_Tree.Log().end(), "behind.OnHover(12,12)"), 2);

    window->SetTooltipText(CString("Spinning ring"));
    m_Tree.MoveMouse(13, 12);
    EXPECT_STREQ(m_Tree.Root().GetTooltipText().GetText(), "Spinning ring");

    m_Tree.ClearLog();
    m_Tree.Press(0, 13, 12);
    EXPECT_EQ(std::count(m_Tree.Log().begin(), m_Tree.Log().end(), "behind.MouseDown(0)"), 1);
}
