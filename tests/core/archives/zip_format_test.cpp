#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/archives/zip_format.h"
#include "tests/support/test_zip_writer.h"

static const uint8_t* Bytes(const std::string& text)
{
    return reinterpret_cast<const uint8_t*>(text.data());
}

static std::vector<TestZipMember> TwoMembers()
{
    TestZipMember first;
    first.name = "Rounds/One.txt";
    first.data = "first";
    first.dosTime = 0x6B2C;
    first.dosDate = 0x5A21;
    first.centralExtra = TestZipExtraField(0x5455, 5);
    first.comment = "note";
    TestZipMember second;
    second.name = "b.bin";
    second.data = std::string("\0\1\2", 3);
    return {first, second};
}

// The directory block as the reader takes it: from the first central record
// to the end of the file.
static std::string DirectoryOf(const std::string& zip)
{
    ZipEndFields end;
    DecodeZipEndFields(Bytes(zip) + zip.size() - kZipEndFieldsSize, end);
    return zip.substr(end.directoryOffset);
}

TEST(ZipFormat, EndRecordDescribesTheDirectory)
{
    std::string zip = BuildTestZip(TwoMembers());
    ASSERT_TRUE(IsZipEndSignature(ReadLittleEndian32(Bytes(zip) + zip.size() - kZipEndRecordSize)));
    ZipEndFields end;
    DecodeZipEndFields(Bytes(zip) + zip.size() - kZipEndFieldsSize, end);
    EXPECT_EQ(end.totalEntries, 2);
    EXPECT_EQ(end.directoryOffset + end.directorySize + kZipEndRecordSize, zip.size());
}

TEST(ZipFormat, CursorReadsEveryCentralRecordThenStops)
{
    std::vector<TestZipMember> members = TwoMembers();
    std::string directory = DirectoryOf(BuildTestZip(members));
    std::vector<uint32_t> offsets = TestZipLocalOffsets(members);

    CZipDirectoryCursor cursor(Bytes(directory), directory.size());
    ZipCentralFields fields;
    const char* name = nullptr;
    for (size_t i = 0; i < members.size(); i++)
    {
        ASSERT_EQ(cursor.Next(fields, name), CZipDirectoryCursor::kRecord);
        EXPECT_EQ(std::string(name, fields.nameLength), members[i].name);
        EXPECT_EQ(fields.uncompressedSize, members[i].data.size());
        EXPECT_EQ(fields.localHeaderOffset, offsets[i]);
        EXPECT_EQ(fields.extraLength, members[i].centralExtra.size());
        EXPECT_EQ(fields.commentLength, members[i].comment.size());
        EXPECT_EQ(fields.time, members[i].dosTime);
        EXPECT_EQ(fields.date, members[i].dosDate);
    }
    EXPECT_EQ(cursor.Next(fields, name), CZipDirectoryCursor::kEnd);
}

TEST(ZipFormat, DirectoryCutBeforeItsEndRecordIsDamaged)
{
    std::string directory = DirectoryOf(BuildTestZip(TwoMembers()));
    // Cut inside the second record's name, inside its fixed fields, and
    // right after it, where the end record should begin.
    size_t firstRecord = kZipCentralRecordSize + 14 + 9 + 4;
    for (size_t cut : {firstRecord + 2, firstRecord + kZipCentralRecordSize + 2, directory.size() - kZipEndRecordSize})
    {
        CZipDirectoryCursor cursor(Bytes(directory), cut);
        ZipCentralFields fields;
        const char* name = nullptr;
        EXPECT_EQ(cursor.Next(fields, name), CZipDirectoryCursor::kRecord);
        CZipDirectoryCursor::Step step = cursor.Next(fields, name);
        if (step == CZipDirectoryCursor::kRecord)
            step = cursor.Next(fields, name);
        EXPECT_EQ(step, CZipDirectoryCursor::kDamaged) << cut;
    }
}

