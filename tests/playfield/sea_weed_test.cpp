#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/app/game_base.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/platform/tick_counter.h"
#include "game/playfield/constraint_system.h"
#include "game/playfield/point_mass_forces.h"
#include "game/playfield/sea_weed.h"
#include "game/playfield/sea_weed_ai.h"
#include "tests/support/object_forms.h"
#include "tests/support/recording_frame.h"
#include "tests/support/sprite_fixtures.h"

namespace {

// A seaweed read from object text with the lines given, as a background
// file gives it.
std::unique_ptr<CSeaWeed> LoadSeaWeed(const std::string& lines)
{
    std::unique_ptr<CObject> object = ObjectFromText("CSeaWeed\r\n{\r\n" + lines + "}\r\n");
    EXPECT_NE(object, nullptr);
    return std::unique_ptr<CSeaWeed>(static_cast<CSeaWeed*>(object.release()));
}

class SeaWeedTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CosmeticRandom().SeedFromTick(43);
        // Entry 0 of the list, which every index 0 reads: eight pictures.
        m_pWeed = m_Sequences.Add("Weed", MakeSolidSequence(8, 2, 2, 1));
    }

    // The frame index of each blit, in order.
    std::vector<int32_t> DrawnFrames(const CRecordingFrame& frame) const
    {
        std::vector<int32_t> frames;
        for (const auto& call : frame.calls)
        {
            if (call.kind != CRecordingFrame::BLIT)
                continue;
            for (uint32_t i = 0; i < m_pWeed->GetFrameCount(); i++)
                if (call.source == m_pWeed->GetFrame(i))
                    frames.push_back(static_cast<int32_t>(i));
        }
        return frames;
    }

    ListedSequences m_Sequences;
    CSequence* m_pWeed = nullptr;
};

TEST_F(SeaWeedTest, LoadedDefaultsStandSixPointsTenPixelsApartStraightUp)
{
    std::unique_ptr<CSeaWeed> weed = LoadSeaWeed("\tPosition=100,400\r\n");
    const CPointMassArray& points = weed->GetSystem().GetPoints();
    ASSERT_EQ(points.GetCount(), 6u);
    EXPECT_EQ(weed->GetSystem().GetConstraintCount(), 5u);
    for (uint32_t i = 0; i < points.GetCount(); i++)
    {
        EXPECT_EQ(points[i].x, 100.0f) << i;
        EXPECT_EQ(points[i].y, 400.0f - 10.0f * static_cast<float>(i)) << i;
        EXPECT_EQ(points[i].inverseMass, i == 0 ? 0.0f : 1.0f) << i;
    }
}

TEST_F(SeaWeedTest, WithoutTideOrCurrentItStaysUprightForSixHundredSteps)
{
    std::unique_ptr<CSeaWeed> weed =
        LoadSeaWeed("\tPosition=100,400\r\n\tTide Strength=0\r\n\tRandom Current Strength=0\r\n");
    for (int32_t step = 0; step < 600; step++)
        weed->Update(CBackgroundSimulationAI::kSimulationStep);
    const CPointMassArray& points = weed->GetSystem().GetPoints();
    for (uint32_t i = 0; i < points.GetCount(); i++)
    {
        EXPECT_NEAR(points[i].x, 100.0f, 0.001f) << i;
        EXPECT_LT(points[i].y, i == 0 ? 400.5f : 400.0f) << i;
    }
    EXPECT_LT(points[5].y, points[4].y);
}

// Sinking weed is built downward and hangs, but its pictures keep their
// fixed heights above the anchor: only their choice follows the angle.
TEST_F(SeaWeedTest, WithoutBuoyancyTheChainHangsWhileItsPicturesStandUpward)
{
    std::unique_ptr<CSeaWeed> weed = LoadSeaWeed("\tPosition=50,100\r\n\tBuoyancy=0\r\n\tNum Pieces=3\r\n");
    const CPointMassArray& points = weed->GetSystem().GetPoints();
    ASSERT_EQ(points.GetCount(), 3u);
    EXPECT_EQ(points[2].y, 120.0f);
    CRecordingFrame frame;
    weed->Draw(&frame, false);
    // Straight down is a quarter turn: picture 2 of 8.
    EXPECT_EQ(DrawnFrames(frame), (std::vector<int32_t>{2, 2}));
    ASSERT_EQ(frame.calls.size(), 2u);
    // The 2 x 2 pictures are centred on their hot spots.
    EXPECT_EQ(frame.calls[0].y0, 99.0f);
    EXPECT_EQ(frame.calls[1].y0, 89.0f);
}

