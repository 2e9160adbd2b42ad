#include <algorithm>
#include <cstring>

#include "engine/core/strings/ref_string.h"
#include "engine/core/strings/string_units.h"

// Edits that build a different text make a new representation of exactly
// the result's size; edits that only change characters or shorten the text
// work in place once the representation is private.

CString& CString::Left(CString& out, uint32_t n) const
{
    return Mid(out, 0, n);
}

CString& CString::Mid(CString& out, uint32_t start) const
{
    return Mid(out, start, UINT32_MAX);
}

CString& CString::Mid(CString& out, uint32_t start, uint32_t n) const
{
    uint32_t length = GetLength();
    n = start < length ? std::min(n, length - start) : 0;
    if (n == 0) {
        out.Empty();
    } else if (n == length) {
        out = *this;
    } else {
        // Built aside first: out may be this string.
        CString part;
        if (IsWide())
            part.Assign(Units() + start, n);
        else
            part.Assign(Chars() + start, n);
        out = part;
    }
    return out;
}

CString& CString::Right(CString& out, uint32_t n) const
{
    uint32_t length = GetLength();
    n = std::min(n, length);
    return Mid(out, length - n, n);
}

void CString::Splice(uint32_t position, uint32_t removeCount, const CString& insertion)
{
    uint32_t length = GetLength();
    position = std::min(position, length);
    removeCount = std::min(removeCount, length - position);
    uint32_t insertionLength = insertion.GetLength();
    bool wide = IsWide() || insertion.IsWide();
    uint32_t tail = length - position - removeCount;
    uint32_t total = position + insertionLength + tail;

    CString result;
    result.TakeRep(AllocateRep(total, wide));
    CTextView text{Chars(), IsWide()};
    CopyUnits(result.Chars(), wide, 0, text, position);
    CopyUnits(result.Chars(), wide, position, {insertion.Chars(), insertion.IsWide()}, insertionLength);
    CopyUnits(result.Chars(), wide, position + insertionLength, text.From(position + removeCount), tail);
    result.SetLengthInPlace(total);
    *this = result;
}

void CString::Insert(uint32_t position, char16_t character)
{
    Splice(position, 0, CString(character, 1));
}

void CString::Delete(uint32_t position, uint32_t n)
{
    if (n != 0)
        Splice(position, n, CString());
}

void CString::ReplaceRange(uint32_t position, uint32_t n, const CString& replacement)
{
    Splice(position, n, replacement);
}

bool CString::ReplaceFirst(const CString& needle, const CString& replacement, uint32_t start)
{
    int32_t found = Find(needle, start);
    if (found < 0)
        return false;
    Splice(static_cast<uint32_t>(found), needle.GetLength(), replacement);
    return true;
}

template <typename FindFrom>
uint32_t CString::SpliceEachMatch(FindFrom findFrom, uint32_t needleLength, const CString& replacement, uint32_t start)
{
    const uint32_t replacementLength = replacement.GetLength();
    uint32_t count = 0;
    for (int32_t found = findFrom(start); found >= 0;
         found = findFrom(static_cast<uint32_t>(found) + replacementLength)) {
        Splice(static_cast<uint32_t>(found), needleLength, replacement);
        ++count;
    }
    return count;
}

uint32_t CString::ReplaceAll(const CString& needle, const CString& replacement, uint32_t start)
{
    // Held copies: either argument may be this string, which changes below.
    CString heldNeedle(needle);
    CString heldReplacement(replacement);
    uint32_t needleLength = heldNeedle.GetLength();
    if (needleLength == 0)
        return 0;
    return SpliceEachMatch([&](uint32_t from) { return Find(heldNeedle, from); }, needleLength, heldReplacement,
                           start);
}

uint32_t CString::ReplaceAllNoCase(const char* needle, int32_t value, uint32_t start)
{
    uint32_t needleLength = static_cast<uint32_t>(std::strlen(needle));
    if (needleLength == 0)
        return 0;
    CString digits;
    digits.FromInt(value);
    return SpliceEachMatch([&](uint32_t from) { return FindNoCase(needle, from); }, needleLength, digits, start);
}

