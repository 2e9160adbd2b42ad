#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/core/messages/message_type.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/ui/alpha_skin_data.h"
#include "engine/ui/alpha_theme.h"
#include "engine/ui/button.h"
#include "engine/ui/dialog.h"
#include "engine/ui/skin_border.h"
#include "engine/ui/skin_painter.h"
#include "engine/ui/static_text.h"
#include "engine/ui/toolkit_state.h"
#include "tests/support/block_glyphs.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/recording_frame.h"
#include "tests/support/skin_fixtures.h"
#include "tests/support/window_test_tree.h"

namespace {

// A tree whose windows are built in a theme: the lender passes it on.
class SkinPainters : public ::testing::Test
{
protected:
    template <typename Window, typename... Arguments>
    Window* Make(CSkinTheme* theme, Arguments... arguments)
    {
        CJWindow* lender = new CJWindow(nullptr);
        lender->SetTheme(theme);
        Window* window = new Window(lender, arguments...);
        lender->Destroy();
        return window;
    }

    std::vector<const CRecordingFrame::Call*> BlitsOf(const CFrameInterface* source) const
    {
        std::vector<const CRecordingFrame::Call*> blits;
        for (const CRecordingFrame::Call& call : m_Recording.calls)
            if (call.kind == CRecordingFrame::BLIT && call.source == source)
                blits.push_back(&call);
        return blits;
    }

