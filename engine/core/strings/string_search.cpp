#include <cstring>

#include "engine/core/strings/ref_string.h"
#include "engine/core/strings/string_units.h"

namespace {

// The empty rules hold for every comparison: an empty text sorts first.
bool CompareEmpty(CTextView a, CTextView b, int* result)
{
    if (a[0] == 0) {
        *result = b[0] == 0 ? 0 : -1;
        return true;
    }
    if (b[0] == 0) {
        *result = 1;
        return true;
    }
    return false;
}

// Two 8-bit texts order as unsigned bytes (lower-case folded) and answer
// -1, 0 or 1; once a 16-bit text is involved the answer is the difference of
// the first differing units (upper-case folded), which named lists sorted
// with one rule keep relying on.
int CompareTexts(CTextView a, CTextView b, bool ignoreCase)
{
    int result;
    if (CompareEmpty(a, b, &result))
        return result;
    bool bytes = !a.m_Wide && !b.m_Wide;
    for (uint32_t i = 0;; ++i) {
        uint32_t x = a[i];
        uint32_t y = b[i];
        if (ignoreCase) {
            x = bytes ? FoldToLower(x) : FoldToUpper(x);
            y = bytes ? FoldToLower(y) : FoldToUpper(y);
        }
        if (x != y) {
            if (bytes)
                return x < y ? -1 : 1;
            return static_cast<int>(x) - static_cast<int>(y);
        }
        if (x == 0)
            return 0;
    }
}

int CompareTextsN(CTextView a, CTextView b, uint32_t n, bool ignoreCase)
{
    int result;
    if (CompareEmpty(a, b, &result))
        return result;
    return CompareUnits(a, b, n, ignoreCase);
}

int32_t FindText(CTextView text, CTextView needle, uint32_t start, bool ignoreCase)
{
    uint32_t length = UnitLength(text);
    if (start >= length)
        return -1;
    uint32_t needleLength = UnitLength(needle);
    for (uint32_t position = start; needleLength <= length - position; ++position) {
        uint32_t i = 0;
        while (i < needleLength) {
            uint32_t x = text[position + i];
            uint32_t y = needle[i];
            if (ignoreCase ? FoldToLower(x) != FoldToLower(y) : x != y)
                break;
            ++i;
        }
        if (i == needleLength)
            return static_cast<int32_t>(position);
    }
    return -1;
}

CTextView ViewOf(const CString& text)
{
    return {text.GetText(), text.IsWide()};
}

CTextView ViewOf(const char* text)
{
    return {text != nullptr ? text : "", false};
}

} // namespace

int32_t CString::FindChar(char16_t character, uint32_t start, bool forward) const
{
    uint32_t length = GetLength();
    if (start >= length)
        return -1;
    CTextView text = ViewOf(*this);
    if (forward) {
        for (uint32_t i = start; i < length; ++i) {
            if (text[i] == character)
                return static_cast<int32_t>(i);
        }
        return -1;
    }
    for (uint32_t i = start + 1; i-- > 0;) {
        if (text[i] == character)
            return static_cast<int32_t>(i);
    }
    return -1;
}

int32_t CString::Find(const char* needle, uint32_t start) const
{
    return FindText(ViewOf(*this), ViewOf(needle), start, false);
}

int32_t CString::Find(const CString& needle, uint32_t start) const
{
    return FindText(ViewOf(*this), ViewOf(needle), start, false);
}

int32_t CString::FindNoCase(const char* needle, uint32_t start) const
{
    return FindText(ViewOf(*this), ViewOf(needle), start, true);
}

int32_t CString::FindNoCase(const CString& needle, uint32_t start) const
{
    return FindText(ViewOf(*this), ViewOf(needle), start, true);
}

uint32_t CString::CountLines(uint32_t start) const
{
    uint32_t lines = 1;
    int32_t position = FindChar('\n', start, true);
    while (position >= 0) {
        ++lines;
        position = FindChar('\n', static_cast<uint32_t>(position) + 1, true);
    }
    return lines;
}

int CString::Compare(const CString& other) const
{
    return CompareTexts(ViewOf(*this), ViewOf(other), false);
}

int CString::Compare(const char* other) const
{
    return CompareTexts(ViewOf(*this), ViewOf(other), false);
}

int CString::CompareNoCase(const CString& other) const
{
    return CompareTexts(ViewOf(*this), ViewOf(other), true);
}

int CString::CompareNoCase(const char* other) const
{
    return CompareTexts(ViewOf(*this), ViewOf(other), true);
}

int CString::CompareN(const CString& other, uint32_t n) const
{
    return CompareTextsN(ViewOf(*this), ViewOf(other), n, false);
}

int CString::CompareN(const char* other, uint32_t n) const
{
    return CompareTextsN(ViewOf(*this), ViewOf(other), n, false);
}

int CString::CompareNoCaseN(const CString& other, uint32_t n) const
{
    if (n == 0)
        return 0;
    return CompareTextsN(ViewOf(*this), ViewOf(other), n, true);
}

int CString::CompareNoCaseN(const char* other, uint32_t n) const
{
    if (n == 0)
        return 0;
    return CompareTextsN(ViewOf(*this), ViewOf(other), n, true);
}

bool CString::IsBlank() const
{
    CTextView text = ViewOf(*this);
    for (uint32_t i = 0; text[i] != 0; ++i) {
        if (!IsBlankUnit(text[i]))
            return false;
    }
    return true;
}
