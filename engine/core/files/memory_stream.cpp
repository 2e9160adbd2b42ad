#include "engine/core/files/memory_stream.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/core/files/memory_file_name.h"
#include "engine/core/memory/checked_allocation.h"
#include "engine/core/files/open_stream.h"
#include "engine/core/program/profiler.h"
#include "engine/core/strings/ref_string.h"

// Listed with the other sections for whoever shows them; whole-file loads are
// timed by the open that performs them.
static CProfileSection s_FileContentsLoadingSection("FileContentsLoading");

// Every object file is built in a memory stream that grows from nothing to
// the size of the file and is freed after. Freed at the top of the C heap,
// such a block made the heap give its top back to the system after every
// save and take it again for the next, and writing spent a fifth of its time
// in the kernel. So each thread keeps the largest block its streams gave up
// (up to a bound), and the next stream that needs a block starts in it; the
// capacity a stream reports still follows its own growth rule.
namespace
{
const uint32_t SPARE_BLOCK_LIMIT = 16u << 20;

thread_local uint8_t* t_SpareBlock = nullptr;
thread_local uint32_t t_SpareBytes = 0;
// Set once the thread's spare was freed at its end: streams closed after
// that (static ones, at exit) free their blocks at once.
thread_local bool t_SpareReleased = false;

struct SpareBlockRelease
{
    ~SpareBlockRelease()
    {
        std::free(t_SpareBlock);
        t_SpareBlock = nullptr;
        t_SpareBytes = 0;
        t_SpareReleased = true;
    }
};
thread_local SpareBlockRelease t_SpareRelease;

// A block of at least n bytes for a stream that owns none; bytes receives
// its real size.
uint8_t* TakeBlock(uint32_t n, uint32_t& bytes)
{
    uint8_t* block = t_SpareBlock;
    bytes = t_SpareBytes;
    t_SpareBlock = nullptr;
    t_SpareBytes = 0;
    if (block == nullptr || bytes < n)
    {
        block = static_cast<uint8_t*>(ReallocateChecked(block, n));
        bytes = n;
    }
    return block;
}

void GiveBlock(uint8_t* block, uint32_t bytes)
{
    if (t_SpareReleased || bytes > SPARE_BLOCK_LIMIT || bytes <= t_SpareBytes)
    {
        std::free(block);
        return;
    }
    // Its first use arranges for the spare to be freed when the thread ends.
    static_cast<void>(&t_SpareRelease);
    std::free(t_SpareBlock);
    t_SpareBlock = block;
    t_SpareBytes = bytes;
}
}

CMemoryStream::CMemoryStream()
    : m_Position(0)
    , m_Size(0)
    , m_Capacity(0)
    , m_BlockBytes(0)
    , m_pData(nullptr)
    , m_OwnsData(false)
{
}

CMemoryStream::CMemoryStream(uint8_t* block, uint32_t size, bool owned)
    : m_Position(0)
    , m_Size(size)
    , m_Capacity(size)
    , m_BlockBytes(size)
    , m_pData(block)
    , m_OwnsData(owned)
{
}

CMemoryStream::~CMemoryStream()
{
    // A name made for this stream must not outlive it.
    ForgetMemoryFileNames(this);
    Close();
}

void CMemoryStream::Attach(uint8_t* block, uint32_t size)
{
    Close();
    m_pData = block;
    m_Size = size;
    m_Capacity = size;
    m_BlockBytes = size;
}

void CMemoryStream::Reserve(uint32_t n)
{
    if (m_Capacity >= n)
        return;
    // A borrowed block is copied rather than grown: it was never ours to
    // reallocate.
    const uint32_t capacity = std::max({n, m_Capacity + m_Capacity / 2, m_Capacity + 4});
    if (!m_OwnsData)
    {
        uint8_t* data = TakeBlock(capacity, m_BlockBytes);
        if (m_Size > 0)
            std::memcpy(data, m_pData, m_Size);
        m_pData = data;
        m_OwnsData = true;
    }
    else if (m_BlockBytes < capacity)
    {
        m_pData = static_cast<uint8_t*>(ReallocateChecked(m_pData, capacity));
        m_BlockBytes = capacity;
    }
    m_Capacity = capacity;
}

void CMemoryStream::Empty()
{
    m_Position = 0;
    m_Size = 0;
}

bool CMemoryStream::SameContents(const CMemoryStream& other) const
{
    if (m_Size != other.m_Size || !m_pData || !other.m_pData)
        return false;
    return std::memcmp(m_pData, other.m_pData, m_Size) == 0;
}

void CMemoryStream::CopyFrom(const CMemoryStream& other)
{
    Empty();
    Write(other.m_pData, other.m_Size);
}

uint32_t CMemoryStream::GetBytesLeft() const
{
    return m_Position < m_Size ? m_Size - m_Position : 0;
}

