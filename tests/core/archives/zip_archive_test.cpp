#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "engine/core/files/crc32.h"
#include "engine/core/files/file_search.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/files/loose_files.h"
#include "engine/core/files/stream.h"
#include "engine/core/archives/zip_archive.h"
#include "engine/core/archives/zip_format.h"
#include "tests/support/archive_test_folder.h"

// Archives lie in the data folder and are opened by data name.
class ZipArchiveTest : public ArchiveTestFolder
{
protected:
    bool OpenArchive(const std::vector<TestZipMember>& members, const TestZipLayout& layout = {},
                     const char* prefix = "Pack/", bool writable = false)
    {
        WriteZip("Data/t.zip", members, layout);
        return m_Archive.Open("t.zip", writable, prefix, false, 0);
    }

    std::string ReadMember(const char* name, uint32_t flags = OPEN_READ,
                           CZipArchive::MemberChoice choice = CZipArchive::kAnyMember)
    {
        return ReadAndDelete(m_Archive.OpenMember(name, flags, choice));
    }

    CZipArchive m_Archive;
};

static TestZipLayout ZipLayoutWithZip64()
{
    TestZipLayout layout;
    layout.zip64 = true;
    return layout;
}

// As Linux tools write them: the local header carries 28 bytes of extra
// fields, the central record 24.
static std::vector<TestZipMember> MembersWithToolExtras()
{
    std::vector<TestZipMember> members = NamedMembers({"a.txt", "Sub/b.bin", "c.txt"});
    members[1].data = std::string("\0\x01\xFF\r\n", 5);
    for (TestZipMember& member : members)
    {
        member.localExtra = TestZipExtraField(0x5455, 9) + TestZipExtraField(0x7875, 11);
        member.centralExtra = TestZipExtraField(0x5455, 5) + TestZipExtraField(0x7875, 11);
    }
    return members;
}

TEST_F(ZipArchiveTest, ReadsTheDirectoryThroughEitherEndSignatureAndPrefixesNames)
{
    for (uint32_t signature : {kZipEndSignature, kZipAlternateEndSignature})
    {
        TestZipLayout layout;
        layout.endSignature = signature;
        ASSERT_TRUE(OpenArchive(NamedMembers({"Rounds/One.txt", "b.txt"}), layout)) << std::hex << signature;
        ASSERT_EQ(m_Archive.GetEntryCount(), 2u);
        EXPECT_STREQ(m_Archive.GetEntry(0).name.GetText(), "Pack/Rounds/One.txt");
        EXPECT_TRUE(m_Archive.Contains("pack/ROUNDS/one.TXT"));
        EXPECT_EQ(ReadMember("PACK/rounds/ONE.txt"), "Rounds/One.txt data");
    }
}

TEST_F(ZipArchiveTest, ReadsEveryMemberWhenLocalAndCentralExtraFieldsDiffer)
{
    std::vector<TestZipMember> members = MembersWithToolExtras();
    ASSERT_TRUE(OpenArchive(members));
    for (const TestZipMember& member : members)
        EXPECT_EQ(ReadMember(("Pack/" + member.name).c_str()), member.data) << member.name;
}

TEST_F(ZipArchiveTest, WalksArchivesWhoseEndRecordIsNotInTheLastBytes)
{
    struct Case
    {
        const char* what;
        TestZipLayout layout;
    };
    Case cases[2];
    cases[0].what = "trailing comment";
    cases[0].layout.archiveComment = "made for the level pack";
    cases[1].what = "directory offset asks for the walk";
    cases[1].layout.directoryOffsetOverride = kZipWalkDirectoryOffset;
    for (const Case& c : cases)
    {
        std::vector<TestZipMember> members = MembersWithToolExtras();
        ASSERT_TRUE(OpenArchive(members, c.layout)) << c.what;
        EXPECT_EQ(m_Archive.GetEntryCount(), 3u) << c.what;
        EXPECT_EQ(ReadMember("Pack/Sub/b.bin"), members[1].data) << c.what;
    }
}

