#include <gtest/gtest.h>

#include "engine/object/class_info.h"
#include "engine/object/class_registry.h"
#include "engine/ui/skin_theme.h"
#include "engine/ui/toolkit_state.h"
#include "tests/support/window_test_tree.h"

// Which theme a window takes, what the classic theme gives it, and the
// themes as reflected classes.

namespace {
class CMarkingTheme : public CJWindowClassicTheme
{
public:
    void ApplyToWindow(CJWindow* window, CJWindow*) override
    {
        window->SetMargin(7);
        ++m_Applied;
    }
    int32_t m_Applied = 0;
};

TEST(WindowTheme, ThemesAreReflectedAndOnlyTheClassicOneIsCreatedByName)
{
    CClassInfo* base = GetClassRegistry().Find("CSkinTheme");
    CClassInfo* classic = GetClassRegistry().Find("CJWindowClassicTheme");
    ASSERT_NE(base, nullptr);
    ASSERT_NE(classic, nullptr);
    EXPECT_TRUE(base->IsAbstract());
    CObject* made = classic->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(base));
    EXPECT_EQ(static_cast<CSkinTheme*>(made)->GetWindowTexture(), nullptr);
    delete made;
}

TEST(WindowTheme, WindowsWithoutAThemedParentFallBackToTheClassicThemeUntilReplaced)
{
    CWindowTestTree tree;
    EXPECT_EQ(tree.Root().GetTheme(), CJWindowClassicTheme::GetDefault());
    EXPECT_EQ(CSkinTheme::GetDefaultTheme(), CJWindowClassicTheme::GetDefault());

    CMarkingTheme marking;
    CSkinTheme::SetDefaultTheme(&marking);
    CJWindow* orphan = new CJWindow(nullptr);
    EXPECT_EQ(orphan->GetTheme(), &marking);
    EXPECT_EQ(orphan->GetMargin(), 7);
    // Spacing was not set by the theme: the font's default.
    EXPECT_EQ(orphan->GetSpacing(), 12);
    CJWindow* child = new CJWindow(&tree.Root());
    EXPECT_EQ(child->GetTheme(), CJWindowClassicTheme::GetDefault());
    EXPECT_EQ(marking.m_Applied, 1);
    orphan->Destroy();
    child->Destroy();
}

TEST(WindowTheme, TheClassicThemeGivesAChildItsParentsCurrentFont)
{
    CWindowTestTree tree;
    CJWindow* parent = new CJWindow(nullptr);
    EXPECT_EQ(parent->GetFont(), tree.Font());
    parent->SetFont(nullptr);
    CJWindow* child = new CJWindow(parent);
    EXPECT_EQ(child->GetFont(), nullptr);
    EXPECT_EQ(child->GetDialogUnit(), 0);
    EXPECT_EQ(child->GetMargin(), 0);
    parent->AddChild(child);
    parent->Destroy();
}

TEST(WindowTheme, TheSharedBevelIsTakenFromTheFirstWindowAndSetByUnits)
{
    CWindowTestTree tree;
    // The root came first, without a font: bevel 0 for everyone after it.
    CJWindow* window = new CJWindow(nullptr);
    EXPECT_EQ(window->GetBevelWidth(), 0);
    window->SetBevelUnits(2);
    EXPECT_EQ(window->GetBevelWidth(), 6);
    CJWindow* later = new CJWindow(nullptr);
    EXPECT_EQ(later->GetBevelWidth(), 6);
    window->Destroy();
    later->Destroy();
}
} // namespace
