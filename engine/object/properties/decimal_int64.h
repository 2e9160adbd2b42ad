#pragma once

#include <cstdint>

// The 64-bit companion of ParseDecimalInt (decimal_number.h): leading white
// space, an optional sign and decimal digits, nothing else; a text without
// digits gives 0 and a number beyond 64 bits saturates. File times are read
// through it digit by digit, so no low digit is lost to a double.
int64_t ParseDecimalInt64(const char* text);
