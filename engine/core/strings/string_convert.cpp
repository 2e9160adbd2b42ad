#include <algorithm>
#include <cstring>

#include "engine/core/strings/decimal_number.h"
#include "engine/core/strings/ref_string.h"
#include "engine/core/strings/string_units.h"

namespace {

constexpr char kEscapePrefix[] = "UNICODE-HEX<";
constexpr uint32_t kEscapePrefixLength = sizeof(kEscapePrefix) - 1;
constexpr char kHexDigits[] = "0123456789ABCDEF";

// A character that is no hexadecimal digit reads as 0.
uint32_t HexValue(uint32_t digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    digit = FoldToUpper(digit);
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    return 0;
}

// digits holds four hexadecimal digits per character, low byte first;
// digits past the last whole group of four are ignored.
CString DecodeHexRun(const char* digits, uint32_t count)
{
    uint32_t characters = count / 4;
    CString decoded(u"");
    char16_t* units = reinterpret_cast<char16_t*>(decoded.GetBufferForOverwrite(characters));
    for (uint32_t i = 0; i < characters; ++i) {
        const char* group = digits + i * 4;
        uint32_t low = HexValue(static_cast<unsigned char>(group[0])) * 16 + HexValue(static_cast<unsigned char>(group[1]));
        uint32_t high = HexValue(static_cast<unsigned char>(group[2])) * 16 + HexValue(static_cast<unsigned char>(group[3]));
        units[i] = static_cast<char16_t>(high * 256 + low);
    }
    decoded.ReleaseBuffer(static_cast<int32_t>(characters));
    return decoded;
}

} // namespace

int32_t CString::ToInt() const
{
    if (IsWide())
        return ParseDecimalInt(Units());
    return ParseDecimalInt(Chars());
}

double CString::ToFloat() const
{
    if (IsWide())
        return Wtof16(Units());
    return ParseDecimalFloat(Chars());
}

void CString::FromInt(int32_t value, int32_t radix)
{
    if (radix < 2 || radix > 36)
        radix = 10;
    // Radix 10 is signed; other radixes print the 32-bit pattern, as itoa.
    bool negative = radix == 10 && value < 0;
    uint32_t magnitude = negative ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    char digits[34];
    uint32_t count = 0;
    do {
        digits[count++] = "0123456789abcdefghijklmnopqrstuvwxyz"[magnitude % static_cast<uint32_t>(radix)];
        magnitude /= static_cast<uint32_t>(radix);
    } while (magnitude != 0);
    if (negative)
        digits[count++] = '-';
    std::reverse(digits, digits + count);

    if (IsWide())
        Empty();
    // Room for any 32-bit decimal, so a counter that keeps printing into the
    // same string allocates once.
    char* buffer = GetBufferForOverwrite(std::max<uint32_t>(count, 11));
    std::memcpy(buffer, digits, count);
    SetLengthInPlace(count);
}

void CString::MakeWide()
{
    if (IsWide())
        return;
    uint32_t length = GetLength();
    CStringRep* rep = AllocateRep(length, true);
    CopyUnits(rep + 1, true, 0, {Chars(), false}, length);
    reinterpret_cast<char16_t*>(rep + 1)[length] = 0;
    TakeRep(rep);
}

void CString::MakeNarrow()
{
    if (!IsWide())
        return;
    uint32_t length = GetLength();
    CStringRep* rep = AllocateRep(length, false);
    char* bytes = reinterpret_cast<char*>(rep + 1);
    const char16_t* units = Units();
    for (uint32_t i = 0; i < length; ++i)
        bytes[i] = units[i] > 255 ? '*' : static_cast<char>(units[i]);
    bytes[length] = 0;
    TakeRep(rep);
}

bool CString::FitsInEightBits() const
{
    if (!IsWide())
        return true;
    for (const char16_t* unit = Units(); *unit != 0; ++unit) {
        if (*unit > 255)
            return false;
    }
    return true;
}

CString& CString::EncodeForText(CString& out) const
{
    if (FitsInEightBits()) {
        CString narrow(*this);
        narrow.MakeNarrow();
        out = narrow;
        return out;
    }
    uint32_t length = GetLength();
    uint32_t total = kEscapePrefixLength + length * 4 + 1;
    CString encoded;
    char* text = encoded.GetBufferForOverwrite(total);
    std::memcpy(text, kEscapePrefix, kEscapePrefixLength);
    char* digit = text + kEscapePrefixLength;
    const char16_t* units = Units();
    for (uint32_t i = 0; i < length; ++i) {
        uint32_t unit = units[i];
        uint32_t low = unit & 0xFF;
        uint32_t high = unit >> 8;
        *digit++ = kHexDigits[low >> 4];
        *digit++ = kHexDigits[low & 0xF];
        *digit++ = kHexDigits[high >> 4];
        *digit++ = kHexDigits[high & 0xF];
    }
    *digit = '>';
    encoded.ReleaseBuffer(static_cast<int32_t>(total));
    out = encoded;
    return out;
}

void CString::DecodeFromText()
{
    if (IsWide())
        return;
    int32_t escape = Find(kEscapePrefix, 0);
    if (escape < 0)
        return;
    // The search goes on after each decoded run, never over it again, so
    // decoded text that itself reads like an escape stays as it is.
    CString result;
    uint32_t copied = 0;
    while (escape >= 0) {
        int32_t close = FindChar('>', static_cast<uint32_t>(escape), true);
        if (close < 0)
            break;
        uint32_t digitsStart = static_cast<uint32_t>(escape) + kEscapePrefixLength;
        result.Append(Chars() + copied, static_cast<uint32_t>(escape) - copied);
        result.Append(DecodeHexRun(Chars() + digitsStart, static_cast<uint32_t>(close) - digitsStart));
        copied = static_cast<uint32_t>(close) + 1;
        escape = Find(kEscapePrefix, copied);
    }
    if (copied == 0)
        return;
    result.Append(Chars() + copied, GetLength() - copied);
    *this = result;
}