TEST_F(SeaWeedTest, PictureIndicesFollowTheAngleSpanAndEqualAnglesShowTheFirst)
{
    const struct
    {
        float start;
        float end;
        float angle;
        int32_t index;
    } cases[] = {
        {0.0f, kTwoPi, 0.0f, 0},           {0.0f, kTwoPi, kPi, 4},
        {0.0f, kTwoPi, kTwoPi, 0},         {kPi, kPi, 1.0f, 0},
        {1.0f, 2.0f, 6.0f, 7},             {2.0f, 3.0f, 0.5f, 0},
        {0.0f, 1e-38f, 6.0f, 0},           {1.0f, 1.0f + 1e-7f, 6.0f, 7},
    };
    CSeaWeed weed;
    for (const auto& c : cases)
    {
        weed.m_SequenceStartingAngle = c.start;
        weed.m_SequenceEndingAngle = c.end;
        EXPECT_EQ(weed.GetFrameIndexForAngle(c.angle, 8), c.index) << c.start << " " << c.end << " " << c.angle;
    }
}

TEST_F(SeaWeedTest, EqualAnglesDrawTheFirstPictureOnEveryPiece)
{
    std::unique_ptr<CSeaWeed> weed = LoadSeaWeed(
        "\tPosition=10,300\r\n\tSequence Starting Angle=90\r\n\tSequence Ending Angle=90\r\n");
    CRecordingFrame frame;
    weed->Draw(&frame, false);
    EXPECT_EQ(DrawnFrames(frame), (std::vector<int32_t>(5, 0)));
}

TEST_F(SeaWeedTest, OnePieceOrNoPictureDrawsNothing)
{
    CRecordingFrame frame;
    LoadSeaWeed("\tNum Pieces=1\r\n")->Draw(&frame, false);
    LoadSeaWeed("\tNum Pieces=0\r\n")->Draw(&frame, false);
    m_Sequences.Add("Empty", MakeSolidSequence(0, 2, 2, 1));
    const int32_t empty = GetSequenceList().Find("Empty", -1);
    LoadSeaWeed("\tSequence=Empty\r\n")->Draw(&frame, false);
    EXPECT_GT(empty, 0);
    EXPECT_TRUE(frame.calls.empty());
}

// A count from a file or the editor is held to what spans the screen.
TEST_F(SeaWeedTest, HugePieceCountsAreHeldToSixHundred)
{
    std::unique_ptr<CSeaWeed> weed = LoadSeaWeed("\tNum Pieces=4000000000\r\n\tLength=1\r\n");
    EXPECT_EQ(weed->m_NumPieces, CSeaWeed::kMaxPieces);
    EXPECT_EQ(weed->GetSystem().GetPoints().GetCount(), CSeaWeed::kMaxPieces);
}

TEST_F(SeaWeedTest, AngleGuidesOnlyForARestrictedSpan)
{
    const struct
    {
        const char* lines;
        size_t lines_drawn;
    } cases[] = {{"", 0}, {"\tSequence Starting Angle=10\r\n", 2}, {"\tSequence Ending Angle=3\r\n", 2}};
    for (const auto& c : cases)
    {
        std::unique_ptr<CSeaWeed> weed = LoadSeaWeed(std::string("\tNum Pieces=1\r\n") + c.lines);
        CRecordingFrame frame;
        weed->Draw(&frame, true);
        EXPECT_EQ(frame.calls.size(), c.lines_drawn) << c.lines;
        for (const auto& call : frame.calls)
            EXPECT_NEAR(std::hypot(call.x1 - call.x0, call.y1 - call.y0), 30.0f, 0.5f);
    }
}

// The game object's clock without the engine start-up.
class CTideClockGame : public CGameBase
{
};

// The tide is a cosine of the game's simulated time over its period; a
// frequency of 0 gives a constant push of its full strength.
TEST_F(SeaWeedTest, TheTideFollowsSimulatedTimeAndFrequencyZeroPushesConstantly)
{
    StartFakeClock();
    CTideClockGame game;
    game.RunFrame();
    std::unique_ptr<CSeaWeed> tidal =
        LoadSeaWeed("\tTide Frequency=10\r\n\tTide Strength=0.5\r\n\tRandom Current Strength=0\r\n");
    std::unique_ptr<CSeaWeed> constant =
        LoadSeaWeed("\tTide Frequency=0\r\n\tTide Strength=0.5\r\n\tRandom Current Strength=0\r\n");
    // A quarter period (2.5 s), then half a period.
    const struct
    {
        int32_t frames;
        float push;
    } cases[] = {{150, 0.0f}, {150, -0.5f}};
    for (const auto& c : cases)
    {
        for (int32_t i = 0; i < c.frames; i++)
        {
            AdvanceFakeClock(FAKE_CLOCK_STEP_NANOSECONDS);
            game.RunFrame();
        }
        tidal->Update(CBackgroundSimulationAI::kSimulationStep);
        constant->Update(CBackgroundSimulationAI::kSimulationStep);
        EXPECT_NEAR(tidal->GetCurrent().GetPushX(), c.push, 0.05f) << game.GetSimulatedTime();
        EXPECT_EQ(constant->GetCurrent().GetPushX(), 0.5f);
        EXPECT_EQ(constant->GetCurrent().GetPushY(), 0.0f);
    }
}

} // namespace
