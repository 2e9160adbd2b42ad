#include "engine/core/files/file.h"

#include <cstdlib>
#include <cstring>

#include "engine/core/files/little_endian.h"
#include "engine/core/files/memory_file_name.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/files/open_stream.h"
#include "engine/core/program/profiler.h"
#include "engine/core/files/compressed_block.h"
#include "engine/core/memory/checked_allocation.h"

static CProfileSection s_OpenSection("CFile_Open");
static CProfileSection s_ReadSection("File_Read", 1);

CFile::CFile()
    : m_pStream(nullptr)
    , m_IndentLevel(0)
    , m_IndentationOn(true)
    , m_Flags(0)
    , m_Utf16(false)
    , m_MapInPlace(false)
    , m_MappedTotal(0)
    , m_LineCount(0)
{
}

CFile::~CFile()
{
    Close();
}

static CStream* InflateCompressedFile(CStream* stream);

bool CFile::Open(const char* name, uint32_t flags)
{
    // Closing first stores a pending compressed write under its own name
    // before this open can read or replace that file.
    Close();
    m_FileName = name;
    m_Utf16 = false;
    m_MapInPlace = false;
    m_MappedTotal = 0;
    m_LineCount = 0;

    if (IsMemoryFileName(name))
    {
        CMemoryStream* memory = DecodeMemoryFileName(name);
        if (!memory)
            return false;
        // From now on the file owns the stream, so the name must not open it
        // a second time.
        ForgetMemoryFileNames(memory);
        TakeStream(memory, flags);
        DetectUtf16();
        return true;
    }

    if ((flags & OPEN_COMPRESSED) && (flags & OPEN_WRITE))
    {
        m_RealFileName = name;
        TakeStream(new CMemoryStream(), flags);
        return true;
    }

    // One open of the name, whatever the mode: whole-file and compressed
    // reads load or inflate the stream it gives.
    CProfileScope scope(s_OpenSection);
    CStream* stream = OpenStream(name, flags);
    if (stream && (flags & OPEN_COMPRESSED))
        stream = InflateCompressedFile(stream);
    else if (stream && (flags & OPEN_WHOLE_FILE))
        stream = LoadStreamIntoMemory(stream);
    if (!stream)
        return false;
    TakeStream(stream, flags);
    DetectUtf16();
    return true;
}

// Takes the stream of a compressed file and answers its inflated bytes in
// memory; a file that was written plainly is read plainly; none for a
// damaged block.
static CStream* InflateCompressedFile(CStream* stream)
{
    uint8_t first = 0;
    bool isBlock = stream->Read(&first, 1) == 1 && first == 1;
    stream->Seek(0);
    if (!isBlock)
        return stream;
    CFile packed;
    packed.Attach(stream, OPEN_READ);
    uint32_t size = 0;
    uint8_t* data = ReadCompressedBlock(packed, &size);
    return data ? new CMemoryStream(data, size, true) : nullptr;
}

bool CFile::Attach(CStream* stream, uint32_t flags)
{
    Close();
    if (!stream)
        return false;
    TakeStream(stream, flags);
    return true;
}

void CFile::TakeStream(CStream* stream, uint32_t flags)
{
    m_pStream = stream;
    m_Flags = flags;
}

void CFile::DetectUtf16()
{
    int32_t position = m_pStream->Tell();
    m_pStream->Seek(0);
    uint8_t mark[2] = {};
    uint32_t count = m_pStream->Read(mark, 2);
    m_pStream->Seek(position < 0 ? 0 : position);
    m_Utf16 = count == 2 && mark[0] == 0xFF && mark[1] == 0xFE;
}

bool CFile::Close()
{
    if (!m_pStream)
        return true;
    bool stored = true;
    if ((m_Flags & OPEN_COMPRESSED) && (m_Flags & OPEN_WRITE))
        stored = StoreCompressed();
    bool closed = m_pStream->Close();
    delete m_pStream;
    m_pStream = nullptr;
    return stored && closed;
}

bool CFile::StoreCompressed()
{
    uint32_t plainFlags = m_Flags & ~(OPEN_COMPRESSED | OPEN_WHOLE_FILE);
    CFile real;
    if (!real.Attach(OpenStream(m_RealFileName.GetText(), plainFlags), plainFlags))
        return false;
    uint32_t size = m_pStream->GetSize();
    m_pStream->Seek(0);
    const uint8_t* data = m_pStream->Map(size);
    bool written = WriteCompressedBlock(real, data, size, COMPRESSED_FILE_LEVEL);
    return real.Close() && written;
}

