#include "engine/core/files/file_sink.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/core/files/enumerate_files.h"
#include "engine/core/program/error_report.h"

bool OfferFile(CFileSink& sink, const char* name, uint32_t size, uint64_t lastWriteTime)
{
    if (sink.Contains(name))
        return false;
    sink.Add(name, FileInformation{size, lastWriteTime});
    return true;
}

uint32_t CFileCountingSink::Add(const char*, const FileInformation&)
{
    return ++m_Count;
}

bool CFileCountingSink::Contains(const char*)
{
    return false;
}

CFileNameBuffer::CFileNameBuffer(char* buffer, uint32_t stride, uint32_t maxCount, uint8_t* information)
    : m_pBuffer(buffer), m_Stride(stride), m_MaxLength(stride - 1), m_MaxCount(maxCount),
      m_pInformation(information), m_Count(0)
{
}

uint32_t CFileNameBuffer::Add(const char* name, const FileInformation& information)
{
    size_t length = std::strlen(name);
    if (length > m_MaxLength)
    {
        CString text;
        text.Format("\"%s\" is an illegal file name because it is more than %d characters long", name,
                    static_cast<int>(m_MaxLength));
        ShowErrorReport("Illegal file name", text.GetText());
        ExitAfterFatalError();
    }
    if (m_Count >= m_MaxCount)
        return m_Count;
    size_t slot = static_cast<size_t>(m_Count) * m_Stride;
    std::memcpy(m_pBuffer + slot, name, length + 1);
    if (m_pInformation)
        std::memcpy(m_pInformation + slot, &information.size, sizeof(information.size));
    return ++m_Count;
}

bool CFileNameBuffer::Contains(const char* name)
{
    for (uint32_t i = 0; i < m_Count; i++)
        if (CompareItemNames(GetName(i), name) == 0)
            return true;
    return false;
}

void CFileNameBuffer::Sort()
{
    std::vector<uint32_t> order(m_Count);
    for (uint32_t i = 0; i < m_Count; i++)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [this](uint32_t a, uint32_t b) { return CompareItemNames(GetName(a), GetName(b)) < 0; });

    size_t bytes = static_cast<size_t>(m_Count) * m_Stride;
    std::vector<char> names(m_pBuffer, m_pBuffer + bytes);
    std::vector<uint8_t> information(m_pInformation ? m_pInformation : nullptr,
                                     m_pInformation ? m_pInformation + bytes : nullptr);
    for (uint32_t i = 0; i < m_Count; i++)
    {
        size_t to = static_cast<size_t>(i) * m_Stride;
        size_t from = static_cast<size_t>(order[i]) * m_Stride;
        std::memcpy(m_pBuffer + to, names.data() + from, m_Stride);
        if (m_pInformation)
            std::memcpy(m_pInformation + to, information.data() + from, sizeof(uint32_t));
    }
}

const char* CFileNameList::GetName(uint32_t index)
{
    return index < m_Entries.GetCount() ? m_Entries[index].name.GetText() : nullptr;
}

CString CFileNameList::GetNameString(uint32_t index)
{
    return index < m_Entries.GetCount() ? m_Entries[index].name : CString();
}

uint32_t CFileNameList::Add(const char* name, const FileInformation& information)
{
    Entry entry;
    entry.name = name;
    entry.size = information.size;
    entry.timeLow = static_cast<uint32_t>(information.lastWriteTime);
    entry.timeHigh = static_cast<uint32_t>(information.lastWriteTime >> 32);
    m_Entries.Add(entry);
    return m_Entries.GetCount();
}

bool CFileNameList::Contains(const char* name)
{
    for (const Entry& entry : m_Entries)
        if (CompareItemNames(entry.name.GetText(), name) == 0)
            return true;
    return false;
}

void CFileNameList::Fill(const CSearchSpec& search, uint32_t flags)
{
    RemoveAll();
    EnumerateFiles(*this, search, flags);
}