TEST(ZipFormat, Zip64EndRecordEndsTheDirectoryAndCarriesTheTrueCount)
{
    TestZipLayout layout;
    layout.zip64 = true;
    std::vector<TestZipMember> members = TwoMembers();
    std::string zip = BuildTestZip(members, layout);
    const uint8_t* bytes = Bytes(zip);
    size_t locator = zip.size() - kZipEndRecordSize - kZip64LocatorSize;
    uint64_t recordOffset = 0;
    ASSERT_TRUE(DecodeZip64Locator(bytes + locator, recordOffset));
    Zip64EndFields end;
    ASSERT_TRUE(DecodeZip64EndRecord(bytes + recordOffset, end));
    EXPECT_EQ(end.totalEntries, 2u);
    EXPECT_EQ(end.directoryOffset + end.directorySize, recordOffset);

    CZipDirectoryCursor cursor(bytes + end.directoryOffset, zip.size() - end.directoryOffset);
    ZipCentralFields fields;
    const char* name = nullptr;
    EXPECT_EQ(cursor.Next(fields, name), CZipDirectoryCursor::kRecord);
    EXPECT_EQ(cursor.Next(fields, name), CZipDirectoryCursor::kRecord);
    EXPECT_EQ(cursor.Next(fields, name), CZipDirectoryCursor::kEnd);

    // The engine's own writer gives what the reader takes back.
    uint8_t written[kZip64EndRecordSize + kZip64LocatorSize];
    EncodeZip64EndRecords(Zip64EndFields{70000, 123456, 7890}, 0x01020304, written);
    ASSERT_TRUE(DecodeZip64Locator(written + kZip64EndRecordSize, recordOffset));
    EXPECT_EQ(recordOffset, 0x01020304u);
    ASSERT_TRUE(DecodeZip64EndRecord(written, end));
    EXPECT_EQ(end.totalEntries, 70000u);
    EXPECT_EQ(end.directorySize, 123456u);
    EXPECT_EQ(end.directoryOffset, 7890u);
}

TEST(ZipFormat, CursorCallsAnythingButARecordOrEndDamaged)
{
    std::string directory = DirectoryOf(BuildTestZip(TwoMembers()));
    directory[1] = 'Q';
    CZipDirectoryCursor cursor(Bytes(directory), directory.size());
    ZipCentralFields fields;
    const char* name = nullptr;
    EXPECT_EQ(cursor.Next(fields, name), CZipDirectoryCursor::kDamaged);
}

TEST(ZipFormat, CentralFieldsSurviveEncoding)
{
    ZipCentralFields fields = {0x2A, 10, 2, 0, 0x1234, 0x5678, 0xDEADBEEF, 7, 7, 5, 24, 3, 0, 1, 0x81A40000, 0x01020304};
    uint8_t bytes[kZipCentralFieldsSize];
    EncodeZipCentralFields(fields, bytes);
    ZipCentralFields decoded;
    DecodeZipCentralFields(bytes, decoded);
    uint8_t again[kZipCentralFieldsSize];
    EncodeZipCentralFields(decoded, again);
    EXPECT_EQ(std::string(bytes, bytes + sizeof(bytes)), std::string(again, again + sizeof(again)));
    EXPECT_EQ(decoded.crc32, 0xDEADBEEFu);
    EXPECT_EQ(decoded.localHeaderOffset, 0x01020304u);
    EXPECT_EQ(bytes[38], 0x04);
    EXPECT_EQ(bytes[41], 0x01);
}

TEST(ZipFormat, LocalHeaderCarriesTheMemberFields)
{
    ZipCentralFields fields = {0x2A, 10, 0, 0, 0x1111, 0x2222, 0xCAFEF00D, 9, 9, 5, 0, 0, 0, 0, 0, 77};
    uint8_t header[kZipLocalHeaderSize];
    EncodeZipLocalHeader(fields, header);
    EXPECT_EQ(ReadLittleEndian32(header), kZipLocalHeaderSignature);
    EXPECT_EQ(ReadLittleEndian16(header + 4), 10);
    EXPECT_EQ(ReadLittleEndian32(header + 14), 0xCAFEF00Du);
    ZipLocalHeaderInfo info;
    DecodeZipLocalHeaderTail(header + 4, info);
    EXPECT_EQ(info.compressedSize, 9u);
    EXPECT_EQ(info.nameLength, 5);
    EXPECT_EQ(info.extraLength, 0);
}
