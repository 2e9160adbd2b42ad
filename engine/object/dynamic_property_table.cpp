#include "engine/object/dynamic_property_table.h"

#include "engine/object/properties/property.h"

CDynamicPropertyTable::CDynamicPropertyTable(bool owning)
    : m_Owning(owning)
{
}

CDynamicPropertyTable::~CDynamicPropertyTable()
{
    if (m_Owning)
        for (const Entry& entry : m_Entries)
            delete entry.pProperty;
}

void CDynamicPropertyTable::Add(Property* property, int32_t flags)
{
    m_Entries.Append(Entry{property, flags});
    if (m_Owning)
        return;
    CDynamicPropertyTable& global = GetGlobalDynamicPropertyTable();
    for (const Entry& entry : global.m_Entries)
        if (entry.pProperty == property)
            return;
    global.m_Entries.Append(Entry{property, flags});
}

Property* CDynamicPropertyTable::FindByName(const char* name)
{
    const int32_t index = Find(name, -1);
    if (index >= 0)
        return m_Entries[static_cast<uint32_t>(index)].pProperty;
    for (const Entry& entry : m_Entries)
    {
        const CString& legacyName = entry.pProperty->GetLegacyName();
        if (legacyName.HasText() && CompareItemNames(legacyName.GetText(), name) == 0)
            return entry.pProperty;
    }
    return nullptr;
}

const char* CDynamicPropertyTable::GetName(uint32_t index)
{
    return index < m_Entries.GetCount() ? m_Entries[index].pProperty->GetName() : nullptr;
}

CString CDynamicPropertyTable::GetNameString(uint32_t index)
{
    return CString(GetName(index));
}

uint32_t CDynamicPropertyTable::GetCount()
{
    return m_Entries.GetCount();
}

CDynamicPropertyTable& GetGlobalDynamicPropertyTable()
{
    // Built by whichever static initialiser attaches the first dynamic
    // property, and never torn down.
    static constinit CDynamicPropertyTable* s_pGlobal = nullptr;
    if (s_pGlobal == nullptr)
        s_pGlobal = new CDynamicPropertyTable(true);
    return *s_pGlobal;
}
