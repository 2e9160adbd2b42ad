#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/lists/tree_source.h"

// Groups the items of a list by the folders in their names ("Levels/Easy/
// Round1" sits in folder Easy of folder Levels), for the editor's browsers
// and choosers. The owner rebuilds it whenever the list's items change.
//
// A handle below the item count of the last rebuild is an item index; the
// folders follow, the root first. Handles are indices, never addresses, so a
// handle kept across a rebuild names some node of the new tree or none, and
// a handle that names none is answered as an empty node.
class CListFolderTree : public CTreeSource
{
public:
    explicit CListFolderTree(VirtualArray* list);
    ~CListFolderTree() override;

    void Rebuild(VirtualArray* list);

    int32_t GetRoot() override;
    int32_t GetParent(int32_t handle) override;
    // A folder's name, or an item's name after its last '/' or '\'.
    CString GetName(int32_t handle) override;
    CString GetDisplayName(int32_t handle) override;
    uint32_t GetChildCount(int32_t handle) override;
    // A folder's items in list order, then its sub-folders in the order
    // they were first met.
    int32_t GetChild(int32_t handle, uint32_t index) override;
    VirtualArray* GetList() override;
    bool IsShown(int32_t handle) override;
    bool IsEnabled(int32_t handle) override;

    CListFolderTree(const CListFolderTree&) = delete;
    CListFolderTree& operator=(const CListFolderTree&) = delete;

private:
    struct CFolder
    {
        CString name;
        CDynamicArray<uint32_t> items;
        CDynamicArray<uint32_t> folders;
        int32_t parent = -1;
    };

    void DeleteFolders();
    uint32_t AddFolder(const CString& name, int32_t parent);
    uint32_t FindOrCreateFolder(uint32_t folder, const CString& path);
    uint32_t FindOrCreateSubFolder(uint32_t folder, const CString& name);
    bool IsItem(int32_t handle) const;
    CFolder* GetFolder(int32_t handle);
    int32_t GetFolderHandle(uint32_t folder) const;

    VirtualArray* m_pList;
    uint32_t m_ItemCount;
    CDynamicArray<CFolder*> m_Folders; // owned; the root is folder 0
    CDynamicArray<uint32_t> m_ItemFolders; // the folder of each item
};
