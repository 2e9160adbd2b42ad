#include "engine/core/lists/tree_source.h"

CTreeSource::~CTreeSource() = default;

CString CTreeSource::GetDisplayName(int32_t handle)
{
    return GetName(handle);
}

CString CTreeSource::GetPath(int32_t handle)
{
    const int32_t root = GetRoot();
    if (handle == root)
        return CString();
    const int32_t parent = GetParent(handle);
    CString path;
    if (parent != root)
    {
        path = GetPath(parent);
        path += "/";
    }
    path += GetName(handle);
    return path;
}

VirtualArray* CTreeSource::GetList()
{
    return nullptr;
}

bool CTreeSource::IsShown(int32_t)
{
    return true;
}

bool CTreeSource::IsEnabled(int32_t)
{
    return true;
}
