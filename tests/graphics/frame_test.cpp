#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/blit/cpu_info.h"
#include "engine/core/color/color.h"
#include "engine/graphics/developer_message.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_clipping.h"
#include "engine/graphics/palette_holder.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/run_length_frames.h"

namespace {

class Frames : public testing::Test
{
protected:
    void SetUp() override
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        m_HadMMX = GetCpuInfo().HasMMX();
    }
    void TearDown() override { GetCpuInfo().OverrideMMX(m_HadMMX); }

private:
    bool m_HadMMX = false;
};

} // namespace

TEST_F(Frames, CreateSetsShiftsAndARowTableOfAtLeastTwoEntries)
{
    const struct
    {
        uint32_t width, height;
        int32_t widthShift, heightShift;
    } cases[] = {{1, 1, 0, 0}, {2, 1, 1, 0}, {640, 480, 9, 8}, {1, 5, 0, 2}, {1023, 1024, 9, 10}};
    for (const auto& c : cases)
    {
        CFrame frame;
        frame.Create(c.width, c.height, 16);
        EXPECT_EQ(frame.GetWidthShift(), c.widthShift) << c.width;
        EXPECT_EQ(frame.GetHeightShift(), c.heightShift) << c.height;
        EXPECT_EQ(frame.GetPitch(), static_cast<int32_t>(c.width));
        EXPECT_EQ(frame.GetRowOffsets()[1], static_cast<int32_t>(c.width)) << "entry 1 exists even for one row";
        EXPECT_EQ(frame.GetRowOffsets()[c.height - 1], static_cast<int32_t>(c.width * (c.height - 1)));
        EXPECT_EQ(reinterpret_cast<uintptr_t>(frame.GetPixels()) % 16, 0u);
        EXPECT_EQ(frame.GetFormat(), FRAME_DEPTH_16);
        EXPECT_EQ(ReadPixel(frame, static_cast<int32_t>(c.width) - 1, static_cast<int32_t>(c.height) - 1), 0u);
    }
}

TEST_F(Frames, AllocationRefusesWhatItCannotHold)
{
    const struct
    {
        const char* what;
        uint32_t width, height;
        int32_t bits;
    } cases[] = {
        {"unsupported depth", 10, 10, 12},
        {"a side past 65535", 70000, 1, 8},
        {"a block past 256 MiB", 20000, 20000, 32},
    };
    for (const auto& c : cases)
    {
        CFrame frame;
        frame.Create(4, 4, 16);
        EXPECT_EQ(frame.AllocatePixels(c.width, c.height, c.bits), 0) << c.what;
        EXPECT_EQ(frame.GetPixels(), nullptr) << c.what;
        EXPECT_EQ(frame.GetBitsPerPixel(), 0) << c.what;
        EXPECT_EQ(frame.GetWidth(), 0) << c.what;
    }
    CFrame frame;
    frame.Create(8, 2, 24);
    uint8_t* pixels = frame.GetPixels();
    WritePixel(frame, 1, 1, 0x123456);
    EXPECT_EQ(frame.AllocatePixels(8, 2, 24), 8) << "the same size keeps its pixels";
    EXPECT_EQ(frame.GetPixels(), pixels);
    EXPECT_EQ(ReadPixel(frame, 1, 1), 0x123456u);
    EXPECT_EQ(frame.GetInstanceSize(), CFrame::SGetClassInfo()->GetInstanceSize() + 8 * 2 * 3);
}

TEST_F(Frames, BorrowedPixelsAreForgottenNotFreed)
{
    std::vector<uint8_t> buffer(64, 7);
    int32_t rows[2] = {0, 4};
    {
        CFrame frame;
        frame.SetPixelData(buffer.data(), rows);
        frame.SetSize(4, 2);
        frame.SetFormatWord(FRAME_DEPTH_32 | FRAME_BORROWED_PIXELS);
        EXPECT_EQ(frame.GetPitch(), 4);
        frame.FreePixels();
        EXPECT_EQ(frame.GetPixels(), nullptr);
        EXPECT_EQ(frame.GetFormat(), 0u);
    }
    EXPECT_EQ(buffer[63], 7);
}

