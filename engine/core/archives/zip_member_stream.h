#pragma once

#include <cstdint>

#include "engine/core/files/stdio_stream.h"

class CFile;
class CZipArchive;
struct ZipEntry;

// A stream over one member of a mounted archive, made only by
// CZipArchive::OpenMember. Positions are relative to the member; the file
// position is set again before every read and write, so streams that share
// the archive's file may be read alternately.
class CZipMemberStream : public CStdioStream
{
public:
    // With ownFile the stream owns the file; otherwise it shares the
    // archive's. Only a rewrite stream writes.
    CZipMemberStream(CZipArchive* archive, ZipEntry* entry, CFile* file, bool ownFile, bool rewrite);
    ~CZipMemberStream() override;

    uint32_t Write(const void* bytes, uint32_t n) override;
    uint32_t Read(void* bytes, uint32_t n) override;
    // Lands only inside the member, never on its end.
    bool SeekRelative(int32_t n) override;
    // Anywhere from the start to the end itself.
    bool Seek(uint32_t position) override;
    int32_t Tell() override;
    uint32_t GetSize() override;
    void SetSize(uint32_t n) override;
    // Finishes the member: a rewritten one gets its CRC-32 in its local
    // header and the archive's directory back. False when the disk refused.
    bool Close() override;

private:
    CZipArchive* m_pArchive;
    ZipEntry* m_pEntry;
    CFile* m_pFile;
    bool m_OwnFile;
    bool m_Rewrite;
    uint32_t m_Position;  // in the archive file
};
