#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/blit/screen_blit_types.h"
#include "engine/core/color/color.h"
#include "engine/graphics/dirty_cell_grid.h"
#include "engine/graphics/dirty_rect_frame.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/screen_frame.h"
#include "tests/support/fake_display_device.h"
#include "tests/support/frame_pixels.h"

namespace {

void ExpectCell(const CDirtyCellGrid& grid, uint32_t column, uint32_t row, DirtyCell expected)
{
    const DirtyCell* cell = grid.GetCell(column, row);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->dirty, expected.dirty) << column << "," << row;
    EXPECT_EQ(cell->x0, expected.x0) << column << "," << row;
    EXPECT_EQ(cell->y0, expected.y0) << column << "," << row;
    EXPECT_EQ(cell->x1, expected.x1) << column << "," << row;
    EXPECT_EQ(cell->y1, expected.y1) << column << "," << row;
}

std::vector<CRect> Runs(const CDirtyCellGrid& grid)
{
    std::vector<CRect> runs;
    grid.ForEachRun([&](const CRect& run) { runs.push_back(run); });
    return runs;
}

// A frame that remembers the destination rectangle of every blit onto it.
class CBlitRecorder : public CFrame
{
public:
    bool Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType) override
    {
        copies.push_back(destinationRect);
        return CFrame::Blit(source, sourceRect, destinationRect, blitType);
    }
    std::vector<CRect> copies;
};

bool SameRects(const std::vector<CRect>& a, const std::vector<CRect>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); i++)
        if (a[i].left != b[i].left || a[i].top != b[i].top || a[i].right != b[i].right || a[i].bottom != b[i].bottom)
            return false;
    return true;
}

class DirtyRectFrame : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }

    // A frame whose every cell has been presented, so nothing is dirty.
    void MakeClean(CDirtyRectFrame& frame, int32_t width, int32_t height)
    {
        frame.Create(width, height, 16);
        frame.SetBufferCount(1);
        CFrame sink;
        sink.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 16);
        frame.PresentDirty(&sink, &GetBlitNormal());
        frame.PresentDirty(&sink, &GetBlitNormal());
        frame.Clear();
    }
};

// ---- the cell grid

TEST_F(DirtyRectFrame, MarkingWidensACellsRectangle)
{
    CDirtyCellGrid grid;
    grid.Resize(800, 600);
    grid.MarkRect(CRect{10, 10, 11, 11});
    ExpectCell(grid, 0, 0, {1, 10, 10, 11, 11});
    grid.MarkRect(CRect{5, 20, 40, 21});
    ExpectCell(grid, 0, 0, {1, 5, 10, 32, 21});
    ExpectCell(grid, 1, 0, {1, 0, 20, 8, 21});
    EXPECT_FALSE(grid.IsDirty(2, 0));
    EXPECT_FALSE(grid.IsDirty(0, 1));
}

TEST_F(DirtyRectFrame, AGridOverTheScreenHasItsLastRowPastTheEdge)
{
    CDirtyCellGrid grid;
    grid.Resize(800, 600);
    EXPECT_EQ(grid.GetColumns(), 25u);
    EXPECT_EQ(grid.GetRows(), 19u);
    EXPECT_EQ(grid.GetCell(25, 0), nullptr);
    EXPECT_EQ(grid.GetCell(0, 19), nullptr);
    EXPECT_FALSE(grid.IsDirty(100, 100));
    grid.MarkRect(CRect{-50, -50, -1, -1});
    grid.MarkRect(CRect{900, 700, 1000, 800});
    EXPECT_TRUE(Runs(grid).empty());
    grid.MarkRect(CRect{0, 590, 800, 640});
    ExpectCell(grid, 3, 18, {1, 0, 14, 32, 32});
}

