#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/app/game_base.h"
#include "engine/app/game_services.h"
#include "engine/app/input/keyboard_state.h"
#include "engine/app/main_window_proc.h"
#include "engine/blit/antialiased_lines.h"
#include "engine/core/program/main_window.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/frame_cache_files.h"
#include "engine/graphics/screen_frame.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/fake_display_device.h"
#include "tests/support/sdl_input_events.h"
#include "tests/support/test_palettes.h"
#include "tests/support/test_zip_writer.h"

namespace fs = std::filesystem;

namespace {

// Whether the anti-aliased lines' channel tables hold the current palette
// (white at entry 1 under the test palette).
bool LineTablesBuilt()
{
    return PaletteChannelTables[0][1] == 255 && PaletteChannelTables[1][1] == 255 && PaletteChannelTables[2][1] == 255;
}

// Says what the start-up asked of the world outside the runtime, and
// whether the line tables, built after the sound starts, already stood;
// the sound is "there" and the music folder always holds the intro.
class CRecordingServices : public CGameServices
{
public:
    bool StartSound(const char* introTrack) override
    {
        log.push_back(std::string("start sound ") + (introTrack ? introTrack : "(none)") +
                      (LineTablesBuilt() ? " after the line tables" : ""));
        return introTrack != nullptr;
    }
    void StartIntroTrack() override
    {
        log.push_back("intro sounding");
        if (quitWhileLoading)
        {
            SDL_Event quit = {};
            quit.type = SDL_QUIT;
            PushSdlEvent(quit);
        }
    }
    void InitInterfaceLibraries() override { log.push_back("interface libraries"); }
    void StopSoundCallbacks() override { log.push_back("stop sound callbacks"); }
    void ShutDownSound() override { log.push_back("shut down sound"); }

    std::vector<std::string> log;
    bool quitWhileLoading = false;
};

class CStartedGame : public CGameBase
{
public:
    CStartedGame()
        : CGameBase(1.0f / 60.0f, 1.0f / 60.0f, 1.0f / 12.0f, nullptr, "Intro.wav")
    {
    }
};

class GameStartupTest : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        // The start-up mounts the data itself.
        SetDataFolder(".");
        setenv("XDG_CONFIG_HOME", Absolute("config").c_str(), 1);
        m_PreviousServices = SetGameServices(&m_Services);
        SetNoLossyFrameImages(false);
        m_Display.SetModes({{640, 480, 16}, {800, 600, 16}, {800, 600, 32}});
        std::memset(PaletteChannelTables, 0, sizeof PaletteChannelTables);
    }

    void TearDown() override
    {
        SetGameServices(m_PreviousServices);
        SetCommandLineArguments(0, nullptr);
        ArchiveTestFolder::TearDown();
    }

    void CommandLine(std::vector<const char*> arguments)
    {
        arguments.insert(arguments.begin(), "vantrell");
        SetCommandLineArguments(static_cast<int>(arguments.size()), arguments.data());
    }

    // A folder where "TestSave.dat" cannot be made, even for root.
    void MakeProgramFolderUnwritable() { fs::create_directories(Absolute("TestSave.dat")); }

    ScopedTestPalette m_Palette;
    CRecordingServices m_Services;
    CGameServices* m_PreviousServices = nullptr;
    FakeDisplayDevice m_Display;
};

TEST_F(GameStartupTest, WritableFolderKeepsTheSettingsBesideTheProgramAndStartsTheIntroWhileLoading)
{
    {
        CStartedGame game;
        EXPECT_EQ(GetGameObject(), &game);
        EXPECT_EQ(m_Services.log,
                  (std::vector<std::string>{"interface libraries", "start sound Intro.wav", "intro sounding"}));
        EXPECT_TRUE(LineTablesBuilt());
        EXPECT_EQ(GetScreenFrame()->GetWidth(), 800);
        EXPECT_FALSE(fs::exists(Absolute("TestSave.dat")));
    }
    EXPECT_EQ(GetGameObject(), nullptr);
    const std::string settings = FileBytes("Vantrell Pellucine.CFG");
    EXPECT_NE(settings.find("Screen Width=800\r\n"), std::string::npos);
    EXPECT_NE(settings.find("Screen Height=600\r\n"), std::string::npos);
    EXPECT_EQ(settings.find("Screen Bit Depth"), std::string::npos);
    EXPECT_EQ(m_Services.log.back(), "shut down sound");
}

