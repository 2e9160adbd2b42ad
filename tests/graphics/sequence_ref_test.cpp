#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/graphics/sequence_ref.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/sequence_fixtures.h"

namespace {

// Four frames at 10 per second, with or without a coordinates value.
std::unique_ptr<CSequence> FourFrames(bool withCoordinates)
{
    std::vector<std::string> lines = {"Frames Per Second=10", "Blit Type=Normal"};
    if (withCoordinates)
        lines.insert(lines.end(), {"Sequence of Coordinates=CSequenceOfCoordinates", "{", "}"});
    std::unique_ptr<CSequence> sequence(ReadTestSequence(lines));
    for (int i = 0; i < 4; i++)
        sequence->AddFrame(MakeTestFrame(5, 5, -2, -2), false, false);
    return sequence;
}

} // namespace

TEST(SequenceRef, UpdateAdvancesAndWraps)
{
    std::unique_ptr<CSequence> sequence = FourFrames(false);
    CSequenceRef ref(sequence.get());
    EXPECT_TRUE(ref.IsPlaying());
    EXPECT_EQ(ref.GetList(), nullptr);
    EXPECT_EQ(ref.GetItemIndex(), 0);
    ref.Update(0.5f);
    EXPECT_FLOAT_EQ(ref.GetPosition(), 1.0f);
    ref.Update(0.25f);
    EXPECT_FLOAT_EQ(ref.GetPosition(), 3.5f);

    ref.Stop();
    ref.Update(1.0f);
    EXPECT_FLOAT_EQ(ref.GetPosition(), 3.5f);

    // Steps that are not finite are ignored; a huge one still wraps.
    ref.Play();
    ref.Update(std::numeric_limits<float>::infinity());
    ref.Update(std::numeric_limits<float>::quiet_NaN());
    EXPECT_FLOAT_EQ(ref.GetPosition(), 3.5f);
    ref.Update(1e30f);
    EXPECT_GE(ref.GetPosition(), 0.0f);
    EXPECT_LT(ref.GetPosition(), 4.0f);
    ref.SetPosition(0.5f);
    ref.Update(-0.1f);
    EXPECT_FLOAT_EQ(ref.GetPosition(), 3.5f);
}

TEST(SequenceRef, StepsWrapAtBothEnds)
{
    std::unique_ptr<CSequence> sequence = FourFrames(false);
    CSequenceRef ref(sequence.get());
    ref.SetPosition(0.7f);
    ref.StepBack();
    EXPECT_FLOAT_EQ(ref.GetPosition(), 3.0f);
    ref.SetPosition(3.2f);
    ref.StepForward();
    EXPECT_FLOAT_EQ(ref.GetPosition(), 0.0f);
    ref.StepForward();
    EXPECT_FLOAT_EQ(ref.GetPosition(), 1.0f);
}

TEST(SequenceRef, SetCoordinateOnlyWhilePausedWithButtonZero)
{
    std::unique_ptr<CSequence> sequence = FourFrames(true);
    CSequenceRef ref(sequence.get());
    ref.SetShowCoordinates(true);
    EXPECT_FALSE(ref.SetCoordinate(0, CPoint{4, 5})); // playing
    ref.Stop();
    EXPECT_FALSE(ref.SetCoordinate(1, CPoint{4, 5}));
    ref.SetShowCoordinates(false);
    EXPECT_FALSE(ref.HandlePress(0, CPoint{4, 5}));
    ref.SetShowCoordinates(true);
    EXPECT_EQ(GetSequenceCoordinates(sequence.get())->GetCount(), 0u);

    ref.SetPosition(2.6f);
    EXPECT_TRUE(ref.HandlePress(0, CPoint{4, 5}));
    const CSequenceOfCoordinates* coordinates = GetSequenceCoordinates(sequence.get());
    ASSERT_EQ(coordinates->GetCount(), 4u);
    EXPECT_EQ(coordinates->GetCoordinate(2).x, 4);
    EXPECT_EQ(coordinates->GetCoordinate(2).y, 5);
    EXPECT_EQ(coordinates->GetCoordinate(3).x, 0);

    // A position past the frames (a reload with fewer) writes nothing.
    ref.SetPosition(4.0f);
    EXPECT_FALSE(ref.SetCoordinate(0, CPoint{1, 1}));
    sequence->ClearFrames();
    ref.SetPosition(0.0f);
    EXPECT_FALSE(ref.SetCoordinate(0, CPoint{1, 1}));
}

