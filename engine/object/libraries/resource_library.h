#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/lists/list_registry.h"
#include "engine/core/strings/ref_string.h"
#include "engine/core/lists/resource_library_base.h"
#include "engine/core/lists/resource_usage.h"
#include "engine/object/libraries/library_catalogue.h"

class CClassInfo;
class CListFolderTree;
class CNewObjectRequest;
class CObject;

// One item of a library: its name, and its object while it is loaded.
struct CResourceLibraryItem
{
    // The file's path below the library folder with '/' between folders and
    // without extension; items of the extra folder keep that folder in front.
    CString m_Name;
    CObject* m_pObject = nullptr; // owned; null until loaded and after unloading
    bool m_Loading = false;       // only while the item's file is being read
    // The file's name starts with the '-' that the item name drops; it is
    // put back wherever the file is opened or saved.
    bool m_DashedFile = false;
    CResourceUsage m_Usage;
};

// The catalogue of one kind of data file: the objects of one item class (or
// of classes derived from it), one object file per item. A library lists its
// folder, loose files and mounted archives alike, on its first use, names
// each item by its file's path below the folder, and reads an item's file
// when the item's object is first asked for. An item that asks for itself
// while it is being read stops the program. Edited items are saved back to
// their own files; new items are saved at once under the folder.
//
// CResourceLibrary<T> below gives a library its item class; this part is
// the same for every item class.
class CObjectLibrary : public CResourceLibraryBase
{
public:
    using ItemClassGetter = CClassInfo* (*)();

    // The item class is asked for on use only: libraries are built by static
    // initialisers, perhaps before their item class's own.
    CObjectLibrary(ItemClassGetter itemClass, const CLibraryParameters& parameters);
    // With the catalogue's parameters; a library the catalogue marks so
    // registers itself with its folder here.
    CObjectLibrary(ItemClassGetter itemClass, ELibraryInstance instance);
    ~CObjectLibrary() override;

    // Named-list operations. Those that read names, counts or objects list
    // the folder first when that is still pending.
    const char* GetName(uint32_t index) override;  // null beyond the count
    CString GetNameString(uint32_t index) override;
    // The item's own "Name" where the catalogue says so (loading the item),
    // else its item name.
    CString GetItemDisplayName(uint32_t index) override;
    CString GetListName() override;
    const char* GetFolder() override;
    bool HoldsObjects() override;
    CObject* GetItem(uint32_t index) override;
    // Loads the item to ask its object.
    CClassInfo* GetItemClass(uint32_t index) override;
    bool IsItemLoaded(uint32_t index) override;
    bool IsItemLoading(uint32_t index) override;
    CListFolderTree* GetFolderTree() override;
    // Marks the item used and loads it; its first touch also preloads what
    // its object refers to. Indices beyond the count are ignored.
    void TouchItem(uint32_t index) override;
    void RemoveAll() override;
    using CResourceLibraryBase::AddByName;
    int32_t AddByName(const CString& name) override;
    // Null when the library has no extension to create files with.
    CNewObjectRequest* CreateNewItemChooser() override;
    // Sets the request's saved flag.
    int32_t AddFromRequest(CNewObjectRequest* request) override;
    uint32_t GetCount() override;

    // Usage and registry operations.
    CResourceUsage& GetUsage(uint32_t index) override;
    CObject* GetItemEnsured(uint32_t index) override;
    void UnloadItem(uint32_t index) override;
    CClassInfo* GetItemClassInfo() override;
    // Never starts the enumeration: an object of a pending library is none
    // of its items.
    bool GetObjectFilePath(CObject* object, CString& path) override;
    int32_t IndexOfObject(CObject* object) override;
    bool IsEnumerated() override;
    // Arms the enumeration for the first use; with a display name also
    // names the library and registers it (without folder).
    void Init(const char* displayName, const char* folder, int32_t flags) override;
    // Registers with the folder; the start-up arming of every registered
    // folder then initialises the library.
    void Register(const char* displayName, const char* folder) override;