TEST_F(GameStartupTest, ReadOnlyFolderMovesTheSettingsToTheConfigFolderAndKeepsTheIntroQueued)
{
    MakeProgramFolderUnwritable();
    {
        CStartedGame game;
    }
    EXPECT_TRUE(fs::exists(Absolute("config/Vantrell Pellucine/Vantrell PellucineCD.INI")));
    EXPECT_FALSE(fs::exists(Absolute("Vantrell Pellucine.CFG")));
    EXPECT_EQ(std::count(m_Services.log.begin(), m_Services.log.end(), "start sound Intro.wav"), 1);
    EXPECT_EQ(std::count(m_Services.log.begin(), m_Services.log.end(), "intro sounding"), 0);
}

TEST_F(GameStartupTest, ALooseArtistFileTurnsJpegOffOneInsideTheDataArchiveDoesNot)
{
    WriteZip("Data/Data.zip", NamedMembers({"Artist.txt"}));
    {
        CStartedGame game;
        EXPECT_FALSE(GetNoLossyFrameImages());
    }
    m_Folder.WriteFile("Artist.txt", "");
    {
        CStartedGame game;
        EXPECT_TRUE(GetNoLossyFrameImages());
    }
}

TEST_F(GameStartupTest, SwitchesChooseTheModeForThisRunOnly)
{
    CommandLine({"/ScreenWidth", "640", "/ScreenHeight", "480", "/NoCompression"});
    {
        CStartedGame game;
        EXPECT_EQ(GetScreenFrame()->GetWidth(), 640);
        EXPECT_EQ(GetScreenFrame()->GetHeight(), 480);
        EXPECT_FALSE(IsCompressedStorageMode());
    }
    SetCompressedStorageMode(true);
    const std::string settings = FileBytes("Vantrell Pellucine.CFG");
    EXPECT_NE(settings.find("Screen Width=800\r\n"), std::string::npos);
}

TEST_F(GameStartupTest, A24BitModeRefusedIsTriedAt32)
{
    CommandLine({"/ScreenBitDepth", "24"});
    CStartedGame game;
    EXPECT_EQ(GetScreenFrame()->GetBitsPerPixel(), 32);
}

TEST_F(GameStartupTest, AltEnterSwitchesBetweenFullScreenAndAWindowAndExposuresShowTheWindowAgain)
{
    CStartedGame game;
    CScreenFrame* screen = GetScreenFrame();
    const bool startedFullScreen = screen->IsFullScreen();
    SystemEvent enterUp = {};
    enterUp.kind = SystemEventKind::KeyUp;
    enterUp.virtualKey = 0x0D;
    SystemEvent exposed = {};
    exposed.kind = SystemEventKind::WindowExposed;
    for (int toggle = 0; toggle < 2; toggle++)
    {
        const bool before = screen->IsFullScreen();
        MainWindowProc(enterUp); // Enter alone switches nothing
        EXPECT_EQ(screen->IsFullScreen(), before);
        GetKeyboardState().SetKeyDown(0x38); // left Alt
        MainWindowProc(enterUp);
        GetKeyboardState().SetKeyUp(0x38);
        EXPECT_EQ(screen->IsFullScreen(), !before);

        // Only a windowed screen is shown again when the window is exposed.
        m_Display.ResetCounts();
        MainWindowProc(exposed);
        EXPECT_EQ(m_Display.windowedPresents, screen->IsFullScreen() ? 0 : 1);
    }
    EXPECT_EQ(screen->IsFullScreen(), startedFullScreen);
}

TEST_F(GameStartupTest, NoModeAtAllIsFatal)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    CommandLine({"/ScreenBitDepth", "24"});
    m_Display.SetModes({{800, 600, 16}});
    EXPECT_EXIT({ CStartedGame game; }, ::testing::ExitedWithCode(255), "Couldn't set resolution");
}

TEST_F(GameStartupTest, QuitWhileTheIntroStartsEndsTheProcessWithoutTouchingTheHalfBuiltGame)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    m_Services.quitWhileLoading = true;
    EXPECT_EXIT(
        {
            CScopedSdlEvents events;
            new CStartedGame;
            std::abort(); // the quit ends the process inside the constructor
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
