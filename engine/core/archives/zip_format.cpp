#include "engine/core/archives/zip_format.h"

bool IsZipEndSignature(uint32_t signature)
{
    return signature == kZipEndSignature || signature == kZipAlternateEndSignature;
}

namespace
{
// Each record's layout is written once, as a visit of (offset, field) pairs,
// and serves both directions; the field's own width picks 16 or 32 bits.
template <typename Fields, typename Visit>
void VisitCentralFields(Fields& fields, Visit visit)
{
    visit(0, fields.versionMadeBy);
    visit(2, fields.versionNeeded);
    visit(4, fields.flags);
    visit(6, fields.method);
    visit(8, fields.time);
    visit(10, fields.date);
    visit(12, fields.crc32);
    visit(16, fields.compressedSize);
    visit(20, fields.uncompressedSize);
    visit(24, fields.nameLength);
    visit(26, fields.extraLength);
    visit(28, fields.commentLength);
    visit(30, fields.diskNumberStart);
    visit(32, fields.internalAttributes);
    visit(34, fields.externalAttributes);
    visit(38, fields.localHeaderOffset);
}

template <typename Fields, typename Visit>
void VisitEndFields(Fields& fields, Visit visit)
{
    visit(0, fields.thisDisk);
    visit(2, fields.directoryDisk);
    visit(4, fields.entriesOnDisk);
    visit(6, fields.totalEntries);
    visit(8, fields.directorySize);
    visit(12, fields.directoryOffset);
    visit(16, fields.commentLength);
}

uint64_t ReadLittleEndian64(const uint8_t* bytes)
{
    return ReadLittleEndian32(bytes) | static_cast<uint64_t>(ReadLittleEndian32(bytes + 4)) << 32;
}

void WriteLittleEndian64(uint8_t* bytes, uint64_t value)
{
    WriteLittleEndian32(bytes, static_cast<uint32_t>(value));
    WriteLittleEndian32(bytes + 4, static_cast<uint32_t>(value >> 32));
}

void ReadField(const uint8_t* bytes, uint16_t& field)
{
    field = ReadLittleEndian16(bytes);
}

void ReadField(const uint8_t* bytes, uint32_t& field)
{
    field = ReadLittleEndian32(bytes);
}

void WriteField(uint8_t* bytes, uint16_t field)
{
    WriteLittleEndian16(bytes, field);
}

void WriteField(uint8_t* bytes, uint32_t field)
{
    WriteLittleEndian32(bytes, field);
}
}

void DecodeZipCentralFields(const uint8_t* bytes, ZipCentralFields& fields)
{
    VisitCentralFields(fields, [bytes](uint32_t offset, auto& field) { ReadField(bytes + offset, field); });
}

void EncodeZipCentralFields(const ZipCentralFields& fields, uint8_t* bytes)
{
    VisitCentralFields(fields, [bytes](uint32_t offset, const auto& field) { WriteField(bytes + offset, field); });
}

void EncodeZipLocalHeader(const ZipCentralFields& fields, uint8_t* bytes)
{
    WriteLittleEndian32(bytes + 0, kZipLocalHeaderSignature);
    WriteLittleEndian16(bytes + 4, fields.versionNeeded);
    WriteLittleEndian16(bytes + 6, fields.flags);
    WriteLittleEndian16(bytes + 8, fields.method);
    WriteLittleEndian16(bytes + 10, fields.time);
    WriteLittleEndian16(bytes + 12, fields.date);
    WriteLittleEndian32(bytes + 14, fields.crc32);
    WriteLittleEndian32(bytes + 18, fields.compressedSize);
    WriteLittleEndian32(bytes + 22, fields.uncompressedSize);
    WriteLittleEndian16(bytes + 26, fields.nameLength);
    WriteLittleEndian16(bytes + 28, fields.extraLength);
}

