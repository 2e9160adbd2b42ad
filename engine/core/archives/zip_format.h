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

constexpr int kZipLocalHeaderSize = 30;
constexpr int kZipCentralRecordSize = 46;
constexpr int kZipCentralFieldsSize = 42;  // the central record after its signature
constexpr int kZipEndRecordSize = 22;
constexpr int kZipEndFieldsSize = 18;      // the end record after its signature

// An end record with this directory offset asks the reader to walk the file.
constexpr uint32_t kZipWalkDirectoryOffset = 0xFFFFFFFF;

constexpr uint16_t kZipMethodStored = 0;

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

// Walks the central records of a directory held in memory, read from its
// first record to the end of the file.
class CZipDirectoryCursor
{
public:
    enum Step
    {
        kRecord,   // fields and name describe the next member
        kEnd,      // an end signature, or the bytes ran out before a whole record
        kDamaged,  // something other than a central record or an end record
    };

    CZipDirectoryCursor(const uint8_t* bytes, size_t size);

    // The name points into the caller's block and is not terminated.
    Step Next(ZipCentralFields& fields, const char*& name);

private:
    const uint8_t* m_pBytes;
    size_t m_Size;
    size_t m_Position;
};
