#include "engine/object/object_stream.h"

#include <cstring>

#include "engine/core/files/memory_stream.h"

CObjectStream::CObjectStream()
    : m_ReadCameShort(false)
{
}

bool CObjectStream::Open(const char* name, uint32_t flags)
{
    m_ReadCameShort = false;
    return CFile::Open(name, flags);
}

bool CObjectStream::OpenOnMemory(CMemoryStream* stream, uint32_t flags)
{
    m_ReadCameShort = false;
    return Attach(stream, flags);
}

void CObjectStream::NeedBytes(uint32_t n)
{
    if (GetBytesLeft() < n)
        m_ReadCameShort = true;
}

uint32_t CObjectStream::Read(void* bytes, uint32_t n)
{
    const uint32_t count = CFile::Read(bytes, n);
    if (count < n)
        m_ReadCameShort = true;
    return count;
}

CObjectStream& CObjectStream::ReadInt(int32_t& value)
{
    NeedBytes(4);
    CFile::ReadInt(value);
    return *this;
}

CObjectStream& CObjectStream::ReadInt64(int64_t& value)
{
    NeedBytes(8);
    CFile::ReadInt64(value);
    return *this;
}

CObjectStream& CObjectStream::ReadChar(char& value)
{
    NeedBytes(1);
    CFile::ReadChar(value);
    return *this;
}

CObjectStream& CObjectStream::ReadFloat(float& value)
{
    int32_t bits = 0;
    ReadInt(bits);
    memcpy(&value, &bits, sizeof value);
    return *this;
}

bool CObjectStream::ReadCountedString(char*& text)
{
    NeedBytes(4);
    const bool read = CFile::ReadCountedString(text);
    if (!read)
        m_ReadCameShort = true;
    return read;
}

bool CObjectStream::ReadCountedStringInto(char* buffer, uint32_t bufferSize)
{
    NeedBytes(4);
    const bool read = CFile::ReadCountedStringInto(buffer, bufferSize);
    if (!read)
        m_ReadCameShort = true;
    return read;
}

CObjectStream& CObjectStream::WriteFloat(float value)
{
    int32_t bits = 0;
    memcpy(&bits, &value, sizeof bits);
    WriteInt(bits);
    return *this;
}