TEST(SequenceRef, SequenceWithoutCoordinatesValueTakesNoPoints)
{
    std::unique_ptr<CSequence> sequence = FourFrames(false);
    EXPECT_EQ(GetSequenceCoordinates(sequence.get()), nullptr);
    CSequenceRef ref(sequence.get());
    ref.Stop();
    ref.SetShowCoordinates(true);
    EXPECT_FALSE(ref.SetCoordinate(0, CPoint{1, 1}));
}

TEST(SequenceRef, MarkersAreWhiteWithABlackRing)
{
    CFrame target;
    target.Create(7, 7, 16);
    for (int32_t y = 0; y < 7; y++)
        for (int32_t x = 0; x < 7; x++)
            WritePixel(target, x, y, 0x1234);
    DrawPointMarker(&target, 3, 3);
    for (int32_t y = 0; y < 7; y++)
        for (int32_t x = 0; x < 7; x++)
        {
            const bool ring = x >= 2 && x <= 4 && y >= 2 && y <= 4;
            const uint32_t expected = x == 3 && y == 3 ? 0xFFFF : ring ? 0x0000 : 0x1234;
            EXPECT_EQ(ReadPixel(target, x, y), expected) << x << "," << y;
        }
    // Off the edge is the target's to clip.
    DrawPointMarker(&target, 0, 0);
    EXPECT_EQ(ReadPixel(target, 0, 0), 0xFFFFu);
}

TEST(SequenceRef, DrawShowsTheCurrentFrameAndTheCoordinateMarker)
{
    std::unique_ptr<CSequence> sequence = FourFrames(true);
    CSequenceRef ref(sequence.get());
    ref.Stop();
    ref.SetShowCoordinates(true);
    ref.SetPosition(1.0f);
    ASSERT_TRUE(ref.SetCoordinate(0, CPoint{3, 0}));
    ref.SetShowHotSpot(true);

    CFrame target;
    target.Create(12, 12, 32);
    ref.Draw(&target, CPoint{5, 5});
    EXPECT_EQ(ReadPixel(target, 5, 5) & 0xFFFFFF, 0xFFFFFFu);  // hot spot
    EXPECT_EQ(ReadPixel(target, 8, 5) & 0xFFFFFF, 0xFFFFFFu);  // coordinate of frame 1
    EXPECT_EQ(ReadPixel(target, 9, 5) & 0xFFFFFF, 0u);
    EXPECT_EQ(ReadPixel(target, 7, 7), 0xFF000000u | (4 * 37 + 4 * 101)); // the frame's corner
    EXPECT_EQ(ReadPixel(target, 1, 1), 0u);                               // outside the frame
}

TEST(SequenceRef, NoSequenceOrNoFramesDoesNothing)
{
    CSequenceRef none(nullptr);
    CFrame target;
    target.Create(4, 4, 16);
    none.Draw(&target, CPoint{1, 1});
    none.Update(1.0f);
    none.StepBack();
    none.StepForward();
    EXPECT_FALSE(none.SetCoordinate(0, CPoint{0, 0}));
    CRect bounds{1, 2, 3, 4};
    none.GetBounds(bounds);
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.right, 0);

    CSequence empty;
    empty.SetDefaults();
    CSequenceRef ref(&empty);
    ref.SetPosition(0.5f);
    ref.Update(10.0f);
    EXPECT_FLOAT_EQ(ref.GetPosition(), 0.5f);
    ref.Draw(&target, CPoint{1, 1});
}

TEST(SequenceRef, BoundsAreTheSequencesUnion)
{
    std::unique_ptr<CSequence> sequence = FourFrames(false);
    CSequenceRef ref(sequence.get());
    CRect bounds;
    ref.GetBounds(bounds);
    EXPECT_EQ(bounds.left, -2);
    EXPECT_EQ(bounds.top, -2);
    EXPECT_EQ(bounds.right, 3);
    EXPECT_EQ(bounds.bottom, 3);
}
