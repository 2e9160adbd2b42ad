#include "engine/core/lists/resource_ref.h"

CResourceRef::CResourceRef(VirtualArray* list, int32_t itemIndex)
    : m_pList(list)
    , m_ItemIndex(itemIndex)
{
}

CResourceRef::~CResourceRef() = default;

bool CResourceRef::HandlePress(int32_t, CPoint)
{
    return false;
}
