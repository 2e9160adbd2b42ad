#include <algorithm>

#include "engine/core/program/error_report.h"
#include "engine/core/maths/maths_helpers.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/object/current_file_scope.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/recorded_calls/stream_call.h"

// The largest value needs k bits. A range of exactly 2^k values sends k
// bits. Any other range sends the low k - 1 bits, then the top bit (worth
// h = 2^(k-1)) only where both answers are possible: for values below
// count - h, whose twin value + h is in range too, and for values from h on.
// Values in between cannot have the top bit set and leave it out.
void CMessageStream::WriteRangedValue(uint32_t value, uint32_t largest)
{
    if (largest == 0)
        return;
    value = std::min(value, largest);
    const uint32_t k = BitsNeeded(largest);
    if (static_cast<uint64_t>(largest) + 1 == uint64_t(1) << k)
    {
        WriteBits(value, k);
        return;
    }
    const uint32_t half = 1u << (k - 1);
    WriteBits(value & (half - 1), k - 1);
    if (value >= half || value < largest + 1 - half)
        WriteBits(value >= half ? 1 : 0, 1);
}

uint32_t CMessageStream::ReadRangedValue(uint32_t largest)
{
    if (largest == 0)
        return 0;
    const uint32_t k = BitsNeeded(largest);
    if (static_cast<uint64_t>(largest) + 1 == uint64_t(1) << k)
        return ReadBits(k);
    const uint32_t half = 1u << (k - 1);
    uint32_t value = ReadBits(k - 1);
    if (value < largest + 1 - half && ReadBits(1) != 0)
        value += half;
    return value;
}

// The map keeps the count the list had when it was first sent: that is the
// range the reader decodes with, whatever the list holds now.
void CMessageStream::WriteSymbol(int32_t index, VirtualArray& table)
{
    CStreamSymbolMap* map = m_WriteMaps.Find(table);
    if (map == nullptr)
    {
        const uint32_t count = table.GetCount();
        WriteInt(static_cast<int32_t>(count));
        map = &m_WriteMaps.Create(table, count);
    }
    const uint32_t count = map->GetCount();
    if (count == 0)
        return;
    const uint32_t entry = static_cast<uint32_t>(std::clamp(index, 0, static_cast<int32_t>(count - 1)));
    WriteRangedValue(entry, count - 1);
    if ((*map)[entry] != -1)
        return;
    WriteAsciiString(entry < table.GetCount() ? table.GetName(entry) : nullptr);
    (*map)[entry] = 0;
}

int32_t CMessageStream::ReadSymbol(VirtualArray& table)
{
    CStreamSymbolMap* map = m_ReadMaps.Find(table);
    if (map == nullptr)
    {
        int32_t count = 0;
        ReadInt(count);
        // Believing a larger count would allocate a map of that size.
        if (count < 0 || count > MAXIMUM_STREAM_COUNT)
            ReportError(table, CString());
        map = &m_ReadMaps.Create(table, static_cast<uint32_t>(count));
    }
    // No writer sends an index into an empty list.
    if (map->GetCount() == 0)
        ReportError(table, CString());
    int32_t& entry = (*map)[ReadRangedValue(map->GetCount() - 1)];
    if (entry == -1)
    {
        CString name;
        ReadAsciiString(name);
        const int32_t own = table.Find(name, -1);
        if (own == -1)
            ReportError(table, name);
        entry = own;
    }
    return entry;
}

void CMessageStream::WriteAxis(float value, int32_t minimum, int32_t maximum)
{
    maximum = std::max(maximum, minimum);
    const int32_t whole = std::clamp(RoundToInt(value), minimum, maximum);
    WriteRangedValue(static_cast<uint32_t>(static_cast<int64_t>(whole) - minimum),
                     static_cast<uint32_t>(static_cast<int64_t>(maximum) - minimum));
}

float CMessageStream::ReadAxis(int32_t minimum, int32_t maximum)
{
    maximum = std::max(maximum, minimum);
    const uint32_t code = ReadRangedValue(static_cast<uint32_t>(static_cast<int64_t>(maximum) - minimum));
    return static_cast<float>(static_cast<int64_t>(minimum) + code);
}

