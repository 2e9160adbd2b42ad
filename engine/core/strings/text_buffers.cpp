#include "engine/core/strings/text_buffers.h"

#include <cstring>

#include "engine/core/program/profiler.h"

static char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

static bool EqualNoCase(const char* a, const char* b, size_t n)
{
    for (size_t i = 0; i < n; ++i)
    {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

bool RemovePrefixNoCase(char* buffer, const char* prefix)
{
    size_t prefixLength = std::strlen(prefix);
    if (std::strlen(buffer) < prefixLength || !EqualNoCase(buffer, prefix, prefixLength))
        return false;
    std::memmove(buffer, buffer + prefixLength, std::strlen(buffer + prefixLength) + 1);
    return true;
}

bool RemoveSuffixNoCase(char* buffer, const char* suffix)
{
    size_t length = std::strlen(buffer);
    size_t suffixLength = std::strlen(suffix);
    if (suffixLength == 0 || length < suffixLength || !EqualNoCase(buffer + length - suffixLength, suffix, suffixLength))
        return false;
    buffer[length - suffixLength] = 0;
    return true;
}

bool IsSpaceChar(char c)
{
    return c == '\t' || c == ' ' || c == '\r' || c == '\n';
}

bool IsBlankText(const char* text)
{
    return *SkipSpace(text) == 0;
}

const char* SkipSpace(const char* text)
{
    while (IsSpaceChar(*text))
        ++text;
    return text;
}

const char* FindSpace(const char* text)
{
    while (*text && !IsSpaceChar(*text))
        ++text;
    return text;
}

void KeepOnlyChars(char* buffer, const char* set)
{
    char* kept = buffer;
    for (const char* c = buffer; *c; ++c)
    {
        if (std::strchr(set, *c))
            *kept++ = *c;
    }
    *kept = 0;
}

void UpperCaseAscii(char* buffer)
{
    for (char* c = buffer; *c; ++c)
    {
        if (*c >= 'a' && *c <= 'z')
            *c = static_cast<char>(*c - 'a' + 'A');
    }
}

void LowerCaseAscii(char* buffer)
{
    for (char* c = buffer; *c; ++c)
        *c = LowerAscii(*c);
}

void ReplaceByte(char* buffer, char from, char to)
{
    for (char* c = buffer; *c; ++c)
    {
        if (*c == from)
            *c = to;
    }
}

const char* FindNoCaseInText(const char* text, const char* word)
{
    size_t textLength = std::strlen(text);
    size_t wordLength = std::strlen(word);
    for (size_t at = 0; at + wordLength <= textLength; ++at)
    {
        if (EqualNoCase(text + at, word, wordLength))
            return text + at;
    }
    return nullptr;
}

static CProfileSection s_AllocateDStringSection("AllocateDString");

char* AllocateDString(const char* text)
{
    CProfileScope scope(s_AllocateDStringSection);
    if (!text)
        return nullptr;
    size_t size = std::strlen(text) + 1;
    char* copy = new char[size];
    std::memcpy(copy, text, size);
    return copy;
}

void HexEncodeBytes(char* out, const uint8_t* bytes, size_t n)
{
    static const char digits[] = "0123456789ABCDEF";
    for (size_t i = 0; i < n; ++i)
    {
        out[2 * i] = digits[bytes[i] >> 4];
        out[2 * i + 1] = digits[bytes[i] & 0x0F];
    }
    out[2 * n] = 0;
}

static uint8_t HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<uint8_t>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<uint8_t>(c - 'a' + 10);
    return static_cast<uint8_t>(c - 'A' + 10);
}

void HexDecodeBytes(uint8_t* out, const char* text, size_t n)
{
    size_t pairs = std::strlen(text) / 2;
    if (pairs > n)
        pairs = n;
    for (size_t i = 0; i < pairs; ++i)
        out[i] = static_cast<uint8_t>((HexDigitValue(text[2 * i]) << 4) | HexDigitValue(text[2 * i + 1]));
}