TEST_F(ZipArchiveTest, FilesThatAreNoArchivesFailToOpen)
{
    const std::string elfHeader = std::string("\x7F" "ELF\x02\x01\x01", 7) + std::string(100, '\0');
    TestZipLayout withoutDirectory;
    withoutDirectory.writeDirectory = false;
    const std::string directoryless = BuildTestZip(NamedMembers({"a.txt"}), withoutDirectory);
    struct Case
    {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"executable", elfHeader},
        {"text", "Round 1\r\nBricks = 40\r\n"},
        {"empty", ""},
        {"local headers without a directory", directoryless},
    };
    for (const Case& c : cases)
    {
        m_Folder.WriteFile("Data/t.zip", c.bytes);
        EXPECT_FALSE(m_Archive.Open("t.zip", false, "/", false, 0)) << c.what;
        EXPECT_EQ(m_Archive.GetEntryCount(), 0u) << c.what;
    }
}

TEST_F(ZipArchiveTest, ReadsTheWholeDirectoryWhateverCountTheEndRecordGives)
{
    for (int declared : {9, 1, 0})
    {
        TestZipLayout miscounted;
        miscounted.declaredEntries = declared;
        ASSERT_TRUE(OpenArchive(NamedMembers({"a.txt", "b.txt"}), miscounted)) << declared;
        EXPECT_EQ(m_Archive.GetEntryCount(), 2u) << declared;
        EXPECT_EQ(ReadMember("Pack/b.txt"), "b.txt data") << declared;
    }
}

TEST_F(ZipArchiveTest, DirectoryThatCannotBeReadWholeRefusesTheArchive)
{
    std::string zip = BuildTestZip(NamedMembers({"a.txt", "b.txt"}));
    const std::string cutInLastRecord = zip.substr(0, zip.size() - kZipEndRecordSize - 8);
    std::string badLocator = BuildTestZip(NamedMembers({"a.txt", "b.txt"}), ZipLayoutWithZip64());
    // The locator points past itself.
    badLocator[badLocator.size() - kZipEndRecordSize - kZip64LocatorSize + 11] = '\x7F';
    // A member placed past the directory, where a rewrite would write.
    std::string memberPastDirectory = zip;
    const size_t directoryOffset = TestZipLocalOffsets(NamedMembers({"a.txt", "b.txt", "c"})).back();
    memberPastDirectory[directoryOffset + 42 + 3] = '\x7F';
    for (const std::string& bytes : {cutInLastRecord, badLocator, memberPastDirectory})
    {
        m_Folder.WriteFile("Data/t.zip", bytes);
        EXPECT_FALSE(m_Archive.Open("t.zip", false, "/", false, 0));
        EXPECT_EQ(m_Archive.GetEntryCount(), 0u);
    }
}

TEST_F(ZipArchiveTest, NameFlaggedUtf8OpensByItsLatin1Name)
{
    const std::string utf8Name = "\xC3\x9Cn\xC3\xAF" "c\xC3\xB6" "d\xC3\xA9/caf\xC3\xA9.txt";
    std::vector<TestZipMember> members = NamedMembers({utf8Name, "Caf\xC3\xA9.raw"});
    members[0].flags = kZipFlagUtf8Name;
    ASSERT_TRUE(OpenArchive(members));
    // Flagged: the engine's Latin-1 name. Unflagged bytes stay as stored.
    EXPECT_EQ(ReadMember("Pack/\xDCn\xEF" "c\xF6" "d\xE9/caf\xE9.txt"), members[0].data);
    EXPECT_EQ(ReadMember("Pack/Caf\xC3\xA9.raw"), members[1].data);
    EXPECT_EQ(ReadMember(("Pack/" + utf8Name).c_str()), "(no stream)");
    CFileNameList list;
    CSearchSpec search;
    search.SetFolderAndExtension("Pack/", "txt");
    search.SetMode(CSearchSpec::kRecurse);
    m_Archive.Enumerate(list, search);
    ASSERT_EQ(list.GetCount(), 1u);
    EXPECT_STREQ(list.GetName(0), "Pack/\xDCn\xEF" "c\xF6" "d\xE9/caf\xE9.txt");
}

