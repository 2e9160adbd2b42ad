#include "engine/platform/text_encoding.h"

std::string Latin1ToUtf8(const std::string& latin1)
{
    std::string utf8;
    utf8.reserve(latin1.size());
    for (unsigned char c : latin1)
    {
        if (c < 0x80)
        {
            utf8 += static_cast<char>(c);
        }
        else
        {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

static bool IsContinuationByte(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence starting at text[i], or 0.
static size_t Utf8SequenceLength(const std::string& text, size_t i)
{
    unsigned char lead = static_cast<unsigned char>(text[i]);
    size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (length == 0 || i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k)
    {
        if (!IsContinuationByte(static_cast<unsigned char>(text[i + k])))
            return 0;
    }
    return length;
}

std::string Utf8ToLatin1(const std::string& utf8)
{
    std::string latin1;
    latin1.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size())
    {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        size_t length = c < 0x80 ? 0 : Utf8SequenceLength(utf8, i);
        if (length == 2)
        {
            unsigned code = ((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
            latin1 += code <= 0xFF ? static_cast<char>(code) : '?';
            i += 2;
        }
        else if (length > 2)
        {
            latin1 += '?';
            i += length;
        }
        else
        {
            latin1 += static_cast<char>(c);
            ++i;
        }
    }
    return latin1;
}
