#include <gtest/gtest.h>

#include <vector>

#include "engine/blit/blit_tiling.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/ui/alpha_theme.h"
#include "engine/ui/skin_border.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/recording_frame.h"
#include "tests/support/skin_fixtures.h"
#include "tests/support/window_test_tree.h"

namespace {

std::vector<std::string> BlitsOf(const CRecordingFrame& frame, const CFrameInterface* source)
{
    std::vector<std::string> rects;
    for (const CRecordingFrame::Call& call : frame.calls)
        if (call.kind == CRecordingFrame::BLIT && call.source == source)
            rects.push_back(RectText(call.rect));
    return rects;
}

// A 100 x 50 window at (20, 30) in a 200 x 100 parent, drawn through a
// proxy over a recording frame much larger than both, in the window's own
// coordinates.
class AlphaBorder : public ::testing::Test
{
protected:
    AlphaBorder()
    {
        CProbeWindow* parent = m_Tree.AddProbe(&m_Tree.Root(), "parent", CRect{0, 0, 200, 100});
        m_pWindow = m_Tree.AddProbe(parent, "window", CRect{20, 30, 120, 80});
        m_Recording.bounds = CRect{-1000, -1000, 1000, 1000};
        m_Proxy.SetTarget(&m_Recording);
        m_Proxy.SetClipRect(m_Recording.bounds);
    }

    CRect ClipNow() const { return m_Proxy.GetClipRect(); }

