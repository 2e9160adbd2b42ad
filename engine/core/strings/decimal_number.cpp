#include "engine/core/strings/decimal_number.h"

#include <algorithm>
#include <cfloat>
#include <cstdlib>
#include <string>

namespace {

template <typename Char>
bool IsSpaceChar(Char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

template <typename Char>
bool IsDigitChar(Char c)
{
    return c >= '0' && c <= '9';
}

template <typename Char>
int32_t ParseInt(const Char* text, const Char** end)
{
    const Char* p = text;
    while (IsSpaceChar(*p))
        ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    const Char* digitsStart = p;
    int64_t limit = negative ? 2147483648LL : 2147483647LL;
    int64_t value = 0;
    for (; IsDigitChar(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > limit)
            value = limit;
    }
    if (end != nullptr)
        *end = p == digitsStart ? text : p;
    return static_cast<int32_t>(negative ? -value : value);
}

const char* SkipDigits(const char* p)
{
    while (IsDigitChar(*p))
        ++p;
    return p;
}

} // namespace

int32_t ParseDecimalInt(const char* text, const char** end)
{
    return ParseInt(text, end);
}

int32_t ParseDecimalInt(const char16_t* text, const char16_t** end)
{
    return ParseInt(text, end);
}

double ParseDecimalFloat(const char* text, const char** end)
{
    const char* start = text;
    while (IsSpaceChar(*start))
        ++start;
    const char* p = start;
    if (*p == '-' || *p == '+')
        ++p;
    const char* mantissa = p;
    p = SkipDigits(p);
    bool hasDigits = p != mantissa;
    if (*p == '.') {
        const char* fraction = p + 1;
        const char* fractionEnd = SkipDigits(fraction);
        if (hasDigits || fractionEnd != fraction) {
            hasDigits = true;
            p = fractionEnd;
        }
    }
    if (!hasDigits) {
        if (end != nullptr)
            *end = text;
        return 0.0;
    }
    if (*p == 'e' || *p == 'E') {
        const char* exponent = p + 1;
        if (*exponent == '-' || *exponent == '+')
            ++exponent;
        if (IsDigitChar(*exponent))
            p = SkipDigits(exponent);
    }
    if (end != nullptr)
        *end = p;
    // The span is plain decimal syntax now, which strtod reads exactly as
    // far as it goes; the copy keeps it from reading on into "0x" forms.
    std::string span(start, p);
    return std::strtod(span.c_str(), nullptr);
}

float ParseDecimalSingle(const char* text, const char** end)
{
    return static_cast<float>(std::clamp(ParseDecimalFloat(text, end), -static_cast<double>(FLT_MAX),
                                         static_cast<double>(FLT_MAX)));
}
