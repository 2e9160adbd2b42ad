#pragma once

#include <cstdint>
#include <vector>

#include "engine/core/files/file.h"
#include "engine/core/strings/ref_string.h"
#include "engine/core/files/stream.h"
#include "engine/core/archives/zip_format.h"

// Writes one new member at the end of an archive file: the member goes where
// the directory was, and the directory, one more record and the end record
// follow it when the stream finishes. The end record then carries the
// alternate signature, which marks archives the engine has appended to.
class CZipAppendStream : public CStream
{
public:
    static const uint32_t kMaxMemberNameLength = 255;

    CZipAppendStream();
    ~CZipAppendStream() override;

    // The archive is a loose file named as it stands; false when it is none,
    // ends in no end record, or the member name is empty or too long.
    bool Open(const char* archivePath, const char* memberName);

    bool IsInMemory() const override { return false; }

    uint32_t Write(const void* bytes, uint32_t n) override;
    uint32_t Read(void* bytes, uint32_t n) override;
    uint32_t ReadAt(uint32_t position, void* bytes, uint32_t n) override;
    bool SeekRelative(int32_t n) override;
    bool Seek(uint32_t position) override;
    int32_t Tell() override;
    // The bytes written so far.
    uint32_t GetSize() override;
    void SetSize(uint32_t n) override;
    // Finishes the member; false when the disk refused part of it.
    bool Close() override;

private:
    bool ReadEndRecord();
    bool WriteLocalHeader(uint32_t size);

    CFile m_File;
    bool m_Open;
    CString m_MemberName;
    uint16_t m_NameLength;
    std::vector<uint8_t> m_OldDirectory;
    ZipEndFields m_End;
    uint32_t m_HeaderOffset;
    uint32_t m_DataStart;
    uint32_t m_DataEnd;  // the furthest byte written
};

// "archive;member" writes: none when the archive cannot take the member.
CStream* OpenZipAppendStream(const char* archivePath, const char* memberName);
