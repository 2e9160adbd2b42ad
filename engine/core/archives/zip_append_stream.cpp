#include "engine/core/archives/zip_append_stream.h"

#include <algorithm>
#include <cstring>

CZipAppendStream::CZipAppendStream()
    : m_Open(false), m_NameLength(0), m_End{}, m_HeaderOffset(0), m_DataStart(0), m_DataEnd(0)
{
}

CZipAppendStream::~CZipAppendStream()
{
    Close();
}

bool CZipAppendStream::Open(const char* archivePath, const char* memberName)
{
    size_t nameLength = memberName ? std::strlen(memberName) : 0;
    if (nameLength == 0 || nameLength > kMaxMemberNameLength)
        return false;
    m_MemberName = memberName;
    m_NameLength = static_cast<uint16_t>(nameLength);
    if (!m_File.Open(archivePath, OPEN_READ | OPEN_WRITE | OPEN_NAME_UNCHANGED))
        return false;
    if (!ReadEndRecord())
    {
        m_File.Close();
        return false;
    }

    // The new member's local header takes the old directory's place.
    m_HeaderOffset = m_End.directoryOffset;
    m_DataStart = m_HeaderOffset + kZipLocalHeaderSize + m_NameLength;
    m_DataEnd = m_DataStart;
    if (!WriteLocalHeader(0))
    {
        m_File.Close();
        return false;
    }
    m_Open = true;
    return true;
}

// The old directory's size and offset come from the file: they are checked
// against the file before anything is allocated or read.
bool CZipAppendStream::ReadEndRecord()
{
    uint32_t size = m_File.GetSize();
    if (size < kZipEndRecordSize || !m_File.Seek(size - kZipEndRecordSize))
        return false;
    uint8_t record[kZipEndRecordSize];
    if (m_File.Read(record, kZipEndRecordSize) != kZipEndRecordSize || !IsZipEndSignature(ReadLittleEndian32(record)))
        return false;
    DecodeZipEndFields(record + 4, m_End);
    // A full count (a ZIP64 archive, or one about to need it) cannot take
    // one more member in the end record this stream writes.
    if (m_End.totalEntries == 0xFFFF || m_End.entriesOnDisk == 0xFFFF)
        return false;
    uint32_t directoryLimit = size - kZipEndRecordSize;
    if (m_End.directoryOffset > directoryLimit || m_End.directorySize > directoryLimit - m_End.directoryOffset)
        return false;
    m_OldDirectory.resize(m_End.directorySize);
    return m_File.Seek(m_End.directoryOffset) &&
           m_File.Read(m_OldDirectory.data(), m_End.directorySize) == m_End.directorySize;
}

// Appended members carry no time and no CRC-32: tools that read these
// archives have always found them so.
bool CZipAppendStream::WriteLocalHeader(uint32_t size)
{
    ZipCentralFields fields{};
    fields.versionNeeded = 10;
    fields.compressedSize = size;
    fields.uncompressedSize = size;
    fields.nameLength = m_NameLength;
    uint8_t header[kZipLocalHeaderSize];
    EncodeZipLocalHeader(fields, header);
    return m_File.Seek(m_HeaderOffset) && m_File.Write(header, kZipLocalHeaderSize) == kZipLocalHeaderSize &&
           m_File.Write(m_MemberName.GetText(), m_NameLength) == m_NameLength;
}

uint32_t CZipAppendStream::Write(const void* bytes, uint32_t n)
{
    if (!m_Open)
        return 0;
    uint32_t written = m_File.Write(bytes, n);
    int32_t position = m_File.Tell();
    if (position > 0)
        m_DataEnd = std::max(m_DataEnd, static_cast<uint32_t>(position));
    return written;
}

uint32_t CZipAppendStream::Read(void* bytes, uint32_t n)
{
    return m_Open ? m_File.Read(bytes, n) : 0;
}

uint32_t CZipAppendStream::ReadAt(uint32_t position, void* bytes, uint32_t n)
{
    if (!m_Open || position >= m_DataEnd - m_DataStart)
        return 0;
    n = std::min(n, m_DataEnd - m_DataStart - position);
    return m_File.ReadAt(m_DataStart + position, bytes, n);
}

bool CZipAppendStream::SeekRelative(int32_t n)
{
    return m_Open && m_File.SeekRelative(n);
}

bool CZipAppendStream::Seek(uint32_t position)
{
    return m_Open && m_File.Seek(m_DataStart + position);
}

int32_t CZipAppendStream::Tell()
{
    return m_Open ? m_File.Tell() - static_cast<int32_t>(m_DataStart) : -1;
}

uint32_t CZipAppendStream::GetSize()
{
    return m_Open ? m_DataEnd - m_DataStart : 0;
}

void CZipAppendStream::SetSize(uint32_t n)
{
    if (!m_Open)
        return;
    m_File.SetSize(m_DataStart + n);
    m_DataEnd = m_DataStart + n;
}

bool CZipAppendStream::Close()
{
    if (!m_Open)
        return true;
    m_Open = false;
    uint32_t size = m_DataEnd - m_DataStart;
    bool written = WriteLocalHeader(size);

    uint32_t directoryOffset = m_DataEnd;
    written = m_File.Seek(directoryOffset) && written;
    written = m_File.Write(m_OldDirectory.data(), static_cast<uint32_t>(m_OldDirectory.size())) == m_OldDirectory.size() &&
              written;

    ZipCentralFields fields{};
    fields.versionMadeBy = 42;
    fields.versionNeeded = 10;
    fields.compressedSize = size;
    fields.uncompressedSize = size;
    fields.nameLength = m_NameLength;
    fields.localHeaderOffset = m_HeaderOffset;
    uint8_t record[kZipCentralRecordSize];
    WriteLittleEndian32(record, kZipCentralRecordSignature);
    EncodeZipCentralFields(fields, record + 4);
    written = m_File.Write(record, kZipCentralRecordSize) == kZipCentralRecordSize && written;
    written = m_File.Write(m_MemberName.GetText(), m_NameLength) == m_NameLength && written;

    ZipEndFields end = m_End;
    end.entriesOnDisk++;
    end.totalEntries++;
    end.directorySize += kZipCentralRecordSize + m_NameLength;
    end.directoryOffset = directoryOffset;
    uint8_t endRecord[kZipEndRecordSize];
    WriteLittleEndian32(endRecord, kZipAlternateEndSignature);
    EncodeZipEndFields(end, endRecord + 4);
    written = m_File.Write(endRecord, kZipEndRecordSize) == kZipEndRecordSize && written;

    written = m_File.Close() && written;
    m_OldDirectory.clear();
    m_OldDirectory.shrink_to_fit();
    return written;
}

CStream* OpenZipAppendStream(const char* archivePath, const char* memberName)
{
    CZipAppendStream* stream = new CZipAppendStream;
    if (!stream->Open(archivePath, memberName))
    {
        delete stream;
        return nullptr;
    }
    return stream;
}