    CWindowTestTree m_Tree;
    SkinFrames m_Frames;
    CRecordingFrame m_Recording;
    CJWindowAlphaTheme m_Alpha;
};

TEST_F(SkinPainters, TheClassicTitleBarTextAndSeparatorFollowTheFontHeight)
{
    std::unique_ptr<CFrame> tile = std::make_unique<CFrame>();
    tile->Create(64, 32, 16);
    GetToolkitState().m_pWindowTitleTile = tile.get();
    GetToolkitState().m_pInactiveWindowTitleTile = tile.get();
    CJDialog* dialog = Make<CJDialog>(CJWindowClassicTheme::GetDefault(), "OK");
    dialog->SetRect(CRect{0, 0, 200, 100});
    dialog->GetFramePainter()->Paint(m_Recording);

    ASSERT_EQ(BlitsOf(tile.get()).size(), 1u);
    EXPECT_EQ(RectText(BlitsOf(tile.get())[0]->rect), "(3,3,197,27)");
    int32_t textLeft = 1000;
    int32_t textTop = 1000;
    for (const CRecordingFrame::Call& call : m_Recording.calls)
        if (call.kind == CRecordingFrame::BLIT && call.source != tile.get())
        {
            textLeft = std::min(textLeft, call.rect.left);
            textTop = std::min(textTop, call.rect.top);
        }
    // "OK" is 16 wide, centred on x 100, from y 7.
    EXPECT_EQ(textLeft, 92);
    EXPECT_EQ(textTop, 7);
    std::vector<std::string> rows;
    for (const CRecordingFrame::Call& call : m_Recording.calls)
        if (call.kind == CRecordingFrame::FILL && call.rect.right - call.rect.left == 199 && call.rect.top < 50)
            rows.push_back(RectText(call.rect));
    EXPECT_EQ(rows, (std::vector<std::string>{"(1,28,200,29)", "(1,29,200,30)"}));
    dialog->Destroy();
    GetToolkitState().m_pWindowTitleTile = nullptr;
    GetToolkitState().m_pInactiveWindowTitleTile = nullptr;
}

TEST_F(SkinPainters, AnAlphaButtonMeasuresItsCaptionWithoutWrapping)
{
    CBlockFont font(10);
    StoreBlockGlyphs(font, 32, 126, 10, 10);
    GetToolkitState().m_pDefaultFont = &font;
    m_Alpha.m_pOptions->m_SpaceAroundText = 1;
    CJButton* button = Make<CJButton>(&m_Alpha, "OK");
    EXPECT_EQ(button->GetBevelWidth(), 2);
    EXPECT_EQ(button->GetWidth(), 26);
    EXPECT_EQ(button->GetHeight(), font.GetTextBlockHeight(CString("OK"), 2) + 6);
    EXPECT_FALSE(button->IsAlwaysOutlined());
    button->Destroy();
}

// A disabled image button in either theme: its disabled image at full
// opacity, its image at 0.4, and "Normal" back where it was afterwards.
TEST_F(SkinPainters, DisabledImagesDimOnlyForTheImageAndGiveTheOpacityBack)
{
    int32_t image = m_Frames.Add("image", CRect{0, 0, 8, 8});
    int32_t disabled = m_Frames.Add("disabled", CRect{0, 0, 8, 8});
    for (CSkinTheme* theme : {static_cast<CSkinTheme*>(CJWindowClassicTheme::GetDefault()),
                              static_cast<CSkinTheme*>(&m_Alpha)})
    {
        m_Recording.calls.clear();
        CJButton* button = Make<CJButton>(theme, "");
        button->SetImages(m_Frames.Get(image), false, false);
        button->SetDisabledImage(m_Frames.Get(disabled));
        button->SetEnabled(false);
        GetBlitNormal().SetOpacity(1.0f);
        button->Draw(m_Recording);
        ASSERT_EQ(BlitsOf(m_Frames.Get(disabled)).size(), 1u);
        EXPECT_EQ(BlitsOf(m_Frames.Get(disabled))[0]->opacity, 1.0f);
        ASSERT_EQ(BlitsOf(m_Frames.Get(image)).size(), 1u);
        EXPECT_FLOAT_EQ(BlitsOf(m_Frames.Get(image))[0]->opacity, 0.4f);
        EXPECT_EQ(GetBlitNormal().GetOpacity(), 1.0f);
        button->Destroy();
    }
}

TEST_F(SkinPainters, TheAlphaTitleMayRiseAboveTheDialogAndTheClipComesBack)
{
    m_Alpha.m_pOptions->m_HeadingOffset = -20;
    CJDialog* dialog = Make<CJDialog>(&m_Alpha, "Title");
    dialog->SetRect(CRect{0, 0, 100, 50});
    m_Tree.Root().AddChild(dialog);
    dialog->SetRect(CRect{100, 100, 200, 150});
    m_Recording.bounds = CRect{-1000, -1000, 1000, 1000};
    COffsetClippedProxyFrame proxy(&m_Recording);
    proxy.SetClipRect(CRect{0, 0, 100, 50});
    dialog->GetFramePainter()->Paint(proxy);
    EXPECT_EQ(RectText(proxy.GetClipRect()), "(0,0,100,50)");
    int32_t textTop = 1000;
    for (const CRecordingFrame::Call& call : m_Recording.calls)
        if (call.kind == CRecordingFrame::BLIT)
            textTop = std::min(textTop, call.rect.top);
    // Drawn at y = -15, above the dialog.
    EXPECT_EQ(textTop, -15);
    EXPECT_EQ(dialog->GetFramePainter()->GetTitleFont(), m_Alpha.GetSkinData().GetHeadingFont());
    dialog->Destroy();
}

// An alpha button whose border is a recognisable colour for each state.
class AlphaButtons : public SkinPainters
{
protected:
    AlphaButtons()
    {
        CAlphaSkinData& skin = *m_Alpha.m_pOptions;
        for (auto [border, alpha] : {std::pair{&skin.m_pButtonBorder, 11}, {&skin.m_pPressedButtonBorder, 22},
                                      {&skin.m_pHoverButtonBorder, 33}})
        {
            delete *border;
            CClassicSkinBorder* classic = new CClassicSkinBorder;
            classic->m_BackgroundColor = CColor(0, 0, 0, static_cast<uint8_t>(alpha));
            *border = classic;
        }
        m_pButton = Make<CJButton>(&m_Alpha, "Go");
        m_pButton->SetRect(CRect{10, 10, 90, 40});
        m_Tree.Root().AddChild(m_pButton);
    }

    // The alpha of the background fill, 0 for none.
    int32_t BorderShown()
    {
        m_Recording.calls.clear();
        m_pButton->Draw(m_Recording);
        for (const CRecordingFrame::Call& call : m_Recording.calls)
            if (call.kind == CRecordingFrame::FILL && call.rect.left == 0 && call.rect.top == 0 &&
                call.rect.right == 80)
                return call.alpha;
        return 0;
    }

