#include "engine/core/files/stream.h"

uint8_t* CStream::Map(uint32_t)
{
    return nullptr;
}

uint8_t* CStream::DetachBuffer()
{
    return nullptr;
}

bool CStream::ReadLineWide(CString&)
{
    return false;
}
