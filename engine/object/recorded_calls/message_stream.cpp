#include "engine/object/recorded_calls/message_stream.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/core/program/error_report.h"
#include "engine/object/recorded_calls/stream_call.h"

// What a read past the end sees: a value no writer produces on purpose, so a
// replay that runs off the end stands out in a debugger.
static const uint8_t PAST_END_BYTE = 0xCF;

static uint32_t LowBitsMask(uint32_t n)
{
    return n >= 32 ? 0xFFFFFFFFu : (1u << n) - 1;
}

CMessageStream::CMessageStream()
    : m_CallTable(m_SelectedCalls)
    , m_pBuffer(nullptr)
    , m_Capacity(0)
    , m_ReadPosition(0)
    , m_ReadBitsLeft(0)
    , m_Length(0)
    , m_FreeBits(0)
    , m_pCurrentCall(nullptr)
    , m_Changed(false)
{
}

CMessageStream::~CMessageStream()
{
    delete[] m_pBuffer;
}

static bool NameComesFirst(const CStreamCall* a, const CStreamCall* b)
{
    return std::strcmp(a->GetName(), b->GetName()) < 0;
}

void CMessageStream::SelectCalls(int32_t mask)
{
    CPoolArray<CStreamCall*>& registry = GetStreamCallRegistry();
    std::stable_sort(registry.begin(), registry.end(), NameComesFirst);
    for (CStreamCall* call : registry)
    {
        if ((call->GetFlags() & mask) != mask)
            continue;
        m_SelectedCalls.Append(call);
        call->OnSelected();
    }
    m_CallTable.UpdateSortedFlag();
}

void CMessageStream::ResetSymbolMaps()
{
    m_ReadMaps.DeleteAll();
    m_WriteMaps.DeleteAll();
}

void CMessageStream::Rewind()
{
    m_Length = 0;
    m_ReadPosition = 0;
    m_ReadBitsLeft = 0;
    m_FreeBits = 0;
    m_Changed = false;
}

void CMessageStream::AppendBytes(const void* bytes, uint32_t n)
{
    if (bytes == nullptr || n == 0)
        return;
    AppendAligned(bytes, n);
}

bool CMessageStream::HasBytes(uint32_t n) const
{
    return n <= UnreadBytes();
}

void CMessageStream::Reserve(uint32_t n)
{
    if (m_Capacity - m_Length >= n)
        return;
    const uint32_t capacity = std::max(m_Capacity * 2, m_Capacity + n);
    uint8_t* buffer = new uint8_t[capacity];
    if (m_Length != 0)
        std::memcpy(buffer, m_pBuffer, m_Length);
    delete[] m_pBuffer;
    m_pBuffer = buffer;
    m_Capacity = capacity;
}

void CMessageStream::AppendRaw(const void* bytes, uint32_t n)
{
    Reserve(n);
    std::memcpy(m_pBuffer + m_Length, bytes, n);
    m_Length += n;
}

void CMessageStream::AppendAligned(const void* bytes, uint32_t n)
{
    AppendRaw(bytes, n);
    m_FreeBits = 0;
}

uint8_t CMessageStream::FetchByte(bool& real)
{
    real = m_ReadPosition < m_Length;
    if (!real)
        return PAST_END_BYTE;
    return m_pBuffer[m_ReadPosition++];
}

void CMessageStream::WriteBits(uint32_t value, uint32_t n)
{
    n = std::min(n, 32u);
    value &= LowBitsMask(n);
    if (m_FreeBits != 0 && n != 0)
    {
        const uint32_t taken = std::min(m_FreeBits, n);
        m_pBuffer[m_Length - 1] |= static_cast<uint8_t>((value & LowBitsMask(taken)) << (8 - m_FreeBits));
        value >>= taken;
        n -= taken;
        m_FreeBits -= taken;
    }
    for (; n >= 8; n -= 8, value >>= 8)
    {
        const uint8_t byte = static_cast<uint8_t>(value);
        AppendRaw(&byte, 1);
    }
    if (n != 0)
    {
        const uint8_t byte = static_cast<uint8_t>(value);
        AppendRaw(&byte, 1);
        m_FreeBits = 8 - n;
    }
}

// Past the end nothing is remembered of a partly read byte: the byte before
// the read position was not the one those bits came from.
uint32_t CMessageStream::ReadBits(uint32_t n)
{
    n = std::min(n, 32u);
    uint32_t value = 0;
    uint32_t shift = 0;
    if (m_ReadBitsLeft != 0 && n != 0)
    {
        const uint32_t taken = std::min(m_ReadBitsLeft, n);
        const uint8_t byte = m_pBuffer[m_ReadPosition - 1];
        value = (static_cast<uint32_t>(byte) >> (8 - m_ReadBitsLeft)) & LowBitsMask(taken);
        shift = taken;
        n -= taken;
        m_ReadBitsLeft -= taken;
    }
    bool real = false;
    for (; n >= 8; n -= 8, shift += 8)
        value |= static_cast<uint32_t>(FetchByte(real)) << shift;
    if (n != 0)
    {
        const uint8_t byte = FetchByte(real);
        value |= (static_cast<uint32_t>(byte) & LowBitsMask(n)) << shift;
        m_ReadBitsLeft = real ? 8 - n : 0;
    }
    return value;
}

