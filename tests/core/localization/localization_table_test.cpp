#include "engine/core/localization/localization_table.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "engine/core/localization/localized_string.h"
#include "engine/core/archives/mount_archives.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/message_box_capture.h"
#include "tests/support/scoped_temp_folder.h"

static CLocalizedString s_Plain("Localization test plain text");
static CLocalizedString s_WithComment("Localization test round", "Means level or stage");
static CLocalizedString s_Tokens("Localization test %d[Quantity] balls left");

namespace
{
// The table writes translations into the static texts: every test puts them
// back to their English afterwards.
class RegisteredTextsKeeper
{
public:
    RegisteredTextsKeeper()
    {
        LocalizedStringRegistry& registry = GetLocalizedStringRegistry();
        for (uint32_t i = 0; i < registry.GetCount(); i++)
            m_Originals.push_back(*registry[i].pText);
    }

    ~RegisteredTextsKeeper()
    {
        LocalizedStringRegistry& registry = GetLocalizedStringRegistry();
        for (uint32_t i = 0; i < registry.GetCount(); i++)
            *registry[i].pText = m_Originals[i];
    }

    std::vector<CString> m_Originals;
};

// Every test works in a fresh current folder (the file is read by its plain
// name there).
class LocalizationTableTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char buffer[4096];
        ASSERT_NE(getcwd(buffer, sizeof(buffer)), nullptr);
        m_PreviousFolder = buffer;
        ASSERT_EQ(chdir(m_Folder.Path().c_str()), 0);
    }

    void TearDown() override { EXPECT_EQ(chdir(m_PreviousFolder.c_str()), 0); }

    ScopedTempFolder m_Folder;
    std::string m_PreviousFolder;
    RegisteredTextsKeeper m_Texts;
};

// A fresh current folder with "Data" as the data folder, for a "Local.txt"
// that is found only through the data folder or the archives.
class LocalizationFromDataTest : public ArchiveTestFolder
{
protected:
    RegisteredTextsKeeper m_Texts;
};

// What the table appends for every registered text it did not find.
std::string TemplateFor(const std::vector<CString>& texts)
{
    std::string expected;
    LocalizedStringRegistry& registry = GetLocalizedStringRegistry();
    for (uint32_t i = 0; i < registry.GetCount(); i++)
    {
        std::string english = texts[i].GetText();
        if (english.empty())
            continue;
        std::string comment = registry[i].pComment && registry[i].pComment[0]
                                  ? std::string(" (") + registry[i].pComment + ")"
                                  : std::string();
        expected += "ENGLISH: " + english + "[END]" + comment + "\r\n";
        expected += "LOCALIZED: " + english + "[END]\r\n\r\n";
    }
    return expected;
}
}  // namespace

TEST_F(LocalizationTableTest, EntryWithoutCommentTranslatesARegisteredText)
{
    m_Folder.WriteFile("Local.txt",
                       "ENGLISH: Localization test plain text[END]\r\n"
                       "LOCALIZED: Texte simple[END]\r\n\r\n");
    CLocalizationTable table;
    ScopedMessageBoxCapture boxes;
    table.Load("Local.txt");
    EXPECT_STREQ(s_Plain.GetText().GetText(), "Texte simple");
}

TEST_F(LocalizationTableTest, KeyWithACommentMatchesOnlyWithIt)
{
    m_Folder.WriteFile("Local.txt",
                       "ENGLISH: Localization test round[END]\r\n"
                       "LOCALIZED: Without comment[END]\r\n"
                       "\r\n"
                       "english: Localization test round[END] (Means level or stage)\r\n"
                       "localized: Manche[END] ignored after the mark\r\n");
    CLocalizationTable table;
    ScopedMessageBoxCapture boxes;
    EXPECT_TRUE(table.Load("Local.txt"));
    EXPECT_STREQ(s_WithComment.GetText().GetText(), "Manche");

    CString uncommented("Localization test round");
    table.Translate(uncommented, nullptr);
    EXPECT_STREQ(uncommented.GetText(), "Without comment");
}

TEST_F(LocalizationTableTest, MultiLineTextsJoinWithOneLineFeed)
{
    m_Folder.WriteFile("Local.txt",
                       "ENGLISH: First line\r\n"
                       "second line[end] still text\r\n"
                       "third[END]\r\n"
                       "LOCALIZED: Erste\r\n"
                       "zweite[END]\r\n");
    CLocalizationTable table;
    ScopedMessageBoxCapture boxes;
    EXPECT_TRUE(table.Load("Local.txt"));
    CString text("First line\nsecond line[end] still text\nthird");
    table.Translate(text, nullptr);
    EXPECT_STREQ(text.GetText(), "Erste\nzweite");
}