TEST_F(ZipArchiveTest, OfMembersThatDifferOnlyInCaseTheExactSpellingWins)
{
    std::vector<TestZipMember> members = NamedMembers({"Round.txt", "ROUND.txt", "round.TXT"});
    ASSERT_TRUE(OpenArchive(members));
    for (const TestZipMember& member : members)
        EXPECT_EQ(ReadMember(("Pack/" + member.name).c_str()), member.data) << member.name;
    // The prefix is matched without case; the stored name decides.
    EXPECT_EQ(ReadMember("PACK/ROUND.txt"), "ROUND.txt data");
    // No exact spelling: the first in the directory.
    EXPECT_EQ(ReadMember("Pack/rOUND.TXT"), "Round.txt data");
}

TEST_F(ZipArchiveTest, NamesOutsideThePrefixOrWithBackslashesAreNeverFound)
{
    ASSERT_TRUE(OpenArchive(NamedMembers({"x.txt", "Sub/y.txt"}), {}, "Levels/Pack/"));
    EXPECT_TRUE(m_Archive.Contains("levels/PACK/X.TXT"));
    EXPECT_TRUE(m_Archive.Contains("Levels/Pack/Sub/y.txt"));
    for (const char* name : {"x.txt", "Levels/x.txt", "Levels/Pac/x.txt", "Levels\\Pack\\x.txt", "Levels/Pack\\Sub\\y.txt"})
    {
        EXPECT_FALSE(m_Archive.Contains(name)) << name;
        EXPECT_EQ(m_Archive.OpenMember(name, OPEN_READ), nullptr) << name;
    }
}

TEST_F(ZipArchiveTest, MemberStreamStaysInsideItsMember)
{
    std::vector<TestZipMember> members = NamedMembers({"a.txt", "lines.txt", "c.txt"});
    members[1].data = "first\r\nsecond\nlast";
    ASSERT_TRUE(OpenArchive(members));
    CStream* stream = m_Archive.OpenMember("Pack/lines.txt", OPEN_READ);
    ASSERT_NE(stream, nullptr);
    const uint32_t size = static_cast<uint32_t>(members[1].data.size());
    EXPECT_EQ(stream->GetSize(), size);

    CString line;
    EXPECT_TRUE(stream->ReadLine(line));
    EXPECT_STREQ(line.GetText(), "first");
    EXPECT_EQ(stream->Tell(), 7);
    EXPECT_TRUE(stream->ReadLine(line));
    EXPECT_TRUE(stream->ReadLine(line));
    EXPECT_STREQ(line.GetText(), "last");
    EXPECT_FALSE(stream->ReadLine(line));

    EXPECT_TRUE(stream->Seek(size));
    EXPECT_FALSE(stream->Seek(size + 1));
    EXPECT_TRUE(stream->Seek(size - 2));
    EXPECT_FALSE(stream->SeekRelative(2));
    EXPECT_FALSE(stream->SeekRelative(-static_cast<int32_t>(size)));
    EXPECT_TRUE(stream->SeekRelative(1));
    char bytes[8];
    EXPECT_EQ(stream->Read(bytes, sizeof(bytes)), 1u);
    EXPECT_EQ(bytes[0], 't');
    EXPECT_EQ(stream->Read(bytes, sizeof(bytes)), 0u);
    EXPECT_EQ(stream->Write("x", 1), 0u);
    delete stream;
    EXPECT_EQ(ReadMember("Pack/c.txt"), "c.txt data");
}