void CMessageStream::WriteBool(bool value)
{
    WriteBits(value ? 1 : 0, 1);
}

void CMessageStream::ReadBool(bool& value)
{
    value = ReadBits(1) != 0;
}

void CMessageStream::WriteByte(uint8_t value)
{
    AppendAligned(&value, 1);
}

bool CMessageStream::ReadByte(uint8_t& value)
{
    m_ReadBitsLeft = 0;
    value = 0;
    if (!HasBytes(1))
        return false;
    value = m_pBuffer[m_ReadPosition++];
    return true;
}

void CMessageStream::WriteInt(int32_t value)
{
    const uint32_t bits = static_cast<uint32_t>(value);
    const uint8_t bytes[4] = { static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                               static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24) };
    AppendAligned(bytes, 4);
}

// A short read zeroes the target: replay functions go on with what they
// read, and a stale or uninitialised value would make replays differ.
bool CMessageStream::ReadInt(int32_t& value)
{
    m_ReadBitsLeft = 0;
    value = 0;
    if (!HasBytes(4))
        return false;
    const uint8_t* bytes = m_pBuffer + m_ReadPosition;
    value = static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                                 static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
    m_ReadPosition += 4;
    return true;
}

void CMessageStream::WriteInt64(int64_t value)
{
    const uint64_t bits = static_cast<uint64_t>(value);
    WriteInt(static_cast<int32_t>(static_cast<uint32_t>(bits)));
    WriteInt(static_cast<int32_t>(static_cast<uint32_t>(bits >> 32)));
}

bool CMessageStream::ReadInt64(int64_t& value)
{
    value = 0;
    m_ReadBitsLeft = 0;
    if (!HasBytes(8))
        return false;
    int32_t low = 0;
    int32_t high = 0;
    ReadInt(low);
    ReadInt(high);
    value = static_cast<int64_t>(static_cast<uint64_t>(static_cast<uint32_t>(high)) << 32 |
                                 static_cast<uint32_t>(low));
    return true;
}

void CMessageStream::WriteAsciiString(const char* text)
{
    if (text == nullptr)
        text = "";
    AppendAligned(text, static_cast<uint32_t>(std::strlen(text)) + 1);
}

bool CMessageStream::NextBytesAreWideMarker() const
{
    return UnreadBytes() >= 2 && m_pBuffer[m_ReadPosition] == 0xFF && m_pBuffer[m_ReadPosition + 1] == 0xFE;
}

// A text cut off by the end of the data comes out empty and stays unread, so
// the next reader meets the same bytes rather than half a name.
void CMessageStream::ReadAsciiString(CString& text)
{
    m_ReadBitsLeft = 0;
    text.Empty();
    if (!HasBytes(1))
        return;
    if (NextBytesAreWideMarker())
    {
        ShowErrorReport("Programming BUG",
                        "Error 368:  A UNICODE string was found where the code was expecting an ASCII string. "
                        "This is a bug in ht e programming.");
        ExitAfterFatalError();
    }
    const uint8_t* start = m_pBuffer + m_ReadPosition;
    const void* end = std::memchr(start, 0, UnreadBytes());
    if (end == nullptr)
        return;
    const uint32_t length = static_cast<uint32_t>(static_cast<const uint8_t*>(end) - start);
    text.Assign(reinterpret_cast<const char*>(start), length);
    m_ReadPosition += length + 1;
}

void CMessageStream::WriteString(const CString& text)
{
    if (!text.IsWide())
    {
        WriteAsciiString(text.GetText());
        return;
    }
    const uint8_t marker[2] = { 0xFF, 0xFE };
    AppendAligned(marker, 2);
    const char16_t* units = text.GetWideText();
    const uint32_t length = text.GetLength();
    for (uint32_t i = 0; i <= length; i++)
    {
        const uint8_t bytes[2] = { static_cast<uint8_t>(units[i]), static_cast<uint8_t>(units[i] >> 8) };
        AppendRaw(bytes, 2);
    }
}

bool CMessageStream::ReadString(CString& text)
{
    m_ReadBitsLeft = 0;
    if (!NextBytesAreWideMarker())
    {
        ReadAsciiString(text);
        return true;
    }
    text.Empty();
    m_ReadPosition += 2;
    const uint8_t* start = m_pBuffer + m_ReadPosition;
    const uint32_t unitCount = UnreadBytes() / 2;
    for (uint32_t i = 0; i < unitCount; i++)
    {
        if (start[2 * i] != 0 || start[2 * i + 1] != 0)
            continue;
        std::vector<char16_t> units(i);
        for (uint32_t j = 0; j < i; j++)
            units[j] = static_cast<char16_t>(start[2 * j] | start[2 * j + 1] << 8);
        text.Assign(units.data(), i);
        m_ReadPosition += 2 * i + 2;
        return true;
    }
    return false;
}
