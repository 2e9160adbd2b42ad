#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/lists/virtual_array.h"

class CStreamCall;

// The calls a stream selected, seen as a named list, so that call indices
// travel as symbols like any other list entry and the reader finds each
// call by its name.
class CStreamCallTable : public SearchableVirtualArray
{
public:
    explicit CStreamCallTable(const CPoolArray<CStreamCall*>& calls);

    const char* GetName(uint32_t index) override;
    CString GetNameString(uint32_t index) override;
    uint32_t GetCount() override;

    // To be called after the selection changed: binary search is only
    // sound while the names happen to stand in item-name order.
    void UpdateSortedFlag();

private:
    const CPoolArray<CStreamCall*>& m_Calls;
};