TEST_F(ZipArchiveTest, StreamsOnSharedAndOwnFilesReadAlternately)
{
    std::vector<TestZipMember> members = MembersWithToolExtras();
    ASSERT_TRUE(OpenArchive(members));
    CStream* streams[] = {
        m_Archive.OpenMember("Pack/a.txt", OPEN_READ),
        m_Archive.OpenMember("Pack/c.txt", OPEN_READ),
        m_Archive.OpenMember("Pack/Sub/b.bin", OPEN_READ | OPEN_OWN_ARCHIVE_FILE),
    };
    std::string read[3];
    for (bool progress = true; progress;)
    {
        progress = false;
        for (int i = 0; i < 3; i++)
        {
            char byte;
            if (streams[i]->Read(&byte, 1) == 1)
            {
                read[i] += byte;
                progress = true;
            }
        }
    }
    for (CStream* stream : streams)
        delete stream;
    EXPECT_EQ(read[0], members[0].data);
    EXPECT_EQ(read[1], members[2].data);
    EXPECT_EQ(read[2], members[1].data);
}

TEST_F(ZipArchiveTest, ListedEntriesOnlyOpensWhatTheLastEnumerationListed)
{
    ASSERT_TRUE(OpenArchive(NamedMembers({"a.txt", "b.txt", "c.dat"})));
    // The list already holds a.txt, as a loose file met first would.
    CFileNameList list;
    OfferFile(list, "Pack/a.txt", 1, 0);
    CSearchSpec search;
    search.SetFolderAndExtension("Pack/", "txt");
    m_Archive.Enumerate(list, search);
    ASSERT_EQ(list.GetCount(), 2u);
    EXPECT_STREQ(list.GetName(1), "Pack/b.txt");

    EXPECT_EQ(ReadMember("Pack/a.txt", OPEN_READ, CZipArchive::kListedMembersOnly), "(no stream)");
    EXPECT_EQ(ReadMember("Pack/c.dat", OPEN_READ, CZipArchive::kListedMembersOnly), "(no stream)");
    EXPECT_EQ(ReadMember("Pack/b.txt", OPEN_READ, CZipArchive::kListedMembersOnly), "b.txt data");
    EXPECT_EQ(ReadMember("Pack/a.txt"), "a.txt data");
}

TEST_F(ZipArchiveTest, MemberTimesAreDosTimesInLocalTime)
{
    std::vector<TestZipMember> members = NamedMembers({"a.txt"});
    // 2021-03-14 15:09:26: the seconds are stored halved.
    members[0].dosDate = static_cast<uint16_t>(((2021 - 1980) << 9) | (3 << 5) | 14);
    members[0].dosTime = static_cast<uint16_t>((15 << 11) | (9 << 5) | (26 / 2));
    ASSERT_TRUE(OpenArchive(members));

    std::tm local = {};
    local.tm_year = 2021 - 1900;
    local.tm_mon = 2;
    local.tm_mday = 14;
    local.tm_hour = 15;
    local.tm_min = 9;
    local.tm_sec = 26;
    local.tm_isdst = -1;
    const uint64_t expected = static_cast<uint64_t>(std::mktime(&local)) * 10000000ull + 116444736000000000ull;
    EXPECT_EQ(m_Archive.GetFileTime("Pack/a.txt"), expected);
    EXPECT_EQ(m_Archive.GetFileTime("Pack/missing.txt"), GetFileTimeOf("Data/t.zip", 0));
    EXPECT_EQ(m_Archive.GetFileTime("Other/a.txt"), 0u);
}

