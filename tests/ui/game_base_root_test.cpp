#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/app/game_base.h"
#include "engine/app/game_services.h"
#include "engine/app/pump_system_events.h"
#include "engine/app/window_tree_hooks.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/screen_frame.h"
#include "engine/platform/tick_counter.h"
#include "engine/ui/screen_window.h"
#include "engine/ui/toolkit_state.h"
#include "engine/ui/window_toolkit.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/block_glyphs.h"
#include "tests/support/fake_display_device.h"
#include "tests/support/sdl_input_events.h"
#include "tests/support/window_test_tree.h"

namespace {

// No sound device and no libraries: the start-up needs none here.
class CSilentServices : public CGameServices
{
public:
    void InitInterfaceLibraries() override {}
    bool StartSound(const char*) override { return false; }
    void StopSoundCallbacks() override {}
    void ShutDownSound() override {}
};

// A game that counts the keys no window used.
class CRootGame : public CGameBase
{
public:
    CRootGame()
        : CGameBase(1.0f / 60.0f, 1.0f / 60.0f, 1.0f / 12.0f, nullptr, nullptr)
    {
    }
    bool OnCharacterTyped(int32_t keyCode) override
    {
        typed.push_back(keyCode);
        return true;
    }
    std::vector<int32_t> typed;
};

class GameBaseRootTest : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        SetDataFolder(".");
        setenv("XDG_CONFIG_HOME", Absolute("config").c_str(), 1);
        m_PreviousServices = SetGameServices(&m_Services);
        m_Display.SetModes({{800, 600, 16}});
        m_SavedHooks = GetWindowTreeHooks();
        ResetToolkitState();
        StoreBlockGlyphs(m_Font, 32, 126, 8, 15);
        InstallWindowToolkit();
    }

    void TearDown() override
    {
        GetWindowTreeHooks() = m_SavedHooks;
        ResetToolkitState();
        SetGameServices(m_PreviousServices);
        ArchiveTestFolder::TearDown();
    }

    CProbeWindow* AddCentred(CGameBase& game, const char* name, int32_t width, int32_t height)
    {
        CProbeWindow* probe = new CProbeWindow(game.GetScreenWindow(), name, m_Log);
        probe->SetRect({0, 0, width, height});
        game.AddTopLevelWindow(probe, true);
        return probe;
    }

    void SetUpScreen(CGameBase& game) { game.SetupScreen(*GetScreenFrame(), nullptr, nullptr, &m_Font, nullptr); }

    size_t Count(const std::string& entry) const
    {
        return static_cast<size_t>(std::count(m_Log.begin(), m_Log.end(), entry));
    }

    CSilentServices m_Services;
    CGameServices* m_PreviousServices = nullptr;
    FakeDisplayDevice m_Display;
    CWindowTreeHooks m_SavedHooks;
    CBlockFont m_Font{15};
    CallLog m_Log;
};

} // namespace

TEST_F(GameBaseRootTest, ARootOverTheScreenTakesCentredWindowsAndAnswersTheGamesQuestions)
{
    CRootGame game;
    EXPECT_FALSE(game.QueryScreenWindow(0));
    SetUpScreen(game);
    ASSERT_NE(game.GetScreenWindow(), nullptr);
    EXPECT_EQ(GetScreenWindow(), game.GetScreenWindow());
    EXPECT_EQ(GetToolkitState().m_pDefaultFont, &m_Font);
    EXPECT_FALSE(game.QueryScreenWindow(0));

    CProbeWindow* menu = AddCentred(game, "menu", 200, 100);
    EXPECT_EQ(RectText(menu->GetRect()), RectText({300, 250, 500, 350}));
    EXPECT_EQ(game.GetScreenWindow()->GetFrontChild(), menu);
    EXPECT_TRUE(game.QueryScreenWindow(0));
    EXPECT_TRUE(game.QueryScreenWindow(1));
    menu->SetOpacity(0.3f);
    EXPECT_FALSE(game.QueryScreenWindow(1));
    EXPECT_FALSE(game.QueryScreenWindow(2));
}

TEST_F(GameBaseRootTest, AClickAndAKeyPushedAsSystemEventsReachTheTreeThroughTheLoop)
{
    CScopedSdlEvents events;
    ASSERT_TRUE(events.IsRunning());
    StartFakeClock();
    CRootGame game;
    SetUpScreen(game);
    AddCentred(game, "menu", 200, 100);
    PushSdlEvent(SdlMotionEvent(400, 300));
    PushSdlEvent(SdlButtonEvent(true, SDL_BUTTON_LEFT, 1));
    PushSdlEvent(SdlKeyEvent(true, SDL_SCANCODE_Z, 'z'));
    PushSdlEvent(SdlTextEvent("z"));
    PushSdlEvent(SdlKeyEvent(false, SDL_SCANCODE_Z, 'z'));
    PumpSystemEvents();
    AdvanceFakeClock(FAKE_CLOCK_STEP_NANOSECONDS);
    game.RunFrame();
    EXPECT_EQ(Count("menu.MouseDown(0)"), 1u);
    EXPECT_EQ(Count("menu.KeyDown(122)"), 1u);
    EXPECT_EQ(game.typed, (std::vector<int32_t>{'z'}));
}

TEST_F(GameBaseRootTest, TheGameObjectsEndSavesThePlacementOfAPersistedWindow)
{
    std::string settings = Absolute("Vantrell Editor.ini");
    SetEditorSettingsFileName(settings.c_str());
    {
        CRootGame game;
        SetUpScreen(game);
        CProbeWindow* palette = AddCentred(game, "palette", 200, 100);
        palette->LoadPlacement("Brick Tool Palette", false);
    }
    EXPECT_EQ(Count("palette.SavePlacement(Brick Tool Palette)"), 1u);
    EXPECT_EQ(Count("palette.~"), 1u);
    EXPECT_NE(FileBytes("Vantrell Editor.ini").find("Position X=300"), std::string::npos);
    EXPECT_EQ(GetScreenWindow(), nullptr);
}

TEST_F(GameBaseRootTest, WithoutTheToolkitThereIsNoRoot)
{
    GetWindowTreeHooks() = m_SavedHooks;
    CRootGame game;
    SetUpScreen(game);
    EXPECT_EQ(game.GetScreenWindow(), nullptr);
    EXPECT_FALSE(game.QueryScreenWindow(0));
    game.DrawWindows();
    game.Update(1.0f / 60.0f);
}
