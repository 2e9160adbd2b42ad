#include "engine/app/clipboard.h"

#include <cstring>
#include <vector>

#include "engine/platform/clipboard.h"

void SetClipboardData(const char* format, const void* bytes, uint32_t size)
{
    SetClipboardBlock(format, static_cast<const uint8_t*>(bytes), size);
}

uint8_t* GetClipboardData(const char* format, uint32_t* size)
{
    std::vector<uint8_t> block;
    if (!GetClipboardBlock(format, block))
        return nullptr;
    uint8_t* copy = new uint8_t[block.size() + 1];
    std::memcpy(copy, block.data(), block.size());
    if (size)
        *size = static_cast<uint32_t>(block.size());
    return copy;
}

CClipboard::~CClipboard()
{
    delete[] m_pLastBlock;
}

void CClipboard::SetText(const CString& text)
{
    if (text.IsWide())
        SetClipboardData("UnicodeText", text.GetWideText(), text.GetByteLength() + 2);
    else
        SetClipboardData("Text", text.GetText(), text.GetByteLength() + 1);
}

void CClipboard::SetData(const char* format, const void* bytes, uint32_t size)
{
    SetClipboardData(format, bytes, size);
}

const uint8_t* CClipboard::Fetch(const char* format, uint32_t* size)
{
    delete[] m_pLastBlock;
    m_pLastBlock = GetClipboardData(format, size);
    return m_pLastBlock;
}

bool CClipboard::GetText(CString& text)
{
    uint32_t size = 0;
    if (const uint8_t* wide = Fetch("UnicodeText", &size))
    {
        std::vector<char16_t> units(size / 2);
        for (uint32_t i = 0; i < units.size(); i++)
            units[i] = static_cast<char16_t>(wide[2 * i] | (wide[2 * i + 1] << 8));
        uint32_t count = 0;
        while (count < units.size() && units[count] != 0)
            count++;
        text.Assign(units.data(), count);
        if (text.FitsInEightBits())
            text.MakeNarrow();
        return true;
    }
    const uint8_t* narrow = Fetch("Text", &size);
    if (!narrow)
        return false;
    const char* characters = reinterpret_cast<const char*>(narrow);
    text.Assign(characters, static_cast<uint32_t>(strnlen(characters, size)));
    return true;
}

const uint8_t* CClipboard::GetData(const char* format, uint32_t* size)
{
    return Fetch(format, size);
}

CClipboard& GetClipboard()
{
    static CClipboard s_Clipboard;
    return s_Clipboard;
}
