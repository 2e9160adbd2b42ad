#include "engine/platform/clipboard.h"

#include <SDL.h>

#include <map>
#include <string>

#include "engine/platform/text_encoding.h"

namespace {

enum class Format
{
    Text,
    UnicodeText,
    Private
};

struct PrivateStore
{
    std::map<std::string, std::vector<uint8_t>> blocks; // by lower-case name
    // The system text when the blocks were set: another program's copy
    // changes it, and then the blocks are no longer the clipboard.
    std::string systemTextThen;
};

PrivateStore& GetPrivateStore()
{
    static PrivateStore* s_Store = new PrivateStore; // lives past static destructors
    return *s_Store;
}

std::string Lower(const char* text)
{
    std::string lower(text);
    for (char& c : lower)
    {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

Format FormatOf(const std::string& lower)
{
    if (lower == "text")
        return Format::Text;
    if (lower == "unicodetext")
        return Format::UnicodeText;
    return Format::Private;
}

bool HasSystemClipboard()
{
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}

std::string ReadSystemText()
{
    if (!HasSystemClipboard())
        return std::string();
    char* text = SDL_GetClipboardText();
    std::string copy = text ? text : "";
    SDL_free(text);
    return copy;
}

bool WriteSystemText(const std::string& utf8)
{
    return HasSystemClipboard() && SDL_SetClipboardText(utf8.c_str()) == 0;
}

// Text up to its terminator or the block's end, whichever comes first.
std::string Utf8FromLatin1Block(const uint8_t* bytes, size_t size)
{
    size_t length = 0;
    while (length < size && bytes[length] != 0)
        length++;
    return Latin1ToUtf8(std::string(reinterpret_cast<const char*>(bytes), length));
}

void AppendUtf8(std::string& utf8, uint32_t point)
{
    if (point < 0x80)
        utf8 += static_cast<char>(point);
    else if (point < 0x800)
    {
        utf8 += static_cast<char>(0xC0 | (point >> 6));
        utf8 += static_cast<char>(0x80 | (point & 0x3F));
    }
    else if (point < 0x10000)
    {
        utf8 += static_cast<char>(0xE0 | (point >> 12));
        utf8 += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (point & 0x3F));
    }
    else
    {
        utf8 += static_cast<char>(0xF0 | (point >> 18));
        utf8 += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (point & 0x3F));
    }
}

std::string Utf8FromUtf16Block(const uint8_t* bytes, size_t size)
{
    std::string utf8;
    for (size_t i = 0; i + 1 < size; i += 2)
    {
        uint32_t unit = bytes[i] | (bytes[i + 1] << 8);
        if (unit == 0)
            break;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < size)
        {
            const uint32_t low = bytes[i + 2] | (bytes[i + 3] << 8);
            if (low >= 0xDC00 && low < 0xE000)
            {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (unit >= 0xD800 && unit < 0xE000)
            unit = 0xFFFD; // a lone surrogate
        AppendUtf8(utf8, unit);
    }
    return utf8;
}

std::vector<uint8_t> Utf16BlockFromUtf8(const std::string& utf8)
{
    std::vector<uint8_t> block;
    const auto put = [&block](uint32_t unit) {
        block.push_back(static_cast<uint8_t>(unit & 0xFF));
        block.push_back(static_cast<uint8_t>(unit >> 8));
    };
    for (size_t i = 0; i < utf8.size();)
    {
        const uint8_t lead = static_cast<uint8_t>(utf8[i]);
        int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        uint32_t point = extra == 0 ? lead : lead & (0x3F >> extra);
        i++;
        for (; extra > 0 && i < utf8.size(); extra--, i++)
            point = (point << 6) | (static_cast<uint8_t>(utf8[i]) & 0x3F);
        if (point >= 0x10000)
        {
            point -= 0x10000;
            put(0xD800 + (point >> 10));
            put(0xDC00 + (point & 0x3FF));
        }
        else
            put(point);
    }
    put(0);
    return block;
}

} // namespace

bool SetClipboardBlock(const char* format, const uint8_t* bytes, size_t size)
{
    PrivateStore& store = GetPrivateStore();
    store.blocks.clear();
    const std::string name = Lower(format);
    switch (FormatOf(name))
    {
    case Format::Text:
        return WriteSystemText(Utf8FromLatin1Block(bytes, size));
    case Format::UnicodeText:
        return WriteSystemText(Utf8FromUtf16Block(bytes, size));
    case Format::Private:
        break;
    }
    WriteSystemText(std::string());
    store.systemTextThen = ReadSystemText();
    store.blocks[name].assign(bytes, bytes + size);
    return true;
}

bool GetClipboardBlock(const char* format, std::vector<uint8_t>& bytes)
{
    const std::string name = Lower(format);
    const Format kind = FormatOf(name);
    if (kind == Format::Private)
    {
        PrivateStore& store = GetPrivateStore();
        const auto found = store.blocks.find(name);
        if (found == store.blocks.end())
            return false;
        if (ReadSystemText() != store.systemTextThen)
        {
            store.blocks.clear();
            return false;
        }
        bytes = found->second;
        return true;
    }
    const std::string utf8 = ReadSystemText();
    if (utf8.empty())
        return false;
    if (kind == Format::UnicodeText)
    {
        bytes = Utf16BlockFromUtf8(utf8);
        return true;
    }
    const std::string latin1 = Utf8ToLatin1(utf8);
    bytes.assign(latin1.begin(), latin1.end());
    bytes.push_back(0);
    return true;
}
