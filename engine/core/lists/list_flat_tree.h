#pragma once

#include "engine/core/lists/tree_source.h"

// A list without folders shown as a tree: the root (handle -1) holds every
// item, and an item's handle is its index.
class CListFlatTree : public CTreeSource
{
public:
    explicit CListFlatTree(VirtualArray* list);

    int32_t GetRoot() override;
    int32_t GetParent(int32_t handle) override;
    CString GetName(int32_t handle) override;
    CString GetDisplayName(int32_t handle) override;
    uint32_t GetChildCount(int32_t handle) override;
    int32_t GetChild(int32_t handle, uint32_t index) override;
    VirtualArray* GetList() override;
    bool IsShown(int32_t handle) override;
    bool IsEnabled(int32_t handle) override;

private:
    VirtualArray* m_pList;
};