TEST(ClipBlitRects, ClipsTheDestinationAndMovesTheSourceAlike)
{
    const CRect bounds{0, 0, 100, 50};
    const struct
    {
        CRect source, destination;
        bool visible;
        CRect clippedSource, clippedDestination;
    } cases[] = {
        {{0, 0, 10, 10}, {5, 5, 15, 15}, true, {0, 0, 10, 10}, {5, 5, 15, 15}},
        {{0, 0, 10, 10}, {-3, -4, 7, 6}, true, {3, 4, 10, 10}, {0, 0, 7, 6}},
        {{0, 0, 10, 10}, {95, 45, 105, 55}, true, {0, 0, 5, 5}, {95, 45, 100, 50}},
        {{0, 0, 10, 10}, {-10, 0, 0, 10}, false, {}, {}},
        {{0, 0, 10, 10}, {0, 50, 10, 60}, false, {}, {}},
        {{0, 0, 200, 100}, {-50, -25, 150, 75}, true, {50, 25, 150, 75}, {0, 0, 100, 50}},
    };
    for (const auto& c : cases)
    {
        CRect source = c.source, destination = c.destination;
        ASSERT_EQ(ClipBlitRects(bounds, source, destination), c.visible);
        if (!c.visible)
            continue;
        EXPECT_EQ(source.left, c.clippedSource.left);
        EXPECT_EQ(source.top, c.clippedSource.top);
        EXPECT_EQ(source.right, c.clippedSource.right);
        EXPECT_EQ(source.bottom, c.clippedSource.bottom);
        EXPECT_EQ(destination.left, c.clippedDestination.left);
        EXPECT_EQ(destination.top, c.clippedDestination.top);
        EXPECT_EQ(destination.right, c.clippedDestination.right);
        EXPECT_EQ(destination.bottom, c.clippedDestination.bottom);
    }
    CRect rect{-5, 10, 20, 80};
    EXPECT_TRUE(ClipRect(bounds, rect));
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.bottom, 50);
    CRect outside{100, 0, 120, 10};
    EXPECT_FALSE(ClipRect(bounds, outside));
}

TEST(ClipLine, MovesEndPointsOntoTheEdges)
{
    const CRect rect{0, 0, 10, 10};
    const struct
    {
        int32_t in[4];
        bool visible;
        int32_t out[4];
    } cases[] = {
        {{2, 3, 7, 8}, true, {2, 3, 7, 8}},   {{-5, 4, 20, 4}, true, {0, 4, 9, 4}},
        {{4, -5, 4, 20}, true, {4, 0, 4, 9}}, {{-5, -5, 15, 15}, true, {0, 0, 9, 9}},
        {{-5, -5, -1, 20}, false, {}},        {{-8, 0, 0, -8}, false, {}},
        {{12, 5, 5, 12}, true, {9, 8, 8, 9}}, {{12, 9, 9, 12}, false, {}},
    };
    for (const auto& c : cases)
    {
        int32_t x0 = c.in[0], y0 = c.in[1], x1 = c.in[2], y1 = c.in[3];
        ASSERT_EQ(ClipLine(rect, x0, y0, x1, y1), c.visible) << c.in[0] << "," << c.in[1];
        if (c.visible)
        {
            EXPECT_EQ(x0, c.out[0]);
            EXPECT_EQ(y0, c.out[1]);
            EXPECT_EQ(x1, c.out[2]);
            EXPECT_EQ(y1, c.out[3]);
        }
        else
        {
            EXPECT_EQ(x0, c.in[0]) << "rejected points stay as they were";
        }
    }
    float fx0 = -5.0f, fy0 = 2.5f, fx1 = 20.0f, fy1 = 2.5f;
    EXPECT_TRUE(ClipLineF(CRectF{0.0f, 0.0f, 10.0f, 10.0f}, fx0, fy0, fx1, fy1));
    EXPECT_EQ(fx0, 0.0f);
    EXPECT_EQ(fx1, 9.0f);
}

