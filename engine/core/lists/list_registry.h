#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/lists/resource_library_base.h"

class CResourceRef;

// Makes a new reference object that draws or plays one item of a list; the
// editor's browsers use it for previews.
typedef CResourceRef* (*ReferenceFactory)(VirtualArray* list, int32_t itemIndex);

struct CListRegistryEntry
{
    CString listName;
    CString folder; // empty for a list without a folder
    CResourceLibraryBase* list = nullptr; // not owned
    ReferenceFactory referenceFactory = nullptr;
    int32_t flag = 0;
};

// Every list of loadable data items, under its display name, in the order
// the lists registered. Through it generic code reaches all of them: start-up
// points each at its folder, the object saver asks where an object's file
// is, the editor's browsers list them, and at exit each unloads its items.
class CListRegistry : public SearchableVirtualArray
{
public:
    const char* GetName(uint32_t index) override;
    CString GetNameString(uint32_t index) override;
    uint32_t GetCount() override;

    // A list registered twice has two entries; lookups by list find the
    // first. Answers the new entry's index.
    int32_t Register(const char* listName, const char* folder, CResourceLibraryBase* list,
                     ReferenceFactory referenceFactory, int32_t flag = 0);

    // Forgets every entry of the list: a list that is being destroyed must
    // never be asked anything again.
    void Unregister(VirtualArray* list);

    CListRegistryEntry* FindEntry(VirtualArray* list);
    int32_t IndexOf(VirtualArray* list);
    // The first list, in registration order, that holds the object.
    bool FindObject(CObject* object, int32_t& listIndex, int32_t& itemIndex);
    CListRegistryEntry& GetEntry(uint32_t index) { return m_Entries[index]; }

    // Points every list registered with a folder at it; each enumerates it
    // on first use.
    void LoadAll();
    void ClearUsageFlags();
    // Unloads the item objects of every list, the last registered first.
    // The lists themselves belong to their owners.
    void DisposeAll();

private:
    CDynamicArray<CListRegistryEntry> m_Entries;
};

// Never torn down: lists that die at exit may still be looked up by late
// destructors.
CListRegistry& GetListRegistry();

// The object-file-name hook that asks every registered list for the file of
// one of its objects.
bool LocateObjectInLists(CObject* object, CString& path);

// Unloads every loaded item of a list; a list that was never enumerated has
// nothing loaded and is left alone, rather than enumerated just to find that.
void DisposeListItems(CResourceLibraryBase* list);
