#include <gtest/gtest.h>

#include "engine/core/color/color.h"
#include "engine/graphics/frame.h"
#include "engine/object/libraries/library_catalogue.h"
#include "engine/ui/button.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/input_capture_window.h"
#include "engine/ui/member_command.h"
#include "engine/ui/skin_library.h"
#include "engine/ui/static_text.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/window_test_tree.h"

// Input capture screens: keys, the chain of return windows, and the
// picture and skin windows built on them.

namespace {
constexpr int32_t KEY_DOWN = 10;
constexpr int32_t KEY_ENTER = 13;
constexpr int32_t KEY_ESCAPE = 27;
constexpr int32_t KEY_CONFIRM = 250;

size_t Count(const CallLog& log, const std::string& entry)
{
    return static_cast<size_t>(std::count(log.begin(), log.end(), entry));
}

CJInputCaptureWindow* AddScreen(CJWindow* parent, const char* name, CRect rect)
{
    CJInputCaptureWindow* screen = new CJInputCaptureWindow(parent, name);
    parent->AddChildFront(screen);
    screen->SetRect(rect);
    return screen;
}

// Screen "A" at (10, 20, 210, 120) with B opened over it, each holding a
// probe that logs its end.
CJInputCaptureWindow* OpenBOverA(CWindowTestTree& tree, CJInputCaptureWindow*& a)
{
    a = AddScreen(&tree.Root(), "A", {10, 20, 210, 120});
    tree.AddProbe(a, "a", {0, 0, 1, 1});
    CJInputCaptureWindow* b = new CJInputCaptureWindow(&tree.Root(), "B");
    tree.AddProbe(b, "b", {0, 0, 1, 1});
    a->OpenOver(b, true);
    return b;
}

// A screen with a label in front and two buttons: default and cancel.
struct ScreenWithButtons
{
    explicit ScreenWithButtons(CWindowTestTree& tree)
    {
        screen = AddScreen(&tree.Root(), "Screen", {100, 100, 400, 300});
        yes = new CJButton(screen, "Yes");
        no = new CJButton(screen, "No");
        label = new CJStaticText(screen, "Label");
        screen->AddChild(yes);
        screen->AddChild(no);
        screen->AddChildFront(label);
        label->SetTabStop(true);
        screen->SetDefaultButton(yes);
        screen->SetCancelButton(no);
    }
    CJInputCaptureWindow* screen;
    CJButton* yes;
    CJButton* no;
    CJStaticText* label;
};
} // namespace

TEST(InputCapture, ArrowsMoveTheFocusAndEnterOnALabelOr250ActivateTheDefaultButton)
{
    CWindowTestTree tree;
    ScreenWithButtons s(tree);
    ASSERT_EQ(s.screen->GetFrontChild(), s.label);
    EXPECT_TRUE(tree.Type(KEY_ENTER));
    EXPECT_TRUE(s.yes->TakeClicked());
    EXPECT_TRUE(tree.Type(KEY_CONFIRM));
    EXPECT_TRUE(s.yes->TakeClicked());
    EXPECT_TRUE(tree.Type(KEY_ESCAPE));
    EXPECT_TRUE(s.no->TakeClicked());
    EXPECT_FALSE(s.yes->TakeClicked());
    EXPECT_TRUE(tree.Type(KEY_DOWN));
    EXPECT_NE(s.screen->GetFrontChild(), s.label);
    // Enter on a focused button clicks that button, not the default.
    CJWindow* focused = s.screen->GetFrontChild();
    tree.Type(KEY_ENTER);
    EXPECT_TRUE(static_cast<CJButton*>(focused)->TakeClicked());
}

TEST(InputCapture, AChainOfScreensReturnsToTheFirstAtItsOldRect)
{
    CWindowTestTree tree;
    CJInputCaptureWindow* a = nullptr;
    CJInputCaptureWindow* b = OpenBOverA(tree, a);
    EXPECT_EQ(b->GetReturnWindow(), a);
    EXPECT_EQ(a->GetParent(), nullptr);
    CJInputCaptureWindow* c = new CJInputCaptureWindow(&tree.Root(), "C");
    {
        CDeferredDestroyScope scope;
        b->PassReturnWindowTo(c, false);
    }
    EXPECT_EQ(Count(tree.Log(), "b.~"), 1u);
    EXPECT_EQ(c->GetReturnWindow(), a);
    a->SetRect({0, 0, 5, 5});
    {
        CDeferredDestroyScope scope;
        c->Close();
    }
    EXPECT_EQ(a->GetParent(), &tree.Root());
    EXPECT_EQ(tree.Root().GetFrontChild(), a);
    EXPECT_TRUE(a->IsVisible());
    EXPECT_EQ(RectText(a->GetRect()), RectText({10, 20, 210, 120}));
}

