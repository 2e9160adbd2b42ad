#include "engine/core/files/file.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/core/program/profiler.h"

static CProfileSection s_ReadLineSection("ReadLine");

// Text of either width as little-endian 16-bit units, written at once.
static void WriteAsUnits(CFile& file, const CString& text)
{
    uint32_t length = text.GetLength();
    std::vector<uint8_t> bytes(length * 2);
    for (uint32_t i = 0; i < length; i++)
    {
        char16_t unit = text.GetAtUnchecked(i);
        bytes[i * 2] = static_cast<uint8_t>(unit);
        bytes[i * 2 + 1] = static_cast<uint8_t>(unit >> 8);
    }
    file.Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
}

void CFile::WriteString(const CString& text)
{
    if (m_Utf16)
    {
        WriteAsUnits(*this, text);
    }
    else if (text.IsWide())
    {
        CString narrow(text);
        narrow.MakeNarrow();
        Write(narrow.GetText(), narrow.GetLength());
    }
    else
    {
        Write(text.GetText(), text.GetLength());
    }
}

void CFile::WriteText(const char* text)
{
    if (!text)
        return;
    if (m_Utf16)
        WriteAsUnits(*this, CString(text));
    else
        Write(text, static_cast<uint32_t>(std::strlen(text)));
}

void CFile::WriteEscaped(const CString& text)
{
    // 8-bit text is written as it stands; only 16-bit text may need the
    // escape.
    if (m_Utf16 || !text.IsWide())
    {
        WriteString(text);
        return;
    }
    CString encoded;
    WriteString(text.EncodeForText(encoded));
}

void CFile::WriteUnit(char16_t unit)
{
    if (m_Utf16)
    {
        uint8_t bytes[2] = {static_cast<uint8_t>(unit), static_cast<uint8_t>(unit >> 8)};
        Write(bytes, 2);
    }
    else
    {
        uint8_t byte = static_cast<uint8_t>(unit);
        Write(&byte, 1);
    }
}

// The next line starts indented already, so that Indent and Unindent only
// adjust the tab in front of it. Line end and indent go out in one write:
// object text is short lines, and a write per character cost more than
// the text itself.
static const char s_LineEndAndTabs[] = "\r\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
static const uint32_t s_TabsAtHand = sizeof(s_LineEndAndTabs) - 3;

void CFile::WriteLineEnd()
{
    const uint32_t tabsAtHand = s_TabsAtHand;
    uint32_t tabs = m_IndentationOn ? m_IndentLevel : 0;
    if (m_Utf16)
    {
        WriteUnit('\r');
        WriteUnit('\n');
        for (uint32_t i = 0; i < tabs; i++)
            WriteUnit('\t');
    }
    else
    {
        const uint32_t first = std::min(tabs, tabsAtHand);
        Write(s_LineEndAndTabs, 2 + first);
        for (tabs -= first; tabs > 0; tabs -= std::min(tabs, tabsAtHand))
            Write(s_LineEndAndTabs + 2, std::min(tabs, tabsAtHand));
    }
    m_LineCount++;
}

uint32_t CFile::WriteLine(const CString& text)
{
    if (!m_pStream)
        return 0;
    WriteString(text);
    WriteLineEnd();
    return m_LineCount;
}

uint32_t CFile::WriteLine(const char* text)
{
    if (!m_pStream)
        return 0;
    WriteText(text);
    WriteLineEnd();
    return m_LineCount;
}

uint32_t CFile::WriteTextLine(const CString& text)
{
    if (!m_pStream)
        return 0;
    // A short 8-bit value line goes out with its line end in one write.
    const uint32_t tabs = m_IndentationOn ? m_IndentLevel : 0;
    if (!m_Utf16 && !text.IsWide() && tabs <= s_TabsAtHand)
    {
        char line[160];
        const char* chars = text.GetText();
        const size_t length = std::strlen(chars);
        if (length + 2 + tabs <= sizeof(line))
        {
            std::memcpy(line, chars, length);
            std::memcpy(line + length, s_LineEndAndTabs, 2 + tabs);
            Write(line, static_cast<uint32_t>(length + 2 + tabs));
            return ++m_LineCount;
        }
    }
    WriteEscaped(text);
    WriteLineEnd();
    return m_LineCount;
}

void CFile::Indent()
{
    if (!m_IndentationOn)
        return;
    m_IndentLevel++;
    WriteUnit('\t');
}

void CFile::Unindent()
{
    if (!m_IndentationOn || m_IndentLevel == 0)
        return;
    m_IndentLevel--;
    SeekRelative(m_Utf16 ? -2 : -1);
}

bool CFile::ReadLine(CString& line)
{
    CProfileScope scope(s_ReadLineSection);
    if (!m_pStream)
        return false;
    bool read;
    if (m_Utf16)
    {
        read = m_pStream->ReadLineWide(line);
        if (read && line.FitsInEightBits())
            line.MakeNarrow();
    }
    else
    {
        read = m_pStream->ReadLine(line);
    }
    if (read)
        m_LineCount++;
    return read;
}

bool CFile::ReadNonBlankLine(CString& line)
{
    while (ReadLine(line))
    {
        if (!line.IsBlank())
            return true;
    }
    return false;
}

bool CFile::ReadLineToBuffer(char* buffer, uint32_t size)
{
    CString line;
    if (!ReadLine(line))
        return false;
    line.MakeNarrow();
    uint32_t length = line.GetLength();
    if (length + 1 > size)
        return false;
    std::memcpy(buffer, line.GetText(), length + 1);
    return true;
}
