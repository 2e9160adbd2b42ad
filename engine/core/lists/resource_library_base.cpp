#include "engine/core/lists/resource_library_base.h"

int32_t CResourceLibraryBase::Find(const char* key, int32_t hint)
{
    return FindWithAlias(key, hint);
}

void CResourceLibraryBase::ClearUsedFlags()
{
    const uint32_t count = GetCount();
    for (uint32_t i = 0; i < count; i++)
    {
        CResourceUsage& usage = GetUsage(i);
        usage.m_Used = false;
        usage.m_ReferencesPreloaded = false;
    }
}

bool CResourceLibraryBase::WasItemUsed(uint32_t index)
{
    return GetUsage(index).m_Used;
}

bool CResourceLibraryBase::IsItemKeptLoaded(uint32_t index)
{
    return GetUsage(index).m_KeptLoaded;
}

void CResourceLibraryBase::SetItemKeptLoaded(uint32_t index, bool keptLoaded)
{
    GetUsage(index).m_KeptLoaded = keptLoaded;
}

CClassInfo* CResourceLibraryBase::GetItemClassInfo()
{
    return nullptr;
}

bool CResourceLibraryBase::GetObjectFilePath(CObject*, CString&)
{
    return false;
}

int32_t CResourceLibraryBase::IndexOfObject(CObject*)
{
    return -1;
}

bool CResourceLibraryBase::IsEnumerated()
{
    return true;
}

void CResourceLibraryBase::Init(const char*, const char*, int32_t)
{
}

void CResourceLibraryBase::Register(const char*, const char*)
{
}

void CResourceLibraryBase::AddAlias(const char* aliasName, const char* itemName)
{
    CAlias alias;
    alias.name = aliasName;
    alias.itemIndex = FindOrFail(itemName, -1);
    m_Aliases.Add(alias);
}

int32_t CResourceLibraryBase::FindAlias(const char* name)
{
    for (const CAlias& alias : m_Aliases)
    {
        if (alias.name.CompareNoCase(name) == 0)
            return alias.itemIndex;
    }
    return -1;
}

// An alias never hides an item of the same name.
int32_t CResourceLibraryBase::FindWithAlias(const char* key, int32_t hint)
{
    const int32_t index = SearchableVirtualArray::Find(key, hint);
    return index != -1 ? index : FindAlias(key);
}