void CMessageStream::WriteCoordinatePair(const Vector2& point, int32_t xMin, int32_t xMax, int32_t yMin, int32_t yMax)
{
    if (yMin == 0 && yMax == 0)
    {
        yMin = xMin;
        yMax = xMax;
    }
    WriteAxis(point.x, xMin, xMax);
    WriteAxis(point.y, yMin, yMax);
}

void CMessageStream::ReadCoordinatePair(Vector2& point, int32_t xMin, int32_t xMax, int32_t yMin, int32_t yMax)
{
    if (yMin == 0 && yMax == 0)
    {
        yMin = xMin;
        yMax = xMax;
    }
    point.x = ReadAxis(xMin, xMax);
    point.y = ReadAxis(yMin, yMax);
}

bool CMessageStream::BeginMessage(CStreamCall& call, int32_t kind)
{
    const int32_t index = m_SelectedCalls.IndexOf(&call);
    if (index == -1)
        return false;
    if (kind == 0 || kind == 1 || kind == MESSAGE_KIND_RECORDER)
        m_Changed = true;
    m_FreeBits = 0;
    WriteSymbol(index, m_CallTable);
    return true;
}

// A message that reads nothing at all (a one-entry call table and a call
// without arguments) would be replayed forever from the same spot; no
// recording of the game has one, so the stream is damaged.
void CMessageStream::DispatchMessage()
{
    m_ReadBitsLeft = 0;
    const uint32_t start = m_ReadPosition;
    const int32_t index = ReadSymbol(m_CallTable);
    m_pCurrentCall = m_SelectedCalls[static_cast<uint32_t>(index)];
    m_pCurrentCall->Replay(*this);
    if (m_ReadPosition == start && m_ReadBitsLeft == 0)
        ReportMalformed();
}

const char* CMessageStream::GetCurrentCallName() const
{
    return m_pCurrentCall != nullptr ? m_pCurrentCall->GetName() : "(NULL)";
}

static const char FIRST_SENTENCE[] =
    "Encountered fatal error while trying to process a message from a networked computer.  ";
static const char LAST_SENTENCE[] = "\r\n\r\nThis error could also be caused by a disruption in the network link.";

static bool IsPrintableName(const CString& name)
{
    const uint32_t length = name.GetLength();
    if (length < 2)
        return false;
    for (uint32_t i = 0; i < length; i++)
        if (name.GetAt(i) < 32 || name.GetAt(i) > 126)
            return false;
    return true;
}

void CMessageStream::ReportMissingHandler(const CString& name)
{
    CString text(FIRST_SENTENCE);
    text += "A message of type \"";
    text += name;
    text += "\" was received but no handler for such a message could be found.  "
            "This usually means you do not have the same version of the game as the other networked computer.  "
            "But this could also mean there is an error in the \"";
    text += GetCurrentCallName();
    text += "\" message handler code.";
    text += LAST_SENTENCE;
    ShowErrorReport("Missing network message handler", text.GetText());
    ExitAfterFatalError();
}

void CMessageStream::ReportMalformed()
{
    CString text(FIRST_SENTENCE);
    text += "Received an improperly formatted message of type \"";
    text += GetCurrentCallName();
    text += "\"  This usually means there is a bug in the code that generates and/or handles message of that type.";
    text += LAST_SENTENCE;
    ShowErrorReport("Improperly formatted network message", text.GetText());
    ExitAfterFatalError();
}

// For any list but the calls, the list's own not-found report names what is
// missing, with the call being replayed standing in for the file.
void CMessageStream::ReportError(VirtualArray& table, const CString& name)
{
    if (&table == &m_CallTable)
    {
        if (IsPrintableName(name))
            ReportMissingHandler(name);
        ReportMalformed();
    }
    {
        CString caller("Networked Computer ");
        caller += GetCurrentCallName();
        CCurrentFileScope callerScope(caller.GetText());
        table.FindOrFail(name, -1);
    }
    // The list answered a name the stream's own reading refused (an empty
    // name after a damaged count): the data is no less broken.
    ReportMalformed();
}
