#include <gtest/gtest.h>

#include <memory>

#include "engine/graphics/frame.h"
#include "engine/ui/alpha_skin_data.h"
#include "engine/ui/alpha_theme.h"
#include "engine/ui/button.h"
#include "engine/ui/dialog.h"
#include "engine/ui/screen_window.h"
#include "engine/ui/skin_library.h"
#include "engine/ui/skin_preview.h"
#include "tests/support/window_test_tree.h"

namespace {

// A skin library holding one alpha skin, and the preview of it its
// factory makes.
class SkinPreview : public ::testing::Test
{
protected:
    SkinPreview()
    {
        GetSkinLibrary().DeleteAllItems();
        m_pSkin = new CJWindowAlphaTheme;
        m_Index = GetSkinLibrary().AddItemWithObject(m_pSkin, "Sample");
        ReferenceFactory factory = GetSkinLibrary().GetReferenceFactory();
        m_pPreview.reset(static_cast<CSkinPreview*>(factory(&GetSkinLibrary(), m_Index)));
    }
    ~SkinPreview() override
    {
        m_pPreview.reset();
        GetSkinLibrary().DeleteAllItems();
    }

    CWindowTestTree m_Tree;
    CJWindowAlphaTheme* m_pSkin;
    int32_t m_Index;
    std::unique_ptr<CSkinPreview> m_pPreview;
};

TEST_F(SkinPreview, ASampleDialogInTheSkinRebuiltOnTheThirdTenthOfASecond)
{
    CJDialog* first = m_pPreview->GetSample();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetTheme(), m_pSkin);
    EXPECT_STREQ(first->GetText().GetText(), "Window");
    EXPECT_EQ(first->GetParent(), nullptr);
    // Marked, so that a new sample shows even at the same address.
    first->SetText(CString("Marked"));
    m_pPreview->Update(0.1f);
    m_pPreview->Update(0.1f);
    EXPECT_STREQ(m_pPreview->GetSample()->GetText().GetText(), "Marked");
    m_pPreview->Update(0.1f);
    EXPECT_STREQ(m_pPreview->GetSample()->GetText().GetText(), "Window");
}

TEST_F(SkinPreview, AnEditedSkinShowsAfterTheNextRebuild)
{
    m_pSkin->m_pOptions->m_Margin = 20;
    EXPECT_NE(m_pPreview->GetSample()->GetMargin(), 20);
    m_pPreview->Update(0.3f);
    EXPECT_EQ(m_pPreview->GetSample()->GetMargin(), 20);
}

TEST_F(SkinPreview, BoundsLeaveFiftyPixelsAround)
{
    CRect bounds;
    m_pPreview->GetBounds(bounds);
    CJDialog* sample = m_pPreview->GetSample();
    EXPECT_EQ(RectText(bounds),
              RectText(CRect{-50, -50, sample->GetWidth() + 50, sample->GetHeight() + 50}));
}

// The preview draws inside the root's own draw, linking and unlinking its
// sample there; a tooltip shown meanwhile stays through the rebuilds.
class PreviewWindow : public CJWindow
{
public:
    PreviewWindow(CJWindow* parent, CSkinPreview& preview)
        : CJWindow(parent)
        , m_Preview(preview)
    {
    }
    void Draw(CFrameInterface& frame) override
    {
        CJWindow::Draw(frame);
        m_Preview.Draw(static_cast<CFrame*>(frame.GetRealFrame()), CPoint{300, 200});
    }

private:
    CSkinPreview& m_Preview;
};

TEST_F(SkinPreview, DrawnInsideTheRootsDrawItLeavesTheTreeAndTheTooltipAsTheyWere)
{
    PreviewWindow* host = new PreviewWindow(nullptr, *m_pPreview);
    host->SetRect(CRect{0, 0, 100, 100});
    m_Tree.Root().AddChild(host);
    CJButton* tipped = new CJButton(&m_Tree.Root(), "Tip");
    tipped->SetRect(CRect{10, 10, 60, 30});
    m_Tree.Root().AddChild(tipped);
    m_Tree.Root().SetTooltip(false, tipped, -1, CString("A tip"), 20, 40, 0);
    ASSERT_STREQ(m_Tree.Root().GetTooltipText().GetText(), "A tip");
    const CJWindow* front = m_Tree.Root().GetFrontChild();
    const CJWindow* back = m_Tree.Root().GetBackChild();
    for (int32_t rebuild = 0; rebuild < 4; rebuild++)
    {
        m_pPreview->Update(0.25f);
        m_Tree.DrawTree();
        EXPECT_EQ(m_pPreview->GetSample()->GetParent(), nullptr);
        EXPECT_STREQ(m_Tree.Root().GetTooltipText().GetText(), "A tip") << rebuild;
    }
    EXPECT_EQ(m_Tree.Root().GetFrontChild(), front);
    EXPECT_EQ(m_Tree.Root().GetBackChild(), back);
}

} // namespace
