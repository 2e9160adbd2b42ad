#pragma once

#include "engine/core/lists/virtual_array.h"

// The entry of a named-value table whose name is the text (case ignored),
// or -1; a missing table holds none.
inline int32_t FindNamedValueByName(VirtualArray* table, const char* text)
{
    if (table == nullptr)
        return -1;
    for (uint32_t i = 0; i < table->GetCount(); i++)
        if (CompareItemNames(table->GetName(i), text) == 0)
            return static_cast<int32_t>(i);
    return -1;
}
