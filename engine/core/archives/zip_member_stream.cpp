#include "engine/core/archives/zip_member_stream.h"

#include <algorithm>

#include "engine/core/files/file.h"
#include "engine/core/archives/zip_archive.h"

CZipMemberStream::CZipMemberStream(CZipArchive* archive, ZipEntry* entry, CFile* file, bool ownFile, bool rewrite)
    : m_pArchive(archive), m_pEntry(entry), m_pFile(file), m_OwnFile(ownFile), m_Rewrite(rewrite),
      m_Position(entry->dataStart)
{
}

CZipMemberStream::~CZipMemberStream()
{
    Close();
}

uint32_t CZipMemberStream::Write(const void* bytes, uint32_t n)
{
    if (!m_pEntry || !m_Rewrite || !m_pFile->Seek(m_Position))
        return 0;
    uint32_t written = m_pFile->Write(bytes, n);
    m_Position += written;
    uint32_t length = m_Position - m_pEntry->dataStart;
    if (length > m_pEntry->fields.uncompressedSize)
    {
        m_pEntry->fields.uncompressedSize = length;
        m_pEntry->fields.compressedSize = length;
    }
    return written;
}

uint32_t CZipMemberStream::Read(void* bytes, uint32_t n)
{
    if (!m_pEntry)
        return 0;
    uint32_t read = ReadAt(m_Position - m_pEntry->dataStart, bytes, n);
    m_Position += read;
    return read;
}

uint32_t CZipMemberStream::ReadAt(uint32_t position, void* bytes, uint32_t n)
{
    if (!m_pEntry || position >= m_pEntry->fields.uncompressedSize)
        return 0;
    n = std::min(n, m_pEntry->fields.uncompressedSize - position);
    return m_pFile->ReadAt(m_pEntry->dataStart + position, bytes, n);
}

bool CZipMemberStream::SeekRelative(int32_t n)
{
    if (!m_pEntry)
        return false;
    int64_t position = static_cast<int64_t>(m_Position) + n;
    int64_t start = m_pEntry->dataStart;
    if (position < start || position >= start + m_pEntry->fields.uncompressedSize)
        return false;
    m_Position = static_cast<uint32_t>(position);
    return true;
}

bool CZipMemberStream::Seek(uint32_t position)
{
    if (!m_pEntry || position > m_pEntry->fields.uncompressedSize)
        return false;
    m_Position = m_pEntry->dataStart + position;
    return true;
}

int32_t CZipMemberStream::Tell()
{
    return m_pEntry ? static_cast<int32_t>(m_Position - m_pEntry->dataStart) : -1;
}

uint32_t CZipMemberStream::GetSize()
{
    return m_pEntry ? m_pEntry->fields.uncompressedSize : 0;
}

void CZipMemberStream::SetSize(uint32_t n)
{
    if (!m_pEntry || !m_Rewrite)
        return;
    m_pEntry->fields.uncompressedSize = n;
    m_pEntry->fields.compressedSize = n;
    m_Position = std::min(m_Position, m_pEntry->dataStart + n);
}

bool CZipMemberStream::Close()
{
    if (!m_pEntry)
        return true;
    if (m_Rewrite)
    {
        m_pEntry->fields.crc32 = ComputeStreamCrc32(this);
        m_pArchive->WriteLocalHeader(*m_pEntry);
    }
    m_pEntry = nullptr;
    if (m_OwnFile)
        delete m_pFile;
    m_pFile = nullptr;
    // The archive may be gone after this call: it was unmounted and this was
    // its last open member.
    CZipArchive* archive = m_pArchive;
    m_pArchive = nullptr;
    return archive->OnMemberStreamFinished(!m_OwnFile, m_Rewrite);
}
