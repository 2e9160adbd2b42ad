#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/strings/ref_string.h"

class CBrickBase;

// The answers of the search for a brick by name since the last brick was
// made or deleted, misses included: scripts ask for the same names every
// step, and the brick list does not change between those moments.
class NamedObjectTable
{
public:
    // Appends the pair; a miss is stored with no brick.
    void Add(const CString& name, CBrickBase* brick);
    // At the first stored name equal to the name (ASCII case ignored) gives
    // its brick, possibly none, and answers true.
    bool Find(const CString& name, CBrickBase*& brick) const;
    // Every brick construction and destruction empties it.
    void Empty();
    uint32_t GetCount() const { return m_Names.GetCount(); }

private:
    CDynamicArray<CString> m_Names;
    CDynamicArray<CBrickBase*> m_Bricks;
};

NamedObjectTable& GetNamedObjectTable();
