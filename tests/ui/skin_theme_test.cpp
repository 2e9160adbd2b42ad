#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/graphics/frame.h"
#include "engine/ui/alpha_skin_data.h"
#include "engine/ui/alpha_theme.h"
#include "engine/ui/button.h"
#include "engine/ui/dialog.h"
#include "engine/ui/skin_border.h"
#include "engine/ui/skin_library.h"
#include "engine/ui/static_text.h"
#include "engine/ui/toolkit_state.h"
#include "tests/support/object_forms.h"
#include "tests/support/skin_fixtures.h"
#include "tests/support/window_test_tree.h"

namespace {

std::string ColourText(const CColor& colour)
{
    return std::to_string(colour.m_Red) + "," + std::to_string(colour.m_Green) + "," + std::to_string(colour.m_Blue) +
           "," + std::to_string(colour.m_Alpha);
}

// The property names of an object text, in order, indents dropped.
std::vector<std::string> KeysOf(const std::string& text)
{
    std::vector<std::string> keys;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line))
    {
        size_t start = line.find_first_not_of('\t');
        size_t equals = line.find('=');
        if (start != std::string::npos && equals != std::string::npos)
            keys.push_back(line.substr(start, equals - start));
    }
    return keys;
}

std::unique_ptr<CJWindowAlphaTheme> AlphaSkinFromText(const std::string& text)
{
    std::unique_ptr<CObject> object = ObjectFromText(text);
    if (!object || !object->IsKindOf(CJWindowAlphaTheme::SGetClassInfo()))
        return nullptr;
    return std::unique_ptr<CJWindowAlphaTheme>(static_cast<CJWindowAlphaTheme*>(object.release()));
}

TEST(SkinFiles, ADefaultAlphaSkinWritesEveryPropertyInOrderAndReadsBackTheSame)
{
    CJWindowAlphaTheme theme;
    const std::string text = ObjectText(&theme);
    const std::vector<std::string> classic = {"Background Texture", "Background Color",  "Texture Margin",
                                              "Top Outer Color",    "Top Inner Color",   "Bottom Inner Color",
                                              "Bottom Outer Color"};
    std::vector<std::string> expected = {"Options",
                                         "General Font",
                                         "Shortcut Key Highlight Color",
                                         "Background Color",
                                         "Select Color",
                                         "Static Text Control",
                                         "Window Heading Font",
                                         "Window Heading Offset",
                                         "Space Between Controls",
                                         "Margin",
                                         "Window Border",
                                         "Background Texture",
                                         "Background Color",
                                         "Top Left Alpha",
                                         "Top Right Alpha",
                                         "Bottom Left Alpha",
                                         "Bottom Right Alpha",
                                         "Left Side Offset",
                                         "Top Side Offset",
                                         "Right Side Offset",
                                         "Bottom Side Offset",
                                         "Top Left Highlight",
                                         "Top Center Highlight",
                                         "Top Right Highlight",
                                         "Center Left Highlight",
                                         "Center Right Highlight",
                                         "Bottom Left Highlight",
                                         "Bottom Center Highlight",
                                         "Bottom Right Highlight",
                                         "Overlap Corners",
                                         "Top Overlap Ammount",
                                         "Special Top Right Highlight",
                                         "Top Center Decal",
                                         "Bottom Center Decal",
                                         "Left Center Decal",
                                         "Right Center Decal",
                                         "ListBox Border"};
    expected.insert(expected.end(), classic.begin(), classic.end());
    expected.push_back("Button Border");
    expected.insert(expected.end(), classic.begin(), classic.end());
    expected.insert(expected.end(), {"Pressed Button Border", "Hover Button Border", "Space Around Text",
                                     "Apply Button Text Offset When Pressed"});
    EXPECT_EQ(KeysOf(text), expected);
    EXPECT_NE(text.find("\t\t\tBackground Color=255,255,255,24\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\t\tShortcut Key Highlight Color=63,154,255\r\n"), std::string::npos) << text;

    std::unique_ptr<CObject> reread = ObjectFromText(text);
    ASSERT_NE(reread, nullptr);
    EXPECT_EQ(ObjectText(reread.get()), text);
}

