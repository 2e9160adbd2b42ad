#pragma once

#include <cstdint>

#include "engine/core/files/file.h"

class CMemoryStream;

// The file on which objects are written and read, on disk or in memory.
//
// Binary reads remember whether any of them came up short: a cache cut off
// at any byte then fails as a whole (and is rebuilt from its source) instead
// of loading zeros for its last values. These readers hide the file's own
// so that every reader of an object stream is counted.
class CObjectStream : public CFile
{
public:
    CObjectStream();

    // As the file's Open; a new file starts with no short read.
    bool Open(const char* name, uint32_t flags);
    // Reads or writes the memory stream, which the object stream then owns.
    bool OpenOnMemory(CMemoryStream* stream, uint32_t flags);

    uint32_t Read(void* bytes, uint32_t n);
    CObjectStream& ReadInt(int32_t& value);
    CObjectStream& ReadInt64(int64_t& value);
    CObjectStream& ReadChar(char& value);
    CObjectStream& ReadFloat(float& value);
    bool ReadCountedString(char*& text);
    // A length that does not fit the buffer or runs past the data reads
    // nothing more, counts as short and answers false.
    bool ReadCountedStringInto(char* buffer, uint32_t bufferSize);
    CObjectStream& WriteFloat(float value);

    bool HasReadCameShort() const { return m_ReadCameShort; }

private:
    void NeedBytes(uint32_t n);

    bool m_ReadCameShort;
};
