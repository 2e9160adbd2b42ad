#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Builds zip files byte by byte so that tests choose exactly what ordinary
// tools vary: extra fields that differ between the two headers, methods,
// end signatures, comments, missing directories.

struct TestZipMember
{
    std::string name;
    std::string data;
    uint16_t method = 0;
    uint16_t flags = 0;  // 0x0800: the name is UTF-8
    uint16_t dosTime = 0;
    uint16_t dosDate = 0;
    std::string localExtra;
    std::string centralExtra;
    std::string comment;
};

struct TestZipLayout
{
    uint32_t endSignature = 0x06054b50;
    std::string archiveComment;
    bool writeDirectory = true;              // false: only local headers and data
    int declaredEntries = -1;                // -1: the real count
    uint32_t directoryOffsetOverride = 0;    // 0: the real offset
    // A ZIP64 end record and locator before the end record, whose counts
    // then read 0xFFFF while its size and offset stay true, as `zip` 3.0
    // writes archives of more than 65,535 members.
    bool zip64 = false;
};

// The whole archive file.
std::string BuildTestZip(const std::vector<TestZipMember>& members, const TestZipLayout& layout = {});

// The offset of each member's local header in an archive built from members.
std::vector<uint32_t> TestZipLocalOffsets(const std::vector<TestZipMember>& members);

// One extra-field block: its id, its data length and that many filler bytes.
// Linux tools put a 13-byte time block and a 15-byte owner block into the
// local header (28 bytes) but only a 9-byte time block and the owner block
// into the central record (24 bytes).
std::string TestZipExtraField(uint16_t id, size_t dataLength);