    // What instances replace.
    virtual CObject* LoadItemFile(const char* folder, const char* fileName, CObject** out);
    virtual ReferenceFactory GetReferenceFactory();
    virtual const char* GetFallbackExtension();

    const char* GetExtraFolder() const { return m_Parameters.extraFolder; }
    uint32_t GetOpenFlags() const { return m_Parameters.openFlags; }

    void EnsureEnumerated();
    void Enumerate(const char* folderText, int32_t flags);
    // Any index not below the count (-1 included) stands for item 0. Counts
    // a use; null for an empty library or an item whose file does not read.
    CObject* GetItemObject(uint32_t index);
    // The item's object by name; a missing name is the fatal not-found report.
    CObject* GetByName(const char* name);
    void LoadAll();
    void LoadItem(uint32_t index);
    // Where the item's file is read from and saved to.
    virtual void GetItemFilePath(uint32_t index, CString& out);
    // "." + each extension, in order.
    void GetExtensions(CStringArray& out) const;
    void DeleteAllItems();

    // Adding items. A name the library already lists (letter case aside) is
    // refused with -1 and nothing is saved: the new item would overwrite the
    // old one's file. A new item's file is written at once; when that fails
    // the item stays and saved tells the caller.
    int32_t AddByName(const CString& name, bool& saved);
    // The library takes the object unless it refuses it; nothing is saved.
    int32_t AddItemWithObject(CObject* object, const char* name);
    // Writes the item's object to its own file, making its folder when it
    // is missing.
    bool SaveItem(uint32_t index);
    // Takes the item out of the list and deletes its object; its file stays.
    // Later items move down one index. Indices beyond the count are ignored.
    void RemoveAt(uint32_t index) override;

    // The enumeration's sink appends every name it finds; answers the count.
    uint32_t AddFoundFile(const char* name);

private:
    friend class CResourceLibrarySink;

    CString GetFirstExtension() const;
    void SplitFolderText(const char* folderText);
    void ShowEnumeratingMessage();
    void SearchFolder(const CString& searchRoot, int32_t flags);
    void SearchCacheFolder(CStringArray& stripped, CString& namesRoot, int32_t flags);
    void MakeFoundNames(const CString& namesRoot, const CStringArray& stripped);
    void AddExtraFolderItems(int32_t flags);
    void SortAndRemoveDuplicates();
    void RebuildFolderTree();
    int32_t IndexOfItemName(const CString& name) const;
    int32_t AppendItem(const CString& name, CObject* object);
    int32_t AddNewItem(const CString& requestedName, CClassInfo* itemClass, bool& saved);
    void GetItemPathWithoutExtension(const CResourceLibraryItem& item, CString& out) const;
    static void DeleteItem(CResourceLibraryItem* item);

    ItemClassGetter m_pItemClass;
    CLibraryParameters m_Parameters;
    CStringArray m_Extensions; // "." + each extension
    CPoolArray<CResourceLibraryItem*> m_Items;
    CString m_Folder;       // items are named relative to it
    CString m_SearchFolder; // what the enumeration searches
    const char* m_pDisplayName;
    CListFolderTree* m_pFolderTree;
    bool m_EnumerationPending;
    CString m_PendingFolder;
    int32_t m_EnumerationFlags;
};

// A library over the item class T.
template <typename T>
class CResourceLibrary : public CObjectLibrary
{
public:
    explicit CResourceLibrary(const CLibraryParameters& parameters)
        : CObjectLibrary(&T::SGetClassInfo, parameters)
    {
    }

    explicit CResourceLibrary(ELibraryInstance instance)
        : CObjectLibrary(&T::SGetClassInfo, instance)
    {
    }

    T* GetItemObject(uint32_t index) { return static_cast<T*>(CObjectLibrary::GetItemObject(index)); }
    T* GetByName(const char* name) { return static_cast<T*>(CObjectLibrary::GetByName(name)); }
};