    CWindowTestTree m_Tree;
    SkinFrames m_Frames;
    CProbeWindow* m_pWindow;
    CRecordingFrame m_Recording;
    COffsetClippedProxyFrame m_Proxy;
    CAlphaSkinBorder m_Border;
};

TEST_F(AlphaBorder, CornersTakeTheTextureUnderThemAndBandsFillBetween)
{
    m_Border.m_BackgroundTexture = m_Frames.Add("texture", CRect{0, 0, 128, 64});
    m_Border.m_TopLeftAlpha = m_Frames.Add("tl", CRect{0, 0, 6, 6});
    m_Border.m_TopRightAlpha = m_Frames.Add("tr", CRect{-6, 0, 0, 6});
    m_Border.m_BottomLeftAlpha = m_Frames.Add("bl", CRect{0, -6, 6, 0});
    m_Border.m_BottomRightAlpha = m_Frames.Add("br", CRect{-6, -6, 0, 0});
    m_Border.m_LeftSideOffset = 5;
    m_Border.m_RightSideOffset = 5;
    CFrame* texture = m_Frames.Get(m_Border.m_BackgroundTexture);
    CRect before = ClipNow();

    CJWindowAlphaTheme::DrawBorderBackground(m_pWindow, m_Proxy, CRect{0, 0, 100, 50}, &m_Border);

    // Each corner holds the texture as it lies under that corner.
    const struct
    {
        int32_t corner;
        int32_t textureX;
        int32_t textureY;
    } corners[] = {{m_Border.m_TopLeftAlpha, 0, 0},
                   {m_Border.m_TopRightAlpha, 94, 0},
                   {m_Border.m_BottomLeftAlpha, 0, 44},
                   {m_Border.m_BottomRightAlpha, 94, 44}};
    for (const auto& row : corners)
    {
        CFrame* corner = m_Frames.Get(row.corner);
        for (int32_t y = 0; y < 6; y++)
            for (int32_t x = 0; x < 6; x++)
                ASSERT_EQ(ReadPixel(*corner, x, y), ReadPixel(*texture, row.textureX + x, row.textureY + y))
                    << row.corner << " at " << x << "," << y;
        EXPECT_EQ(BlitsOf(m_Recording, corner).size(), 1u);
    }
    EXPECT_EQ(BlitsOf(m_Recording, texture),
              (std::vector<std::string>{"(-5,6,105,44)", "(6,0,94,6)", "(6,44,94,50)"}));
    EXPECT_EQ(RectText(ClipNow()), RectText(before));
}

TEST_F(AlphaBorder, NothingIsDrawnBeyondWhatShowsOfTheParent)
{
    m_Border.m_BackgroundTexture = m_Frames.Add("texture", CRect{0, 0, 64, 64});
    m_Border.m_TopLeftAlpha = m_Frames.Add("tl", CRect{0, 0, 6, 6});
    m_Border.m_LeftSideOffset = 1000;
    m_Border.m_RightSideOffset = 1000;
    CFrame* texture = m_Frames.Get(m_Border.m_BackgroundTexture);

    CJWindowAlphaTheme::DrawBorderBackground(m_pWindow, m_Proxy, CRect{0, 0, 100, 50}, &m_Border);
    // The parent's client area in the window's coordinates.
    EXPECT_EQ(BlitsOf(m_Recording, texture).front(), "(-20,6,180,50)");

    // A panel half out of its page shows only its upper half: the border
    // of a control in it stops there, not at the panel's own bottom.
    CProbeWindow* page = m_Tree.AddProbe(&m_Tree.Root(), "page", CRect{300, 0, 500, 100});
    CProbeWindow* panel = m_Tree.AddProbe(page, "panel", CRect{0, 50, 200, 200});
    CProbeWindow* control = m_Tree.AddProbe(panel, "control", CRect{20, 10, 120, 60});
    m_Recording.calls.clear();
    CJWindowAlphaTheme::DrawBorderBackground(control, m_Proxy, CRect{0, 0, 100, 50}, &m_Border);
    EXPECT_EQ(BlitsOf(m_Recording, texture).front(), "(-20,6,180,40)");
}

TEST_F(AlphaBorder, WithoutCornersTheTextureOrColourCoversTheWindow)
{
    CJWindowAlphaTheme::DrawBorderBackground(m_pWindow, m_Proxy, CRect{0, 0, 100, 50}, &m_Border);
    ASSERT_EQ(m_Recording.calls.size(), 1u);
    EXPECT_EQ(m_Recording.calls[0].kind, CRecordingFrame::FILL);
    EXPECT_EQ(RectText(m_Recording.calls[0].rect), "(0,0,100,50)");
    EXPECT_EQ(m_Recording.calls[0].alpha, 24);

    m_Recording.calls.clear();
    m_Border.m_BackgroundTexture = m_Frames.Add("texture", CRect{0, 0, 64, 64});
    CJWindowAlphaTheme::DrawBorderBackground(m_pWindow, m_Proxy, CRect{0, 0, 100, 50}, &m_Border);
    EXPECT_EQ(BlitsOf(m_Recording, m_Frames.Get(m_Border.m_BackgroundTexture)),
              (std::vector<std::string>{"(0,0,100,50)"}));
}

// 8 x 8 corners, strips of 1 x 3 and 3 x 1 pieces, the hot spots on the
// window's corners and edges.
class AlphaFrame : public AlphaBorder
{
protected:
    AlphaFrame()
    {
        m_Border.m_TopLeftHighlight = m_Frames.Add("tl", CRect{0, 0, 8, 8});
        m_Border.m_TopRightHighlight = m_Frames.Add("tr", CRect{-8, 0, 0, 8});
        m_Border.m_BottomLeftHighlight = m_Frames.Add("bl", CRect{0, -8, 8, 0});
        m_Border.m_BottomRightHighlight = m_Frames.Add("br", CRect{-8, -8, 0, 0});
        m_Border.m_TopCenterHighlight = m_Frames.Add("tc", CRect{0, 0, 1, 3});
        m_Border.m_BottomCenterHighlight = m_Frames.Add("bc", CRect{0, -3, 1, 0});
        m_Border.m_CenterLeftHighlight = m_Frames.Add("cl", CRect{0, 0, 3, 1});
        m_Border.m_CenterRightHighlight = m_Frames.Add("cr", CRect{-3, 0, 0, 1});
        m_Border.m_TopCenterDecal = m_Frames.Add("top decal", CRect{-4, -2, 4, 2});
        m_Border.m_LeftCenterDecal = m_Frames.Add("left decal", CRect{-2, -4, 2, 4});
    }

