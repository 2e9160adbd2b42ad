#include "engine/core/lists/enum_name_table.h"

CEnumNameTable::CEnumNameTable(const CEnumNameRow* rows)
    : m_pRows(rows)
    , m_RowCount(0)
{
    while (rows[m_RowCount].name != nullptr)
        m_RowCount++;
}

const char* CEnumNameTable::GetName(uint32_t index)
{
    return index < m_RowCount ? m_pRows[index].name : nullptr;
}

CString CEnumNameTable::GetNameString(uint32_t index)
{
    return CString(GetName(index));
}

int32_t CEnumNameTable::Find(const CString&, int32_t)
{
    return -1;
}

int32_t CEnumNameTable::Find(const char* key, int32_t hint)
{
    if (static_cast<uint32_t>(hint) < m_RowCount && CompareItemNames(m_pRows[hint].name, key) == 0)
        return hint;
    for (uint32_t i = 0; i < m_RowCount; i++)
    {
        if (CompareItemNames(m_pRows[i].name, key) == 0)
            return static_cast<int32_t>(i);
    }
    for (uint32_t i = 0; i < m_RowCount; i++)
    {
        if (m_pRows[i].legacyName != nullptr && CompareItemNames(m_pRows[i].legacyName, key) == 0)
            return static_cast<int32_t>(i);
    }
    return FindByFileName(key);
}

uint32_t CEnumNameTable::GetCount()
{
    return m_RowCount;
}
