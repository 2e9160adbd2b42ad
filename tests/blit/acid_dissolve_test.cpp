#include <gtest/gtest.h>

#include <vector>

#include "engine/blit/acid_dissolve_composite.h"
#include "engine/blit/blit_acid_dissolve.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/graphics/sequence.h"
#include "engine/core/color/color.h"
#include "engine/graphics/blend565.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/run_length_frames.h"

namespace {

constexpr uint16_t BLUE = 0x001F, RED = 0xF800, GREEN = 0x07E0;

// A 4 x 2 brick: row 0 opaque blue; row 1 two opaque blue pixels, a hole
// and a blue pixel at alpha 128.
struct Brick
{
    RunLengthFixture runs{4, 2, 16, FRAME_ENCODING_RLE_ALPHA};
    Brick()
    {
        runs.SetStream(0, {Fill(2, 4, BLUE), Codes({Literal(2, {BLUE, BLUE}), Skip(2)})});
        runs.SetStream(4, {Skip(4), Codes({Skip(3), Literal(2, {BLUE})})});
        runs.SetStream(3, {{}, {128}});
    }
};

// A 3 x 2 mask: row 0 whole, row 1 without its first pixel. Laid at (1, 0)
// it misses the brick's first column, so the work rectangle starts one
// column in.
struct Mask
{
    RunLengthFixture runs{3, 2, 16, FRAME_ENCODING_RLE_ALPHA};
    Mask()
    {
        runs.SetStream(0, {Fill(2, 3, 1), Codes({Skip(1), Fill(2, 2, 1)})});
        runs.SetStream(4, {Skip(3), Skip(3)});
        runs.SetStream(3, {{}, {}});
    }
};

struct Scene
{
    Brick brick;
    Mask mask;
    CFrame overlay, destination;

    Scene()
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        overlay.Create(1, 1, 16);
        WritePixel(overlay, 0, 0, RED);
        destination.Create(6, 3, 16);
        for (int32_t y = 0; y < 3; y++)
            for (int32_t x = 0; x < 6; x++)
                WritePixel(destination, x, y, GREEN);
    }

    // The brick drawn with its top left at destination pixel (1, 1).
    void Draw(const CRect& sourceRect, const CRect& destinationRect)
    {
        DrawAcidComposite(&brick.runs.frame, sourceRect, &destination, destinationRect, &mask.runs.frame, &overlay, 1,
                          0);
    }

    std::vector<uint32_t> Row(int32_t y) const
    {
        std::vector<uint32_t> row;
        for (int32_t x = 0; x < 6; x++)
            row.push_back(ReadPixel(destination, x, y));
        return row;
    }
};

const uint32_t G = GREEN;
const uint32_t OPAQUE_BLUE = Blend565(GREEN, BLUE, 255);
const uint32_t OPAQUE_RED = Blend565(GREEN, RED, 255);
const uint32_t HALF_BLUE = Blend565(GREEN, BLUE, 128);

} // namespace

TEST(AcidDissolve, TheBrickShowsWhereTheMaskCoversItWithTheOverlayAtItsOffset)
{
    Scene scene;
    scene.Draw(CRect{0, 0, 4, 2}, CRect{1, 1, 5, 3});
    EXPECT_EQ(scene.Row(0), std::vector<uint32_t>(6, G));
    // Brick column 0 lies outside the mask; the overlay's hot spot (one
    // pixel) sits at brick column 1, the mask's first column.
    EXPECT_EQ(scene.Row(1), (std::vector<uint32_t>{G, G, OPAQUE_RED, OPAQUE_BLUE, OPAQUE_BLUE, G}));
    // Row 1: the mask's hole, the brick's hole, the translucent pixel.
    EXPECT_EQ(scene.Row(2), (std::vector<uint32_t>{G, G, G, G, HALF_BLUE, G}));
}

TEST(AcidDissolve, NothingIsDrawnOutsideTheDestinationRectangle)
{
    Scene scene;
    // As a clipping proxy hands it on: the brick's last two columns only.
    scene.Draw(CRect{2, 0, 4, 2}, CRect{3, 1, 5, 3});
    EXPECT_EQ(scene.Row(1), (std::vector<uint32_t>{G, G, G, OPAQUE_BLUE, OPAQUE_BLUE, G}));
    EXPECT_EQ(scene.Row(2), (std::vector<uint32_t>{G, G, G, G, HALF_BLUE, G}));
}

TEST(AcidDissolve, DestinationsWithOffsetsGetThePixelsTheRectanglesName)
{
    Scene scene;
    scene.destination.SetUpperLeftOffset(-10, -7);
    scene.Draw(CRect{0, 0, 4, 2}, CRect{1, 1, 5, 3});
    EXPECT_EQ(scene.Row(1), (std::vector<uint32_t>{G, G, OPAQUE_RED, OPAQUE_BLUE, OPAQUE_BLUE, G}));
}