TEST_F(Frames, BlitAtDrawsOnlyTheOverlapWithTheSourceOriginAdvanced)
{
    CFrame source, destination;
    source.Create(10, 10, 16);
    FillWithCounting(source);
    destination.Create(10, 10, 16);
    EXPECT_TRUE(destination.BlitAt(&source, -3, -4, &GetBlitNormal()));
    EXPECT_EQ(ReadPixel(destination, 0, 0), ReadPixel(source, 3, 4));
    EXPECT_EQ(ReadPixel(destination, 6, 5), ReadPixel(source, 9, 9));
    EXPECT_EQ(ReadPixel(destination, 7, 5), 0u);
    EXPECT_EQ(ReadPixel(destination, 6, 6), 0u);

    EXPECT_FALSE(destination.BlitAt(&source, 10, 0, &GetBlitNormal()));
    EXPECT_FALSE(destination.BlitAt(&source, -10, -10, &GetBlitNormal()));
}

TEST_F(Frames, BlitHonoursOffsetsOfBothFrames)
{
    CFrame source, destination;
    source.Create(4, 4, 32);
    FillWithCounting(source);
    source.SetUpperLeftOffset(-2, -2);
    destination.Create(8, 8, 32);
    destination.SetUpperLeftOffset(-4, -4);
    EXPECT_TRUE(destination.BlitAt(&source, 0, 0, &GetBlitNormal()));
    EXPECT_EQ(ReadPixel(destination, 2, 2), ReadPixel(source, 0, 0));
    EXPECT_EQ(ReadPixel(destination, 5, 5), ReadPixel(source, 3, 3));
}

TEST_F(Frames, ASourceRectangleReachingPastTheSourceIsClippedToIt)
{
    CFrame source, destination;
    source.Create(10, 10, 16);
    FillWithCounting(source);
    destination.Create(30, 30, 32);
    destination.Fill(ColorWhite);
    CRect sourceRect{-5, -5, 20, 20};
    CRect destinationRect{0, 0, 25, 25};
    ASSERT_TRUE(destination.Blit(&source, sourceRect, destinationRect, &GetBlitNormal()));
    EXPECT_EQ(destinationRect.left, 5);
    EXPECT_EQ(destinationRect.right, 15);
    EXPECT_EQ(sourceRect.left, 0);
    EXPECT_EQ(sourceRect.right, 10);
    EXPECT_EQ(ReadPixel(destination, 4, 4), 0xFFFFFFFFu);
    EXPECT_NE(ReadPixel(destination, 5, 5), 0xFFFFFFFFu);
    EXPECT_EQ(ReadPixel(destination, 15, 15), 0xFFFFFFFFu);
}

TEST_F(Frames, FramesWithoutPixelsAreNeitherDrawnOnNorReadFrom)
{
    CFrame source, destination, empty, lockedScreen;
    source.Create(4, 4, 16);
    destination.Create(4, 4, 16);
    EXPECT_FALSE(empty.BlitAt(&source, 0, 0, &GetBlitNormal()));
    lockedScreen.SetSize(4, 4);
    lockedScreen.SetFormat(16);
    EXPECT_FALSE(destination.BlitAt(&lockedScreen, 0, 0, &GetBlitNormal()));
}

TEST_F(Frames, BlittingOntoARunLengthFrameIsFatal)
{
    CFrame source, destination;
    source.Create(4, 4, 16);
    destination.Create(4, 4, 16);
    destination.SetFormatWord(FRAME_DEPTH_16 | FRAME_ENCODING_RLE_ALPHA);
    EXPECT_EXIT(destination.BlitAt(&source, 0, 0, &GetBlitNormal()), testing::ExitedWithCode(255),
                "Blitting To A Compressed Frame Error");
    // Restored so the frame frees what it allocated as plain pixels.
    destination.SetFormatWord(FRAME_DEPTH_16);
}

namespace {

class CWrappingBlit : public CBlitType
{
public:
    CWrappingBlit()
        : CBlitType(TILES)
    {
    }
};

std::vector<std::string> s_DeveloperMessages;

} // namespace

