#include <gtest/gtest.h>

#include <cstring>

#include "engine/blit/blit_normal.h"
#include "engine/core/color/color.h"
#include "engine/graphics/batched_proxy_frame.h"
#include "engine/graphics/blend565.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/frame_pixels.h"

namespace {

class Recording : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
};

struct Canvas : CFrame
{
    Canvas() { Create(16, 8, 16); }
    bool SamePixels(const CFrame& other) const { return std::memcmp(GetPixels(), other.GetPixels(), 16 * 8 * 2) == 0; }
};

// A little of everything that is recorded.
void DrawScene(CFrameInterface& frame, CFrame& sprite)
{
    frame.FillRect(CRect{1, 1, 5, 4}, CColor(200, 10, 10, 255));
    frame.DrawLine(0, 7, 15, 0, CColor(10, 200, 10, 255));
    frame.DrawLineAA(0.5f, 0.25f, 12.5f, 6.75f, CColor(10, 10, 200, 255));
    frame.SetPixel(15, 7, ColorWhite);
    frame.BlitAt(&sprite, 9, 1, &GetBlitNormal());
}

} // namespace

// First: the colour cache is fresh only once per process.
TEST_F(Recording, TheFirstReplayedColourIsRightEvenWhenItsValueIsZero)
{
    Canvas target;
    target.Fill(ColorWhite);
    CBatchedProxyFrame batch;
    batch.SetTarget(&target);
    batch.FillRect(CRect{0, 0, 2, 1}, CColor(0, 0, 0, 0));
    batch.EndRecording();
    batch.Replay();
    EXPECT_EQ(ReadPixel(target, 0, 0), 0u);
    EXPECT_EQ(ReadPixel(target, 1, 0), 0u);
    EXPECT_EQ(ReadPixel(target, 2, 0), 0xFFFFu);
}

TEST_F(Recording, NothingIsDrawnUntilReplayAndThenTheSamePictureOnEveryTarget)
{
    CFrame sprite;
    sprite.Create(3, 3, 16);
    FillWithCounting(sprite);
    Canvas direct, first, second;
    DrawScene(direct, sprite);

    CBatchedProxyFrame batch;
    batch.SetTarget(&first);
    CFrameInterface& asFrame = batch;
    DrawScene(asFrame, sprite);
    EXPECT_FALSE(first.HasNonZeroPixels());
    batch.EndRecording();
    batch.Replay();
    batch.SetTarget(&second);
    batch.Replay();
    EXPECT_TRUE(first.SamePixels(direct));
    EXPECT_TRUE(second.SamePixels(direct));
}

TEST_F(Recording, ATranslucentFillReplaysOpaque)
{
    Canvas target;
    CBatchedProxyFrame batch;
    batch.SetTarget(&target);
    batch.FillRect(CRect{0, 0, 1, 1}, CColor(255, 255, 255, 128));
    batch.EndRecording();
    batch.Replay();
    EXPECT_EQ(ReadPixel(target, 0, 0), 0xFFFFu);
}

TEST_F(Recording, ABlitReplaysAtItsRecordedOpacityAndLeavesTheTypeAsItWas)
{
    CFrame sprite;
    sprite.Create(1, 1, 16);
    WritePixel(sprite, 0, 0, 0xFFFF);
    Canvas target;
    CBatchedProxyFrame batch;
    batch.SetTarget(&target);
    CBlitType& normal = GetBlitNormal();
    normal.SetOpacity(0.5f);
    EXPECT_TRUE(batch.BlitAt(&sprite, 0, 0, &normal));
    normal.SetOpacity(1.0f);
    batch.EndRecording();
    batch.Replay();
    EXPECT_EQ(ReadPixel(target, 0, 0), Blend565(0, 0xFFFF, 128));
    EXPECT_EQ(normal.GetOpacity(), 1.0f);
}

TEST_F(Recording, ClearsActAtOnceAndTheMappedClearIsRecorded)
{
    Canvas target;
    target.Fill(ColorWhite);
    CBatchedProxyFrame batch;
    batch.SetTarget(&target);
    batch.ClearRect(CRect{0, 0, 1, 1});
    EXPECT_EQ(ReadPixel(target, 0, 0), 0u);
    batch.Clear();
    EXPECT_FALSE(target.HasNonZeroPixels());
    // Nothing was recorded: a replay leaves the target as it is.
    target.Fill(ColorWhite);
    batch.Replay();
    EXPECT_EQ(ReadPixel(target, 0, 0), 0xFFFFu);
    batch.ClearRectMapped(CRect{2, 0, 4, 1});
    EXPECT_EQ(ReadPixel(target, 2, 0), 0xFFFFu);
    batch.EndRecording();
    batch.Replay();
    EXPECT_EQ(ReadPixel(target, 1, 0), 0xFFFFu);
    EXPECT_EQ(ReadPixel(target, 2, 0), 0u);
    EXPECT_EQ(ReadPixel(target, 3, 0), 0u);
    EXPECT_EQ(ReadPixel(target, 4, 0), 0xFFFFu);
}

TEST_F(Recording, IdenticalDrawingGivesTheSameRecordingAndResetStartsAnew)
{
    CFrame sprite;
    sprite.Create(3, 3, 16);
    CBatchedProxyFrame first, second;
    DrawScene(first, sprite);
    DrawScene(second, sprite);
    first.EndRecording();
    second.EndRecording();
    EXPECT_TRUE(first.GetRecording().SameContents(second.GetRecording()));
    second.Reset();
    second.SetPixel(0, 0, ColorWhite);
    second.EndRecording();
    EXPECT_FALSE(first.GetRecording().SameContents(second.GetRecording()));
}

TEST_F(Recording, ARecordingWithoutItsEndReplaysWhatItHoldsAndStops)
{
    Canvas target;
    CBatchedProxyFrame batch;
    batch.SetTarget(&target);
    batch.SetPixel(3, 2, ColorWhite);
    batch.DrawLine(0, 0, 2, 0, ColorWhite);
    batch.Replay();
    EXPECT_EQ(ReadPixel(target, 3, 2), 0xFFFFu);
    EXPECT_EQ(ReadPixel(target, 2, 0), 0xFFFFu);

    // Entries after the end entry are never replayed.
    Canvas other;
    batch.SetTarget(&other);
    batch.Reset();
    batch.EndRecording();
    batch.SetPixel(1, 1, ColorWhite);
    batch.Replay();
    EXPECT_FALSE(other.HasNonZeroPixels());
}

TEST_F(Recording, RemapsAreRecordedWithTheirMap)
{
    CFrame target;
    target.Create(4, 1, 8);
    WritePixel(target, 1, 0, 5);
    uint8_t map[256];
    for (int32_t i = 0; i < 256; i++)
        map[i] = static_cast<uint8_t>(i + 1);
    CBatchedProxyFrame batch;
    batch.SetTarget(&target);
    batch.RemapRect(CRect{0, 0, 2, 1}, map);
    EXPECT_EQ(ReadPixel(target, 1, 0), 5u);
    batch.EndRecording();
    batch.Replay();
    EXPECT_EQ(ReadPixel(target, 0, 0), 1u);
    EXPECT_EQ(ReadPixel(target, 1, 0), 6u);
    EXPECT_EQ(ReadPixel(target, 2, 0), 0u);
}
