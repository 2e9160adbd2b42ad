#include "game/bricks/named_object_table.h"

void NamedObjectTable::Add(const CString& name, CBrickBase* brick)
{
    m_Names.Add(name);
    m_Bricks.Add(brick);
}

bool NamedObjectTable::Find(const CString& name, CBrickBase*& brick) const
{
    for (uint32_t i = 0; i < m_Names.GetCount(); i++)
    {
        if (m_Names[i].CompareNoCase(name) == 0)
        {
            brick = m_Bricks[i];
            return true;
        }
    }
    return false;
}

void NamedObjectTable::Empty()
{
    m_Names.RemoveAll();
    m_Bricks.RemoveAll();
}

NamedObjectTable& GetNamedObjectTable()
{
    static NamedObjectTable table;
    return table;
}
