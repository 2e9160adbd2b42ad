#pragma once

#include "engine/core/strings/ref_string.h"

// A float as the shortest of "%g", "%.7g", "%.8g" and "%.9g" that reads back
// as the same float: "%g" alone keeps six digits, so 1234568 would come back
// as 1234570.
CString FormatFloatExactly(float value);
