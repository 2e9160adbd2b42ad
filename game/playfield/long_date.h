#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

// The day in the long form the end screens print, in local time and in
// English whatever the machine's locale: "Thursday, December 10, 2026".
void FormatLongDate(CString& out, int64_t secondsSinceEpoch);
void FormatCurrentDate(CString& out);