    const CRecordingFrame::Call* BlitOf(int32_t reference) const
    {
        for (const CRecordingFrame::Call& call : m_Recording.calls)
            if (call.kind == CRecordingFrame::BLIT && call.source == m_Frames.Get(reference))
                return &call;
        return nullptr;
    }

    void Draw(bool closeBox)
    {
        m_Recording.calls.clear();
        CJWindowAlphaTheme::DrawBorderFrame(m_pWindow, m_Proxy, CRect{0, 0, 100, 50}, &m_Border, closeBox);
    }
};

TEST_F(AlphaFrame, StripsJoinTheCornersAndDecalsSitOnTheEdges)
{
    CRect before = ClipNow();
    Draw(false);
    const struct
    {
        int32_t piece;
        const char* destination;
        const char* source;
    } strips[] = {{m_Border.m_TopCenterHighlight, "(7,0,92,3)", "(7,0,92,3)"},
                  {m_Border.m_BottomCenterHighlight, "(7,47,92,50)", "(7,-3,92,0)"},
                  {m_Border.m_CenterLeftHighlight, "(0,7,3,42)", "(0,7,3,42)"},
                  {m_Border.m_CenterRightHighlight, "(96,7,100,42)", "(-4,7,0,42)"}};
    for (const auto& strip : strips)
    {
        const CRecordingFrame::Call* call = BlitOf(strip.piece);
        ASSERT_NE(call, nullptr) << strip.destination;
        EXPECT_EQ(call->blitType, &GetBlitRepeat());
        EXPECT_EQ(RectText(call->rect), strip.destination);
        EXPECT_EQ(RectText(call->sourceRect), strip.source);
    }
    EXPECT_EQ(RectText(BlitOf(m_Border.m_BottomRightHighlight)->rect), "(92,42,100,50)");
    EXPECT_EQ(RectText(BlitOf(m_Border.m_TopCenterDecal)->rect), "(46,-2,54,2)");
    EXPECT_EQ(RectText(BlitOf(m_Border.m_LeftCenterDecal)->rect), "(-2,21,2,29)");
    EXPECT_EQ(RectText(ClipNow()), RectText(before));
}

TEST_F(AlphaFrame, OverlappedTopStripRunsPastBothEnds)
{
    m_Border.m_OverlapCorners = true;
    m_Border.m_TopOverlapAmount = 2;
    Draw(false);
    EXPECT_EQ(RectText(BlitOf(m_Border.m_TopCenterHighlight)->rect), "(-2,0,102,3)");
}

TEST_F(AlphaFrame, TheSpecialTopRightCornerNeedsACloseBox)
{
    m_Border.m_SpecialTopRightHighlight = m_Frames.Add("special", CRect{-8, 0, 0, 8});
    Draw(false);
    EXPECT_NE(BlitOf(m_Border.m_TopRightHighlight), nullptr);
    EXPECT_EQ(BlitOf(m_Border.m_SpecialTopRightHighlight), nullptr);
    Draw(true);
    EXPECT_EQ(BlitOf(m_Border.m_TopRightHighlight), nullptr);
    EXPECT_NE(BlitOf(m_Border.m_SpecialTopRightHighlight), nullptr);
}

TEST_F(AlphaFrame, WithoutTheTopLeftHighlightNothingIsDrawnAndMissingPiecesAreSkipped)
{
    int32_t topLeft = m_Border.m_TopLeftHighlight;
    m_Border.m_TopLeftHighlight = 0;
    Draw(false);
    EXPECT_TRUE(m_Recording.calls.empty());

    // Set alone, the others unset: only what is set draws.
    m_Border = CAlphaSkinBorder();
    m_Border.m_TopLeftHighlight = topLeft;
    Draw(false);
    ASSERT_EQ(m_Recording.calls.size(), 1u);
    EXPECT_EQ(m_Recording.calls[0].source, m_Frames.Get(topLeft));
}

TEST(ClassicBorder, FillsInsideTheMarginThenTheEightBevelLines)
{
    CWindowTestTree tree;
    CProbeWindow* window = tree.AddProbe(&tree.Root(), "button", CRect{0, 0, 20, 12});
    CClassicSkinBorder border;
    border.m_TextureMargin = 3;
    CRecordingFrame frame;
    CJWindowAlphaTheme::DrawBorder(window, frame, CRect{0, 0, 20, 12}, &border, true, false);
    std::vector<std::string> fills;
    for (const CRecordingFrame::Call& call : frame.calls)
        fills.push_back(RectText(call.rect) + " " + std::to_string(call.alpha));
    EXPECT_EQ(fills, (std::vector<std::string>{"(3,3,17,9) 24", "(0,0,20,1) 24", "(0,0,1,12) 24",
                                                "(19,1,20,11) 128", "(1,11,20,12) 128", "(1,1,19,2) 24",
                                                "(1,1,2,11) 24", "(18,2,19,10) 128", "(2,10,19,11) 128"}));
}

TEST(SkinTextureFilter, TakesOnlyPlainFramesWithPowerOfTwoSides)
{
    const struct
    {
        int32_t width;
        int32_t height;
        bool runLength;
        bool accepted;
    } cases[] = {{64, 32, false, true}, {48, 64, false, false}, {64, 64, true, false}, {1, 1, false, true}};
    for (const auto& row : cases)
    {
        CFrame frame;
        frame.Create(static_cast<uint32_t>(row.width), static_cast<uint32_t>(row.height), 16);
        if (row.runLength)
            frame.SetFormatWord(frame.GetFormat() | 0x04);
        EXPECT_EQ(IsSkinTexture(&frame), row.accepted) << row.width << "x" << row.height;
    }
    EXPECT_FALSE(IsSkinTexture(nullptr));
}

TEST(SkinBorderOverflow, ExtremeOffsetsFromAFileStayBounded)
{
    CWindowTestTree tree;
    SkinFrames frames;
    CProbeWindow* window = tree.AddProbe(&tree.Root(), "window", CRect{0, 0, 100, 50});
    CAlphaSkinBorder border;
    border.m_BackgroundTexture = frames.Add("texture", CRect{0, 0, 64, 64});
    border.m_TopLeftAlpha = frames.Add("tl", CRect{0, 0, 6, 6});
    border.m_LeftSideOffset = INT32_MAX;
    border.m_RightSideOffset = INT32_MAX;
    border.m_BottomSideOffset = INT32_MIN;
    border.m_TopLeftHighlight = frames.Add("hl", CRect{0, 0, 8, 8});
    border.m_TopOverlapAmount = INT32_MIN;
    CClassicSkinBorder classic;
    classic.m_TextureMargin = INT32_MIN;
    CRecordingFrame frame;
    frame.bounds = CRect{-1000, -1000, 1000, 1000};
    // Undefined behaviour would stop the sanitized build here.
    CJWindowAlphaTheme::DrawBorder(window, frame, CRect{0, 0, 100, 50}, &border, true, false);
    CJWindowAlphaTheme::DrawBorder(window, frame, CRect{0, 0, 100, 50}, &classic, true, false);
    EXPECT_EQ(RectText(frame.calls.back().rect), "(2,48,99,49)");
    EXPECT_EQ(RectText(frame.calls[frame.calls.size() - 9].rect), "(-1073741824,-1073741824,1073741824,1073741824)");
}

TEST(SkinBorderNull, ANullBorderDrawsNothing)
{
    CWindowTestTree tree;
    CProbeWindow* window = tree.AddProbe(&tree.Root(), "window", CRect{0, 0, 100, 50});
    CRecordingFrame frame;
    CJWindowAlphaTheme::DrawBorder(window, frame, CRect{0, 0, 100, 50}, nullptr, true, true);
    EXPECT_TRUE(frame.calls.empty());
}

} // namespace
