#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "engine/core/archives/zip_archive.h"
#include "engine/core/archives/zip_format.h"
#include "engine/core/files/file_search.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/files/stream.h"
#include "tests/support/archive_test_folder.h"

// Archives of more than 65,535 members keep their count and directory
// offset in ZIP64 end records; every member must be listed and opened.
class Zip64ArchiveTest : public ArchiveTestFolder
{
protected:
    static constexpr uint32_t kMemberCount = 70000;

    static std::string MemberName(uint32_t i)
    {
        char name[32];
        std::snprintf(name, sizeof(name), "Levels/n%05u.txt", i);
        return name;
    }

    static std::string MemberData(uint32_t i) { return "member " + std::to_string(i); }

    static std::vector<TestZipMember> ManyMembers()
    {
        std::vector<TestZipMember> members(kMemberCount);
        for (uint32_t i = 0; i < kMemberCount; i++)
        {
            members[i].name = MemberName(i);
            members[i].data = MemberData(i);
        }
        return members;
    }

    // Every file name the archive lists under Levels/, in listing order.
    static std::vector<std::string> ListFiles(CZipArchive& archive)
    {
        struct NameCollector : CFileSink
        {
            uint32_t GetCount() override { return static_cast<uint32_t>(names.size()); }
            uint32_t Add(const char* name, const FileInformation&) override
            {
                names.push_back(name);
                return 1;
            }
            bool Contains(const char*) override { return false; }
            std::vector<std::string> names;
        } collector;
        CSearchSpec search;
        search.SetMode(CSearchSpec::kRecurse);
        search.SetFolderAndExtension("Levels/", "txt");
        archive.Enumerate(collector, search);
        return collector.names;
    }

    // Lists and opens every member; the first failure is reported.
    static void ExpectEveryMemberListedAndRead(CZipArchive& archive)
    {
        std::vector<std::string> listed = ListFiles(archive);
        ASSERT_EQ(listed.size(), kMemberCount);
        for (uint32_t i = 0; i < kMemberCount; i++)
        {
            ASSERT_EQ(listed[i], MemberName(i));
            ASSERT_EQ(ReadAndDelete(archive.OpenMember(MemberName(i).c_str(), OPEN_READ)), MemberData(i))
                << MemberName(i);
        }
    }
};

TEST_F(Zip64ArchiveTest, ListsAndOpensEveryMemberPastTheEndRecordsCount)
{
    TestZipLayout layout;
    layout.zip64 = true;
    WriteZip("Data/t.zip", ManyMembers(), layout);
    CZipArchive archive;
    ASSERT_TRUE(archive.Open("t.zip", true, "/", false, 0));
    EXPECT_EQ(archive.GetEntryCount(), kMemberCount);
    ExpectEveryMemberListedAndRead(archive);

    // A rewrite writes the directory back with ZIP64 records of its own.
    CStream* writer = archive.OpenMember(MemberName(0).c_str(), OPEN_CREATE | OPEN_WRITE);
    ASSERT_NE(writer, nullptr);
    writer->Write("rewritten", 9);
    delete writer;
    const std::string bytes = FileBytes("Data/t.zip");
    const uint8_t* end = reinterpret_cast<const uint8_t*>(bytes.data()) + bytes.size();
    uint64_t recordOffset = 0;
    ASSERT_TRUE(DecodeZip64Locator(end - kZipEndRecordSize - kZip64LocatorSize, recordOffset));
    Zip64EndFields zip64;
    ASSERT_TRUE(DecodeZip64EndRecord(reinterpret_cast<const uint8_t*>(bytes.data()) + recordOffset, zip64));
    EXPECT_EQ(zip64.totalEntries, kMemberCount);

    CZipArchive reread;
    ASSERT_TRUE(reread.Open("t.zip", false, "/", false, 0));
    EXPECT_EQ(reread.GetEntryCount(), kMemberCount);
    EXPECT_EQ(ReadAndDelete(reread.OpenMember(MemberName(0).c_str(), OPEN_READ)), "rewritten");
    EXPECT_EQ(ReadAndDelete(reread.OpenMember(MemberName(kMemberCount - 1).c_str(), OPEN_READ)),
              MemberData(kMemberCount - 1));
}

// The layout the test writer gives is the one the common tool writes: the
// same members stored by `zip -r -0` read the same way.
TEST_F(Zip64ArchiveTest, ReadsWhatTheZipToolWritesForSoManyMembers)
{
    if (std::system("command -v zip >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "zip is not installed (scripts/install_dependencies.sh installs it)";
    std::filesystem::create_directories(Absolute("Source/Levels"));
    for (uint32_t i = 0; i < kMemberCount; i++)
        std::ofstream(Absolute("Source/" + MemberName(i)), std::ios::binary) << MemberData(i);
    const std::string command = "cd '" + Absolute("Source") + "' && zip -q -r -0 '" + Absolute("Data/t.zip") + "' Levels";
    ASSERT_EQ(std::system(command.c_str()), 0);

    CZipArchive archive;
    ASSERT_TRUE(archive.Open("t.zip", false, "/", false, 0));
    // The tool also stores the folder itself.
    EXPECT_EQ(archive.GetEntryCount(), kMemberCount + 1);
    ExpectEveryMemberListedAndRead(archive);
}
