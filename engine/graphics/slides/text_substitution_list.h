#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/strings/ref_string.h"

// Values the game fills into overlay texts: each key ("%s[score]") is
// replaced by its value wherever it occurs, pair by pair in the order they
// were added, so a value holding a later key is replaced again.
class TextSubstitutionList
{
public:
    void Add(const CString& key, const CString& value);
    // The value written with "," between groups of three digits.
    void Add(const CString& key, int32_t value);

    CString Apply(const CString& text) const;
    uint32_t GetCount() const { return m_Pairs.GetCount(); }

private:
    struct Pair
    {
        CString key;
        CString value;
    };

    CDynamicArray<Pair> m_Pairs;
};
