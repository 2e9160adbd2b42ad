#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/blit/blit_transparent_mask.h"
#include "engine/graphics/sequence.h"
#include "game/bricks/brick_layer_plotter.h"
#include "tests/support/brick_layer_field.h"
#include "tests/support/recording_frame.h"

namespace {

constexpr int32_t kEnoughSteps = 20000;

class BrickLayerPlotterTest : public BrickLayerField
{
protected:
    // Updates until play begins; the number of updates, or -1.
    int32_t LayToTheEnd(CBrickLayerVorpanPloter& plotter)
    {
        for (int32_t step = 1; step <= kEnoughSteps; step++)
        {
            plotter.Update();
            if (!plotter.IsLaying())
                return step;
        }
        return -1;
    }

    // A grid of bricks, rows of ten.
    void AddGrid(int32_t count)
    {
        for (int32_t i = 0; i < count; i++)
        {
            const Vector2 at{60.0f + 50.0f * static_cast<float>(i % 10), 60.0f + 30.0f * static_cast<float>(i / 10)};
            AddLevelBrick(*m_pLevel, at);
        }
    }
};

TEST_F(BrickLayerPlotterTest, BricksThatNeedNoMachineSendItStraightOutAndPlayBeginsOnArrival)
{
    AddLevelBrick(*m_pLevel, {200.0f, 200.0f}, false);
    CBrickLayerVorpanPloter plotter;
    plotter.Start(m_pLevel.get());
    EXPECT_FLOAT_EQ(plotter.GetSpeed(), 2.0f);
    // 120 pixels up at 2.5 a step, then the step that finds it there.
    for (int32_t step = 0; step < 48; step++)
        plotter.Update();
    EXPECT_FLOAT_EQ(plotter.GetCarriagePosition().x, 34.0f);
    EXPECT_FLOAT_EQ(plotter.GetCarriagePosition().y, 500.0f);
    EXPECT_EQ(BeginPlays(), 0);
    plotter.Update();
    EXPECT_FALSE(plotter.IsLaying());
    EXPECT_EQ(BeginPlays(), 1);
    EXPECT_EQ(BricksPlaced(), 0);
}

TEST_F(BrickLayerPlotterTest, TheFirstTargetIsNearestTheMiddleCountingHeightMore)
{
    AddLevelBrick(*m_pLevel, {100.0f, 100.0f});
    AddLevelBrick(*m_pLevel, {500.0f, 390.0f});
    CBrickLayerVorpanPloter plotter;
    plotter.Start(m_pLevel.get());
    EXPECT_EQ(CBrickLayerVorpanPloter::FindNearestHiddenBrick({318.0f, 400.0f}),
              m_pPlayfield->m_pBricks->GetHead()->GetNext());
    plotter.Update();
    EXPECT_FLOAT_EQ(plotter.GetCarriagePosition().x, 37.333333f);
    EXPECT_FLOAT_EQ(plotter.GetCarriagePosition().y, 617.5f);
    EXPECT_EQ(ShownBricks(), 0);
}

TEST_F(BrickLayerPlotterTest, AFullLayingRampsItsSpeedClimbsSlowlyAndPlacesEachBrickOnce)
{
    AddGrid(30);
    CBrickLayerVorpanPloter plotter;
    plotter.Start(m_pLevel.get());
    float speed = plotter.GetSpeed();
    float highest = speed;
    while (plotter.IsLaying())
    {
        const uint32_t placed = plotter.GetPlacedCount();
        const float y = plotter.GetCarriagePosition().y;
        plotter.Update();
        ASSERT_LE(std::fabs(plotter.GetCarriagePosition().y - y), 2.5f);
        float expected = speed;
        if (placed >= 2 && expected < 7.0f)
            expected += 0.05f;
        if (placed >= 20 && expected < 11.0f)
            expected += 0.01f;
        // The last brick placed, the machine leaves at a speed of its own.
        if (plotter.GetPlacedCount() < 30)
        {
            ASSERT_FLOAT_EQ(plotter.GetSpeed(), expected) << "after brick " << placed;
        }
        speed = plotter.GetSpeed();
        highest = std::max(highest, speed);
    }
    // Past 7 only by the second ramp.
    EXPECT_GT(highest, 7.05f);
    EXPECT_EQ(BricksPlaced(), 30);
    EXPECT_EQ(ShownBricks(), 30);
    EXPECT_EQ(BeginPlays(), 1);
}

TEST_F(BrickLayerPlotterTest, GearsBarAndCarriageAreDrawnInThatOrder)
{
    AddLevelBrick(*m_pLevel, {500.0f, 390.0f});
    CBrickLayerVorpanPloter plotter;
    CRecordingFrame idle;
    plotter.Draw(&idle);
    EXPECT_TRUE(idle.calls.empty());
    plotter.Start(m_pLevel.get());
    plotter.Update();
    CRecordingFrame frame;
    plotter.Draw(&frame);
    ASSERT_EQ(frame.calls.size(), 4u);
    // At height 617.5 the gears at 8 a second show 1 - 1.5 / 8 of their turn.
    const CFrameInterface* expected[] = {m_pLeftGears->GetFrame(3), m_pRightGears->GetFrame(3), m_pBar->GetFrame(0),
                                         m_pCarriage->GetFrame(0)};
    for (size_t i = 0; i < 4; i++)
    {
        EXPECT_EQ(frame.calls[i].source, expected[i]) << i;
        EXPECT_EQ(frame.calls[i].blitType, &GetBlitTransparentMask());
        EXPECT_EQ(frame.calls[i].y0, frame.calls[0].y0);
    }
    EXPECT_EQ(frame.calls[3].x0 - frame.calls[0].x0, 37.0f - 320.0f);
}

TEST_F(BrickLayerPlotterTest, ACarriageWithoutFramesAndStillGearsLayAndDraw)
{
    m_pCarriage->ClearFrames();
    m_pLeftGears->SetFramesPerSecond(0.0f);
    AddGrid(3);
    CBrickLayerVorpanPloter plotter;
    plotter.Start(m_pLevel.get());
    CRecordingFrame frame;
    int32_t steps = 0;
    while (plotter.IsLaying() && steps++ < kEnoughSteps)
    {
        plotter.Update();
        plotter.Draw(&frame);
    }
    EXPECT_FALSE(plotter.IsLaying());
    EXPECT_EQ(BricksPlaced(), 3);
    for (const CRecordingFrame::Call& call : frame.calls)
    {
        if (call.source == m_pLeftGears->GetFrame(0) || call.source == m_pRightGears->GetFrame(0))
            continue;
        EXPECT_EQ(call.source, m_pBar->GetFrame(0));
    }
}

TEST_F(BrickLayerPlotterTest, ABrickListEmptiedWhileLayingSendsTheMachineOut)
{
    AddGrid(3);
    for (ELayingState emptiedWhile : {LAYING_MOVING, LAYING_PLACING})
    {
        const int32_t begun = BeginPlays();
        CBrickLayerVorpanPloter plotter;
        plotter.Start(m_pLevel.get());
        plotter.Update();
        for (int32_t step = 0; step < kEnoughSteps && plotter.GetState() != emptiedWhile; step++)
            plotter.Update();
        ASSERT_EQ(plotter.GetState(), emptiedWhile);
        m_pPlayfield->m_pBricks->DeleteAll();
        EXPECT_GT(LayToTheEnd(plotter), 0);
        EXPECT_FLOAT_EQ(plotter.GetCarriagePosition().x, 34.0f);
        EXPECT_FLOAT_EQ(plotter.GetCarriagePosition().y, 500.0f);
        EXPECT_EQ(BricksPlaced(), 0);
        EXPECT_EQ(BeginPlays(), begun + 1);
    }
}

} // namespace
