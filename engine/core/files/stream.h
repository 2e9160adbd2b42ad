#pragma once

#include <cstdint>

class CString;

// Open flags: one word that CFile::Open hands to OpenStream and OpenStream to
// the stream kinds and the archive tree. Callers combine them.
constexpr uint32_t OPEN_CREATE = 0x0001;  // with OPEN_WRITE: create or truncate ("wb")
constexpr uint32_t OPEN_WRITE = 0x0002;
constexpr uint32_t OPEN_READ = 0x0004;
// An archive member stream opens its own file on the archive instead of
// sharing the archive's.
constexpr uint32_t OPEN_OWN_ARCHIVE_FILE = 0x0010;
// The name is a path as it stands: no data folder in front, no archives.
constexpr uint32_t OPEN_NAME_UNCHANGED = 0x0020;
constexpr uint32_t OPEN_ARCHIVES_ONLY = 0x0040;
constexpr uint32_t OPEN_NO_REPORT = 0x0080;
constexpr uint32_t OPEN_CREATE_FOLDERS = 0x0100;
// CFile only: the whole file is read into a memory stream at open.
constexpr uint32_t OPEN_WHOLE_FILE = 0x0200;
// CFile only: written into memory and stored as one compressed block at
// Close; read and decompressed at open.
constexpr uint32_t OPEN_COMPRESSED = 0x0800;
constexpr uint32_t OPEN_CLEAR_READ_ONLY = 0x1000;
constexpr uint32_t OPEN_APPEND = 0x2000;  // with OPEN_WRITE ("ab")
// Data files name 0x0400 as well; it means nothing and is ignored.

// A byte stream: a C runtime file, a memory block, an archive member or an
// archive append. The kinds are siblings: each keeps only what it reads
// from. Blocks that a stream hands over (DetachBuffer) are freed with
// std::free.
class CStream
{
public:
    virtual ~CStream() = default;

    virtual bool IsInMemory() const = 0;
    // Both answer the count actually moved.
    virtual uint32_t Write(const void* bytes, uint32_t n) = 0;
    virtual uint32_t Read(void* bytes, uint32_t n) = 0;
    // Reads at a position from the stream's start without using or moving
    // the stream's own position. Archive members read their archive's file
    // this way, so that members of one archive read from several threads at
    // once never meet in a shared file position.
    virtual uint32_t ReadAt(uint32_t position, void* bytes, uint32_t n) = 0;
    virtual bool SeekRelative(int32_t n) = 0;
    virtual bool Seek(uint32_t position) = 0;
    // -1 without an open file.
    virtual int32_t Tell() = 0;
    virtual uint32_t GetSize() = 0;
    // Cuts or extends the underlying file; a memory stream ignores it.
    virtual void SetSize(uint32_t n) = 0;
    // False when written data could not be stored (a full disk), so that a
    // save can say it failed.
    virtual bool Close() = 0;

    // Direct access to the next n bytes, advancing past them; none when the
    // stream has no block or fewer than n bytes are left.
    virtual uint8_t* Map(uint32_t n);
    // Hands the data block to the caller and closes; none unless the stream
    // owns a block.
    virtual uint8_t* DetachBuffer();

    // The next 8-bit text line, without its line end. Works through Read,
    // Seek and Tell, so every kind has it; CR LF and LF CR are one line end
    // each, so are CR CR LF and CR LF LF.
    virtual bool ReadLine(CString& line);
    // The next UTF-16 line; only a memory stream reads one.
    virtual bool ReadLineWide(CString& line);
};
