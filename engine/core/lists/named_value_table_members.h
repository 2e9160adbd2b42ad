#pragma once

// The members of CNamedValueTable, for a layer that keeps named values of a
// type of its own (blit types by name) and instantiates the table for it.
#include "engine/core/lists/named_value_list.h"

template <typename T>
CNamedValueTable<T>::~CNamedValueTable()
{
    RemoveAll();
}

template <typename T>
int32_t CNamedValueTable<T>::Add(const CString& name, T value)
{
    m_Entries.Append(new Entry{name, CString(), true, value});
    return static_cast<int32_t>(m_Entries.GetCount() - 1);
}

template <typename T>
int32_t CNamedValueTable<T>::Add(const char* name, T value)
{
    return Add(CString(name), value);
}

template <typename T>
int32_t CNamedValueTable<T>::FindValue(T value)
{
    for (uint32_t i = 0; i < m_Entries.GetCount(); i++)
    {
        if (m_Entries[i]->value == value)
            return static_cast<int32_t>(i);
    }
    return -1;
}

template <typename T>
CNamedValueTable<T>* CNamedValueTable<T>::Clone() const
{
    CNamedValueTable* copy = new CNamedValueTable;
    for (const Entry* entry : m_Entries)
        copy->Add(entry->name, entry->value);
    return copy;
}

template <typename T>
const char* CNamedValueTable<T>::GetName(uint32_t index)
{
    return index < m_Entries.GetCount() ? m_Entries[index]->name.GetText() : nullptr;
}

template <typename T>
CString CNamedValueTable<T>::GetNameString(uint32_t index)
{
    return index < m_Entries.GetCount() ? m_Entries[index]->name : CString();
}

template <typename T>
const CString& CNamedValueTable<T>::GetItemText(uint32_t index)
{
    return m_Entries[index]->text;
}

template <typename T>
void CNamedValueTable<T>::SetItemText(uint32_t index, const CString& text)
{
    m_Entries[index]->text = text;
}

template <typename T>
int32_t CNamedValueTable<T>::Find(const CString& key, int32_t hint)
{
    const uint32_t count = m_Entries.GetCount();
    if (static_cast<uint32_t>(hint) < count && m_Entries[hint]->name.CompareNoCase(key) == 0)
        return hint;
    for (uint32_t i = 0; i < count; i++)
    {
        if (m_Entries[i]->name.CompareNoCase(key) == 0)
            return static_cast<int32_t>(i);
    }
    return FindByFileName(key);
}

template <typename T>
int32_t CNamedValueTable<T>::Find(const char* key, int32_t hint)
{
    return Find(CString(key), hint);
}

template <typename T>
void CNamedValueTable<T>::RemoveAll()
{
    while (m_Entries.GetCount() != 0)
    {
        const uint32_t last = m_Entries.GetCount() - 1;
        delete m_Entries[last];
        m_Entries.RemoveAt(last);
    }
}

template <typename T>
int32_t CNamedValueTable<T>::AddByName(const CString& name)
{
    return Add(name, T());
}

template <typename T>
int32_t CNamedValueTable<T>::AddByName(const char* name)
{
    return Add(CString(name), T());
}

template <typename T>
void CNamedValueTable<T>::RemoveAt(uint32_t index)
{
    if (index >= m_Entries.GetCount())
        return;
    delete m_Entries[index];
    m_Entries.RemoveAt(index);
}

template <typename T>
void CNamedValueTable<T>::Swap(uint32_t first, uint32_t second)
{
    Entry* entry = m_Entries[first];
    m_Entries[first] = m_Entries[second];
    m_Entries[second] = entry;
}

template <typename T>
uint32_t CNamedValueTable<T>::GetCount()
{
    return m_Entries.GetCount();
}

template <typename T>
bool CNamedValueTable<T>::GetItemFlag(uint32_t index)
{
    return m_Entries[index]->flag;
}

template <typename T>
void CNamedValueTable<T>::SetItemFlag(uint32_t index, bool flag)
{
    m_Entries[index]->flag = flag;
}