TEST_F(DirtyRectFrame, RunsJoinFullWidthNeighboursWithTheSameRows)
{
    CDirtyCellGrid grid;
    grid.Resize(800, 600);
    grid.MarkRect(CRect{20, 4, 64, 9});   // cells 0 and 1, rows 4-9 in both
    grid.MarkRect(CRect{70, 40, 96, 50}); // cell (2, 1)
    grid.MarkRect(CRect{64, 42, 66, 44}); // widens (2, 1) to its left edge
    grid.MarkRect(CRect{0, 40, 64, 45});  // (0, 1) and (1, 1): rows 8-13, unlike (2, 1)
    const std::vector<CRect> expected = {
        {20, 4, 64, 9},
        {0, 40, 64, 45},
        {64, 40, 96, 50},
    };
    EXPECT_TRUE(SameRects(Runs(grid), expected));
}

TEST_F(DirtyRectFrame, GridsMergeAndCopyCellByCell)
{
    CDirtyCellGrid a, b;
    a.Resize(64, 32);
    b.Resize(64, 32);
    a.MarkRect(CRect{4, 4, 8, 8});
    b.MarkRect(CRect{2, 6, 6, 10});
    b.MarkRect(CRect{40, 1, 41, 2});
    a.MergeFrom(b);
    ExpectCell(a, 0, 0, {1, 2, 4, 8, 10});
    ExpectCell(a, 1, 0, {1, 8, 1, 9, 2});
    b.ClearAll();
    b.CopyFrom(a);
    ExpectCell(b, 0, 0, {1, 2, 4, 8, 10});
    b.MarkAll();
    ExpectCell(b, 1, 0, {1, 0, 0, 32, 32});
}

// ---- the frame

TEST_F(DirtyRectFrame, BuffersAdvanceInTurnAndNeverNumberZero)
{
    CDirtyRectFrame frame;
    frame.Create(64, 64, 16);
    EXPECT_EQ(frame.GetBufferCount(), 3u);
    std::vector<uint32_t> buffers;
    for (int32_t i = 0; i < 4; i++)
    {
        buffers.push_back(frame.GetCurrentBuffer());
        frame.AdvanceBuffer();
    }
    EXPECT_EQ(buffers, (std::vector<uint32_t>{0, 1, 2, 0}));
    frame.SetBufferCount(0);
    EXPECT_EQ(frame.GetBufferCount(), 1u);
    frame.NextBuffer();
    EXPECT_EQ(frame.GetCurrentBuffer(), 0u);
    frame.SetPixel(3, 3, CColor(255, 255, 255, 255));
    EXPECT_TRUE(frame.GetDrawnGrid(0).IsDirty(0, 0));

    // A lasting change reaches every surface.
    frame.SetBufferCount(3);
    frame.AddDirtyRect(CRect{40, 40, 41, 41});
    for (uint32_t buffer = 0; buffer < 3; buffer++)
    {
        EXPECT_TRUE(frame.GetDrawnGrid(buffer).IsDirty(1, 1)) << buffer;
        EXPECT_FALSE(frame.GetPreviousGrid(buffer).IsDirty(1, 1)) << buffer;
    }
    EXPECT_TRUE(frame.GetUnionGrid().IsDirty(1, 1));
}

TEST_F(DirtyRectFrame, PresentingCopiesRunsCutToTheDestination)
{
    CDirtyRectFrame frame;
    MakeClean(frame, 800, 600);
    CBlitRecorder screen;
    screen.Create(800, 600, 16);
    screen.SetPixel(0, 0, CColor(8, 8, 8, 255));
    frame.FillRect(CRect{0, 590, 800, 600}, CColor(255, 0, 0, 255));
    frame.PresentDirty(&screen, &GetBlitNormal());
    EXPECT_TRUE(SameRects(screen.copies, {{0, 590, 800, 600}}));
    EXPECT_EQ(ReadPixel(screen, 799, 599), 0xF800u);

    screen.copies.clear();
    frame.FillRect(CRect{0, 0, 64, 9}, CColor(255, 0, 0, 255));
    frame.FillRect(CRect{100, 0, 164, 9}, CColor(255, 0, 0, 255));
    frame.FillRect(CRect{128, 0, 164, 12}, CColor(255, 0, 0, 255));
    frame.PresentDirty(&screen, &GetBlitNormal());
    // The band across cells 0 and 1 is one copy; cell 3 has other rows than
    // cells 4 and 5, which join; the cells of the last present come again.
    EXPECT_TRUE(SameRects(screen.copies, {{0, 0, 64, 9}, {100, 0, 128, 9}, {128, 0, 164, 12}, {0, 590, 800, 600}}));
}

