#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "engine/core/settings/settings.h"
#include "engine/ui/toolkit_state.h"
#include "tests/support/window_test_tree.h"

// Placements stored in the editor settings file under each persisted
// window's name: written when the window goes, read back with clamping
// into the parent, cascading, and distrust of the stored numbers.

namespace {
class PersistedPlacement : public testing::Test
{
protected:
    void WriteSettings(const std::string& text)
    {
        std::ofstream file(m_Tree.SettingsFile(), std::ios::binary);
        file << text;
    }

    int32_t Stored(const char* section, const char* key)
    {
        return ReadSettingInt(m_Tree.SettingsFile().c_str(), section, key, -12345);
    }

    // A parent at screen (100, 50), 400 x 300, fully visible.
    CJWindow* AddParent()
    {
        CJWindow* parent = new CJWindow(nullptr);
        parent->SetRect({100, 50, 500, 350});
        m_Tree.Root().AddChild(parent);
        return parent;
    }

    CJWindow* AddChild(CJWindow* parent, CRect rect, const char* text)
    {
        CJWindow* window = new CJWindow(parent, text);
        window->SetRect(rect);
        parent->AddChild(window, 0, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP, 1);
        return window;
    }

    CWindowTestTree m_Tree;
};

TEST_F(PersistedPlacement, TheSixKeysRoundTrip)
{
    CJWindow* parent = AddParent();
    CJWindow* window = AddChild(parent, {20, 30, 120, 90}, "Brick Palette");
    window->LoadPlacement(nullptr, true);
    window->SetTransparent(true);
    window->Show(false, false);
    window->Destroy();
    EXPECT_EQ(Stored("Brick Palette", "Width"), 100);
    EXPECT_EQ(Stored("Brick Palette", "Height"), 60);
    EXPECT_EQ(Stored("Brick Palette", "Position X"), 20);
    EXPECT_EQ(Stored("Brick Palette", "Position Y"), 30);
    EXPECT_EQ(Stored("Brick Palette", "Show Window"), 0);
    EXPECT_EQ(Stored("Brick Palette", "Transparent Window"), 1);

    CJWindow* again = AddChild(parent, {0, 0, 10, 10}, "Brick Palette");
    AddChild(again, {0, 0, 5, 5}, "inside");
    again->LoadPlacement(nullptr, true);
    EXPECT_EQ(RectText(again->GetRect()), "(20,30,120,90)");
    EXPECT_FALSE(again->IsVisible());
    EXPECT_TRUE(again->IsTransparent());
    EXPECT_TRUE(again->GetFrontChild()->IsTransparent());
}

TEST_F(PersistedPlacement, WithoutSizeOnlyThePositionAndFlagsAreKept)
{
    WriteSettings("[Tool]\r\nWidth=77\r\nHeight=66\r\nPosition X=5\r\n");
    CJWindow* window = AddChild(AddParent(), {1, 2, 41, 22}, "Tool");
    window->LoadPlacement(nullptr, false);
    EXPECT_EQ(RectText(window->GetRect()), "(5,2,45,22)");
    window->Destroy();
    EXPECT_EQ(Stored("Tool", "Width"), 77);
    EXPECT_EQ(Stored("Tool", "Position Y"), 2);
}

TEST_F(PersistedPlacement, AWindowStoredFarOutsideIsPulledBackIntoItsParent)
{
    WriteSettings("[Far]\r\nWidth=50\r\nHeight=30\r\nPosition X=1000\r\nPosition Y=-500\r\n");
    CJWindow* parent = AddParent();
    ASSERT_EQ(RectText(parent->GetVisibleRect()), "(100,50,500,350)");
    CJWindow* window = AddChild(parent, {0, 0, 10, 10}, "Far");
    window->LoadPlacement(nullptr, true);
    EXPECT_EQ(RectText(window->GetRect()), "(350,0,400,30)");
}

TEST_F(PersistedPlacement, AfterSetTextTheWindowSavesUnderItsOldName)
{
    CJWindow* window = AddChild(AddParent(), {3, 4, 13, 14}, "Old Name");
    window->LoadPlacement(nullptr, false);
    window->SetText("A different and much longer caption than before");
    window->Destroy();
    EXPECT_EQ(Stored("Old Name", "Position X"), 3);
    EXPECT_EQ(Stored("A different and much longer caption than before", "Position X"), -12345);
}

TEST_F(PersistedPlacement, AParentlessWindowIsKeptOnTheScreen)
{
    WriteSettings("[Loose]\r\nPosition X=-900\r\nPosition Y=5000\r\n");
    CJWindow* window = new CJWindow(nullptr, "Loose");
    window->SetRect({0, 0, 100, 50});
    window->LoadPlacement(nullptr, false);
    EXPECT_EQ(RectText(window->GetRect()), "(0,550,100,600)");
    window->Destroy();
    EXPECT_EQ(Stored("Loose", "Position Y"), 550);
}

TEST_F(PersistedPlacement, HostileNumbersAreReadSafely)
{
    WriteSettings("[Hostile]\r\nWidth=2147483647\r\nHeight=40\r\nPosition X=-2147483648\r\n"
                  "Position Y=2147483647\r\nShow Window=7\r\nTransparent Window=-3\r\n"
                  "[Loose]\r\nPosition X=2147483647\r\nPosition Y=-2147483648\r\n");
    CJWindow* window = AddChild(AddParent(), {0, 0, 60, 40}, "Hostile");
    window->Show(false, false);
    window->LoadPlacement(nullptr, true);
    EXPECT_EQ(window->GetWidth(), 60);
    EXPECT_EQ(RectText(window->GetRect()), "(0,260,60,300)");
    EXPECT_TRUE(window->IsVisible());
    EXPECT_TRUE(window->IsTransparent());
    window->Destroy();
    EXPECT_EQ(Stored("Hostile", "Show Window"), 1);
    EXPECT_EQ(Stored("Hostile", "Transparent Window"), 1);
    EXPECT_EQ(Stored("Hostile", "Width"), 60);

    ResetToolkitState();
    SetEditorSettingsFileName(m_Tree.SettingsFile().c_str());
    CJWindow* loose = new CJWindow(nullptr, "Loose");
    loose->SetRect({0, 0, 100, 50});
    loose->LoadPlacement(nullptr, true);
    EXPECT_EQ(RectText(loose->GetRect()), "(2147483547,0,2147483647,50)");
    loose->Destroy();
}

TEST_F(PersistedPlacement, WindowsSavedOnTopOfEachOtherCascade)
{
    WriteSettings("[One]\r\nPosition X=10\r\nPosition Y=10\r\n[Two]\r\nPosition X=10\r\nPosition Y=10\r\n"
                  "[Three]\r\nPosition X=10\r\nPosition Y=10\r\n");
    CJWindow* parent = AddParent();
    CJWindow* one = AddChild(parent, {0, 0, 50, 50}, "One");
    one->LoadPlacement(nullptr, false);
    CJWindow* two = AddChild(parent, {0, 0, 50, 50}, "Two");
    two->LoadPlacement(nullptr, false);
    CJWindow* three = AddChild(parent, {0, 0, 50, 50}, "Three");
    three->LoadPlacement(nullptr, false);
    EXPECT_EQ(RectText(one->GetRect()), "(10,10,60,60)");
    EXPECT_EQ(RectText(two->GetRect()), "(20,20,70,70)");
    EXPECT_EQ(RectText(three->GetRect()), "(30,30,80,80)");
}

TEST_F(PersistedPlacement, NothingIsReadOrWrittenUntilTheFileIsNamed)
{
    WriteSettings("[Named]\r\nPosition X=99\r\n");
    SetEditorSettingsFileName("");
    CJWindow* window = AddChild(AddParent(), {1, 1, 11, 11}, "Named");
    window->LoadPlacement(nullptr, false);
    EXPECT_EQ(window->GetRect().left, 1);
    window->MoveTo(42, 1);
    window->Destroy();
    SetEditorSettingsFileName(m_Tree.SettingsFile().c_str());
    EXPECT_EQ(Stored("Named", "Position X"), 99);
}
} // namespace
