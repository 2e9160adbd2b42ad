#pragma once

#include <cstdint>

#include "engine/core/files/stream.h"

class CFile;
class CZipArchive;
struct ZipEntry;

// A stream over one member of a mounted archive, made only by
// CZipArchive::OpenMember. Positions are relative to the member. Reads are
// positional reads of the archive's file (CStream::ReadAt), so streams that
// share that file may be read alternately, and from several threads at once
// (each stream by one thread at a time). The archive lives at least as long
// as its open members: unmounting it while one is open leaves it to the
// last member to close.
class CZipMemberStream : public CStream
{
public:
    // With ownFile the stream owns the file; otherwise it shares the
    // archive's. Only a rewrite stream writes.
    CZipMemberStream(CZipArchive* archive, ZipEntry* entry, CFile* file, bool ownFile, bool rewrite);
    ~CZipMemberStream() override;

    bool IsInMemory() const override { return false; }
    uint32_t Write(const void* bytes, uint32_t n) override;
    uint32_t Read(void* bytes, uint32_t n) override;
    uint32_t ReadAt(uint32_t position, void* bytes, uint32_t n) override;
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

    CZipMemberStream(const CZipMemberStream&) = delete;
    CZipMemberStream& operator=(const CZipMemberStream&) = delete;

private:
    CZipArchive* m_pArchive;
    ZipEntry* m_pEntry;
    CFile* m_pFile;
    bool m_OwnFile;
    bool m_Rewrite;
    uint32_t m_Position;  // in the archive file
};
