#include "engine/core/zip_format.h"

bool IsZipEndSignature(uint32_t signature)
{
    return signature == kZipEndSignature || signature == kZipAlternateEndSignature;
}

uint16_t ReadLittleEndian16(const uint8_t* bytes)
{
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

uint32_t ReadLittleEndian32(const uint8_t* bytes)
{
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

void WriteLittleEndian16(uint8_t* bytes, uint16_t value)
{
    bytes[0] = static_cast<uint8_t>(value);
    bytes[1] = static_cast<uint8_t>(value >> 8);
}

void WriteLittleEndian32(uint8_t* bytes, uint32_t value)
{
    bytes[0] = static_cast<uint8_t>(value);
    bytes[1] = static_cast<uint8_t>(value >> 8);
    bytes[2] = static_cast<uint8_t>(value >> 16);
    bytes[3] = static_cast<uint8_t>(value >> 24);
}

void DecodeZipCentralFields(const uint8_t* bytes, ZipCentralFields& fields)
{
    fields.versionMadeBy = ReadLittleEndian16(bytes + 0);
    fields.versionNeeded = ReadLittleEndian16(bytes + 2);
    fields.flags = ReadLittleEndian16(bytes + 4);
    fields.method = ReadLittleEndian16(bytes + 6);
    fields.time = ReadLittleEndian16(bytes + 8);
    fields.date = ReadLittleEndian16(bytes + 10);
    fields.crc32 = ReadLittleEndian32(bytes + 12);
    fields.compressedSize = ReadLittleEndian32(bytes + 16);
    fields.uncompressedSize = ReadLittleEndian32(bytes + 20);
    fields.nameLength = ReadLittleEndian16(bytes + 24);
    fields.extraLength = ReadLittleEndian16(bytes + 26);
    fields.commentLength = ReadLittleEndian16(bytes + 28);
    fields.diskNumberStart = ReadLittleEndian16(bytes + 30);
    fields.internalAttributes = ReadLittleEndian16(bytes + 32);
    fields.externalAttributes = ReadLittleEndian32(bytes + 34);
    fields.localHeaderOffset = ReadLittleEndian32(bytes + 38);
}

void EncodeZipCentralFields(const ZipCentralFields& fields, uint8_t* bytes)
{
    WriteLittleEndian16(bytes + 0, fields.versionMadeBy);
    WriteLittleEndian16(bytes + 2, fields.versionNeeded);
    WriteLittleEndian16(bytes + 4, fields.flags);
    WriteLittleEndian16(bytes + 6, fields.method);
    WriteLittleEndian16(bytes + 8, fields.time);
    WriteLittleEndian16(bytes + 10, fields.date);
    WriteLittleEndian32(bytes + 12, fields.crc32);
    WriteLittleEndian32(bytes + 16, fields.compressedSize);
    WriteLittleEndian32(bytes + 20, fields.uncompressedSize);
    WriteLittleEndian16(bytes + 24, fields.nameLength);
    WriteLittleEndian16(bytes + 26, fields.extraLength);
    WriteLittleEndian16(bytes + 28, fields.commentLength);
    WriteLittleEndian16(bytes + 30, fields.diskNumberStart);
    WriteLittleEndian16(bytes + 32, fields.internalAttributes);
    WriteLittleEndian32(bytes + 34, fields.externalAttributes);
    WriteLittleEndian32(bytes + 38, fields.localHeaderOffset);
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
    fields.thisDisk = ReadLittleEndian16(bytes + 0);
    fields.directoryDisk = ReadLittleEndian16(bytes + 2);
    fields.entriesOnDisk = ReadLittleEndian16(bytes + 4);
    fields.totalEntries = ReadLittleEndian16(bytes + 6);
    fields.directorySize = ReadLittleEndian32(bytes + 8);
    fields.directoryOffset = ReadLittleEndian32(bytes + 12);
    fields.commentLength = ReadLittleEndian16(bytes + 16);
}

void EncodeZipEndFields(const ZipEndFields& fields, uint8_t* bytes)
{
    WriteLittleEndian16(bytes + 0, fields.thisDisk);
    WriteLittleEndian16(bytes + 2, fields.directoryDisk);
    WriteLittleEndian16(bytes + 4, fields.entriesOnDisk);
    WriteLittleEndian16(bytes + 6, fields.totalEntries);
    WriteLittleEndian32(bytes + 8, fields.directorySize);
    WriteLittleEndian32(bytes + 12, fields.directoryOffset);
    WriteLittleEndian16(bytes + 16, fields.commentLength);
}

CZipDirectoryCursor::CZipDirectoryCursor(const uint8_t* bytes, size_t size)
    : m_pBytes(bytes), m_Size(size), m_Position(0)
{
}

CZipDirectoryCursor::Step CZipDirectoryCursor::Next(ZipCentralFields& fields, const char*& name)
{
    size_t left = m_Size - m_Position;
    if (left < 4)
        return kEnd;
    uint32_t signature = ReadLittleEndian32(m_pBytes + m_Position);
    if (IsZipEndSignature(signature))
        return kEnd;
    if (signature != kZipCentralRecordSignature)
        return kDamaged;
    if (left < static_cast<size_t>(kZipCentralRecordSize))
        return kEnd;

    DecodeZipCentralFields(m_pBytes + m_Position + 4, fields);
    size_t recordSize = kZipCentralRecordSize + static_cast<size_t>(fields.nameLength) +
                        fields.extraLength + fields.commentLength;
    // A record cut off by the end of the file is as good as no record: the
    // members before it stay readable.
    if (left < recordSize)
        return kEnd;

    name = reinterpret_cast<const char*>(m_pBytes + m_Position + kZipCentralRecordSize);
    m_Position += recordSize;
    return kRecord;
}
