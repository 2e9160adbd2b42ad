#pragma once

#include <cstdint>

#include "engine/core/strings/wide_chars.h"

// Shared body of a CString: a header followed by the characters and one
// terminator. Copies of a string share one representation until one of them
// writes (copy on write). A representation is either 8-bit (Latin-1 bytes)
// or 16-bit (UTF-16 code units) for its whole life; changing the width
// builds a new one.
struct CStringRep {
    int32_t m_RefCount;
    // 8-bit: characters that fit, not counting the terminator.
    // 16-bit: twice the characters that fit, plus one.
    uint32_t m_Capacity;
    uint8_t m_Wide;
    // The characters start right after the header, aligned for 16-bit units.
};

// The engine's one text type. Positions and counts are character indices
// (not bytes); searches answer -1 for "not found". The length is not stored:
// every call that needs it scans for the terminator, so code that builds a
// long text reserves its final size first. Case-insensitive operations fold
// ASCII letters only. A C string passed in must not point into this string's
// own storage, except to Assign and Append. Reference counts are plain
// integers: a string with text and all its copies belong to one thread. The
// empty representation is the exception: it is never counted, so every
// thread makes, copies and drops empty strings freely.
class CString {
public:
    // Construction and assignment. A null C string counts as empty; 8-bit
    // text always yields an 8-bit string.
    CString();
    CString(const CString& other);
    CString(const char* text);
    // Same argument list as CLocalizedString, for fixed texts that translators
    // never see; the comment and value are ignored.
    CString(const char* text, const char* comment, int32_t value);
    CString(const char16_t* text);
    // A character of 256 or more makes the string 16-bit.
    CString(char16_t character, uint32_t count);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(const char* text);
    void Assign(const CString& other);
    void Assign(const char* text);
    // The bytes need no terminator.
    void Assign(const char* bytes, uint32_t length);
    void Assign(const char16_t* text);
    // Copies up to count units, stopping at a terminator.
    void Assign(const char16_t* units, uint32_t count);
    void AssignLeft(const CString& other, uint32_t n);
    // Shares the empty representation without releasing anything: only for a
    // CString whose storage was never constructed.
    void AssignEmpty();
    void Empty();
    // Keeps the storage of an unshared string for reuse.
    void Truncate();

    // Appending. 8-bit text appended to a 16-bit string is widened; a 16-bit
    // CString makes this string 16-bit.
    void Append(const char* text);
    void Append(const char* bytes, uint32_t length);
    void Append(const CString& other);
    void Append(const CString& other, uint32_t n);
    CString& operator+=(const CString& other);
    CString& operator+=(const char* text);
    CString& operator+=(char character);
    void AppendRepeated(char16_t character, uint32_t n);
    // The separator goes in only when both sides have text.
    void AppendDelimited(const char* separator, const char* addition);
    void AppendDelimited(const char* separator, const CString& addition);

    // The one path joiner. Paths are built with '/'; AppendPath puts a '/'
    // before the addition unless this string is empty or already ends in '/'
    // or '\', even for an empty addition.
    void AppendPath(const CString& addition);
    void AppendPath(const char* addition);
    void AppendPath(const char* bytes, uint32_t length);
    // 'folder/name', or 'name' for an empty folder.
    void AssignPath(const char* folder, const char* name);
    // 'folder/name' followed by the extension as it stands.
    void AssignPath(const char* folder, const char* name, const char* extension);
    // Cache paths that keep the source path's folders but mark its last part
    // with '-': 'Cache' + 'Data/Bricks/Red' + 'Properties.txt' gives
    // 'Cache/Data/Bricks/-Red/Properties.txt'. The suffix may be null.
    void AssignFlatPath(const char* root, const char* path, const char* file, const char* suffix);
    void AssignFlatPath(const char* root, const char* path, const char* extension);

