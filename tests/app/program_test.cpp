#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/brick_data.h"
#include "tests/support/scoped_temp_folder.h"

namespace fs = std::filesystem;

namespace {

// The built program copied (not linked: it finds its folder through its own
// path) into a fresh program folder, run headless with its runtime and
// config folders in the temporary folder too.
class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directories(m_Temp.Path() + "program/Data");
        // Start-up needs one font object in the data folder, or stops with
        // "no font in Fonts"; nothing here draws text, so it is never read.
        m_Temp.WriteFile("program/Data/Resources/Fonts/Plain.FONT.TXT", "CFont\r\n{\r\n}\r\n");
        WriteStartUpBrickStyles(m_Temp.Path() + "program/Data");
        fs::create_directories(m_Temp.Path() + "runtime");
        fs::copy_file(VP_PROGRAM_PATH, Program());
    }

    std::string Program() const { return m_Temp.Path() + "program/vantrell"; }
    std::string ProgramFile(const std::string& name) const { return m_Temp.Path() + "program/" + name; }
    std::string LockFile() const { return m_Temp.Path() + "runtime/QorCurrentlyRunningMutex.lock"; }

    // Runs a shell line in which "$P" is the program, with the test's
    // environment; answers the exit code and keeps stderr.
    int Run(const std::string& line)
    {
        const std::string command = "cd '" + m_Temp.Path() + "program' && P='" + Program() +
                                    "' SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy VP_NO_MESSAGE_BOXES=1 "
                                    "XDG_RUNTIME_DIR='" + m_Temp.Path() + "runtime' XDG_CONFIG_HOME='" +
                                    m_Temp.Path() + "config' sh -c '" + line + "' 2>'" + m_Temp.Path() + "stderr'";
        const int status = std::system(command.c_str());
        std::ifstream in(m_Temp.Path() + "stderr");
        std::stringstream text;
        text << in.rdbuf();
        m_Stderr = text.str();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string Settings() const
    {
        std::ifstream in(ProgramFile("Vantrell Pellucine.CFG"), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    ScopedTempFolder m_Temp;
    std::string m_Stderr;
};

TEST_F(ProgramTest, ExitSwitchStartsEverythingAndSavesTheScreenSize)
{
    EXPECT_EQ(Run("\"$P\" /exit"), 0) << m_Stderr;
    const std::string settings = Settings();
    EXPECT_NE(settings.find("Screen Width=800\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("Screen Height=600\r\n"), std::string::npos);
    EXPECT_EQ(settings.find("Screen Bit Depth"), std::string::npos);
    EXPECT_FALSE(fs::exists(ProgramFile("TestDestinationReadibility.txt")));
    EXPECT_FALSE(fs::exists(ProgramFile("TestSave.dat")));
}

TEST_F(ProgramTest, SizeSwitchesLeaveTheSettingsFileAsItWas)
{
    ASSERT_EQ(Run("\"$P\" /exit"), 0) << m_Stderr;
    const std::string before = Settings();
    EXPECT_EQ(Run("\"$P\" /ScreenWidth 640 /ScreenHeight 480 /exit"), 0) << m_Stderr;
    EXPECT_EQ(Settings(), before);
}

TEST_F(ProgramTest, ASecondCopyIsRefused)
{
    const int lock = open(LockFile().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(flock(lock, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(Run("\"$P\" /exit"), 255);
    close(lock);
    EXPECT_NE(m_Stderr.find("Program Already Running"), std::string::npos) << m_Stderr;
    EXPECT_FALSE(fs::exists(ProgramFile("Vantrell Pellucine.CFG")));
    // The lock goes with the process that held it; the file stays.
    EXPECT_EQ(Run("\"$P\" /exit"), 0) << m_Stderr;
    EXPECT_TRUE(fs::exists(LockFile()));
}

TEST_F(ProgramTest, AnUnwritableProgramFolderStopsBeforeTheGame)
{
    // A folder in the probe file's place: no one, root included, can make it.
    fs::create_directories(ProgramFile("TestDestinationReadibility.txt"));
    EXPECT_EQ(Run("\"$P\""), 0);
    EXPECT_NE(m_Stderr.find("Executable path is not writable.  If you launched the application directly from the CD, "
                            "please run the installer to install the application."),
              std::string::npos)
        << m_Stderr;
    EXPECT_FALSE(fs::exists(ProgramFile("Vantrell Pellucine.CFG")));
}

TEST_F(ProgramTest, TheUninstallWordEndsTheProgramBeforeTheGame)
{
    EXPECT_EQ(Run("\"$P\" REMOVE"), 0) << m_Stderr;
    EXPECT_FALSE(fs::exists(ProgramFile("Vantrell Pellucine.CFG")));
}

TEST_F(ProgramTest, TerminationClosesThroughTheClosePath)
{
    // Started, left to set its screen up (its signal handling stands by
    // then), then asked to end as a desktop does.
    EXPECT_EQ(Run("\"$P\" & pid=$!; n=0; while [ ! -f \"Vantrell Pellucine.CFG\" ] && [ $n -lt 300 ]; do "
                  "sleep 0.1; n=$((n+1)); done; sleep 0.5; kill -TERM $pid; wait $pid"),
              0)
        << m_Stderr;
    EXPECT_NE(Settings().find("Screen Width=800"), std::string::npos);
}

} // namespace