void DecodeZipLocalHeaderTail(const uint8_t* bytes, ZipLocalHeaderInfo& info)
{
    // The tail starts at the local header's version-needed field (offset 4).
    info.compressedSize = ReadLittleEndian32(bytes + 14);
    info.nameLength = ReadLittleEndian16(bytes + 22);
    info.extraLength = ReadLittleEndian16(bytes + 24);
}

void DecodeZipEndFields(const uint8_t* bytes, ZipEndFields& fields)
{
    VisitEndFields(fields, [bytes](uint32_t offset, auto& field) { ReadField(bytes + offset, field); });
}

void EncodeZipEndFields(const ZipEndFields& fields, uint8_t* bytes)
{
    VisitEndFields(fields, [bytes](uint32_t offset, const auto& field) { WriteField(bytes + offset, field); });
}

bool DecodeZip64Locator(const uint8_t* bytes, uint64_t& endRecordOffset)
{
    if (ReadLittleEndian32(bytes) != kZip64LocatorSignature)
        return false;
    endRecordOffset = ReadLittleEndian64(bytes + 8);
    return true;
}

bool DecodeZip64EndRecord(const uint8_t* bytes, Zip64EndFields& fields)
{
    if (ReadLittleEndian32(bytes) != kZip64EndSignature)
        return false;
    fields.totalEntries = ReadLittleEndian64(bytes + 32);
    fields.directorySize = ReadLittleEndian64(bytes + 40);
    fields.directoryOffset = ReadLittleEndian64(bytes + 48);
    return true;
}

void EncodeZip64EndRecords(const Zip64EndFields& fields, uint64_t endRecordOffset, uint8_t* bytes)
{
    WriteLittleEndian32(bytes, kZip64EndSignature);
    // The record's size counts the bytes after this field.
    WriteLittleEndian64(bytes + 4, kZip64EndRecordSize - 12);
    WriteLittleEndian16(bytes + 12, 45);  // version made by: 4.5, the first with ZIP64
    WriteLittleEndian16(bytes + 14, 45);  // version needed
    WriteLittleEndian32(bytes + 16, 0);   // this disk
    WriteLittleEndian32(bytes + 20, 0);   // the directory's disk
    WriteLittleEndian64(bytes + 24, fields.totalEntries);
    WriteLittleEndian64(bytes + 32, fields.totalEntries);
    WriteLittleEndian64(bytes + 40, fields.directorySize);
    WriteLittleEndian64(bytes + 48, fields.directoryOffset);

    uint8_t* locator = bytes + kZip64EndRecordSize;
    WriteLittleEndian32(locator, kZip64LocatorSignature);
    WriteLittleEndian32(locator + 4, 0);
    WriteLittleEndian64(locator + 8, endRecordOffset);
    WriteLittleEndian32(locator + 16, 1);  // disks in all
}

CZipDirectoryCursor::CZipDirectoryCursor(const uint8_t* bytes, size_t size)
    : m_pBytes(bytes), m_Size(size), m_Position(0)
{
}

CZipDirectoryCursor::Step CZipDirectoryCursor::Next(ZipCentralFields& fields, const char*& name)
{
    size_t left = m_Size - m_Position;
    if (left < 4)
        return kDamaged;
    uint32_t signature = ReadLittleEndian32(m_pBytes + m_Position);
    if (IsZipEndSignature(signature) || signature == kZip64EndSignature)
        return kEnd;
    if (signature != kZipCentralRecordSignature || left < static_cast<size_t>(kZipCentralRecordSize))
        return kDamaged;

    DecodeZipCentralFields(m_pBytes + m_Position + 4, fields);
    size_t recordSize = kZipCentralRecordSize + static_cast<size_t>(fields.nameLength) +
                        fields.extraLength + fields.commentLength;
    // A record cut off by the end of the file: the directory cannot be read
    // whole, and a directory read in part would lose members unseen.
    if (left < recordSize)
        return kDamaged;

    name = reinterpret_cast<const char*>(m_pBytes + m_Position + kZipCentralRecordSize);
    m_Position += recordSize;
    return kRecord;
}