uint32_t CFile::Write(const void* bytes, uint32_t n)
{
    return m_pStream ? m_pStream->Write(bytes, n) : 0;
}

uint32_t CFile::WriteByte(uint8_t value)
{
    return Write(&value, 1);
}

CFile& CFile::WriteInt(int32_t value)
{
    uint8_t bytes[4];
    WriteLittleEndian32(bytes, static_cast<uint32_t>(value));
    Write(bytes, 4);
    return *this;
}

CFile& CFile::WriteInt64(int64_t value)
{
    uint64_t bits = static_cast<uint64_t>(value);
    uint8_t bytes[8];
    for (int i = 0; i < 8; i++)
        bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
    Write(bytes, 8);
    return *this;
}

CFile& CFile::WriteChar(char value)
{
    Write(&value, 1);
    return *this;
}

CFile& CFile::WriteCountedString(const char* text)
{
    uint32_t length = text ? static_cast<uint32_t>(std::strlen(text)) : 0;
    WriteInt(static_cast<int32_t>(length));
    Write(text, length);
    return *this;
}

uint32_t CFile::Read(void* bytes, uint32_t n)
{
    CProfileScope scope(s_ReadSection);
    return m_pStream ? m_pStream->Read(bytes, n) : 0;
}

uint32_t CFile::ReadAt(uint32_t position, void* bytes, uint32_t n)
{
    return m_pStream ? m_pStream->ReadAt(position, bytes, n) : 0;
}

CFile& CFile::ReadInt(int32_t& value)
{
    uint8_t bytes[4] = {};
    Read(bytes, 4);
    value = static_cast<int32_t>(ReadLittleEndian32(bytes));
    return *this;
}

CFile& CFile::ReadInt64(int64_t& value)
{
    uint8_t bytes[8] = {};
    Read(bytes, 8);
    uint64_t bits = 0;
    for (int i = 0; i < 8; i++)
        bits |= static_cast<uint64_t>(bytes[i]) << (8 * i);
    value = static_cast<int64_t>(bits);
    return *this;
}

CFile& CFile::ReadChar(char& value)
{
    value = 0;
    Read(&value, 1);
    return *this;
}

uint32_t CFile::GetBytesLeft()
{
    int32_t position = Tell();
    uint32_t size = GetSize();
    return position >= 0 && static_cast<uint32_t>(position) < size ? size - position : 0;
}

static bool ReadLength(CFile& file, uint32_t& length)
{
    int32_t value = 0;
    if (file.GetBytesLeft() < 4)
        return false;
    file.ReadInt(value);
    length = static_cast<uint32_t>(value);
    return true;
}

bool CFile::ReadCountedString(char*& text)
{
    std::free(text);
    text = nullptr;
    uint32_t length = 0;
    if (!ReadLength(*this, length) || length > GetBytesLeft())
        return false;
    text = static_cast<char*>(AllocateChecked(static_cast<size_t>(length) + 1));
    uint32_t count = Read(text, length);
    text[count] = 0;
    return count == length;
}

bool CFile::ReadCountedStringInto(char* buffer, uint32_t bufferSize)
{
    uint32_t length = 0;
    if (!ReadLength(*this, length) || length >= bufferSize || length > GetBytesLeft())
        return false;
    uint32_t count = Read(buffer, length);
    buffer[count] = 0;
    return count == length;
}

bool CFile::Seek(uint32_t position)
{
    return m_pStream && m_pStream->Seek(position);
}

bool CFile::SeekRelative(int32_t n)
{
    return m_pStream && m_pStream->SeekRelative(n);
}

int32_t CFile::Tell()
{
    return m_pStream ? m_pStream->Tell() : -1;
}

uint32_t CFile::GetSize()
{
    return m_pStream ? m_pStream->GetSize() : 0;
}

void CFile::SetSize(uint32_t n)
{
    if (m_pStream)
        m_pStream->SetSize(n);
}

uint8_t* CFile::GetBuffer()
{
    return m_pStream ? m_pStream->DetachBuffer() : nullptr;
}

uint8_t* CFile::Map(uint32_t n)
{
    uint8_t* mapped = m_pStream ? m_pStream->Map(n) : nullptr;
    if (mapped)
        m_MappedTotal += n;
    return mapped;
}
