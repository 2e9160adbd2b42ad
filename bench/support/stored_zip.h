#pragma once

// Header-only: every bench/*_bench.cpp is its own executable and none links
// another source file.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/files/crc32.h"
#include "engine/core/files/file.h"
#include "engine/core/files/stream.h"
#include "engine/core/archives/zip_format.h"

// Writes a zip of memberCount stored (uncompressed) members, each holding
// data, member i named nameOf(i). With walkLocalHeaders the end record
// points at no directory, so a reader has to walk the local headers, as it
// must for archives with more members than the end record can count.
inline void WriteStoredZip(const std::string& path, int32_t memberCount, std::string (*nameOf)(int32_t),
                           const std::string& data, bool walkLocalHeaders)
{
    CFile file;
    file.Open(path.c_str(), OPEN_CREATE | OPEN_WRITE | OPEN_NAME_UNCHANGED);
    const uint32_t dataCrc = Crc32(data.data(), data.size());
    std::vector<ZipCentralFields> directory;
    uint32_t offset = 0;
    for (int32_t i = 0; i < memberCount; i++)
    {
        const std::string name = nameOf(i);
        ZipCentralFields fields{};
        fields.versionNeeded = 10;
        fields.crc32 = dataCrc;
        fields.compressedSize = static_cast<uint32_t>(data.size());
        fields.uncompressedSize = fields.compressedSize;
        fields.nameLength = static_cast<uint16_t>(name.size());
        fields.localHeaderOffset = offset;
        uint8_t header[kZipLocalHeaderSize];
        EncodeZipLocalHeader(fields, header);
        file.Write(header, kZipLocalHeaderSize);
        file.Write(name.data(), fields.nameLength);
        file.Write(data.data(), fields.compressedSize);
        offset += kZipLocalHeaderSize + fields.nameLength + fields.compressedSize;
        directory.push_back(fields);
    }
    for (int32_t i = 0; i < memberCount; i++)
    {
        uint8_t record[kZipCentralRecordSize];
        WriteLittleEndian32(record, kZipCentralRecordSignature);
        EncodeZipCentralFields(directory[i], record + 4);
        file.Write(record, kZipCentralRecordSize);
        const std::string name = nameOf(i);
        file.Write(name.data(), directory[i].nameLength);
    }
    ZipEndFields end{};
    end.entriesOnDisk = static_cast<uint16_t>(memberCount);
    end.totalEntries = end.entriesOnDisk;
    end.directorySize = static_cast<uint32_t>(file.Tell()) - offset;
    end.directoryOffset = walkLocalHeaders ? kZipWalkDirectoryOffset : offset;
    uint8_t record[kZipEndRecordSize];
    WriteLittleEndian32(record, kZipEndSignature);
    EncodeZipEndFields(end, record + 4);
    file.Write(record, kZipEndRecordSize);
    file.Close();
}