    CJButton* m_pButton;
};

TEST_F(AlphaButtons, TheBorderFollowsTheState)
{
    EXPECT_EQ(BorderShown(), 11);
    m_Tree.MoveMouse(20, 20);
    EXPECT_EQ(BorderShown(), 33);
    m_Tree.Press(0, 20, 20);
    EXPECT_EQ(BorderShown(), 22);
    m_Tree.Release(0, 300, 300);
    m_pButton->SetGreyed(true);
    m_Tree.MoveMouse(20, 20);
    EXPECT_EQ(BorderShown(), 11);
    // Without a pressed border the normal one stays.
    m_pButton->SetGreyed(false);
    delete m_Alpha.m_pOptions->m_pPressedButtonBorder;
    m_Alpha.m_pOptions->m_pPressedButtonBorder = nullptr;
    m_Tree.Press(0, 20, 20);
    EXPECT_EQ(BorderShown(), 33);
    m_Tree.Release(0, 20, 20);
}

TEST_F(AlphaButtons, AnOverlayReplacesTheBorderAndShowsOnlyUnderThePointer)
{
    int32_t overlay = m_Frames.Add("overlay", CRect{0, 0, 8, 8});
    m_pButton->SetOverlayImage(m_Frames.Get(overlay));
    EXPECT_EQ(BorderShown(), 0);
    EXPECT_TRUE(BlitsOf(m_Frames.Get(overlay)).empty());
    m_Tree.MoveMouse(20, 20);
    EXPECT_EQ(BorderShown(), 0);
    EXPECT_EQ(BlitsOf(m_Frames.Get(overlay)).size(), 1u);
}

TEST_F(AlphaButtons, RemoveButtonBorderMakesTheButtonAndItsChildrenBare)
{
    CJWindow* child = new CJWindow(m_pButton);
    m_pButton->AddChild(child);
    CMessage other("Something Else");
    EXPECT_FALSE(m_pButton->PainterQuery(other));
    CMessage remove("Remove Button Border");
    EXPECT_TRUE(m_pButton->PainterQuery(remove));
    EXPECT_EQ(BorderShown(), 0);
    EXPECT_TRUE(m_pButton->IsTransparent());
    EXPECT_TRUE(child->IsTransparent());
}

TEST_F(AlphaButtons, WithoutTheTextOffsetOnlyTheImageMovesWhenPressed)
{
    m_Alpha.m_pOptions->m_ApplyTextOffsetWhenPressed = false;
    int32_t image = m_Frames.Add("image", CRect{0, 0, 8, 8});
    m_pButton->SetImages(m_Frames.Get(image), false, false);
    m_pButton->SetCaptionOverImage(true);
    m_pButton->SetRect(CRect{10, 10, 90, 40});
    auto positions = [&] {
        BorderShown();
        std::vector<std::string> out;
        for (const CRecordingFrame::Call& call : m_Recording.calls)
            if (call.kind == CRecordingFrame::BLIT)
                out.push_back(RectText(call.rect));
        return out;
    };
    std::vector<std::string> up = positions();
    m_Tree.Press(0, 20, 20);
    std::vector<std::string> down = positions();
    ASSERT_EQ(up.size(), down.size());
    ASSERT_GE(up.size(), 2u);
    // The image moves one pixel, the caption's glyphs stay.
    EXPECT_NE(up.front(), down.front());
    for (size_t i = 1; i < up.size(); i++)
        EXPECT_EQ(up[i], down[i]);
    m_Tree.Release(0, 20, 20);
}

TEST_F(SkinPainters, AnAlphaStaticTextTakesTheSkinsStaticTextFont)
{
    CBlockFont font(12);
    StoreBlockGlyphs(font, 32, 126, 6, 12);
    GetToolkitState().m_pDefaultFont = &font;
    CJStaticText* text = Make<CJStaticText>(&m_Alpha, "Label");
    EXPECT_EQ(text->GetFont(), &font);
    text->Destroy();
}

} // namespace
