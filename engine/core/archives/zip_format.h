#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/core/files/little_endian.h"

// The records of a zip file as they lie on disk: little-endian, packed, each
// introduced by a 4-byte signature.

constexpr uint32_t kZipLocalHeaderSignature = 0x04034b50;
constexpr uint32_t kZipCentralRecordSignature = 0x02014b50;
constexpr uint32_t kZipEndSignature = 0x06054b50;
// Written by the engine's own append stream; outside tools rely on the
// engine reading it back.
constexpr uint32_t kZipAlternateEndSignature = 0x06055651;

// Archives of more than 65,535 members (or past 4 GiB) keep their true
// member count and directory offset in a ZIP64 end record, found through a
// locator just before the end record, whose own fields then read 0xFFFF.
constexpr uint32_t kZip64EndSignature = 0x06064b50;
constexpr uint32_t kZip64LocatorSignature = 0x07064b50;

constexpr int kZipLocalHeaderSize = 30;
constexpr int kZipCentralRecordSize = 46;
constexpr int kZipCentralFieldsSize = 42;  // the central record after its signature
constexpr int kZipEndRecordSize = 22;
constexpr int kZipEndFieldsSize = 18;      // the end record after its signature
constexpr int kZip64EndRecordSize = 56;    // without the extensible data some writers add
constexpr int kZip64LocatorSize = 20;

// An end record with this directory offset asks the reader to walk the file.
constexpr uint32_t kZipWalkDirectoryOffset = 0xFFFFFFFF;

constexpr uint16_t kZipMethodStored = 0;
// General-purpose flag bit 11: the member's name is UTF-8, not code page 437.
constexpr uint16_t kZipFlagUtf8Name = 0x0800;

bool IsZipEndSignature(uint32_t signature);

// The central record's bytes 4 to 45, kept per member so that the writers
// can put them back unchanged.
struct ZipCentralFields
{
    uint16_t versionMadeBy;
    uint16_t versionNeeded;
    uint16_t flags;
    uint16_t method;
    uint16_t time;
    uint16_t date;
    uint32_t crc32;
    uint32_t compressedSize;
    uint32_t uncompressedSize;
    uint16_t nameLength;
    uint16_t extraLength;
    uint16_t commentLength;
    uint16_t diskNumberStart;
    uint16_t internalAttributes;
    uint32_t externalAttributes;
    uint32_t localHeaderOffset;
};

void DecodeZipCentralFields(const uint8_t* bytes, ZipCentralFields& fields);
void EncodeZipCentralFields(const ZipCentralFields& fields, uint8_t* bytes);

// A whole local header (signature included) made from a member's central
// fields; the name follows it on disk.
void EncodeZipLocalHeader(const ZipCentralFields& fields, uint8_t* bytes);

// What the reader needs of a local header: where the member's data begins
// and how far the walk skips.
struct ZipLocalHeaderInfo
{
    uint32_t compressedSize;
    uint16_t nameLength;
    uint16_t extraLength;
};

// Decodes the 26 bytes that follow a local header's signature.
void DecodeZipLocalHeaderTail(const uint8_t* bytes, ZipLocalHeaderInfo& info);

// The end record after its signature.
struct ZipEndFields
{
    uint16_t thisDisk;
    uint16_t directoryDisk;
    uint16_t entriesOnDisk;
    uint16_t totalEntries;
    uint32_t directorySize;
    uint32_t directoryOffset;
    uint16_t commentLength;
};

void DecodeZipEndFields(const uint8_t* bytes, ZipEndFields& fields);
void EncodeZipEndFields(const ZipEndFields& fields, uint8_t* bytes);

// What the reader takes of a ZIP64 end record.
struct Zip64EndFields
{
    uint64_t totalEntries;
    uint64_t directorySize;
    uint64_t directoryOffset;
};

// The offset of the ZIP64 end record from a locator (signature included);
// false when the bytes are no locator.
bool DecodeZip64Locator(const uint8_t* bytes, uint64_t& endRecordOffset);
// A ZIP64 end record, signature included; false when the bytes are none.
bool DecodeZip64EndRecord(const uint8_t* bytes, Zip64EndFields& fields);
// A ZIP64 end record and its locator, written one after the other (76
// bytes) at endRecordOffset.
void EncodeZip64EndRecords(const Zip64EndFields& fields, uint64_t endRecordOffset, uint8_t* bytes);

// Walks the central records of a directory held in memory, read from its
// first record to the end of the file. The directory ends only at an end
// record (of either signature, or a ZIP64 one): bytes that run out first
// are damage, never a shorter directory.
class CZipDirectoryCursor
{
public:
    enum Step
    {
        kRecord,   // fields and name describe the next member
        kEnd,      // an end record's signature
        kDamaged,  // anything else, or bytes that run out before the end record
    };

    CZipDirectoryCursor(const uint8_t* bytes, size_t size);

    // The name points into the caller's block and is not terminated.
    Step Next(ZipCentralFields& fields, const char*& name);

private:
    const uint8_t* m_pBytes;
    size_t m_Size;
    size_t m_Position;
};