TEST_F(ZipArchiveTest, RewritingTheMiddleMemberKeepsTheOthersAndLeavesAValidDirectory)
{
    std::vector<TestZipMember> members = MembersWithToolExtras();
    ASSERT_TRUE(OpenArchive(members, {}, "/", true));
    const std::string before = FileBytes("Data/t.zip");

    CStream* stream = m_Archive.OpenMember("sub/B.BIN", OPEN_CREATE | OPEN_WRITE | OPEN_READ);
    ASSERT_NE(stream, nullptr);
    const std::string rewritten = "a longer member than the one before";
    EXPECT_EQ(stream->Write(rewritten.data(), static_cast<uint32_t>(rewritten.size())), rewritten.size());
    EXPECT_TRUE(stream->Close());
    delete stream;

    // The first member has not moved; the third moved down over the second.
    const std::string after = FileBytes("Data/t.zip");
    std::vector<uint32_t> offsets = TestZipLocalOffsets(members);
    const size_t thirdLength = kZipLocalHeaderSize + members[2].name.size() + members[2].localExtra.size() +
                               members[2].data.size();
    EXPECT_EQ(after.substr(0, offsets[1]), before.substr(0, offsets[1]));
    EXPECT_EQ(after.substr(offsets[1], thirdLength), before.substr(offsets[2], thirdLength));

    // The file ends exactly at an end record whose directory is sorted by
    // offset, and it reads back in full.
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(after.data());
    ASSERT_EQ(ReadLittleEndian32(bytes + after.size() - kZipEndRecordSize), kZipEndSignature);
    ZipEndFields end;
    DecodeZipEndFields(bytes + after.size() - kZipEndFieldsSize, end);
    EXPECT_EQ(end.directoryOffset + end.directorySize + kZipEndRecordSize, after.size());
    EXPECT_EQ(end.totalEntries, 3);

    CZipArchive reread;
    ASSERT_TRUE(reread.Open("t.zip", false, "/", false, 0));
    ASSERT_EQ(reread.GetEntryCount(), 3u);
    for (uint32_t i = 1; i < 3; i++)
        EXPECT_LT(reread.GetEntry(i - 1).fields.localHeaderOffset, reread.GetEntry(i).fields.localHeaderOffset);
    const ZipEntry& last = reread.GetEntry(2);
    EXPECT_STREQ(last.name.GetText(), "Sub/b.bin");
    EXPECT_EQ(last.fields.crc32, Crc32(rewritten.data(), rewritten.size()));
    EXPECT_EQ(ReadAndDelete(reread.OpenMember("a.txt", OPEN_READ)), members[0].data);
    EXPECT_EQ(ReadAndDelete(reread.OpenMember("c.txt", OPEN_READ)), members[2].data);
    EXPECT_EQ(ReadAndDelete(reread.OpenMember("Sub/b.bin", OPEN_READ)), rewritten);
}

TEST_F(ZipArchiveTest, RewritingTheLastMemberShrinksTheFile)
{
    std::vector<TestZipMember> members = MembersWithToolExtras();
    members[2].data = std::string(500, 'z');
    ASSERT_TRUE(OpenArchive(members, {}, "/", true));
    CStream* stream = m_Archive.OpenMember("c.txt", OPEN_CREATE | OPEN_WRITE);
    ASSERT_NE(stream, nullptr);
    stream->Write("short", 5);
    delete stream;

    CZipArchive reread;
    ASSERT_TRUE(reread.Open("t.zip", false, "/", false, 0));
    EXPECT_EQ(ReadAndDelete(reread.OpenMember("c.txt", OPEN_READ)), "short");
    EXPECT_EQ(ReadAndDelete(reread.OpenMember("a.txt", OPEN_READ)), members[0].data);
    EXPECT_LT(FileBytes("Data/t.zip").size(), BuildTestZip(members).size());
}

TEST_F(ZipArchiveTest, RewriteIsRefusedForReadOnlyArchivesAndWhileStreamsAreOpen)
{
    ASSERT_TRUE(OpenArchive(NamedMembers({"a.txt", "b.txt"}), {}, "/", false));
    EXPECT_EQ(m_Archive.OpenMember("a.txt", OPEN_CREATE | OPEN_WRITE), nullptr);

    for (uint32_t readerFlags : {OPEN_READ, OPEN_READ | OPEN_OWN_ARCHIVE_FILE})
    {
        ASSERT_TRUE(OpenArchive(NamedMembers({"a.txt", "b.txt"}), {}, "/", true));
        CStream* reader = m_Archive.OpenMember("b.txt", readerFlags);
        ASSERT_NE(reader, nullptr);
        EXPECT_EQ(m_Archive.OpenMember("a.txt", OPEN_CREATE | OPEN_WRITE), nullptr) << readerFlags;
        delete reader;
    }
}

