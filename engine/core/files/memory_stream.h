#pragma once

#include <cstdint>

#include "engine/core/files/stream.h"

// A stream over one growable heap block: object files are built in it before
// they are compared with the disk, compressed files are written to it first,
// and whole files are loaded into it so that readers work on memory.
//
// A block may be borrowed (not owned): the stream then never frees it, and a
// write that would outgrow it first copies it into a block of its own.
class CMemoryStream : public CStream
{
public:
    CMemoryStream();
    // Over an existing block of size bytes, read from its start. An owned
    // block is freed with std::free.
    CMemoryStream(uint8_t* block, uint32_t size, bool owned);
    ~CMemoryStream() override;

    // Closes, then reads over the caller's block without owning it.
    void Attach(uint8_t* block, uint32_t size);
    // Room for n bytes: at least half again the old capacity, and 4 more.
    void Reserve(uint32_t n);
    // Forgets the contents but keeps the block for reuse.
    void Empty();
    void Rewind() { Empty(); }
    // Equal sizes, both with a block, equal bytes.
    bool SameContents(const CMemoryStream& other) const;
    // Replaces the contents by a copy of the other's.
    void CopyFrom(const CMemoryStream& other);

    uint32_t GetCapacity() const { return m_Capacity; }
    const uint8_t* GetData() const { return m_pData; }

    bool IsInMemory() const override { return true; }
    uint32_t Write(const void* bytes, uint32_t n) override;
    uint32_t Read(void* bytes, uint32_t n) override;
    uint32_t ReadAt(uint32_t position, void* bytes, uint32_t n) override;
    bool SeekRelative(int32_t n) override;
    bool Seek(uint32_t position) override;
    int32_t Tell() override;
    uint32_t GetSize() override;
    void SetSize(uint32_t n) override;
    bool Close() override;
    uint8_t* Map(uint32_t n) override;
    uint8_t* DetachBuffer() override;
    // CR LF, CR and LF each end one line; LF CR ends a line and leaves the CR
    // to end an empty one.
    bool ReadLine(CString& line) override;
    // The same over little-endian 16-bit units; a byte-order mark at the
    // position is skipped.
    bool ReadLineWide(CString& line) override;

    CMemoryStream(const CMemoryStream&) = delete;
    CMemoryStream& operator=(const CMemoryStream&) = delete;

private:
    // Bytes from the position to the size; 0 at or past the end.
    uint32_t GetBytesLeft() const;

    uint32_t m_Position;
    uint32_t m_Size;
    uint32_t m_Capacity;
    // What the block really holds: a block taken over from an earlier
    // stream may be larger than the capacity.
    uint32_t m_BlockBytes;
    uint8_t* m_pData;
    bool m_OwnsData;
};

// Reads a stream just opened, whole, into a new stream that owns its block,
// then closes and deletes the stream it was given. A stream that
// yields fewer bytes than its size gives a stream of the bytes read, never
// of uninitialised memory.
CMemoryStream* LoadStreamIntoMemory(CStream* stream);

// A data file opened through the open resolution and loaded so; none when
// it does not open.
CMemoryStream* LoadFileIntoMemoryStream(const char* name, uint32_t flags);
