#include "tests/support/test_name_list.h"

CTestNameList::CTestNameList(const std::vector<const char*>& names, bool sorted)
{
    for (const char* name : names)
        m_Names.push_back(CString(name));
    m_Sorted = sorted;
}

const char* CTestNameList::GetName(uint32_t index)
{
    if (index >= m_Names.size())
        return nullptr;
    probes.push_back(index);
    return m_Names[index].GetText();
}

CString CTestNameList::GetNameString(uint32_t index)
{
    return index < m_Names.size() ? m_Names[index] : CString();
}

uint32_t CTestNameList::GetCount()
{
    return static_cast<uint32_t>(m_Names.size());
}

CString CTestNameList::GetListName()
{
    return m_ListName;
}

const char* CTestNameList::GetFolder()
{
    return m_pFolder;
}
