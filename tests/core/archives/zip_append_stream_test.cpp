#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/files/file.h"
#include "engine/core/files/stream.h"
#include "engine/core/archives/zip_append_stream.h"
#include "engine/core/archives/zip_archive.h"
#include "engine/core/archives/zip_format.h"
#include "tests/support/archive_test_folder.h"

// "archive;member" names the archive as it stands, relative to the current
// folder.
using ZipAppendStreamTest = ArchiveTestFolder;

static const uint8_t* Bytes(const std::string& text)
{
    return reinterpret_cast<const uint8_t*>(text.data());
}

TEST_F(ZipAppendStreamTest, AppendedMemberFollowsTheOldOnesAndTheFileEndsInTheAlternateEndRecord)
{
    WriteZip("t.zip", NamedMembers({"a.txt", "b.txt"}));
    {
        CFile file;
        ASSERT_TRUE(file.Open("t.zip;Levels/new.txt", OPEN_CREATE | OPEN_WRITE));
        file.WriteLine("Brick = Red");
        file.WriteText("Count = 3");
        EXPECT_TRUE(file.Close());
    }

    const std::string zip = FileBytes("t.zip");
    ASSERT_GE(zip.size(), static_cast<size_t>(kZipEndRecordSize));
    EXPECT_EQ(zip.substr(zip.size() - kZipEndRecordSize, 4), "\x51\x56\x05\x06");
    ZipEndFields end;
    DecodeZipEndFields(Bytes(zip) + zip.size() - kZipEndFieldsSize, end);
    EXPECT_EQ(end.totalEntries, 3);
    EXPECT_EQ(end.entriesOnDisk, 3);
    EXPECT_EQ(end.directoryOffset + end.directorySize + kZipEndRecordSize, zip.size());

    CZipArchive archive;
    ASSERT_TRUE(archive.Open("./t.zip", false, "/", false, OPEN_NAME_UNCHANGED));
    ASSERT_EQ(archive.GetEntryCount(), 3u);
    EXPECT_STREQ(archive.GetEntry(0).name.GetText(), "a.txt");
    EXPECT_STREQ(archive.GetEntry(1).name.GetText(), "b.txt");
    const ZipEntry& added = archive.GetEntry(2);
    EXPECT_STREQ(added.name.GetText(), "Levels/new.txt");
    EXPECT_EQ(added.fields.versionMadeBy, 42);
    EXPECT_EQ(added.fields.versionNeeded, 10);
    EXPECT_EQ(added.fields.crc32, 0u);
    EXPECT_EQ(added.fields.time, 0);
    EXPECT_EQ(added.fields.date, 0);
    EXPECT_EQ(ReadAndDelete(archive.OpenMember("levels/NEW.txt", OPEN_READ)), "Brick = Red\r\nCount = 3");
    EXPECT_EQ(ReadAndDelete(archive.OpenMember("b.txt", OPEN_READ)), "b.txt data");
}

TEST_F(ZipAppendStreamTest, SecondAppendKeepsTheFirst)
{
    WriteZip("t.zip", NamedMembers({"a.txt"}));
    for (const char* name : {"one.txt", "two.txt"})
    {
        CStream* stream = OpenZipAppendStream("t.zip", name);
        ASSERT_NE(stream, nullptr);
        stream->Write(name, 3);
        EXPECT_EQ(stream->GetSize(), 3u);
        delete stream;
    }
    CZipArchive archive;
    ASSERT_TRUE(archive.Open("t.zip", false, "/", false, OPEN_NAME_UNCHANGED));
    ASSERT_EQ(archive.GetEntryCount(), 3u);
    EXPECT_EQ(ReadAndDelete(archive.OpenMember("one.txt", OPEN_READ)), "one");
    EXPECT_EQ(ReadAndDelete(archive.OpenMember("two.txt", OPEN_READ)), "two");
}

TEST_F(ZipAppendStreamTest, RefusesArchivesItCannotExtendAndLeavesThemAlone)
{
    std::string valid = BuildTestZip(NamedMembers({"a.txt"}));
    std::string oversizedDirectory = valid;
    WriteLittleEndian32(reinterpret_cast<uint8_t*>(oversizedDirectory.data()) + oversizedDirectory.size() - 10,
                        0x7FFFFFF0);
    std::string directoryPastTheEnd = valid;
    WriteLittleEndian32(reinterpret_cast<uint8_t*>(directoryPastTheEnd.data()) + directoryPastTheEnd.size() - 6,
                        static_cast<uint32_t>(valid.size()));
    struct Case
    {
        const char* what;
        std::string bytes;
        std::string member;
    };
    const Case cases[] = {
        {"no end record", "just text, no archive", "new.txt"},
        {"directory larger than the file", oversizedDirectory, "new.txt"},
        {"directory beyond the file", directoryPastTheEnd, "new.txt"},
        {"member name too long", valid, std::string(256, 'n')},
        {"member name empty", valid, ""},
    };
    for (const Case& c : cases)
    {
        m_Folder.WriteFile("t.zip", c.bytes);
        EXPECT_EQ(OpenZipAppendStream("t.zip", c.member.c_str()), nullptr) << c.what;
        EXPECT_EQ(FileBytes("t.zip"), c.bytes) << c.what;
    }
    EXPECT_EQ(OpenZipAppendStream("missing.zip", "new.txt"), nullptr);

    m_Folder.WriteFile("t.zip", valid);
    CStream* longest = OpenZipAppendStream("t.zip", std::string(255, 'n').c_str());
    EXPECT_NE(longest, nullptr);
    delete longest;
}
