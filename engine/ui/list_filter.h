#pragma once

#include <cstdint>

class CString;
class VirtualArray;

// Which items and folders a list box shows, owned by whoever sets it: the
// browsers narrow their lists by type or by a typed pattern this way.
class CListFilter
{
public:
    virtual ~CListFilter() = default;

    virtual bool AcceptItem(VirtualArray* list, uint32_t index) = 0;
    // The folder's "/" path from the root.
    virtual bool AcceptFolder(const CString& path) = 0;
};
