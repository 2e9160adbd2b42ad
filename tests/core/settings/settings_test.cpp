#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "engine/core/files/loose_files.h"
#include "engine/core/settings/option_switch.h"
#include "engine/core/settings/settings.h"
#include "tests/support/scoped_temp_folder.h"

namespace fs = std::filesystem;

class Settings : public testing::Test
{
protected:
    void SetUp() override
    {
        m_Temp.CopyFixture("settings/Player.INI");
        m_File = m_Temp.Path() + "Settings/PLAYER.ini";
        m_Original = m_Temp.ReadFile("settings/Player.INI");
    }

    std::string FileBytes() const { return m_Temp.ReadFile("settings/Player.INI"); }

    ScopedTempFolder m_Temp;
    std::string m_File;
    std::string m_Original;
};

TEST_F(Settings, TypedReadsWithDefaults)
{
    const char* file = m_File.c_str();
    EXPECT_EQ(ReadSettingInt(file, "  options", "SCREEN WIDTH", 800), 1024);
    EXPECT_EQ(ReadSettingInt(file, "Options", "Sound Volume", -100), -100);
    EXPECT_TRUE(ReadSettingBool(file, "Editor", "Grid", false));
    EXPECT_TRUE(ReadSettingBool(file, "Editor", "Snap", true));
    EXPECT_FLOAT_EQ(ReadSettingFloat(file, "Options", "Gamma", 0.25f), 0.25f);

    CString title("untitled");
    ReadSettingString(file, "Options", "Title", title);
    EXPECT_STREQ(title.GetText(), "  Quoted Title  ");
}

TEST_F(Settings, WritingOneKeyChangesNoOtherByte)
{
    WriteSettingInt(m_File.c_str(), "Options", "screen width", 640);
    std::string expected = m_Original;
    expected.replace(expected.find("Screen Width=1024"), 17, "Screen Width=640");
    EXPECT_EQ(FileBytes(), expected);
}

TEST_F(Settings, FloatsUseTheShortForm)
{
    WriteSettingFloat(m_File.c_str(), "Options", "Brightness", 0.5f);
    EXPECT_NE(FileBytes().find("\r\nBrightness=0.5\r\n"), std::string::npos);
    EXPECT_EQ(ReadSettingFloat(m_File.c_str(), "Options", "Brightness", 1.0f), 0.5f);

    WriteSettingBool(m_File.c_str(), "Options", "Stereo", false);
    EXPECT_NE(FileBytes().find("\r\nStereo=0\r\n"), std::string::npos);
}

TEST_F(Settings, ReadOnlyFileBecomesWritable)
{
    ASSERT_TRUE(SetFileReadOnly(m_File.c_str(), true));
    WriteSettingInt(m_File.c_str(), "Options", "Screen Width", 1280);
    EXPECT_FALSE(GetFileAttributeReadOnly(m_File.c_str()));
    EXPECT_EQ(ReadSettingInt(m_File.c_str(), "Options", "Screen Width", 0), 1280);
}

