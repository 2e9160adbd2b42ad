#pragma once

#include <cstdint>
#include <cstdio>

#include "engine/core/files/stream.h"

// A loose file opened through the C runtime.
class CStdioStream : public CStream
{
public:
    CStdioStream();
    ~CStdioStream() override;

    // Opens the file at a platform path (the open resolution has already
    // joined a data name to the data folder): "wb" with OPEN_WRITE and
    // OPEN_CREATE, "ab" with OPEN_WRITE and OPEN_APPEND (either making
    // missing folders with OPEN_CREATE_FOLDERS), "r+b" with OPEN_WRITE
    // alone, else "rb". OPEN_CLEAR_READ_ONLY lets a write clear the file's
    // read-only bit first.
    bool Open(const char* path, uint32_t flags);

    bool IsInMemory() const override { return false; }
    uint32_t Write(const void* bytes, uint32_t n) override;
    uint32_t Read(void* bytes, uint32_t n) override;
    uint32_t ReadAt(uint32_t position, void* bytes, uint32_t n) override;
    bool SeekRelative(int32_t n) override;
    bool Seek(uint32_t position) override;
    int32_t Tell() override;
    uint32_t GetSize() override;
    void SetSize(uint32_t n) override;
    bool Close() override;

    CStdioStream(const CStdioStream&) = delete;
    CStdioStream& operator=(const CStdioStream&) = delete;

private:
    FILE* m_pFile;
    // A short write: Close then answers false even if the flush succeeds.
    bool m_WriteFailed;
    // Written bytes may still sit in the C runtime's buffer.
    bool m_WritePending;
};
