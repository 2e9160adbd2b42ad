#include "engine/core/strings/string_format.h"

#include <cstdio>
#include <cstring>

#include "engine/core/localization/localized_string.h"

namespace {

CLocalizedString s_HoursMinutesSeparator(":", "Hours:Minutes separator");
CLocalizedString s_MinutesSecondsSeparator(":", "Minutes:Seconds separator");
// Registered for translators only; no display reads them.
CLocalizedString s_DaysSuffix("d", "\"d\" is short for the days");
CLocalizedString s_MinutesSuffix("m", "suffix indicating minutes");
CLocalizedString s_SecondsSuffix("s", "suffix indicating seconds");

// Single-precision reciprocals, so times split the same way everywhere.
constexpr float kOneOverSixty = 0.016666668f;
constexpr float kOneOverThreeThousandSixHundred = 0.00027777778f;

// A token is filled with text printed by one of the formats built here, and
// every fill first turns the first "%%" into the '%' it stands for.
bool FillFirstToken(CString* text, const CString& filling, const char* const* tokens)
{
    text->ReplaceFirst("%%", "%");
    for (; *tokens != nullptr; ++tokens) {
        if (text->ReplaceFirst(*tokens, filling))
            return true;
    }
    return false;
}

} // namespace

uint32_t EstimateFormattedLength(const char* format, va_list args)
{
    va_list measured;
    va_copy(measured, args);
    int length = std::vsnprintf(nullptr, 0, format, measured);
    va_end(measured);
    return length > 0 ? static_cast<uint32_t>(length) : 0;
}

int CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    // Most results are short (one number of a line of object text): printed
    // once on the stack, they are copied where they go without the second
    // pass that measuring them first would cost.
    char shortResult[128];
    va_list measured;
    va_copy(measured, args);
    const int printed = std::vsnprintf(shortResult, sizeof shortResult, format, measured);
    va_end(measured);
    const uint32_t length = printed > 0 ? static_cast<uint32_t>(printed) : 0;
    if (IsWide())
        Empty();
    if (length == 0) {
        Truncate();
    } else if (length < sizeof shortResult) {
        std::memcpy(GetBufferForOverwrite(length), shortResult, length + 1);
    } else if (m_pRep->m_RefCount == 1 && GetCharCapacity() >= length) {
        std::vsnprintf(Chars(), length + 1, format, args);
    } else {
        // Written before the old text is released, which an argument may
        // still point into.
        CString formatted;
        std::vsnprintf(formatted.GetBufferForOverwrite(length), length + 1, format, args);
        *this = formatted;
    }
    va_end(args);
    return static_cast<int>(length);
}

int CString::AppendFormat(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    uint32_t length = EstimateFormattedLength(format, args);
    uint32_t oldLength = GetLength();
    if (length == 0) {
        // Nothing to add.
    } else if (!IsWide() && m_pRep->m_RefCount == 1 && GetCharCapacity() >= oldLength + length) {
        std::vsnprintf(Chars() + oldLength, length + 1, format, args);
    } else if (IsWide()) {
        CString formatted;
        std::vsnprintf(formatted.GetBufferForOverwrite(length), length + 1, format, args);
        Append(formatted);
    } else {
        CString combined;
        char* buffer = combined.GetBufferForOverwrite(oldLength + length);
        std::memcpy(buffer, Chars(), oldLength);
        std::vsnprintf(buffer + oldLength, length + 1, format, args);
        *this = combined;
    }
    va_end(args);
    return static_cast<int>(length);
}

bool CString::FillIntToken(int32_t value, bool zeroFill, int32_t width)
{
    char format[32];
    std::snprintf(format, sizeof(format), width != 0 ? "%%%s%ldd" : "%%%sd", zeroFill ? "0" : "", static_cast<long>(width));
    CString printed;
    printed.Format(format, value);
    static const char* const kIntTokens[] = {"%d", "%u", "%i", nullptr};
    return FillFirstToken(this, printed, kIntTokens);
}

bool CString::AppendInt(int32_t value, bool zeroFill, int32_t width)
{
    Append("%d");
    return FillIntToken(value, zeroFill, width);
}

bool CString::FillFloatToken(float value, bool zeroFill, int32_t width, int32_t precision)
{
    CString format("%");
    if (zeroFill || width != 0 || precision != 0) {
        if (zeroFill)
            format += '0';
        if (width >= 0)
            format.AppendFormat("%ld.", static_cast<long>(width));
        else if (precision != 0)
            format += '.';
        if (precision != 0)
            format.AppendFormat("%ld", static_cast<long>(precision));
        format += width >= 0 ? 'f' : 'g';
    } else {
        format += 'g';
    }
    CString printed;
    printed.Format(format.GetText(), static_cast<double>(value));
    static const char* const kFloatTokens[] = {"%f", "%g", nullptr};
    return FillFirstToken(this, printed, kFloatTokens);
}

bool CString::AppendFloat(float value, bool zeroFill, int32_t width, int32_t precision)
{
    Append("%f");
    return FillFloatToken(value, zeroFill, width, precision);
}

bool CString::FillStringToken(const CString& text)
{
    static const char* const kStringTokens[] = {"%s", nullptr};
    return FillFirstToken(this, text, kStringTokens);
}

void CString::FormatHoursMinutesSeconds(float seconds)
{
    int32_t hours = static_cast<int32_t>(seconds * kOneOverThreeThousandSixHundred);
    seconds -= 3600.0f * static_cast<float>(hours);
    int32_t minutes = static_cast<int32_t>(seconds * kOneOverSixty);
    int32_t wholeSeconds = static_cast<int32_t>(seconds - 60.0f * static_cast<float>(minutes));
    Assign("%d%s%d%s%d");
    FillIntToken(hours, true, 2);
    FillStringToken(s_HoursMinutesSeparator.GetText());
    FillIntToken(minutes, true, 2);
    FillStringToken(s_MinutesSecondsSeparator.GetText());
    FillIntToken(wholeSeconds, true, 2);
}

void CString::FormatMinutesSeconds(const char* format, float seconds)
{
    int32_t minutes = static_cast<int32_t>(seconds * kOneOverSixty);
    float rest = seconds - 60.0f * static_cast<float>(minutes);
    int32_t wholeSeconds = static_cast<int32_t>(rest);
    int32_t hundredths = static_cast<int32_t>((rest - static_cast<float>(wholeSeconds)) * 100.0f);
    Format(format, minutes, wholeSeconds, hundredths);
}

void CString::FormatGrouped(int32_t value)
{
    Format("%d", value);
    // The sign is no digit: -1234 reads '-1,234', never '-,234'.
    int32_t firstDigit = value < 0 ? 1 : 0;
    for (int32_t position = static_cast<int32_t>(GetLength()) - 3; position > firstDigit; position -= 3)
        Insert(static_cast<uint32_t>(position), ',');
}
