#pragma once

#include <cstdint>

class CMessageStream;

// The recorded-call form of integer properties with a range: the value,
// clamped into the range with signed comparisons, minus the minimum, in the
// stream's range code over the range's size. Reading stores minimum + the
// code.
void WriteRangedInteger(CMessageStream& stream, int32_t value, int32_t minimum, int32_t maximum);
int32_t ReadRangedInteger(CMessageStream& stream, int32_t minimum, int32_t maximum);
