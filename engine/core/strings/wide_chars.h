#pragma once

#include <cstdint>

// Routines over 0-terminated arrays of 16-bit code units, the counterparts of
// the C library's string functions for wide text. The "To8" forms compare
// against an 8-bit C string whose bytes count as their unsigned values
// (Latin-1). Comparisons return the difference of the first differing pair.

uint32_t Wcslen16(const char16_t* s);
char16_t* Wcscpy16(char16_t* dst, const char16_t* src);
// Copies up to n units, stops after a terminator and zero-fills the rest of n.
char16_t* Wcsncpy16(char16_t* dst, const char16_t* src, uint32_t n);

int Wcscmp16(const char16_t* a, const char16_t* b);
int Wcscmp16To8(const char16_t* a, const char* b);
int Wcsncmp16(const char16_t* a, const char16_t* b, uint32_t n);
int Wcsncmp16To8(const char16_t* a, const char* b, uint32_t n);
// Letters a..z count as A..Z on both sides.
int Wcsicmp16(const char16_t* a, const char16_t* b);
int Wcsicmp16To8(const char16_t* a, const char* b);

// First occurrence of the needle, or null; an empty needle gives the haystack.
const char16_t* Wcsstr16(const char16_t* haystack, const char16_t* needle);
const char16_t* Wcsstr16To8(const char16_t* haystack, const char* needle);
const char16_t* Wcsistr16(const char16_t* haystack, const char16_t* needle);
const char16_t* Wcsistr16To8(const char16_t* haystack, const char* needle);

// As wcstol, held to the signed 32-bit range: radix 0 picks 16 for a "0x"
// prefix, 8 for a leading '0', else 10. An overflow of either sign answers
// INT32_MIN and still consumes every digit.
int32_t Wcstol16(const char16_t* s, const char16_t** end, int radix);
int32_t Wtoi16(const char16_t* s);
// Reads the low bytes of at most 255 units as a decimal number.
double Wtof16(const char16_t* s);

// Copies the low byte of each of the first min(n, length) units; writes no
// terminator, so the caller passes a zeroed buffer.
void NarrowCopy16(char* dst, const char16_t* src, uint32_t n);
