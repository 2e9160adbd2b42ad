#include "engine/core/program/profile_section_list.h"

const char* CProfileSectionList::GetName(uint32_t index)
{
    return index < m_Sections.GetCount() ? m_Sections[index]->GetName() : nullptr;
}

CString CProfileSectionList::GetNameString(uint32_t index)
{
    return CString(GetName(index));
}

uint32_t CProfileSectionList::GetCount()
{
    return m_Sections.GetCount();
}

void CProfileSectionList::Add(CProfileSection* section)
{
    m_Sections.Add(section);
}

CProfileSection* CProfileSectionList::GetSection(uint32_t index)
{
    return m_Sections[index];
}

CProfileSectionList& GetProfileSectionList()
{
    static CProfileSectionList list;
    return list;
}
