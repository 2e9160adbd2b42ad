#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/strings/ref_string.h"
#include "engine/core/geometry/vector2d.h"
#include "engine/object/recorded_calls/stream_call_table.h"
#include "engine/object/recorded_calls/stream_symbol_maps.h"

class CStreamCall;
class VirtualArray;

// More entries than any named list or array of the game holds: a count
// beyond it can only come from damaged data.
const int32_t MAXIMUM_STREAM_COUNT = 50000;

// Message kinds passed to BeginMessage.
const int32_t MESSAGE_KIND_GAME_CALL = 2;
const int32_t MESSAGE_KIND_RECORDER = 4;

// The bit-packed byte stream of recorded calls that demo files are made of.
// A message is a recorded call's index followed by the call's arguments;
// every message starts on a new byte. Bits fill each byte from the least
// significant end; bytes, integers and strings start on a new byte.
//
// Entries of named lists (calls, classes, sounds, library items) travel as
// symbols: the list's count once, then a range-coded index, plus the
// entry's name the first time that index goes out. The reader maps each
// name to its own index, so a demo survives lists that gained or lost items.
//
// Reading and writing keep separate positions over the same bytes. Reads
// never leave the buffer: bits and bytes beyond the end read as 0xCF without
// moving, and byte-aligned reads answer false (and zero their target) or an
// empty string. Data no reader can make sense of ends the program with a
// fatal report, as any broken data file does.
class CMessageStream
{
public:
    CMessageStream();
    ~CMessageStream();

    // Takes, in byte-wise name order, every registered call whose flags
    // hold every bit of the mask (0 takes all).
    void SelectCalls(int32_t mask);
    // Both sides forget every list's count and names.
    void ResetSymbolMaps();
    // Empties the buffer and both positions; the storage stays for the next
    // recording.
    void Rewind();
    void AppendBytes(const void* bytes, uint32_t n);
    bool HasBytes(uint32_t n) const;

    const uint8_t* GetBuffer() const { return m_pBuffer; }
    uint32_t GetLength() const { return m_Length; }
    VirtualArray& GetCallTable() { return m_CallTable; }
    // Set by messages of kinds 0, 1 and 4, cleared by Rewind.
    bool HasChanged() const { return m_Changed; }

    // False, writing nothing, for a call this stream did not select; the
    // caller must then not write the arguments either.
    bool BeginMessage(CStreamCall& call, int32_t kind);
    void DispatchMessage();

    // n is at most 32; only the low n bits of the value are written.
    void WriteBits(uint32_t value, uint32_t n);
    uint32_t ReadBits(uint32_t n);
    void WriteBool(bool value);
    void ReadBool(bool& value);
    void WriteByte(uint8_t value);
    bool ReadByte(uint8_t& value);
    void WriteInt(int32_t value);
    bool ReadInt(int32_t& value);
    void WriteInt64(int64_t value);
    bool ReadInt64(int64_t& value);
    // Null writes as the empty text.
    void WriteAsciiString(const char* text);
    void ReadAsciiString(CString& text);
    // 16-bit strings go as FF FE, UTF-16LE units and a zero unit.
    void WriteString(const CString& text);
    bool ReadString(CString& text);

    // A value of 0..largest in as few bits as the range allows: largest 0
    // sends nothing; a range of 2^k values takes k bits; any other range
    // takes k - 1 or k bits. Integer properties send their values this way.
    void WriteRangedValue(uint32_t value, uint32_t largest);
    uint32_t ReadRangedValue(uint32_t largest);

    // index must be a valid index of the table.
    void WriteSymbol(int32_t index, VirtualArray& table);
    // The reader's own index of the entry the writer named.
    int32_t ReadSymbol(VirtualArray& table);

    // Each axis rounded (halves to even), clamped into its range and range
    // coded; a y range of 0..0 means the x range.
    void WriteCoordinatePair(const Vector2& point, int32_t xMin, int32_t xMax, int32_t yMin, int32_t yMax);
    void ReadCoordinatePair(Vector2& point, int32_t xMin, int32_t xMax, int32_t yMin, int32_t yMax);

    // The fatal report for data that no writer of this game produced; readers
    // of composite values call it when what they read cannot be built.
    [[noreturn]] void ReportMalformed();

    CMessageStream(const CMessageStream&) = delete;
    CMessageStream& operator=(const CMessageStream&) = delete;

private:
    void Reserve(uint32_t n);
    void AppendAligned(const void* bytes, uint32_t n);
    void AppendRaw(const void* bytes, uint32_t n);
    // The byte at the read position, or 0xCF past the end; real tells which.
    uint8_t FetchByte(bool& real);
    uint32_t UnreadBytes() const { return m_Length - m_ReadPosition; }
    bool NextBytesAreWideMarker() const;
    void WriteAxis(float value, int32_t minimum, int32_t maximum);
    float ReadAxis(int32_t minimum, int32_t maximum);

    const char* GetCurrentCallName() const;
    [[noreturn]] void ReportError(VirtualArray& table, const CString& name);
    [[noreturn]] void ReportMissingHandler(const CString& name);

    CPoolArray<CStreamCall*> m_SelectedCalls;
    CStreamCallTable m_CallTable;
    uint8_t* m_pBuffer;
    uint32_t m_Capacity;
    uint32_t m_ReadPosition;
    // Unconsumed bits of the byte before the read position.
    uint32_t m_ReadBitsLeft;
    uint32_t m_Length;
    // Unused bits of the last byte written.
    uint32_t m_FreeBits;
    CStreamSymbolMaps m_ReadMaps;
    CStreamSymbolMaps m_WriteMaps;
    CStreamCall* m_pCurrentCall;
    bool m_Changed;
};
