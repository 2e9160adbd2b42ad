#pragma once

#include <cstdint>

#include "engine/core/lists/named_value_list.h"

class CJListBox;

// The value of the row list's entry the list box has selected; -1 when
// nothing is.
int32_t SelectedRowValue(const CJListBox& list, CNamedValueList& rows);
