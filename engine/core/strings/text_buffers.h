#pragma once

#include <cstddef>
#include <cstdint>

// Small operations on 0-terminated 8-bit texts. White space is tab, space, CR
// and LF; comparisons that ignore case fold A-Z and a-z only.

// When the buffer begins with the prefix, moves the rest to the front.
bool RemovePrefixNoCase(char* buffer, const char* prefix);

// When the buffer ends with a non-empty suffix, cuts it off.
bool RemoveSuffixNoCase(char* buffer, const char* suffix);

bool IsSpaceChar(char c);

// An empty text is blank.
bool IsBlankText(const char* text);

const char* SkipSpace(const char* text);

// The first white-space character, or the terminator.
const char* FindSpace(const char* text);

// Removes every character not in the set.
void KeepOnlyChars(char* buffer, const char* set);

void UpperCaseAscii(char* buffer);
void LowerCaseAscii(char* buffer);
void ReplaceByte(char* buffer, char from, char to);

// The first position where the word occurs ignoring case, or none.
const char* FindNoCaseInText(const char* text, const char* word);

// A heap copy to be released with delete[]; none for a missing text.
char* AllocateDString(const char* text);

// Two upper-case hex digits per byte, then a terminator (out holds 2n + 1).
void HexEncodeBytes(char* out, const uint8_t* bytes, size_t n);

// Reads min(n, length / 2) digit pairs of either case into bytes; the digits
// are not checked.
void HexDecodeBytes(uint8_t* out, const char* text, size_t n);
