#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "engine/graphics/sequence_list.h"
#include "game/bricks/brick_layer_arm.h"
#include "game/bricks/brick_layer_arms.h"
#include "game/bricks/brick_layer_plotter.h"
#include "tests/support/brick_layer_field.h"
#include "tests/support/recording_frame.h"

namespace {

constexpr int32_t kEnoughSteps = 20000;

class BrickLayerArmsTest : public BrickLayerField
{
protected:
    // An arm over the fixture's arm sequence serving x from left to right.
    CBrickLayerArm* NewArm(int32_t left, int32_t right, float initialPercent = 0.0f)
    {
        CBrickLayerArm* arm = new CBrickLayerArm;
        arm->m_Gear = GetSequenceList().IndexOfObject(m_pGear);
        arm->m_Arm = GetSequenceList().IndexOfObject(m_pArm);
        arm->m_LeftBounds = left;
        arm->m_RightBounds = right;
        arm->m_InitialPosition = initialPercent;
        return arm;
    }

    // Updates until the machine has begun play; false when it never does.
    static bool LayToTheEnd(CBrickLayer& layer)
    {
        for (int32_t step = 0; step < kEnoughSteps; step++)
        {
            layer.Update();
            if (!layer.IsLaying())
                return true;
        }
        return false;
    }
};

TEST_F(BrickLayerArmsTest, AMachineWithoutArmsBeginsPlayAtItsFirstUpdate)
{
    AddLevelBrick(*m_pLevel, {200.0f, 200.0f});
    CBrickLayerArms arms;
    arms.Start(m_pLevel.get());
    EXPECT_EQ(ShownBricks(), 0);
    arms.Update();
    EXPECT_EQ(BeginPlays(), 1);
    EXPECT_EQ(ShownBricks(), 1);
    arms.Update();
    EXPECT_EQ(BeginPlays(), 1);
}

TEST_F(BrickLayerArmsTest, PosesFollowTheHoldingPointsOfTheHalfThatSuitsTheHeight)
{
    CBrickLayerArm* arm = NewArm(0, 640);
    // The points are relative to the arm's height, which starts at its
    // off-screen height.
    arm->m_OffScreenY = 0;
    CBrickLayerArms arms;
    arms.AppendArm(arm);
    arms.Start(m_pLevel.get());
    ASSERT_FLOAT_EQ(arm->GetHeight(), 0.0f);
    // Above 150 only the upper poses reach, below 450 only the lower ones;
    // between, the half holding nearer in height wins.
    const struct
    {
        Vector2 point;
        int32_t pose;
    } cases[] = {{{290.0f, 100.0f}, 1}, {{110.0f, 400.0f}, 2}, {{110.0f, 500.0f}, 2}, {{110.0f, 140.0f}, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(arm->FrameForPoint(c.point), c.pose) << c.point.x << ", " << c.point.y;
}

TEST_F(BrickLayerArmsTest, AnArmLaysTheBricksOfItsBandWithOneBurstAndOneSoundEach)
{
    AddLevelBrick(*m_pLevel, {110.0f, 300.0f});
    AddLevelBrick(*m_pLevel, {290.0f, 500.0f});
    AddLevelBrick(*m_pLevel, {500.0f, 300.0f});
    // A gear that does not turn shows its first frame.
    m_pGear->SetFramesPerSecond(0.0f);
    CBrickLayerArms arms;
    arms.AppendArm(NewArm(0, 400));
    arms.Start(m_pLevel.get());
    const int32_t effectsBefore = m_pPlayfield->m_pFrontEffects->Count();
    int32_t shownBeforeTheEnd = 0;
    for (int32_t step = 0; step < kEnoughSteps && arms.IsLaying(); step++)
    {
        arms.Update();
        CRecordingFrame frame;
        arms.Draw(&frame);
        if (!arms.IsLaying())
            break;
        shownBeforeTheEnd = ShownBricks();
        ASSERT_EQ(frame.calls.size(), 2u);
        ASSERT_EQ(frame.calls[0].source, m_pGear->GetFrame(0));
    }
    EXPECT_FALSE(arms.IsLaying());
    EXPECT_EQ(shownBeforeTheEnd, 2);
    EXPECT_EQ(BricksPlaced(), 2);
    EXPECT_EQ(m_pPlayfield->m_pFrontEffects->Count() - effectsBefore, 2 * 3);
    arms.Update();
    EXPECT_EQ(ShownBricks(), 3);
    EXPECT_EQ(BeginPlays(), 1);
}

TEST_F(BrickLayerArmsTest, AnArmWithNoBandLaysNothingAndItsBricksShowAtTheEnd)
{
    AddLevelBrick(*m_pLevel, {110.0f, 300.0f});
    CBrickLayerArms arms;
    arms.AppendArm(NewArm(0, 0));
    arms.Start(m_pLevel.get());
    ASSERT_TRUE(LayToTheEnd(arms));
    EXPECT_EQ(BricksPlaced(), 0);
    EXPECT_EQ(ShownBricks(), 1);
    EXPECT_EQ(BeginPlays(), 1);
}

TEST_F(BrickLayerArmsTest, AnArmRetractsToTheEndOfItsPosesItIsNearer)
{
    const struct
    {
        float initialPercent;
        float endPose;
    } cases[] = {{100.0f, 3.0f}, {60.0f, 0.0f}, {0.0f, 0.0f}};
    for (const auto& c : cases)
    {
        CBrickLayerArm* arm = NewArm(0, 0, c.initialPercent);
        CBrickLayerArms arms;
        arms.AppendArm(arm);
        arms.Start(m_pLevel.get());
        ASSERT_TRUE(LayToTheEnd(arms));
        // It stops within a tenth of a pose of the end.
        EXPECT_NEAR(arm->GetPose(), c.endPose, 0.1f) << c.initialPercent;
    }
}

TEST_F(BrickLayerArmsTest, AnArmWithoutPosesIsIdle)
{
    AddLevelBrick(*m_pLevel, {110.0f, 300.0f});
    m_pArm->ClearFrames();
    CBrickLayerArm* arm = NewArm(0, 640, 50.0f);
    CBrickLayerArms arms;
    arms.AppendArm(arm);
    arms.Start(m_pLevel.get());
    EXPECT_FALSE(arm->IsLaying());
    arms.Update();
    EXPECT_EQ(ShownBricks(), 1);
    EXPECT_EQ(BeginPlays(), 1);
}

// However the laying ends, play begins once for the round.
TEST_F(BrickLayerArmsTest, PlayBeginsExactlyOncePerRound)
{
    AddLevelBrick(*m_pLevel, {110.0f, 300.0f});
    AddLevelBrick(*m_pLevel, {290.0f, 500.0f});
    const auto plotter = [] { return std::make_unique<CBrickLayerVorpanPloter>(); };
    const auto armsMachine = [this](bool withArm) {
        auto arms = std::make_unique<CBrickLayerArms>();
        if (withArm)
            arms->AppendArm(NewArm(0, 640));
        return arms;
    };
    const struct
    {
        const char* name;
        std::function<std::unique_ptr<CBrickLayer>()> make;
        std::function<void(CBrickLayer&)> run;
    } cases[] =
        {
            {"full plotter run", plotter, [](CBrickLayer& layer) { LayToTheEnd(layer); }},
            {"finish while placing", plotter,
             [](CBrickLayer& layer) {
        auto& machine = static_cast<CBrickLayerVorpanPloter&>(layer);
        while (machine.GetState() != LAYING_PLACING)
            machine.Update();
        machine.FinishNow();
             }},
            {"finish after done", plotter,
             [](CBrickLayer& layer) {
        LayToTheEnd(layer);
        layer.FinishNow();
             }},
      {"arms without arms", [&] { return armsMachine(false); }, [](CBrickLayer& layer) { LayToTheEnd(layer); }},
      {"arms laying", [&] { return armsMachine(true); }, [](CBrickLayer& layer) { LayToTheEnd(layer); }},
      {"Space while laying", plotter,
       [this](CBrickLayer& layer) {
        layer.Update();
        EXPECT_TRUE(m_pPlayfield->HandleKey(' '));
        EXPECT_EQ(ShownBricks(), 2);
       }},
        {"background without score board", plotter,
         [this](CBrickLayer&) {
        m_pPlayfield->SetBackground(&m_NoScoreBoard);
        Step();
         }},
        };
    for (const auto& c : cases)
    {
        const int32_t served = BeginPlays();
        m_pBox->Clear();
        std::unique_ptr<CBrickLayer> layer = c.make();
        UseLayer(layer.get());
        layer->Start(m_pLevel.get());
        c.run(*layer);
        EXPECT_FALSE(layer->IsLaying()) << c.name;
        EXPECT_EQ(ShownBricks(), 2) << c.name;
        // Beginning play names the round in the text box, and in a round
        // with a score board serves a ball.
        EXPECT_FALSE(BoxLines().empty()) << c.name;
        EXPECT_EQ(BeginPlays() - served, m_pPlayfield->IsNonGameRound() ? 0 : 1) << c.name;
        m_pBox->Clear();
        for (int32_t step = 0; step < 3; step++)
            layer->Update();
        layer->FinishNow();
        EXPECT_TRUE(BoxLines().empty()) << c.name;
        m_pPlayfield->SetBackground(nullptr);
        UseLayer(nullptr);
    }
}

} // namespace
