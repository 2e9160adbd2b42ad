#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/lists/virtual_array.h"

class Property;

// The dynamic properties that objects of a class may carry, each with the
// flags it was attached with. Every class has one (not owning its
// properties); one global table holds every dynamic property of the program
// once and owns them. Tables are never torn down.
class CDynamicPropertyTable : public SearchableVirtualArray
{
public:
    explicit CDynamicPropertyTable(bool owning);
    ~CDynamicPropertyTable() override;

    // A class's table also enters the property into the global table.
    void Add(Property* property, int32_t flags);
    uint32_t GetEntryCount() const { return m_Entries.GetCount(); }
    Property* GetProperty(uint32_t index) const { return m_Entries[index].pProperty; }
    int32_t GetFlags(uint32_t index) const { return m_Entries[index].flags; }
    // By name (case ignored), else by legacy name; null when neither.
    Property* FindByName(const char* name);

    const char* GetName(uint32_t index) override;
    CString GetNameString(uint32_t index) override;
    uint32_t GetCount() override;

private:
    struct Entry
    {
        Property* pProperty;
        int32_t flags;
    };

    CPoolArray<Entry> m_Entries;
    bool m_Owning;
};

CDynamicPropertyTable& GetGlobalDynamicPropertyTable();
