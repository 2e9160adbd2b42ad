#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

class VirtualArray;

// What a tree control walks: nodes named by 32-bit handles, so the control
// needs to know nothing of the list behind the tree.
class CTreeSource
{
public:
    virtual ~CTreeSource();

    virtual int32_t GetRoot() = 0;
    virtual int32_t GetParent(int32_t handle) = 0;
    // The node's own name, without its folders.
    virtual CString GetName(int32_t handle) = 0;
    virtual CString GetDisplayName(int32_t handle);
    // Empty for the root; otherwise the names from below the root down to the
    // node, joined by "/".
    virtual CString GetPath(int32_t handle);
    virtual uint32_t GetChildCount(int32_t handle) = 0;
    virtual int32_t GetChild(int32_t handle, uint32_t index) = 0;
    virtual VirtualArray* GetList();
    // Whether the node gets a row, and whether that row can be chosen: the
    // list's per-item answers; folders are always shown and enabled.
    virtual bool IsShown(int32_t handle);
    virtual bool IsEnabled(int32_t handle);
};