    // Capacity. Allocation is exact: there is no growth margin.
    // Makes the representation private with room for at least n characters.
    void PrepareForWrite(uint32_t n);
    // Unlike PrepareForWrite, a shared string with enough room stays shared.
    void Reserve(uint32_t n);
    uint32_t GetSpareCapacity() const;
    // Private room for n characters with the text kept; write, then
    // ReleaseBuffer. For a 16-bit string the pointer addresses code units.
    char* GetBuffer(uint32_t n);
    // As GetBuffer, but the old text is lost when the storage must change.
    char* GetBufferForOverwrite(uint32_t n);
    // Terminates the written text at length; -1 scans for its terminator.
    void ReleaseBuffer(int32_t length = -1);

    // Raw access.
    const char* GetText() const;
    // The code units of a 16-bit string (IsWide); for an 8-bit string this
    // points at its bytes and must not be used.
    const char16_t* GetWideText() const;
    uint32_t GetLength() const;
    uint32_t GetByteLength() const;
    // Bytes including the terminator.
    uint32_t GetByteSize() const;
    bool IsEmpty() const;
    bool HasText() const;
    bool IsWide() const;
    // 0 at or past the end.
    char16_t GetAt(uint32_t position) const;
    // No bounds check.
    char16_t GetAtUnchecked(uint32_t position) const;
    // The byte at index, without bounds check.
    char operator[](uint32_t index) const;
    // No bounds check and the terminator stays where it is; a character of
    // 256 or more makes the string 16-bit first.
    void SetAt(uint32_t position, char16_t character);

    // Search. A start at or past the end finds nothing.
    int32_t FindChar(char16_t character, uint32_t start, bool forward) const;
    int32_t Find(const char* needle, uint32_t start = 0) const;
    int32_t Find(const CString& needle, uint32_t start = 0) const;
    int32_t FindNoCase(const char* needle, uint32_t start = 0) const;
    int32_t FindNoCase(const CString& needle, uint32_t start = 0) const;
    // Number of line feeds from start on, plus one.
    uint32_t CountLines(uint32_t start = 0) const;

    // Comparison: an empty string sorts before any text. Between two 8-bit
    // strings the answer is -1, 0 or 1 (case folded to lower case); when a
    // 16-bit string is involved it is the difference of the first differing
    // characters (case folded to upper case), so '_' sorts before the
    // letters between 8-bit strings and after them otherwise.
    int Compare(const CString& other) const;
    int Compare(const char* other) const;
    int CompareNoCase(const CString& other) const;
    int CompareNoCase(const char* other) const;
    // At most n characters; the difference of the first differing pair.
    int CompareN(const CString& other, uint32_t n) const;
    int CompareN(const char* other, uint32_t n) const;
    int CompareNoCaseN(const CString& other, uint32_t n) const;
    int CompareNoCaseN(const char* other, uint32_t n) const;
    // True when every character is tab, space, CR or LF (also when empty).
    bool IsBlank() const;

    // Substrings go to out and keep this string's width; counts are clipped
    // to the text. A substring that is the whole text shares it.
    CString& Left(CString& out, uint32_t n) const;
    CString& Mid(CString& out, uint32_t start) const;
    CString& Mid(CString& out, uint32_t start, uint32_t n) const;
    CString& Right(CString& out, uint32_t n) const;

    // Edits.
    void Insert(uint32_t position, char16_t character);
    void Delete(uint32_t position, uint32_t n);
    void ReplaceRange(uint32_t position, uint32_t n, const CString& replacement);
    bool ReplaceFirst(const CString& needle, const CString& replacement, uint32_t start = 0);
    // Continues after each inserted replacement; an empty needle replaces
    // nothing. Answers the number of replacements.
    uint32_t ReplaceAll(const CString& needle, const CString& replacement, uint32_t start = 0);
    // Finds ignoring case and puts in the decimal text of the value; fills
    // named tokens such as "%d[MostRings]".
    uint32_t ReplaceAllNoCase(const char* needle, int32_t value, uint32_t start = 0);
    void ReplaceChar(char from, char to);
    // Removes every character that is not in the set.
    void KeepOnly(const char* set);
    void TrimLeft();
    void TrimRight();
    void MakeUpper();
    void MakeLower();
    // Both ignore case.
    void RemovePrefix(const CString& prefix);
    bool RemoveSuffix(const CString& suffix);

