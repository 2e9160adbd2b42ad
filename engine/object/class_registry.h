#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/lists/virtual_array.h"

class CClassInfo;
class CObject;

// Every reflected class's descriptor, registered by static initialisers
// before main runs and sorted by name once at start-up. Objects read from
// files are created through it by class name.
class CClassRegistry : public SearchableVirtualArray
{
public:
    CClassRegistry();

    // The named-list finds answer indices; Find below answers the class.
    using SearchableVirtualArray::Find;

    // A class of the same name (exact, case ignored) with an equal or higher
    // version keeps its place and the new descriptor is refused; a lower one
    // is replaced.
    bool Add(CClassInfo* classInfo);
    // By name (case ignored), else by an old name (the last class registered
    // with it wins), else, for a name that does not start with "C", by "C"
    // and the name.
    CClassInfo* Find(const char* name, int32_t* index = nullptr);
    // A name that matches no class, or names an abstract one, is fatal: the
    // report names the file being read.
    CObject* CreateByName(const char* name);
    int32_t IndexOf(const CClassInfo* classInfo) const;
    CClassInfo* GetAt(uint32_t index) const;
    // Once at start-up; a later Add makes lookups linear again.
    void Sort();

    const char* GetName(uint32_t index) override;
    CString GetNameString(uint32_t index) override;
    uint32_t GetCount() override;
    // Forgets the class; its descriptor stays alive for the objects of it.
    void RemoveAt(uint32_t index) override;

private:
    CClassInfo* FindOnce(const char* name, int32_t* index);

    CDynamicArray<CClassInfo*> m_Items;
    bool m_ClassesSorted;
};

// Built on first use, by whichever static initialiser registers first, and
// never torn down.
CClassRegistry& GetClassRegistry();

// Builds the class through its getter and registers it; a static
// initialiser in each reflected class's source calls it once.
bool RegisterClassInfo(CClassInfo* (*getter)());

// Every registered class that derives from the base (or is it) and can be
// created, in registry order: the class chooser and the object-pointer
// editor offer these, grouped by each class's category path.
void ListCreatableClasses(const CClassInfo* base, CDynamicArray<CClassInfo*>& out);
