#include "engine/object/recorded_calls/stream_call_table.h"

#include "engine/object/recorded_calls/stream_call.h"

CStreamCallTable::CStreamCallTable(const CPoolArray<CStreamCall*>& calls)
    : m_Calls(calls)
{
}

const char* CStreamCallTable::GetName(uint32_t index)
{
    return index < m_Calls.GetCount() ? m_Calls[index]->GetName() : nullptr;
}

CString CStreamCallTable::GetNameString(uint32_t index)
{
    return CString(GetName(index));
}

uint32_t CStreamCallTable::GetCount()
{
    return m_Calls.GetCount();
}

// The selection is sorted byte-wise, item names compare with letters folded;
// the two orders differ as soon as a name holds lower-case letters where
// another holds '_' or upper case.
void CStreamCallTable::UpdateSortedFlag()
{
    m_Sorted = true;
    for (uint32_t i = 1; i < m_Calls.GetCount(); i++)
        if (CompareItemNames(m_Calls[i - 1]->GetName(), m_Calls[i]->GetName()) > 0)
            m_Sorted = false;
}