TEST(SkinFiles, TheOldTitlePlateKeyLoadsAsTheTopCentreDecalAndIsWrittenUnderItsNewName)
{
    SkinFrames frames;
    int32_t plate = frames.Add("Plate", CRect{-8, -3, 8, 3});
    std::unique_ptr<CJWindowAlphaTheme> theme =
        AlphaSkinFromText("CJWindowAlphaTheme\r\n{\r\n\tOptions=CAlphaSkinData\r\n\t{\r\n\t\tWindow "
                          "Border=CAlphaSkinBorder\r\n\t\t{\r\n\t\t\tTitle Plate=Plate\r\n\t\t}\r\n\t}\r\n}\r\n");
    ASSERT_NE(theme, nullptr);
    const auto* border = static_cast<const CAlphaSkinBorder*>(theme->GetSkinData().m_pWindowBorder);
    EXPECT_EQ(border->m_TopCenterDecal, plate);
    const std::string text = ObjectText(theme.get());
    EXPECT_NE(text.find("\t\t\tTop Center Decal=Plate\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Title Plate"), std::string::npos);
}

TEST(SkinFilesDeathTest, AnUnknownBorderClassIsTheReadersFatalReport)
{
    EXPECT_EXIT(ObjectFromText("CJWindowAlphaTheme\r\n{\r\n\tOptions=CAlphaSkinData\r\n\t{\r\n\t\tButton "
                               "Border=CNoSuchBorder\r\n\t\t{\r\n\t\t}\r\n\t}\r\n}\r\n"),
                ::testing::ExitedWithCode(255), "");
}

// Empty values read as no object: each skin still applies, draws (a null
// border draws nothing) and is written back as it was read.
TEST(SkinFiles, EmptyOptionsAndEmptyBordersLoadAndDraw)
{
    const char* const fixtures[] = {
        "CJWindowAlphaTheme\r\n{\r\n\tOptions=\r\n}\r\n",
        "CJWindowAlphaTheme\r\n{\r\n\tOptions=CAlphaSkinData\r\n\t{\r\n\t\tWindow Border=\r\n\t\tButton "
        "Border=\r\n\t}\r\n}\r\n",
    };
    for (const char* fixture : fixtures)
    {
        CWindowTestTree tree;
        std::unique_ptr<CJWindowAlphaTheme> theme = AlphaSkinFromText(fixture);
        ASSERT_NE(theme, nullptr) << fixture;
        EXPECT_EQ(theme->GetWindowTexture(), nullptr);
        CJWindow* lender = new CJWindow(nullptr);
        lender->SetTheme(theme.get());
        CJDialog* dialog = new CJDialog(lender, "Title");
        dialog->AddCloseBox();
        dialog->SetRect(CRect{10, 10, 200, 120});
        CJButton* button = new CJButton(dialog, "Button");
        dialog->AddChild(button, 1);
        lender->Destroy();
        tree.Root().AddChild(dialog);
        EXPECT_EQ(dialog->GetMargin(), 8);
        tree.MoveMouse(button->GetScreenRect().left + 2, button->GetScreenRect().top + 2);
        tree.DrawTree();
        tree.Press(0, button->GetScreenRect().left + 2, button->GetScreenRect().top + 2);
        tree.DrawTree();

        std::string written = ObjectText(theme.get());
        std::unique_ptr<CObject> reread = ObjectFromText(written);
        ASSERT_NE(reread, nullptr);
        EXPECT_EQ(ObjectText(reread.get()), written);
        if (std::string(fixture).find("Options=\r\n") != std::string::npos)
            EXPECT_EQ(theme->m_pOptions, nullptr);
        else
            EXPECT_NE(written.find("\t\tWindow Border=\r\n"), std::string::npos) << written;
    }
}

TEST(SkinFiles, AClassicSkinWithAnEmptyBlockIsValid)
{
    std::unique_ptr<CObject> object = ObjectFromText("CJWindowClassicTheme\r\n{\r\n}\r\n");
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->IsKindOf(CJWindowClassicTheme::SGetClassInfo()));
}