TEST_F(DirtyRectFrame, ABlackCornerGetsAFullCopyThenTheMarker)
{
    CDirtyRectFrame frame;
    MakeClean(frame, 96, 64);
    frame.Fill(CColor(0, 255, 0, 255));
    CFrame first;
    first.Create(96, 64, 16);
    frame.PresentDirty(&first, &GetBlitNormal());
    EXPECT_EQ(ReadPixel(first, 0, 0), 0x0841u);

    // Nothing drawn since, but this destination is black in its corner.
    CBlitRecorder second;
    second.Create(96, 64, 16);
    frame.PresentDirty(&second, &GetBlitNormal());
    EXPECT_TRUE(SameRects(second.copies, {{0, 0, 96, 64}, {0, 32, 96, 64}}) ||
                SameRects(second.copies, {{0, 0, 96, 32}, {0, 32, 96, 64}}));
    EXPECT_EQ(ReadPixel(second, 95, 63), 0x07E0u);
    EXPECT_EQ(ReadPixel(second, 0, 0), 0x0841u);

    // The full copy reaches the surface once more as its last present's
    // cells, then nothing is copied.
    CBlitRecorder marked;
    marked.Create(96, 64, 16);
    marked.SetPixel(0, 0, CColor(8, 8, 8, 255));
    frame.PresentDirty(&marked, &GetBlitNormal());
    EXPECT_EQ(marked.copies.size(), 2u);
    marked.copies.clear();
    frame.PresentDirty(&marked, &GetBlitNormal());
    EXPECT_TRUE(marked.copies.empty());
}

TEST_F(DirtyRectFrame, MarkModeTwoDrawsOnlyIntoDirtyCellsAndMarksNothing)
{
    CDirtyRectFrame frame;
    MakeClean(frame, 96, 64);
    frame.SetPixel(40, 40, CColor(0, 0, 0, 255)); // cell (1, 1), one pixel
    CFrame layer;
    layer.Create(96, 64, 16);
    for (int32_t y = 0; y < 64; y++)
        for (int32_t x = 0; x < 96; x++)
            WritePixel(layer, x, y, 0xFFFF);
    frame.SetMarkMode(CDirtyRectFrame::MARK_ONLY_DIRTY);
    frame.BlitAt(&layer, 0, 0, &GetBlitNormal());
    frame.SetMarkMode(CDirtyRectFrame::MARK_NORMAL);
    for (int32_t y = 0; y < 64; y++)
        for (int32_t x = 0; x < 96; x++)
            ASSERT_EQ(ReadPixel(frame, x, y), (x == 40 && y == 40) ? 0xFFFFu : 0u) << x << "," << y;
    EXPECT_TRUE(SameRects(Runs(frame.GetDrawnGrid(0)), {{40, 40, 41, 41}}));
    EXPECT_TRUE(SameRects(Runs(frame.GetUnionGrid()), {{40, 40, 41, 41}}));
}

