#include "engine/core/lists/list_folder_tree.h"

#include "engine/core/lists/virtual_array.h"

static const uint32_t ROOT_FOLDER = 0;

CListFolderTree::CListFolderTree(VirtualArray* list)
    : m_pList(nullptr)
    , m_ItemCount(0)
{
    Rebuild(list);
}

CListFolderTree::~CListFolderTree()
{
    DeleteFolders();
}

void CListFolderTree::DeleteFolders()
{
    for (CFolder* folder : m_Folders)
        delete folder;
    m_Folders.RemoveAll();
}

uint32_t CListFolderTree::AddFolder(const CString& name, int32_t parent)
{
    CFolder* folder = new CFolder;
    folder->name = name;
    folder->parent = parent;
    return m_Folders.Add(folder);
}

void CListFolderTree::Rebuild(VirtualArray* list)
{
    DeleteFolders();
    m_ItemFolders.RemoveAll();
    m_pList = list;
    m_ItemCount = list->GetCount();
    AddFolder(list->GetListName(), -1);

    for (uint32_t i = 0; i < m_ItemCount; i++)
    {
        const CString name = list->GetNameString(i);
        const int32_t slash = name.GetLength() != 0 ? name.FindChar('/', name.GetLength() - 1, false) : -1;
        uint32_t folder = ROOT_FOLDER;
        if (slash != -1)
        {
            CString path;
            name.Left(path, static_cast<uint32_t>(slash));
            folder = FindOrCreateFolder(ROOT_FOLDER, path);
        }
        m_Folders[folder]->items.Add(i);
        m_ItemFolders.Add(folder);
    }
}

// Walks the path one component at a time from the given folder, creating
// what is missing. Folder names compare ignoring case, and a folder keeps the
// spelling it was first met with.
uint32_t CListFolderTree::FindOrCreateFolder(uint32_t folder, const CString& path)
{
    const uint32_t length = path.GetLength();
    uint32_t start = 0;
    for (;;)
    {
        const int32_t slash = start < length ? path.FindChar('/', start, true) : -1;
        const uint32_t end = slash == -1 ? length : static_cast<uint32_t>(slash);
        CString component;
        path.Mid(component, start, end - start);
        folder = FindOrCreateSubFolder(folder, component);
        if (slash == -1 || end + 1 == length)
            return folder;
        start = end + 1;
    }
}

uint32_t CListFolderTree::FindOrCreateSubFolder(uint32_t folder, const CString& name)
{
    for (uint32_t child : m_Folders[folder]->folders)
    {
        if (m_Folders[child]->name.CompareNoCase(name) == 0)
            return child;
    }
    const uint32_t child = AddFolder(name, static_cast<int32_t>(folder));
    m_Folders[folder]->folders.Add(child);
    return child;
}

bool CListFolderTree::IsItem(int32_t handle) const
{
    return handle >= 0 && static_cast<uint32_t>(handle) < m_ItemCount;
}

CListFolderTree::CFolder* CListFolderTree::GetFolder(int32_t handle)
{
    if (handle < 0 || static_cast<uint32_t>(handle) < m_ItemCount)
        return nullptr;
    const uint32_t folder = static_cast<uint32_t>(handle) - m_ItemCount;
    return folder < m_Folders.GetCount() ? m_Folders[folder] : nullptr;
}

int32_t CListFolderTree::GetFolderHandle(uint32_t folder) const
{
    return static_cast<int32_t>(m_ItemCount + folder);
}

int32_t CListFolderTree::GetRoot()
{
    return GetFolderHandle(ROOT_FOLDER);
}

// A handle that names nothing is taken to hang from the root, so a walk up
// the tree always ends.
int32_t CListFolderTree::GetParent(int32_t handle)
{
    if (IsItem(handle))
        return GetFolderHandle(m_ItemFolders[static_cast<uint32_t>(handle)]);
    const CFolder* folder = GetFolder(handle);
    if (folder == nullptr)
        return GetRoot();
    return folder->parent == -1 ? -1 : GetFolderHandle(static_cast<uint32_t>(folder->parent));
}

CString CListFolderTree::GetName(int32_t handle)
{
    CString name;
    if (IsItem(handle))
    {
        SplitPath(m_pList->GetNameString(static_cast<uint32_t>(handle)), nullptr, &name);
    }
    else if (const CFolder* folder = GetFolder(handle))
    {
        name = folder->name;
    }
    return name;
}

CString CListFolderTree::GetDisplayName(int32_t handle)
{
    if (!IsItem(handle))
        return GetName(handle);
    CString name;
    SplitPath(m_pList->GetItemDisplayName(static_cast<uint32_t>(handle)), nullptr, &name);
    return name;
}

uint32_t CListFolderTree::GetChildCount(int32_t handle)
{
    const CFolder* folder = GetFolder(handle);
    return folder != nullptr ? folder->items.GetCount() + folder->folders.GetCount() : 0;
}

int32_t CListFolderTree::GetChild(int32_t handle, uint32_t index)
{
    if (IsItem(handle))
        return 0;
    const CFolder* folder = GetFolder(handle);
    if (folder == nullptr)
        return -1;
    const uint32_t itemCount = folder->items.GetCount();
    if (index < itemCount)
        return static_cast<int32_t>(folder->items[index]);
    if (index - itemCount < folder->folders.GetCount())
        return GetFolderHandle(folder->folders[index - itemCount]);
    return -1;
}

VirtualArray* CListFolderTree::GetList()
{
    return m_pList;
}

bool CListFolderTree::IsShown(int32_t handle)
{
    return !IsItem(handle) || m_pList->GetItemFlag(static_cast<uint32_t>(handle));
}

bool CListFolderTree::IsEnabled(int32_t handle)
{
    return !IsItem(handle) || m_pList->IsItemEnabled(static_cast<uint32_t>(handle));
}
