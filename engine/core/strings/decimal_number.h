#pragma once

#include <cstdint>

// Numbers in data texts are plain decimals. These readers accept leading
// white space, a sign, digits and (for floats) a fraction and an exponent,
// and nothing else: no "0x" hexadecimal and no "inf" or "nan" words, so a
// text that happens to start with such a word reads as 0 and stays in the
// data as the designer typed it. The end out, when given, receives the
// position after the number, or the start of the text when there is none.

// Saturates at INT32_MIN and INT32_MAX instead of wrapping.
int32_t ParseDecimalInt(const char* text, const char** end = nullptr);
int32_t ParseDecimalInt(const char16_t* text, const char16_t** end = nullptr);

// Overflow answers infinity of the sign, as the C library does.
double ParseDecimalFloat(const char* text, const char** end = nullptr);

// For values kept in single precision: a number beyond the largest float
// reads as that float of its sign. An infinity could not be written back:
// its text ("inf") is no number to these readers.
float ParseDecimalSingle(const char* text, const char** end = nullptr);