TEST_F(DirtyRectFrame, RestoringZeroesOrFillsOrCopiesTheBackground)
{
    struct Case
    {
        int32_t alpha;
        bool background;
        uint32_t restored;
    };
    const Case cases[] = {{0, false, 0x0000}, {255, false, 0x001F}, {255, true, 0x1234}};
    CFrame background;
    background.Create(64, 64, 16);
    for (int32_t y = 0; y < 64; y++)
        for (int32_t x = 0; x < 64; x++)
            WritePixel(background, x, y, 0x1234);
    for (const Case& c : cases)
    {
        CDirtyRectFrame frame;
        MakeClean(frame, 64, 64);
        frame.SetColor(0, 0, 255, c.alpha);
        if (c.background)
        {
            frame.SetBackgroundFrame(&background);
            MakeClean(frame, 64, 64);
        }
        // White everywhere, unmarked, then one marked square.
        for (int32_t y = 0; y < 64; y++)
            for (int32_t x = 0; x < 64; x++)
                WritePixel(frame, x, y, 0xFFFF);
        frame.FillRect(CRect{3, 3, 5, 5}, CColor(255, 255, 255, 255));
        frame.RestoreDirtyCells();
        EXPECT_EQ(ReadPixel(frame, 4, 4), c.restored) << c.alpha << " " << c.background;
        EXPECT_EQ(ReadPixel(frame, 2, 2), 0xFFFFu);
        EXPECT_EQ(ReadPixel(frame, 5, 5), 0xFFFFu);
        EXPECT_TRUE(Runs(frame.GetUnionGrid()).empty());
    }
}

TEST_F(DirtyRectFrame, AnOversizedBoundsOverrideIsHeldWithinTheFrame)
{
    CDirtyRectFrame frame;
    frame.Create(40, 30, 16);
    const CRect huge{-1000, -1000, 5000, 5000};
    frame.SetBoundsOverride(&huge);
    CRect bounds;
    frame.GetBounds(bounds);
    EXPECT_TRUE(SameRects({bounds}, {{0, 0, 40, 30}}));
    CFrame big;
    big.Create(200, 200, 16);
    FillWithCounting(big);
    frame.BlitAt(&big, -20, -20, &GetBlitNormal());
    frame.FillRect(huge, CColor(1, 2, 3, 128));
    frame.Clear();
    const CRect inner{10, 10, 20, 20};
    frame.SetBoundsOverride(&inner);
    frame.BlitAt(&big, 0, 0, &GetBlitNormal());
    EXPECT_EQ(ReadPixel(frame, 9, 9), 0u);
    EXPECT_EQ(ReadPixel(frame, 10, 10), ReadPixel(big, 10, 10));
    frame.SetBoundsOverride(nullptr);
}

// ---- onto the screen over the fake display

class DirtyFrameOnScreen : public DirtyRectFrame
{
protected:
    void SetUp() override
    {
        DirtyRectFrame::SetUp();
        m_Screen = GetScreenFrame();
        m_Screen->SetBrightness(1.0f);
        uint32_t width = 640, height = 480;
        ASSERT_TRUE(m_Screen->SetScreenMode(width, height, 16, 16));
        ASSERT_TRUE(m_Screen->IsFullScreen());
        ASSERT_EQ(m_Screen->GetBackBufferCount(), 2u);
        m_Frame.Create(640, 480, 16);
        m_Frame.SetBufferCount(m_Screen->GetBackBufferCount() + 1);
        m_Frame.InvalidateAll();
    }

    void TearDown() override
    {
        m_Screen->SetBrightness(1.0f);
        m_Screen->ReleaseDirectDraw();
    }

    // One frame of the main draw; true when presented.
    bool DrawFrame()
    {
        m_Screen->LockBackBuffer();
        m_Frame.PresentDirty(m_Screen, &GetBlitNormal());
        m_Screen->UnlockBackBuffer();
        if (!m_Screen->Present())
            return false;
        m_Frame.AdvanceBuffer();
        return true;
    }

    // The picture shown, pixel (0, 0) (the marker) left out.
    bool ShownEquals(const CFrame& expected)
    {
        DisplayPicture picture;
        if (!m_Display.GetLastPresented(picture))
            return false;
        for (int32_t y = 0; y < picture.height; y++)
        {
            const uint16_t* row = reinterpret_cast<const uint16_t*>(picture.pixels + y * picture.pitch);
            for (int32_t x = (y == 0 ? 1 : 0); x < picture.width; x++)
                if (row[x] != ReadPixel(expected, x, y))
                    return false;
        }
        return true;
    }

    FakeDisplayDevice m_Display;
    CScreenFrame* m_Screen = nullptr;
    CDirtyRectFrame m_Frame;
};

