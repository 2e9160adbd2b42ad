#include "engine/core/lists/list_flat_tree.h"

#include "engine/core/lists/virtual_array.h"

static const int32_t ROOT_HANDLE = -1;

CListFlatTree::CListFlatTree(VirtualArray* list)
    : m_pList(list)
{
}

int32_t CListFlatTree::GetRoot()
{
    return ROOT_HANDLE;
}

int32_t CListFlatTree::GetParent(int32_t)
{
    return ROOT_HANDLE;
}

CString CListFlatTree::GetName(int32_t handle)
{
    return handle == ROOT_HANDLE ? m_pList->GetListName() : m_pList->GetNameString(static_cast<uint32_t>(handle));
}

CString CListFlatTree::GetDisplayName(int32_t handle)
{
    return handle == ROOT_HANDLE ? m_pList->GetListName() : m_pList->GetItemDisplayName(static_cast<uint32_t>(handle));
}

uint32_t CListFlatTree::GetChildCount(int32_t handle)
{
    return handle == ROOT_HANDLE ? m_pList->GetCount() : 0;
}

int32_t CListFlatTree::GetChild(int32_t handle, uint32_t index)
{
    return handle == ROOT_HANDLE ? static_cast<int32_t>(index) : -1;
}

VirtualArray* CListFlatTree::GetList()
{
    return m_pList;
}

bool CListFlatTree::IsShown(int32_t handle)
{
    return handle == ROOT_HANDLE || m_pList->GetItemFlag(static_cast<uint32_t>(handle));
}

bool CListFlatTree::IsEnabled(int32_t handle)
{
    return handle == ROOT_HANDLE || m_pList->IsItemEnabled(static_cast<uint32_t>(handle));
}