TEST_F(LocalizationTableTest, EmptyFileBecomesATemplateOfEveryTextAndIsNotExtendedTwice)
{
    m_Folder.WriteFile("Local.txt", "");
    std::vector<CString> english = m_Texts.m_Originals;
    {
        CLocalizationTable table;
        ScopedMessageBoxCapture boxes;
        EXPECT_TRUE(table.Load("Local.txt"));
    }
    const std::string expected = TemplateFor(english);
    EXPECT_NE(expected.find("ENGLISH: Localization test round[END] (Means level or stage)\r\n"
                            "LOCALIZED: Localization test round[END]\r\n\r\n"),
              std::string::npos);
    EXPECT_NE(expected.find("ENGLISH: Localization test plain text[END]\r\n"
                            "LOCALIZED: Localization test plain text[END]\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(m_Folder.ReadFile("Local.txt"), expected);

    CLocalizationTable second;
    ScopedMessageBoxCapture boxes;
    EXPECT_TRUE(second.Load("Local.txt"));
    EXPECT_EQ(m_Folder.ReadFile("Local.txt"), expected);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(LocalizationTableTest, MissingFileCreatesNothingAndTextsStayEnglish)
{
    CLocalizationTable table;
    ScopedMessageBoxCapture boxes;
    EXPECT_FALSE(table.Load("Local.txt"));
    EXPECT_STREQ(s_Plain.GetText().GetText(), "Localization test plain text");
    EXPECT_NE(access("Local.txt", F_OK), 0);
}

TEST_F(LocalizationTableTest, TranslationMissingATokenIsReported)
{
    CLocalizationTable table;
    ScopedMessageBoxCapture boxes;
    table.CheckTokens(7, CString("%d[Quantity] balls and %s left, 100% sure"), CString("%d balls and %s left"));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_NE(boxes.Boxes()[0].caption.find("Error in localization text"), std::string::npos);
    EXPECT_EQ(boxes.Boxes()[0].text,
              "Error in localization text at line 7.  Bad Localization.  Localized version of the string is "
              "missing the \"%d[Quantity]\" token  The problem occured in the line with english text of "
              "\"%d[Quantity] balls and %s left, 100% sure\"");
    EXPECT_TRUE(table.HasErrors());
}

TEST_F(LocalizationTableTest, TokenScanEdgeCases)
{
    struct Case
    {
        const char* english;
        const char* translation;
        size_t reports;
    };
    const Case cases[] = {
        {"Ends with a percent %", "No token here", 0},
        {"50% off, 10%. Done % ok", "Nothing", 0},
        {"%d and %d", "%d only once", 1},
        {"%d and %d", "%d and %d", 0},
        {"Open %s[name", "x", 1},
        {"%s[score] points", "%s points", 1},
        {"%s[score] points", "points: %s[score]", 0},
    };
    for (const Case& c : cases)
    {
        CLocalizationTable table;
        ScopedMessageBoxCapture boxes;
        table.CheckTokens(-1, CString(c.english), CString(c.translation));
        EXPECT_EQ(boxes.Boxes().size(), c.reports) << c.english << " -> " << c.translation;
    }

    bool previous = CLocalizationTable::SetTokenCheckEnabled(false);
    CLocalizationTable table;
    ScopedMessageBoxCapture boxes;
    table.CheckTokens(-1, CString("%d"), CString(""));
    EXPECT_TRUE(boxes.Boxes().empty());
    CLocalizationTable::SetTokenCheckEnabled(previous);
}

TEST_F(LocalizationTableTest, EveryBadEntryIsReportedBeforeTheProgramEnds)
{
    m_Folder.WriteFile("Local.txt",
                       "Stray line\r\n"
                       "\r\n"
                       "ENGLISH: Fine[END]\r\n"
                       "Not a translation line[END]\r\n"
                       "\r\n"
                       "ENGLISH: %d[Quantity] left[END]\r\n"
                       "LOCALIZED: left[END]\r\n");
    EXPECT_EXIT(
        {
            CLocalizationTable table;
            table.Load("Local.txt");
        },
        ::testing::ExitedWithCode(255),
        "line 1\\.  Was expecting to find a line starting with \"ENGLISH: \" but instead found \"Stray line\".*"
        "line 4\\.  Was expecting to find a line starting with \"LOCALIZED: \" but instead found "
        "\"Not a translation line\\[END\\]\".*"
        "line 7\\.  Bad Localization\\.  Localized version of the string is missing the \"%d\\[Quantity\\]\" token");
}

TEST_F(LocalizationFromDataTest, FileInAnArchiveTranslatesAndIsNeverWritten)
{
    std::vector<TestZipMember> members = NamedMembers({"Local.txt"});
    members[0].data = "ENGLISH: Localization test plain text[END]\r\n"
                      "LOCALIZED: Texte simple[END]\r\n\r\n";
    WriteZip("Data.zip", members);
    MountArchives("Data");
    const std::string archive = FileBytes("Data.zip");

    CLocalizationTable table;
    ScopedMessageBoxCapture boxes;
    EXPECT_TRUE(table.Load("Local.txt"));
    EXPECT_STREQ(s_Plain.GetText().GetText(), "Texte simple");
    EXPECT_STREQ(s_WithComment.GetText().GetText(), "Localization test round");
    // The missing texts stay in memory only: no loose file appears and the
    // archive is left alone.
    EXPECT_NE(access("Local.txt", F_OK), 0);
    EXPECT_NE(access("Data/Local.txt", F_OK), 0);
    EXPECT_EQ(FileBytes("Data.zip"), archive);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(LocalizationFromDataTest, FileInTheDataFolderGetsTheMissingTextsAppended)
{
    const std::string entry = "ENGLISH: Localization test plain text[END]\r\n"
                              "LOCALIZED: Texte simple[END]\r\n\r\n";
    m_Folder.WriteFile("Data/Local.txt", entry);

    CLocalizationTable table;
    ScopedMessageBoxCapture boxes;
    EXPECT_TRUE(table.Load("Local.txt"));
    EXPECT_STREQ(s_Plain.GetText().GetText(), "Texte simple");
    const std::string written = FileBytes("Data/Local.txt");
    EXPECT_EQ(written.substr(0, entry.size()), entry);
    EXPECT_NE(written.find("ENGLISH: Localization test round[END] (Means level or stage)\r\n"
                           "LOCALIZED: Localization test round[END]\r\n\r\n"),
              std::string::npos);
    EXPECT_NE(access("Local.txt", F_OK), 0);
}