TEST_F(DirtyFrameOnScreen, ABrightnessChangeGivesEachSurfaceOneFullCopyOnePerFrame)
{
    m_Frame.Fill(CColor(128, 128, 128, 255));
    for (int32_t i = 0; i < 3; i++)
        ASSERT_TRUE(DrawFrame());
    CFrame plain;
    plain.Create(640, 480, 16);
    plain.Fill(CColor(128, 128, 128, 255));
    ASSERT_TRUE(ShownEquals(plain));

    m_Screen->SetBrightness(0.5f);
    CFrame darkened;
    darkened.Create(640, 480, 16);
    CRect sourceRect{0, 0, 640, 480}, destinationRect{0, 0, 640, 480};
    GetBlitDarken565().SetAmount(128);
    darkened.Blit(&plain, sourceRect, destinationRect, &GetBlitDarken565());
    for (int32_t i = 0; i < 3; i++)
    {
        ASSERT_TRUE(DrawFrame());
        EXPECT_TRUE(ShownEquals(darkened)) << i;
        // One surface per frame: the next one still holds the old picture
        // until its own turn.
        m_Screen->LockBackBuffer();
        EXPECT_EQ(ReadPixel(*m_Screen, 300, 300), i < 2 ? ReadPixel(plain, 300, 300) : ReadPixel(darkened, 300, 300))
            << i;
        m_Screen->UnlockBackBuffer();
    }
}

// Sprites move over a background; after every present the picture shown is
// what drawing everything anew gives, through a failed flip and lost
// surfaces as well.
TEST_F(DirtyFrameOnScreen, EveryPresentedPictureEqualsAFullRedraw)
{
    CFrame background;
    background.Create(640, 480, 16);
    FillWithCounting(background);
    m_Frame.SetBackgroundFrame(&background);

    std::mt19937 random(1234);
    std::vector<CFrame> sprites(6);
    for (size_t i = 0; i < sprites.size(); i++)
    {
        sprites[i].Create(32, 24, 16);
        for (int32_t y = 0; y < 24; y++)
            for (int32_t x = 0; x < 32; x++)
                WritePixel(sprites[i], x, y, static_cast<uint32_t>(random()) | 1);
    }
    struct Mover
    {
        int32_t x, y, dx, dy;
    };
    std::vector<Mover> movers;
    for (size_t i = 0; i < sprites.size(); i++)
        movers.push_back({static_cast<int32_t>(random() % 700) - 30, static_cast<int32_t>(random() % 540) - 30,
                          static_cast<int32_t>(random() % 21) - 10, static_cast<int32_t>(random() % 21) - 10});

    int32_t presents = 0;
    for (int32_t frame = 0; frame < 50; frame++)
    {
        if (frame == 20)
            m_Display.Fail(FakeDisplayDevice::FLIP);
        if (frame == 21)
            m_Display.Fail(FakeDisplayDevice::FLIP, false);
        if (frame == 33)
            m_Display.LoseSurfaces();

        m_Frame.Clear();
        CFrame expected;
        expected.Create(640, 480, 16);
        expected.BlitAt(&background, 0, 0, &GetBlitNormal());
        for (size_t i = 0; i < sprites.size(); i++)
        {
            Mover& m = movers[i];
            m.x += m.dx;
            m.y += m.dy;
            if (m.x < -40 || m.x > 660)
                m.dx = -m.dx;
            if (m.y < -40 || m.y > 500)
                m.dy = -m.dy;
            m_Frame.BlitAt(&sprites[i], m.x, m.y, &GetBlitNormal());
            expected.BlitAt(&sprites[i], m.x, m.y, &GetBlitNormal());
        }
        const bool presented = DrawFrame();
        EXPECT_EQ(presented, frame != 20) << frame;
        if (presented)
        {
            presents++;
            ASSERT_TRUE(ShownEquals(expected)) << "frame " << frame;
        }
    }
    EXPECT_EQ(presents, 49);
    m_Frame.SetBackgroundFrame(nullptr);
}

} // namespace
