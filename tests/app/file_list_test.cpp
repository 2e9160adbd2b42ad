#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/app/file_list.h"
#include "engine/core/files/file_search.h"
#include "tests/support/archive_test_folder.h"

namespace {

class FileListTest : public ArchiveTestFolder
{
protected:
    uint32_t Build(const std::vector<std::string>& names, int32_t mode)
    {
        for (const std::string& name : names)
            m_Folder.WriteFile("Data/Music/" + name, "x");
        CSearchSpec search;
        search.SetFolderAndExtension("Music/", "wav");
        search.AddExtension("ogg");
        return m_List.Build(search, mode, nullptr, 0);
    }

    std::string Next(const char* name = nullptr)
    {
        const char* next = m_List.Next(name);
        return next ? next : "(none)";
    }

    CFileList m_List;
};

TEST(MoveArrayElementTest, MovesOneElementAndShiftsTheOthers)
{
    struct Case
    {
        uint32_t to, from;
        std::vector<int32_t> result;
    } cases[] = {
        {0, 3, {3, 0, 1, 2, 4}},
        {3, 0, {1, 2, 3, 0, 4}},
        {2, 2, {0, 1, 2, 3, 4}},
        {4, 1, {0, 2, 3, 4, 1}},
    };
    for (const Case& c : cases)
    {
        std::vector<int32_t> array = {0, 1, 2, 3, 4};
        MoveArrayElement(array, c.to, c.from);
        EXPECT_EQ(array, c.result) << c.to << " " << c.from;
    }
}

TEST_F(FileListTest, EmptyListAnswersNone)
{
    EXPECT_EQ(Build({}, CFileList::kShuffled), 0u);
    EXPECT_EQ(m_List.Next(nullptr), nullptr);
    EXPECT_TRUE(m_List.NextPath(nullptr).IsEmpty());
}

TEST_F(FileListTest, FolderOrderStartsAgainAfterTheLast)
{
    EXPECT_EQ(Build({"A.wav", "B.ogg", "Notes.txt"}, CFileList::kByName), 2u);
    EXPECT_EQ(Next(), "A.wav");
    EXPECT_EQ(Next(), "B.ogg");
    EXPECT_EQ(Next(), "A.wav");
    EXPECT_STREQ(m_List.GetLastName(), "A.wav");
    EXPECT_EQ(std::string(m_List.PathOf("B.ogg").GetText()), "Music/B.ogg");
    EXPECT_EQ(std::string(m_List.GetPath(1).GetText()), std::string("Music/") + m_List.GetName(1));
}

TEST_F(FileListTest, ShuffledListOfOneAnswersItEveryTime)
{
    Build({"Only.ogg"}, CFileList::kShuffled);
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(Next(), "Only.ogg");
}

TEST_F(FileListTest, ShuffledPassesCoverEveryItemAndNeverRepeatAcrossAReshuffle)
{
    Build({"A.wav", "B.wav", "C.wav"}, CFileList::kShuffled);
    std::string previous;
    for (int pass = 0; pass < 1000; pass++)
    {
        std::set<std::string> seen;
        for (int i = 0; i < 3; i++)
        {
            const std::string name = Next();
            EXPECT_NE(name, previous);
            seen.insert(name);
            previous = name;
        }
        EXPECT_EQ(seen.size(), 3u);
    }
}

TEST_F(FileListTest, NamedItemAlreadyHandedOutPlaysAgainAndThePassGoesOn)
{
    Build({"A.wav", "B.wav", "C.wav", "D.wav"}, CFileList::kByName);
    EXPECT_EQ(Next(), "A.wav");
    EXPECT_EQ(Next(), "B.wav");
    EXPECT_EQ(Next("a.WAV"), "A.wav");
    EXPECT_EQ(Next(), "C.wav");
    EXPECT_EQ(Next(), "D.wav");
    EXPECT_EQ(Next(), "B.wav");
    // A name not in the list changes nothing.
    EXPECT_EQ(Next("Missing.wav"), "A.wav");
}

} // namespace

namespace {

// Names and folders far beyond the old fixed 256-character buffers.
TEST_F(FileListTest, LongFolderAndNameGiveTheWholePath)
{
    const std::string folder = "Music/" + std::string(150, 'f') + "/" + std::string(150, 'g') + "/";
    const std::string name = std::string(200, 'n') + ".ogg";
    m_Folder.WriteFile("Data/" + folder + name, "x");
    CSearchSpec search;
    search.SetFolderAndExtension(folder.c_str(), "ogg");
    ASSERT_EQ(m_List.Build(search, CFileList::kFolderOrder, nullptr, 0), 1u);
    EXPECT_EQ(Next(), name);
    const CString path = m_List.GetPath(0);
    EXPECT_EQ(std::string(path.GetText()), folder.substr(0, folder.size() - 1) + "/" + name);
    EXPECT_EQ(std::string(m_List.NextPath(nullptr).GetText()), std::string(path.GetText()));
}

} // namespace
