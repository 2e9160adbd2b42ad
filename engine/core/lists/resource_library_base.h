#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/lists/resource_usage.h"
#include "engine/core/lists/virtual_array.h"

// The common base of every list of loadable data items: the typed resource
// libraries and the sound list. It keeps the alias table and implements the
// usage operations over each list's usage records; the list registry drives
// every list through this interface.
class CResourceLibraryBase : public SearchableVirtualArray
{
public:
    using SearchableVirtualArray::Find;

    // Names are tried as item names first, then as aliases.
    int32_t Find(const char* key, int32_t hint) override;
    bool IsItemLoaded(uint32_t index) override = 0;

    virtual CResourceUsage& GetUsage(uint32_t index) = 0;
    virtual CObject* GetItemEnsured(uint32_t index) = 0;
    virtual void UnloadItem(uint32_t index) = 0;
    // Visits every item, so a list whose folder is still pending is
    // enumerated on the way.
    virtual void ClearUsedFlags();
    virtual bool WasItemUsed(uint32_t index);
    virtual bool IsItemKeptLoaded(uint32_t index);
    virtual void SetItemKeptLoaded(uint32_t index, bool keptLoaded);
    virtual CClassInfo* GetItemClassInfo();
    // Where an object of this list is saved; false for an object it does not
    // hold.
    virtual bool GetObjectFilePath(CObject* object, CString& path);
    virtual int32_t IndexOfObject(CObject* object);
    virtual bool IsEnumerated();
    virtual void Init(const char* displayName, const char* folder, int32_t flags);
    virtual void Register(const char* displayName, const char* folder);

    // Lets old names in data files stand for an existing item. The item must
    // exist: a missing one is the fatal not-found report.
    void AddAlias(const char* aliasName, const char* itemName);
    int32_t FindAlias(const char* name);
    int32_t FindWithAlias(const char* key, int32_t hint);

private:
    struct CAlias
    {
        CString name;
        int32_t itemIndex = -1;
    };

    CDynamicArray<CAlias> m_Aliases;
};
