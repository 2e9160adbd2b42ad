#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/app/demo_recorder.h"
#include "engine/graphics/pixel_formats.h"
#include "game/playfield/ship_lightning.h"
#include "tests/support/colour_recording_frame.h"
#include "tests/support/scoped_temp_folder.h"

namespace {

struct Arc
{
    Vector2 from;
    Vector2 to;
    int32_t bolts;
};

// How many bolts were drawn from the point: each bolt's first piece starts
// there.
int32_t BoltsFrom(const CRecordingFrame& frame, const Vector2& from)
{
    int32_t bolts = 0;
    for (const CRecordingFrame::Call& call : frame.calls)
        if (call.kind == CRecordingFrame::LINE_AA && call.x0 == from.x && call.y0 == from.y)
            bolts++;
    return bolts;
}

class ShipLightningTest : public ::testing::Test
{
protected:
    // As the game's loading builds them: a replayed colour expands its
    // 5-6-5 word through the tables.
    void SetUp() override { InitPixelFormatTables(nullptr, nullptr); }

    // Records each arc in a frame of its own; answers what the replay drew,
    // frame by frame.
    std::vector<CColourRecordingFrame> RecordAndReplay(const std::vector<Arc>& arcs, CColourRecordingFrame& live)
    {
        CColor colour;
        colour.SetRGBA(140, 140, 255, 255);
        CDemoRecorder& recorder = CDemoRecorder::Get();
        recorder.StartRecording();
        for (const Arc& arc : arcs)
        {
            DrawLightning(&live, arc.from, arc.to, colour, arc.bolts);
            recorder.EndFrame();
        }
        return SaveAndReplayRecording(m_Folder.Path() + "Lightning.Demo", arcs.size());
    }

    ScopedTempFolder m_Folder;
};

TEST_F(ShipLightningTest, ReplayDrawsEachArcWithItsBoltsAndColour)
{
    const std::vector<Arc> arcs = {{{100.0f, 500.0f}, {140.0f, 460.0f}, 5},
                                   {{100.0f, 500.0f}, {160.0f, 520.0f}, 3},
                                   {{300.0f, 550.0f}, {320.0f, 544.0f}, 1},
                                   {{300.0f, 550.0f}, {340.0f, 544.0f}, 9}};
    CColourRecordingFrame live;
    const std::vector<CColourRecordingFrame> replayed = RecordAndReplay(arcs, live);
    const int32_t expected[] = {5, 3, 1, 5};
    for (size_t i = 0; i < arcs.size(); i++)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(BoltsFrom(replayed[i], arcs[i].from), expected[i]);
        ASSERT_FALSE(replayed[i].calls.empty());
        EXPECT_EQ(replayed[i].colours.front(), 0x8C7F);
        // The last piece of the last bolt ends at the far end.
        EXPECT_EQ(replayed[i].calls.back().x1, arcs[i].to.x);
        EXPECT_EQ(replayed[i].calls.back().y1, arcs[i].to.y);
    }
    EXPECT_EQ(BoltsFrom(live, arcs[0].from), 5 + 3);
}

// An end that is no number, or an arc far longer than the ship draws, would
// be cut for ever.
TEST_F(ShipLightningTest, ArcsThatCannotBeCutDrawAndRecordNothing)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<Arc> arcs = {{{100.0f, 500.0f}, {nan, 460.0f}, 2},
                                   {{0.0f, 0.0f}, {std::numeric_limits<float>::infinity(), 0.0f}, 2},
                                   {{-100.0f, 0.0f}, {2000.0f, 900.0f}, 2}};
    CColourRecordingFrame live;
    const std::vector<CColourRecordingFrame> replayed = RecordAndReplay(arcs, live);
    EXPECT_TRUE(live.calls.empty());
    for (const CColourRecordingFrame& frame : replayed)
        EXPECT_TRUE(frame.calls.empty());
}

} // namespace