TEST(AlphaTheme, AppliesTheSkinsFontColoursSpacingAndMargin)
{
    CWindowTestTree tree;
    CJWindowAlphaTheme theme;
    CJWindow* window = new CJWindow(nullptr);
    CJWindow* lender = window;
    lender->SetTheme(&theme);
    CJWindow* child = new CJWindow(lender);
    EXPECT_EQ(ColourText(child->GetHighlightColor()), "63,154,255,255");
    EXPECT_EQ(ColourText(child->GetTextColor()), "0,0,0,255");
    EXPECT_EQ(ColourText(child->GetFifthColor()), "101,91,85,255");
    EXPECT_EQ(child->GetSpacing(), 8);
    EXPECT_EQ(child->GetMargin(), 8);
    EXPECT_EQ(child->GetFont(), GetToolkitState().m_pDefaultFont);
    child->Destroy();

    // The signed byte of a window keeps the low byte: 200 is -56, and a
    // window still places its children with it.
    theme.m_pOptions->m_Margin = 200;
    CJDialog* dialog = new CJDialog(lender, "Margin");
    EXPECT_EQ(dialog->GetMargin(), -56);
    CJButton* button = new CJButton(dialog, "Child");
    dialog->AddChild(button, 1);
    EXPECT_EQ(button->GetRect().left, -56);
    dialog->Destroy();
    lender->Destroy();
}

TEST(AlphaTheme, ChildrenTakeTheSkinsFontWhileClassicChildrenTakeTheirParentsCurrentOne)
{
    CWindowTestTree tree;
    CJWindowAlphaTheme alpha;
    CJWindow* alphaParent = new CJWindow(nullptr);
    alphaParent->SetTheme(&alpha);
    CJWindow* classicParent = new CJWindow(nullptr);
    classicParent->SetTheme(CJWindowClassicTheme::GetDefault());
    CFont* other = tree.Font();
    alphaParent->SetFont(nullptr);
    classicParent->SetFont(other);
    CJWindow* alphaChild = new CJWindow(alphaParent);
    CJWindow* classicChild = new CJWindow(classicParent);
    EXPECT_EQ(alphaChild->GetFont(), alpha.GetSkinData().GetGeneralFont());
    EXPECT_EQ(classicChild->GetFont(), other);
    for (CJWindow* window : {alphaChild, classicChild, alphaParent, classicParent})
        window->Destroy();
}

TEST(SkinThemes, ParentlessWindowsTakeTheClassicThemeUntilADefaultIsSet)
{
    CWindowTestTree tree;
    CSkinTheme::SetDefaultTheme(nullptr);
    CJWindow* first = new CJWindow(nullptr);
    EXPECT_EQ(first->GetTheme(), CJWindowClassicTheme::GetDefault());
    EXPECT_EQ(CSkinTheme::GetDefaultTheme(), CJWindowClassicTheme::GetDefault());
    CJWindowAlphaTheme alpha;
    CSkinTheme::SetDefaultTheme(&alpha);
    CJWindow* second = new CJWindow(nullptr);
    EXPECT_EQ(second->GetTheme(), &alpha);
    first->Destroy();
    second->Destroy();
    CSkinTheme::SetDefaultTheme(nullptr);
}

TEST(SkinThemes, AnAlphaSkinWithoutWindowTextureLeavesTheSharedOne)
{
    CWindowTestTree tree;
    SkinFrames frames;
    CJWindowAlphaTheme alpha;
    CJWindow* window = new CJWindow(nullptr);
    window->SetTheme(&alpha);
    EXPECT_EQ(alpha.GetWindowTexture(), nullptr);
    EXPECT_EQ(window->GetWindowTexture(), GetToolkitState().m_pWindowTexture);
    int32_t texture = frames.Add("texture", CRect{0, 0, 32, 32});
    alpha.m_pOptions->m_pWindowBorder->m_BackgroundTexture = texture;
    EXPECT_EQ(window->GetWindowTexture(), static_cast<CFrameInterface*>(frames.Get(texture)));
    window->Destroy();
}

TEST(SkinLibrary, ItsItemsStayLoadedAndItsPreviewsAreSkinPreviews)
{
    CSkinLibrary& skins = GetSkinLibrary();
    skins.DeleteAllItems();
    int32_t index = skins.AddItemWithObject(new CJWindowClassicTheme, "Plain");
    ASSERT_GE(index, 0);
    CSkinTheme* theme = skins.GetItemObject(static_cast<uint32_t>(index));
    skins.UnloadItem(static_cast<uint32_t>(index));
    EXPECT_EQ(skins.GetItemObject(static_cast<uint32_t>(index)), theme);
    CSkinTheme::SetDefaultTheme(theme);
    ReleaseSkins();
    EXPECT_EQ(CSkinTheme::GetDefaultTheme(), nullptr);
    EXPECT_FALSE(skins.IsItemLoaded(static_cast<uint32_t>(index)));
    skins.DeleteAllItems();
}

} // namespace
