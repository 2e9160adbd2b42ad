#pragma once

#include <cstdint>
#include <cstring>

// Width-independent access to the characters of 8-bit and 16-bit text, for
// the string's own implementation files.

struct CTextView {
    const void* m_pText;
    bool m_Wide;

    uint32_t operator[](uint32_t index) const
    {
        if (m_Wide)
            return static_cast<const char16_t*>(m_pText)[index];
        return static_cast<const unsigned char*>(m_pText)[index];
    }

    CTextView From(uint32_t index) const
    {
        const char* bytes = static_cast<const char*>(m_pText);
        return {bytes + (m_Wide ? index * 2 : index), m_Wide};
    }
};

inline uint32_t UnitLength(CTextView text)
{
    uint32_t length = 0;
    while (text[length] != 0)
        ++length;
    return length;
}

inline uint32_t FoldToLower(uint32_t unit)
{
    return (unit >= 'A' && unit <= 'Z') ? unit + ('a' - 'A') : unit;
}

inline uint32_t FoldToUpper(uint32_t unit)
{
    return (unit >= 'a' && unit <= 'z') ? unit - ('a' - 'A') : unit;
}

// At most n units, compared as units so 8-bit and 16-bit texts mix; the
// answer is the difference of the first differing units (upper-case folded
// when ignoring case).
inline int CompareUnits(CTextView a, CTextView b, uint32_t n, bool ignoreCase)
{
    for (uint32_t i = 0; i < n; ++i) {
        uint32_t x = ignoreCase ? FoldToUpper(a[i]) : a[i];
        uint32_t y = ignoreCase ? FoldToUpper(b[i]) : b[i];
        if (x != y)
            return static_cast<int>(x) - static_cast<int>(y);
        if (x == 0)
            return 0;
    }
    return 0;
}

inline bool IsBlankUnit(uint32_t unit)
{
    return unit == '\t' || unit == ' ' || unit == '\r' || unit == '\n';
}

// Copies count characters to dst[dstIndex...], widening bytes for a 16-bit
// destination (an 8-bit destination takes only 8-bit text). Ranges of the
// same width may overlap.
inline void CopyUnits(void* dst, bool dstWide, uint32_t dstIndex, CTextView src, uint32_t count)
{
    if (dstWide == src.m_Wide) {
        uint32_t unitSize = dstWide ? 2 : 1;
        std::memmove(static_cast<char*>(dst) + dstIndex * unitSize, src.m_pText, count * unitSize);
        return;
    }
    char16_t* units = static_cast<char16_t*>(dst) + dstIndex;
    for (uint32_t i = 0; i < count; ++i)
        units[i] = static_cast<char16_t>(src[i]);
}