TEST_F(ZipArchiveTest, NoMemberOpensWhileARewriteIsUnderway)
{
    ASSERT_TRUE(OpenArchive(NamedMembers({"a.txt", "b.txt", "c.txt"}), {}, "/", true));
    CStream* writer = m_Archive.OpenMember("a.txt", OPEN_CREATE | OPEN_WRITE);
    ASSERT_NE(writer, nullptr);
    writer->Write("new a", 5);
    EXPECT_EQ(m_Archive.OpenMember("b.txt", OPEN_READ), nullptr);
    EXPECT_EQ(m_Archive.OpenMember("c.txt", OPEN_READ | OPEN_OWN_ARCHIVE_FILE), nullptr);
    EXPECT_EQ(m_Archive.OpenMember("c.txt", OPEN_CREATE | OPEN_WRITE), nullptr);
    writer->Write(" and more", 9);
    delete writer;

    EXPECT_EQ(ReadMember("a.txt"), "new a and more");
    EXPECT_EQ(ReadMember("b.txt"), "b.txt data");
    CZipArchive reread;
    ASSERT_TRUE(reread.Open("t.zip", false, "/", false, 0));
    EXPECT_EQ(ReadAndDelete(reread.OpenMember("a.txt", OPEN_READ)), "new a and more");
    EXPECT_EQ(ReadAndDelete(reread.OpenMember("c.txt", OPEN_READ)), "c.txt data");
}

TEST_F(ZipArchiveTest, DeferredArchiveReadsItsDirectoryOnFirstUse)
{
    WriteZip("Data/t.zip", NamedMembers({"a.txt"}));
    ASSERT_TRUE(m_Archive.Open("t.zip", false, "Pack/", true, 0));
    EXPECT_EQ(m_Archive.GetEntryCount(), 0u);
    EXPECT_TRUE(m_Archive.Contains("Pack/a.txt"));
    EXPECT_EQ(m_Archive.GetEntryCount(), 1u);
}

using ZipArchiveDeathTest = ZipArchiveTest;

TEST_F(ZipArchiveDeathTest, CompressedMemberStopsTheProgram)
{
    std::vector<TestZipMember> members = NamedMembers({"a.txt", "packed.txt"});
    members[1].method = 8;
    WriteZip("Data/t.zip", members);
    EXPECT_EXIT(m_Archive.Open("t.zip", false, "/", false, 0), testing::ExitedWithCode(255),
                "Compressed Zip File Found\nt.zip has been created using an unsupported type of compression");
}

TEST_F(ZipArchiveDeathTest, DamagedDeferredArchiveStopsTheProgramAtFirstUse)
{
    m_Folder.WriteFile("Data/t.zip", "not an archive at all");
    ASSERT_TRUE(m_Archive.Open("t.zip", false, "Pack/", true, 0));
    EXPECT_EXIT(m_Archive.Contains("Pack/a.txt"), testing::ExitedWithCode(255),
                "FATAL ERROR IN ZIP\nThere is something wrong with t.zip.  It may be an empty or damaged archive.");
}

TEST_F(ZipArchiveDeathTest, MemberWhoseLocalHeaderIsMissingStopsTheProgramWhenOpened)
{
    std::string zip = BuildTestZip(NamedMembers({"a.txt", "b.txt"}));
    zip[TestZipLocalOffsets(NamedMembers({"a.txt", "b.txt"}))[1]] = 'X';
    m_Folder.WriteFile("Data/t.zip", zip);
    ASSERT_TRUE(m_Archive.Open("t.zip", false, "/", false, 0));
    EXPECT_EQ(ReadMember("a.txt"), "a.txt data");
    EXPECT_EXIT(m_Archive.OpenMember("b.txt", OPEN_READ), testing::ExitedWithCode(255),
                "FATAL ERROR IN ZIP\nThere is something wrong with t.zip");
}