    // Conversions. Numbers are read as plain decimals (see decimal_number.h);
    // an integer beyond 32 bits saturates.
    int32_t ToInt() const;
    double ToFloat() const;
    // itoa-style digits: signed for radix 10, the 32-bit pattern otherwise.
    void FromInt(int32_t value, int32_t radix = 10);
    void MakeWide();
    // Characters above 255 become '*'.
    void MakeNarrow();
    bool FitsInEightBits() const;
    // Text files hold 8-bit text: a string with characters above 255 is
    // written as "UNICODE-HEX<" + four hex digits per character (low byte
    // first) + ">"; anything else as plain 8-bit text.
    CString& EncodeForText(CString& out) const;
    // Decodes every escape of an 8-bit string; the text after a decoded run
    // is never decoded again, and an escape without '>' stays as it is.
    void DecodeFromText();

    // Formatting (string_format.cpp). All of it writes 8-bit text. The
    // arguments must not point into this string's own text (a copy is fine).
    int Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Token fills: each first turns the first "%%" into "%", then fills the
    // first token of its kind; false when there was none.
    // Fills "%d", else "%u", else "%i".
    bool FillIntToken(int32_t value, bool zeroFill = false, int32_t width = 0);
    bool AppendInt(int32_t value, bool zeroFill = false, int32_t width = 0);
    // Fills "%f", else "%g". With no zero fill, width or precision the value
    // prints as "%g"; a negative width prints it as "%g" with the precision,
    // otherwise as "%f" with the width and precision (0 meaning no decimals).
    bool FillFloatToken(float value, bool zeroFill = false, int32_t width = 0, int32_t precision = 0);
    bool AppendFloat(float value, bool zeroFill = false, int32_t width = 0, int32_t precision = 0);
    // Fills "%s".
    bool FillStringToken(const CString& text);
    // Two digits at least for each part, joined by the localized separators.
    void FormatHoursMinutesSeconds(float seconds);
    // The format takes whole minutes, seconds within the minute and hundredths.
    void FormatMinutesSeconds(const char* format, float seconds);
    // Thousands separated by ",": 1234567 gives '1,234,567', -1234 '-1,234'.
    void FormatGrouped(int32_t value);

    static CStringRep* GetEmptyRep();

private:
    static CStringRep* AllocateRep(uint32_t length, bool wide);
    // Counts one more reference, except to the empty representation.
    static CStringRep* AddReference(CStringRep* rep);
    static void InitRep(CStringRep* rep, bool wide, uint32_t capacity);
    void InitFromBuffer(const char* bytes, uint32_t length);
    void Release();
    void Share(CStringRep* rep);
    void TakeRep(CStringRep* rep);
    char* Chars() const;
    char16_t* Units() const;
    uint32_t GetCharCapacity() const;
    void StoreUnit(uint32_t position, char16_t character);
    void AppendUnits(const void* source, bool sourceWide, uint32_t count);
    void Splice(uint32_t position, uint32_t removeCount, const CString& insertion);
    // Splices replacement over each match findFrom(position) reports; the
    // search goes on after the inserted text, so it is never matched again.
    template <typename FindFrom>
    uint32_t SpliceEachMatch(FindFrom findFrom, uint32_t needleLength, const CString& replacement, uint32_t start);
    void SetLengthInPlace(uint32_t length);

    CStringRep* m_pRep;
};

// Splits at the last '/' or '\': the name is the text after it (the whole
// path without one), the folder the text before it (empty without one or
// when it is the first character). Either out may be null.
void SplitPath(const CString& path, CString* folder, CString* name);
void SplitPath(const char* path, CString* folder, CString* name);