void CString::ReplaceChar(char from, char to)
{
    // Most texts hold no such character (every value line of object text is
    // cleared of line ends this way): looked for first, a shared text is not
    // copied for nothing.
    const uint32_t match = static_cast<unsigned char>(from);
    if (match == 0)
        return;
    const bool wide = IsWide();
    uint32_t first = 0;
    if (!wide) {
        const char* chars = Chars();
        const char* found = std::strchr(chars, from);
        if (found == nullptr)
            return;
        first = static_cast<uint32_t>(found - chars);
    } else {
        CTextView units{Chars(), true};
        while (units[first] != 0 && units[first] != match)
            ++first;
        if (units[first] == 0)
            return;
    }
    PrepareForWrite(GetCharCapacity());
    CTextView text{Chars(), wide};
    for (uint32_t i = first; text[i] != 0; ++i) {
        if (text[i] == match)
            StoreUnit(i, static_cast<unsigned char>(to));
    }
}

void CString::KeepOnly(const char* set)
{
    if (IsEmpty())
        return;
    PrepareForWrite(GetCharCapacity());
    size_t setLength = std::strlen(set);
    CTextView text{Chars(), IsWide()};
    uint32_t kept = 0;
    for (uint32_t i = 0; text[i] != 0; ++i) {
        uint32_t unit = text[i];
        if (unit < 256 && std::memchr(set, static_cast<int>(unit), setLength) != nullptr)
            StoreUnit(kept++, static_cast<char16_t>(unit));
    }
    SetLengthInPlace(kept);
}

void CString::TrimLeft()
{
    CTextView text{Chars(), IsWide()};
    uint32_t count = 0;
    while (text[count] != 0 && IsBlankUnit(text[count]))
        ++count;
    if (count != 0)
        Mid(*this, count);
}

void CString::TrimRight()
{
    uint32_t length = GetLength();
    uint32_t kept = length;
    CTextView text{Chars(), IsWide()};
    while (kept > 0 && IsBlankUnit(text[kept - 1]))
        --kept;
    if (kept == length)
        return;
    PrepareForWrite(GetCharCapacity());
    SetLengthInPlace(kept);
}

void CString::MakeUpper()
{
    if (IsEmpty())
        return;
    PrepareForWrite(GetCharCapacity());
    CTextView text{Chars(), IsWide()};
    for (uint32_t i = 0; text[i] != 0; ++i)
        StoreUnit(i, static_cast<char16_t>(FoldToUpper(text[i])));
}

void CString::MakeLower()
{
    if (IsEmpty())
        return;
    PrepareForWrite(GetCharCapacity());
    CTextView text{Chars(), IsWide()};
    for (uint32_t i = 0; text[i] != 0; ++i)
        StoreUnit(i, static_cast<char16_t>(FoldToLower(text[i])));
}

void CString::RemovePrefix(const CString& prefix)
{
    uint32_t prefixLength = prefix.GetLength();
    if (prefixLength == 0 || CompareNoCaseN(prefix, prefixLength) != 0)
        return;
    uint32_t length = GetLength();
    PrepareForWrite(GetCharCapacity());
    CopyUnits(Chars(), IsWide(), 0, CTextView{Chars(), IsWide()}.From(prefixLength), length - prefixLength);
    SetLengthInPlace(length - prefixLength);
}

bool CString::RemoveSuffix(const CString& suffix)
{
    uint32_t suffixLength = suffix.GetLength();
    uint32_t length = GetLength();
    if (suffixLength == 0 || suffixLength > length)
        return false;
    CTextView tail = CTextView{Chars(), IsWide()}.From(length - suffixLength);
    CTextView ending{suffix.Chars(), suffix.IsWide()};
    for (uint32_t i = 0; i < suffixLength; ++i) {
        if (FoldToLower(tail[i]) != FoldToLower(ending[i]))
            return false;
    }
    PrepareForWrite(GetCharCapacity());
    SetLengthInPlace(length - suffixLength);
    return true;
}