TEST(AcidDissolve, AMaskBesideTheBrickDrawsNothing)
{
    Scene scene;
    DrawAcidComposite(&scene.brick.runs.frame, CRect{0, 0, 4, 2}, &scene.destination, CRect{1, 1, 5, 3},
                      &scene.mask.runs.frame, &scene.overlay, 4, 0);
    for (int32_t y = 0; y < 3; y++)
        EXPECT_EQ(scene.Row(y), std::vector<uint32_t>(6, G));
}

namespace {

// A heap frame over the fixture's blocks, for a sequence to own.
CFrame* Borrowing(const RunLengthFixture& runs)
{
    const CFrame& from = runs.frame;
    CFrame* frame = new CFrame;
    frame->SetFormatWord(from.GetFormat() | FRAME_BORROWED_PIXELS);
    frame->SetSize(static_cast<uint32_t>(from.GetWidth()), static_cast<uint32_t>(from.GetHeight()));
    frame->SetPixelData(from.GetPixels(), const_cast<int32_t*>(from.GetRowOffsets()));
    frame->SetStream(3, from.GetStream3Data(), const_cast<int32_t*>(from.GetStream3RowOffsets()));
    frame->SetStream(4, from.GetStream4Data(), const_cast<int32_t*>(from.GetStream4RowOffsets()));
    return frame;
}

CFrame* Plain(uint16_t value)
{
    CFrame* frame = new CFrame;
    frame->Create(1, 1, 16);
    WritePixel(*frame, 0, 0, value);
    return frame;
}

// Sequence 0: the mask, ten frames at 20 per second; 1: the overlay, red
// then blue at 2 per second; 2: no frames.
class CTestAcid : public CAcidDissolveBlitType
{
public:
    CTestAcid(int32_t maskSequence, const Mask& mask)
        : CAcidDissolveBlitType(maskSequence, 1, 1, 0)
    {
        m_Sequences[0].SetFramesPerSecond(20.0f);
        for (int32_t i = 0; i < 10; i++)
            m_Sequences[0].AddFrame(Borrowing(mask.runs), false, false);
        m_Sequences[1].SetFramesPerSecond(2.0f);
        m_Sequences[1].AddFrame(Plain(RED), false, false);
        m_Sequences[1].AddFrame(Plain(BLUE), false, false);
        m_Sequences[2].SetFramesPerSecond(20.0f);
    }

protected:
    CSequence* GetSequence(int32_t index) override { return &m_Sequences[index]; }

private:
    CSequence m_Sequences[3];
};

} // namespace

TEST(AcidDissolve, TheAnimationsRunOnTheDissolvesClockAndFinishAtTheMasksEnd)
{
    Scene scene;
    CTestAcid acid(0, scene.mask);
    const uint32_t OPAQUE_BLUE_OVERLAY = Blend565(GREEN, BLUE, 255);
    const struct
    {
        float advance;
        bool finished;
        uint32_t overlaid;
    } steps[] = {{0.0f, false, OPAQUE_RED},
                 {0.45f, false, OPAQUE_RED},
                 {0.05f, true, OPAQUE_BLUE_OVERLAY},
                 {1.0f, true, OPAQUE_BLUE_OVERLAY}};
    for (const auto& step : steps)
    {
        acid.Advance(step.advance);
        scene.destination.Fill(CColor(0, 255, 0, 255));
        ASSERT_TRUE(scene.destination.BlitAt(&scene.brick.runs.frame, 1, 1, &acid));
        EXPECT_EQ(acid.IsFinished(), step.finished) << acid.GetTime();
        EXPECT_EQ(ReadPixel(scene.destination, 2, 1), step.overlaid) << acid.GetTime();
        EXPECT_EQ(ReadPixel(scene.destination, 4, 2), HALF_BLUE) << acid.GetTime();
    }
}

TEST(AcidDissolve, AMaskWithoutFramesFinishesAndDrawsNothing)
{
    Scene scene;
    CTestAcid acid(2, scene.mask);
    scene.destination.BlitAt(&scene.brick.runs.frame, 1, 1, &acid);
    EXPECT_TRUE(acid.IsFinished());
    for (int32_t y = 0; y < 3; y++)
        EXPECT_EQ(scene.Row(y), std::vector<uint32_t>(6, G));
}

TEST(AcidDissolve, AClippedProxyKeepsTheDissolveInsideItsClip)
{
    Scene scene;
    CTestAcid acid(0, scene.mask);
    CClippedProxyFrame proxy(&scene.destination);
    proxy.SetClipRect(CRect{3, 0, 6, 3});
    proxy.BlitAt(&scene.brick.runs.frame, 1, 1, &acid);
    EXPECT_EQ(scene.Row(1), (std::vector<uint32_t>{G, G, G, OPAQUE_BLUE, OPAQUE_BLUE, G}));
    EXPECT_EQ(scene.Row(2), (std::vector<uint32_t>{G, G, G, G, HALF_BLUE, G}));
}