TEST_F(Frames, TilingARunLengthSourceTellsTheDeveloperAndDrawsNothing)
{
    // Rows of one skip each: Normal draws them as nothing.
    RunLengthFixture runLength(4, 4, 16, FRAME_ENCODING_RLE_ALPHA);
    runLength.SetStream(0, {Skip(4), Skip(4), Skip(4), Skip(4)});
    CFrame& source = runLength.frame;
    CFrame destination;
    destination.Create(4, 4, 16);
    SetDeveloperMessageSink([](const char* text) { s_DeveloperMessages.push_back(text); });
    CWrappingBlit wrapping;
    EXPECT_TRUE(destination.BlitAt(&source, 0, 0, &wrapping));
    EXPECT_TRUE(destination.BlitAt(&source, 0, 0, &GetBlitNormal()));
    SetDeveloperMessageSink(nullptr);
    ASSERT_EQ(s_DeveloperMessages.size(), 1u);
    EXPECT_EQ(s_DeveloperMessages[0],
              "The game is trying to Blit Wrapped (tile) a compressed frame.  This is possiblly a programming "
              "issue, but just as likely a problem in the settings of a CFrames' property file.");
}

TEST_F(Frames, FillsAndClearsAtEveryDepth)
{
    CColor colour(0x12, 0x34, 0x56, 0xFF);
    colour.m_PaletteIndex = 0x9A;
    colour.m_Flags |= COLOR_PALETTE_INDEX_VALID;
    const struct
    {
        int32_t bits;
        uint32_t word;
    } cases[] = {{8, 0x9A}, {16, Pack565(0x12, 0x34, 0x56)}, {24, 0x123456}, {32, 0xFF123456}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.bits);
        CFrame frame;
        frame.Create(5, 4, c.bits);
        frame.SetUpperLeftOffset(10, 20);
        frame.Fill(colour);
        EXPECT_EQ(ReadPixel(frame, 0, 0), c.word);
        EXPECT_EQ(ReadPixel(frame, 4, 3), c.word);
        frame.ClearRect(CRect{11, 21, 13, 100});
        EXPECT_EQ(ReadPixel(frame, 0, 1), c.word);
        EXPECT_EQ(ReadPixel(frame, 1, 1), 0u);
        EXPECT_EQ(ReadPixel(frame, 2, 3), 0u);
        EXPECT_EQ(ReadPixel(frame, 3, 3), c.word);
        frame.Clear();
        frame.FillRect(CRect{0, 0, 12, 22}, colour);
        EXPECT_EQ(ReadPixel(frame, 1, 1), c.word);
        EXPECT_EQ(ReadPixel(frame, 2, 1), 0u);
        EXPECT_EQ(ReadPixel(frame, 1, 2), 0u);
        frame.SetPixel(14, 23, colour);
        frame.SetPixel(15, 23, colour);
        frame.SetPixel(9, 20, colour);
        EXPECT_EQ(ReadPixel(frame, 4, 3), c.word);
        EXPECT_EQ(ReadPixel(frame, 0, 0), c.word);
        frame.FillBytes(0xAB);
        EXPECT_EQ(ReadPixel(frame, 4, 3) & 0xFF, 0xABu);
        frame.Clear();
        EXPECT_FALSE(frame.HasNonZeroPixels());
    }
}

TEST_F(Frames, TranslucentFillsInBothForms)
{
    const struct
    {
        bool fourLane;
        uint16_t expected[5];
    } cases[] = {
        {true, {0x8410, 0x8410, 0x8410, 0x8410, 0x7BEF}},
        {false, {0x7BEF, 0x7BEF, 0x7BEF, 0x7BEF, 0x7BEF}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.fourLane);
        GetCpuInfo().OverrideMMX(c.fourLane);
        CFrame frame;
        frame.Create(5, 1, 16);
        frame.FillRect(CRect{0, 0, 5, 1}, CColor(255, 255, 255, 128));
        for (int32_t x = 0; x < 5; x++)
            EXPECT_EQ(ReadPixel(frame, x, 0), c.expected[x]) << x;

        // Alpha 255 writes the exact word; alpha 0 changes no word at all.
        CFrame everyWord;
        everyWord.Create(256, 256, 16);
        for (uint32_t i = 0; i < 65536; i++)
            WritePixel(everyWord, static_cast<int32_t>(i % 256), static_cast<int32_t>(i / 256), i);
        everyWord.FillRect(CRect{0, 0, 256, 256}, CColor(200, 100, 50, 0));
        for (uint32_t i = 0; i < 65536; i++)
            ASSERT_EQ(ReadPixel(everyWord, static_cast<int32_t>(i % 256), static_cast<int32_t>(i / 256)), i);
        everyWord.FillRect(CRect{0, 0, 256, 256}, CColor(200, 100, 50, 255));
        EXPECT_EQ(ReadPixel(everyWord, 255, 255), Pack565(200, 100, 50));
    }
}