TEST(InputCapture, DroppedReturnWindowsComeBackNever)
{
    CWindowTestTree tree;
    CJInputCaptureWindow* a = nullptr;
    CJInputCaptureWindow* b = OpenBOverA(tree, a);
    CJInputCaptureWindow* c = new CJInputCaptureWindow(&tree.Root(), "C");
    b->OpenOver(c, true);
    {
        CDeferredDestroyScope scope;
        c->CloseWithoutReturn();
    }
    EXPECT_EQ(Count(tree.Log(), "a.~"), 1u);
    EXPECT_EQ(Count(tree.Log(), "b.~"), 1u);
    EXPECT_EQ(tree.Root().GetFrontChild(), nullptr);
}

TEST(InputCapture, AScreenWithoutParentOpensTheOtherAtTheRootWithNoReturnWindow)
{
    CWindowTestTree tree;
    CJInputCaptureWindow* loose = new CJInputCaptureWindow(&tree.Root(), "Loose");
    CJInputCaptureWindow* other = new CJInputCaptureWindow(&tree.Root(), "Other");
    loose->OpenOver(other, true);
    EXPECT_EQ(other->GetParent(), &tree.Root());
    EXPECT_EQ(other->GetReturnWindow(), nullptr);
    loose->Destroy();
}

TEST(InputCapture, PassingTheReturnWindowFromAButtonOfTheClosingScreen)
{
    CWindowTestTree tree;
    CJInputCaptureWindow* a = AddScreen(&tree.Root(), "A", {10, 20, 210, 120});
    CJInputCaptureWindow* b = new CJInputCaptureWindow(&tree.Root(), "B");
    a->OpenOver(b, true);
    b->SetRect({300, 300, 500, 400});
    CJButton* next = new CJButton(b, "Next");
    b->AddChild(next);
    CJInputCaptureWindow* c = new CJInputCaptureWindow(&tree.Root(), "C");
    next->SetCommand(new CMemberCommand([b, c] { b->PassReturnWindowTo(c, true); }));
    CRect rect = next->GetScreenRect();
    // The command closes the screen holding the button while it runs.
    tree.Press(0, rect.left + 1, rect.top + 1);
    tree.Release(0, rect.left + 1, rect.top + 1);
    EXPECT_EQ(tree.Root().GetFrontChild(), c);
    EXPECT_EQ(c->GetReturnWindow(), a);
}

TEST(PictureWindow, DrawsItsPictureAtItsPointAndCannotBeDragged)
{
    CWindowTestTree tree(64, 32);
    CFrame picture;
    picture.Create(2, 2, 16);
    CColor red(255, 0, 0, 255);
    picture.Fill(red);
    CJPictureWindow* window = new CJPictureWindow(&tree.Root(), &picture, 3, 4);
    tree.Root().AddChild(window);
    EXPECT_EQ(window->GetWidth(), 2);
    window->SetRect({10, 10, 30, 30});
    tree.DrawTree();
    EXPECT_EQ(ReadPixel(tree.Frame(), 13, 14), Pack565(255, 0, 0));
    EXPECT_EQ(ReadPixel(tree.Frame(), 14, 15), Pack565(255, 0, 0));
    EXPECT_EQ(ReadPixel(tree.Frame(), 12, 14), 0u);
    tree.Press(0, 15, 15);
    tree.MoveMouse(25, 25);
    tree.Release(0, 25, 25);
    EXPECT_EQ(RectText(window->GetRect()), RectText({10, 10, 30, 30}));
}

using SkinWindow = ArchiveTestFolder;

TEST_F(SkinWindow, ASkinWindowOverAClassicSkinFileLendsItsThemeToItsChildren)
{
    m_Folder.WriteFile("Data/Resources/Plain.JWindowSkin", "CJWindowClassicTheme\r\n{\r\n}\r\n");
    InitCatalogueLibrary(GetSkinLibrary(), LIBRARY_SKIN_THEMES);
    CWindowTestTree tree;
    int32_t index = GetSkinLibrary().Find("Plain", -1);
    ASSERT_GE(index, 0);
    CSkinTheme* skin = GetSkinLibrary().GetItemObject(static_cast<uint32_t>(index));
    ASSERT_NE(skin, nullptr);
    EXPECT_NE(skin, CJWindowClassicTheme::GetDefault());
    CJSkinWindow* lender = new CJSkinWindow(index);
    EXPECT_EQ(lender->GetTheme(), skin);
    EXPECT_FALSE(lender->IsVisible());
    CJButton* button = new CJButton(lender, "Skinned");
    EXPECT_EQ(button->GetTheme(), skin);
    lender->Destroy();
    tree.Root().AddChild(button);
    GetSkinLibrary().RemoveAll();
}
