#pragma once

#include <cstdarg>
#include <cstdint>

#include "engine/core/strings/ref_string.h"

// The exact number of characters the format and arguments produce, so that
// formatting reserves the whole result once. The argument list is read
// through a copy and stays unconsumed.
uint32_t EstimateFormattedLength(const char* format, va_list args);
