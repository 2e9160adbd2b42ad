#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/core/files/crc32.h"
#include "engine/core/files/file.h"

static const uint32_t s_PieceSize = 65536;
static const uint32_t s_CopyToPieceSize = 524288;

bool CFile::CopyBlock(uint32_t to, uint32_t from, uint32_t length)
{
    // Copying front to back is safe only toward the start of the file.
    if (!m_pStream || to > from)
        return false;
    if (to == from || length == 0)
        return true;
    std::vector<uint8_t> piece(std::min(length, s_PieceSize));
    for (uint32_t done = 0; done < length;)
    {
        uint32_t n = std::min(length - done, s_PieceSize);
        if (!Seek(from + done) || Read(piece.data(), n) != n)
            return false;
        if (!Seek(to + done) || Write(piece.data(), n) != n)
            return false;
        done += n;
    }
    return true;
}

bool CFile::CopyTo(CFile& other, CopyProgress progress)
{
    if (!m_pStream || !other.m_pStream)
        return false;
    Seek(0);
    other.Seek(0);
    uint32_t size = GetSize();
    std::vector<uint8_t> piece(std::min(size, s_CopyToPieceSize));
    if (progress)
        progress(0.0f);
    for (uint32_t done = 0; done < size;)
    {
        if (progress)
            progress(static_cast<float>(done) / static_cast<float>(size));
        uint32_t n = std::min(size - done, s_CopyToPieceSize);
        if (Read(piece.data(), n) != n || other.Write(piece.data(), n) != n)
            return false;
        done += n;
    }
    if (progress)
        progress(1.0f);
    return true;
}

bool CFile::SameContents(CFile& other)
{
    if (!m_pStream || !other.m_pStream || GetSize() != other.GetSize())
        return false;
    Seek(0);
    other.Seek(0);
    uint32_t size = GetSize();
    std::vector<uint8_t> mine(std::min(size, s_PieceSize));
    std::vector<uint8_t> theirs(mine.size());
    for (uint32_t done = 0; done < size;)
    {
        uint32_t n = std::min(size - done, s_PieceSize);
        if (Read(mine.data(), n) != n || other.Read(theirs.data(), n) != n)
            return false;
        if (std::memcmp(mine.data(), theirs.data(), n) != 0)
            return false;
        done += n;
    }
    return true;
}

bool CopyDataFile(const char* fromName, uint32_t fromFlags, const char* toName, uint32_t toFlags,
                  CFile::CopyProgress progress)
{
    CFile from;
    CFile to;
    if (!from.Open(fromName, fromFlags | OPEN_READ) || !to.Open(toName, toFlags | OPEN_WRITE | OPEN_CREATE))
        return false;
    bool copied = from.CopyTo(to, progress);
    return to.Close() && copied;
}

uint32_t ComputeStreamCrc32(CStream* stream)
{
    uint32_t crc = Crc32Init();
    if (!stream)
        return Crc32Final(crc);
    std::vector<uint8_t> piece(s_PieceSize);
    stream->Seek(0);
    while (uint32_t n = stream->Read(piece.data(), s_PieceSize))
        crc = Crc32Update(crc, piece.data(), n);
    return Crc32Final(crc);
}