uint32_t CMemoryStream::Write(const void* bytes, uint32_t n)
{
    uint32_t end = m_Position + n;
    // A position moved below 0 wraps around; nothing can be written there.
    if (n == 0 || end < m_Position)
        return 0;
    if (end > m_Size)
    {
        // Text is written a few bytes at a time: most writes fit.
        if (end > m_Capacity)
            Reserve(end);
        // A seek past the end leaves a gap that must not show old memory.
        if (m_Position > m_Size)
            std::memset(m_pData + m_Size, 0, m_Position - m_Size);
        m_Size = end;
    }
    std::memcpy(m_pData + m_Position, bytes, n);
    m_Position = end;
    return n;
}

uint32_t CMemoryStream::Read(void* bytes, uint32_t n)
{
    n = std::min(n, GetBytesLeft());
    if (n > 0)
        std::memcpy(bytes, m_pData + m_Position, n);
    m_Position += n;
    return n;
}

uint32_t CMemoryStream::ReadAt(uint32_t position, void* bytes, uint32_t n)
{
    if (position >= m_Size)
        return 0;
    n = std::min(n, m_Size - position);
    std::memcpy(bytes, m_pData + position, n);
    return n;
}

bool CMemoryStream::SeekRelative(int32_t n)
{
    m_Position += n;
    return true;
}

bool CMemoryStream::Seek(uint32_t position)
{
    m_Position = position;
    return true;
}

int32_t CMemoryStream::Tell()
{
    return static_cast<int32_t>(m_Position);
}

uint32_t CMemoryStream::GetSize()
{
    return m_Size;
}

void CMemoryStream::SetSize(uint32_t)
{
}

bool CMemoryStream::Close()
{
    if (m_OwnsData && m_pData != nullptr)
        GiveBlock(m_pData, m_BlockBytes);
    m_pData = nullptr;
    m_Position = 0;
    m_Size = 0;
    m_Capacity = 0;
    m_BlockBytes = 0;
    m_OwnsData = false;
    return true;
}

uint8_t* CMemoryStream::Map(uint32_t n)
{
    // Frame and sequence readers map sizes taken from files: a size that
    // runs past the data is damage, answered with none.
    if (!m_pData || n > GetBytesLeft())
        return nullptr;
    uint8_t* mapped = m_pData + m_Position;
    m_Position += n;
    return mapped;
}

uint8_t* CMemoryStream::DetachBuffer()
{
    if (!m_OwnsData)
        return nullptr;
    uint8_t* data = m_pData;
    m_OwnsData = false;
    Close();
    return data;
}

bool CMemoryStream::ReadLine(CString& line)
{
    if (m_Position >= m_Size)
        return false;
    const uint8_t* start = m_pData + m_Position;
    uint32_t length = 0;
    uint32_t left = m_Size - m_Position;
    while (length < left && start[length] != '\r' && start[length] != '\n')
        length++;
    line.Assign(reinterpret_cast<const char*>(start), length);
    m_Position += length;
    if (m_Position < m_Size && m_pData[m_Position] == '\r')
        m_Position++;
    if (m_Position < m_Size && m_pData[m_Position] == '\n')
        m_Position++;
    return true;
}

bool CMemoryStream::ReadLineWide(CString& line)
{
    // Units are copied out byte by byte: the position may be odd.
    auto unitAt = [this](uint32_t position) -> char16_t
    { return static_cast<char16_t>(m_pData[position] | (m_pData[position + 1] << 8)); };
    auto hasUnit = [this]() { return GetBytesLeft() >= 2; };

    if (!hasUnit())
        return false;
    if (unitAt(m_Position) == 0xFEFF)
        m_Position += 2;

    std::vector<char16_t> units;
    while (hasUnit())
    {
        char16_t unit = unitAt(m_Position);
        if (unit == '\r' || unit == '\n')
            break;
        units.push_back(unit);
        m_Position += 2;
    }
    if (units.empty())
        line.Empty();
    else
        line.Assign(units.data(), static_cast<uint32_t>(units.size()));
    if (hasUnit() && unitAt(m_Position) == '\r')
        m_Position += 2;
    if (hasUnit() && unitAt(m_Position) == '\n')
        m_Position += 2;
    return true;
}

CMemoryStream* LoadStreamIntoMemory(CStream* stream)
{
    uint32_t size = stream->GetSize();
    uint8_t* block = static_cast<uint8_t*>(AllocateChecked(size));
    uint32_t count = stream->Read(block, size);
    stream->Close();
    delete stream;
    return new CMemoryStream(block, count, true);
}

CMemoryStream* LoadFileIntoMemoryStream(const char* name, uint32_t flags)
{
    CStream* stream = OpenStream(name, flags & ~OPEN_WHOLE_FILE);
    return stream ? LoadStreamIntoMemory(stream) : nullptr;
}
