#include "engine/core/strings/wide_chars.h"

#include <cstring>

#include "engine/core/strings/decimal_number.h"
#include "engine/core/strings/string_units.h"

namespace {

const char16_t* FindUnits(const char16_t* haystack, CTextView needle, bool ignoreCase)
{
    for (const char16_t* start = haystack;; ++start) {
        uint32_t i = 0;
        while (needle[i] != 0) {
            uint32_t x = ignoreCase ? FoldToUpper(start[i]) : start[i];
            uint32_t y = ignoreCase ? FoldToUpper(needle[i]) : needle[i];
            if (x != y)
                break;
            ++i;
        }
        if (needle[i] == 0)
            return start;
        if (*start == 0)
            return nullptr;
    }
}

bool IsSpaceUnit(char16_t unit)
{
    return unit == ' ' || (unit >= '\t' && unit <= '\r');
}

// Value of a digit or letter in radixes up to 36, or 36 for anything else.
int DigitValue(char16_t unit)
{
    if (unit >= '0' && unit <= '9')
        return unit - '0';
    uint32_t upper = FoldToUpper(unit);
    if (upper >= 'A' && upper <= 'Z')
        return static_cast<int>(upper - 'A') + 10;
    return 36;
}

bool HasHexPrefix(const char16_t* s)
{
    return s[0] == '0' && (s[1] == 'x' || s[1] == 'X') && DigitValue(s[2]) < 16;
}

} // namespace

uint32_t Wcslen16(const char16_t* s)
{
    uint32_t length = 0;
    while (s[length] != 0)
        ++length;
    return length;
}

char16_t* Wcscpy16(char16_t* dst, const char16_t* src)
{
    uint32_t i = 0;
    do {
        dst[i] = src[i];
    } while (src[i++] != 0);
    return dst;
}

char16_t* Wcsncpy16(char16_t* dst, const char16_t* src, uint32_t n)
{
    uint32_t i = 0;
    for (; i < n && src[i] != 0; ++i)
        dst[i] = src[i];
    for (; i < n; ++i)
        dst[i] = 0;
    return dst;
}

int Wcscmp16(const char16_t* a, const char16_t* b)
{
    return CompareUnits({a, true}, {b, true}, UINT32_MAX, false);
}

int Wcscmp16To8(const char16_t* a, const char* b)
{
    return CompareUnits({a, true}, {b, false}, UINT32_MAX, false);
}

int Wcsncmp16(const char16_t* a, const char16_t* b, uint32_t n)
{
    return CompareUnits({a, true}, {b, true}, n, false);
}

int Wcsncmp16To8(const char16_t* a, const char* b, uint32_t n)
{
    return CompareUnits({a, true}, {b, false}, n, false);
}

int Wcsicmp16(const char16_t* a, const char16_t* b)
{
    return CompareUnits({a, true}, {b, true}, UINT32_MAX, true);
}

int Wcsicmp16To8(const char16_t* a, const char* b)
{
    return CompareUnits({a, true}, {b, false}, UINT32_MAX, true);
}

const char16_t* Wcsstr16(const char16_t* haystack, const char16_t* needle)
{
    return FindUnits(haystack, {needle, true}, false);
}

const char16_t* Wcsstr16To8(const char16_t* haystack, const char* needle)
{
    return FindUnits(haystack, {needle, false}, false);
}

const char16_t* Wcsistr16(const char16_t* haystack, const char16_t* needle)
{
    return FindUnits(haystack, {needle, true}, true);
}

const char16_t* Wcsistr16To8(const char16_t* haystack, const char* needle)
{
    return FindUnits(haystack, {needle, false}, true);
}

int32_t Wcstol16(const char16_t* s, const char16_t** end, int radix)
{
    if (radix != 0 && (radix < 2 || radix > 36)) {
        if (end != nullptr)
            *end = s;
        return 0;
    }
    const char16_t* p = s;
    while (IsSpaceUnit(*p))
        ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    if ((radix == 0 || radix == 16) && HasHexPrefix(p)) {
        p += 2;
        radix = 16;
    } else if (radix == 0) {
        radix = *p == '0' ? 8 : 10;
    }

    const char16_t* digitsStart = p;
    int64_t value = 0;
    bool overflow = false;
    for (int digit = DigitValue(*p); digit < radix; digit = DigitValue(*++p)) {
        if (overflow)
            continue;
        value = value * radix + digit;
        if (value > (negative ? 2147483648LL : 2147483647LL))
            overflow = true;
    }
    if (end != nullptr)
        *end = p == digitsStart ? s : p;
    if (overflow)
        return INT32_MIN;
    return static_cast<int32_t>(negative ? -value : value);
}

int32_t Wtoi16(const char16_t* s)
{
    return Wcstol16(s, nullptr, 10);
}

double Wtof16(const char16_t* s)
{
    char bytes[256] = {};
    NarrowCopy16(bytes, s, 255);
    return ParseDecimalFloat(bytes);
}

void NarrowCopy16(char* dst, const char16_t* src, uint32_t n)
{
    for (uint32_t i = 0; i < n && src[i] != 0; ++i)
        dst[i] = static_cast<char>(src[i]);
}