TEST_F(Settings, NameWithoutFolderLandsInTheConfigFolder)
{
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    std::string savedConfigHome = saved ? saved : "";
    setenv("XDG_CONFIG_HOME", (m_Temp.Path() + "config").c_str(), 1);
    CString name = GetSettingsFilePath("Vantrell Pellucine", false);
    WriteSettingInt(name.GetText(), "Options", "Screen Width", 800);
    if (saved)
        setenv("XDG_CONFIG_HOME", savedConfigHome.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");

    EXPECT_STREQ(name.GetText(), "Vantrell PellucineCD.INI");
    EXPECT_EQ(m_Temp.ReadFile("config/Vantrell Pellucine/Vantrell PellucineCD.INI"), "[Options]\r\nScreen Width=800\r\n");
}

struct MarkerCase
{
    const char* defaultValue;
    const char* key;
    size_t size;
    const char* expected;
};

TEST_F(Settings, ByteOneMarkers)
{
    m_Temp.WriteFile("m.ini", "[Keys]\r\nShoot=xy\r\nLong=wxyz\r\n");
    std::string file = m_Temp.Path() + "m.ini";
    const MarkerCase cases[] = {
        {"\1A\1B", "Shoot", 64, "\1x\1y"},      // marked default: every character marked
        {"AB", "Shoot", 64, "xy"},              // plain default: the value as stored
        {"\1A\1B", "Missing", 64, "\1A\1B"},    // the cleaned default, marked again
        {"", "Shoot", 64, "xy"},
        {"\1A", "Long", 6, "\1w\1x"},           // never a marker without its character
        {"A", "Long", 3, "wx"},
        {"A", "Sh\1oot", 64, "xy"},             // markers are no part of a key
    };
    for (const MarkerCase& c : cases)
    {
        char buffer[64];
        std::strcpy(buffer, c.defaultValue);
        ReadSettingString(file.c_str(), "\1Keys", c.key, buffer, c.size);
        EXPECT_STREQ(buffer, c.expected) << c.key << " size " << c.size;
    }

    WriteSettingString(file.c_str(), "Keys", "Fi\1re", "\1s\1p");
    EXPECT_EQ(m_Temp.ReadFile("m.ini"), "[Keys]\r\nShoot=xy\r\nLong=wxyz\r\nFire=sp\r\n");
}

TEST_F(Settings, LongWideStringSurvivesAWriteAndARead)
{
    std::u16string units;
    for (char16_t i = 0; i < 100; ++i)
        units += static_cast<char16_t>(0x4E00 + i);
    CString wide(units.c_str());
    CSettingsFile store(m_File.c_str(), "Options");
    store.WriteString("Options", "Player Name", wide);

    CString readBack("nobody");
    store.ReadString("Player Name", readBack);
    ASSERT_TRUE(readBack.IsWide());
    EXPECT_EQ(readBack.Compare(wide), 0);

    CString plain("Ann");
    store.WriteString("Editor", "Author", plain);
    EXPECT_NE(FileBytes().find("\r\nAuthor=Ann\r\n"), std::string::npos);
}

TEST(SettingsStores, NamesOfTheStores)
{
    EXPECT_STREQ(GetGeneralSettings().GetFileName(), ".\\Config.INI");
    EXPECT_STREQ(GetGeneralSettings().GetSectionName(), "Options");
    EXPECT_STREQ(GetChannelSettings().GetFileName(), ".\\Date2.dat");
    EXPECT_STREQ(GetChannelSettings().GetSectionName(), "Channel");
    EXPECT_STREQ(GetSettingsFilePath("Vantrell Pellucine", true).GetText(), ".\\\\Vantrell Pellucine.CFG");
    EXPECT_STREQ(GetConfigIniPath(), ".\\Config.INI");
}

TEST(OptionSwitches, LoadAndSaveThroughTheGeneralStore)
{
    ScopedTempFolder temp;
    temp.WriteFile("Game.CFG", "[Options]\r\nTest Switch=1\r\n");
    CSettingsFile& general = GetGeneralSettings();
    CString previousFile(general.GetFileName());
    general.SetFileName((temp.Path() + "game.cfg").c_str());

    uint32_t optionsBefore = GetOptionList().GetCount();
    {
        COptionSwitch testSwitch("Test Switch", "Test Switch", "Debug", false);
        EXPECT_EQ(GetOptionList().GetCount(), optionsBefore + 1);
        EXPECT_STREQ(testSwitch.GetGroup().GetText(), "Debug");
        testSwitch.Load();
        EXPECT_TRUE(testSwitch.GetValue());
        testSwitch.SetValue(false);
        testSwitch.Save();
    }
    {
        // Without a key the switch is never stored.
        COptionSwitch unstored("Unstored", nullptr, nullptr, true);
        EXPECT_STREQ(unstored.GetGroup().GetText(), "Default");
        unstored.SetValue(false);
        unstored.Save();
        unstored.Load();
        EXPECT_FALSE(unstored.GetValue());
    }
    EXPECT_EQ(GetOptionList().GetCount(), optionsBefore);
    general.SetFileName(previousFile.GetText());
    EXPECT_EQ(temp.ReadFile("Game.CFG"), "[Options]\r\nTest Switch=0\r\n");

    EXPECT_FALSE(GetLoadingMessagesSwitch().GetValue());
    EXPECT_STREQ(GetLoadingMessagesSwitch().GetGroup().GetText(), "Debug");
}