TEST_F(Frames, LinesAreClippedToTheFrameAndPlotBothEnds)
{
    CFrame frame;
    frame.Create(20, 20, 16);
    frame.SetUpperLeftOffset(-10, -10);
    frame.DrawLine(-50, -50, 50, 50, ColorWhite);
    int32_t set = 0;
    for (int32_t y = 0; y < 20; y++)
        for (int32_t x = 0; x < 20; x++)
            if (ReadPixel(frame, x, y) != 0)
            {
                EXPECT_EQ(x, y);
                set++;
            }
    EXPECT_EQ(set, 20);

    CFrame dot;
    dot.Create(3, 3, 32);
    dot.DrawLine(0, 0, 0, 0, ColorWhite);
    EXPECT_EQ(ReadPixel(dot, 0, 0), 0xFFFFFFFFu);
    EXPECT_TRUE(dot.HasNonZeroPixels());
    dot.Clear();
    dot.DrawLine(2, 0, 0, 1, ColorWhite);
    EXPECT_EQ(ReadPixel(dot, 2, 0), 0xFFFFFFFFu);
    EXPECT_EQ(ReadPixel(dot, 1, 1), 0xFFFFFFFFu) << "x-major: the error steps y at the middle";
    EXPECT_EQ(ReadPixel(dot, 1, 0), 0u);
    EXPECT_EQ(ReadPixel(dot, 0, 1), 0xFFFFFFFFu);
}

TEST_F(Frames, RunLengthFramesAreNotWrittenInto)
{
    CFrame frame;
    frame.Create(4, 4, 16);
    FillWithCounting(frame);
    frame.SetFormatWord(FRAME_DEPTH_16 | FRAME_ENCODING_RLE_ALPHA);
    frame.Clear();
    frame.Fill(ColorWhite);
    frame.FillRect(CRect{0, 0, 4, 4}, ColorWhite);
    frame.ClearRect(CRect{0, 0, 4, 4});
    frame.SetPixel(1, 1, ColorWhite);
    frame.DrawLine(0, 0, 3, 3, ColorWhite);
    frame.FillBytes(0);
    frame.SetFormatWord(FRAME_DEPTH_16);
    for (int32_t i = 0; i < 16; i++)
        EXPECT_EQ(ReadPixel(frame, i % 4, i / 4), static_cast<uint32_t>(i + 1));
}

TEST_F(Frames, OwnPaletteLivesInTheDynamicProperty)
{
    CObject* created = CFrame::SGetClassInfo()->CreateObject();
    ASSERT_NE(created, nullptr);
    CFrame* frame = static_cast<CFrame*>(created);
    EXPECT_EQ(frame->GetPalette(), nullptr);
    EXPECT_FALSE(frame->HasOwnPalette());
    CColorTable palette;
    palette.SetKind(CColorTable::PALETTE);
    palette.SetEntry(3, 1, 2, 3);
    frame->AttachPalette(palette);
    ASSERT_NE(frame->GetPalette(), nullptr);
    uint8_t r, g, b;
    frame->GetPalette()->GetEntry(3, r, g, b);
    EXPECT_EQ(b, 3);
    frame->DetachPaletteHolder();
    EXPECT_EQ(frame->GetPalette(), nullptr);
    frame->SetPalette(palette);
    delete frame;
}
