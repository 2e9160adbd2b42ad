#include "engine/object/class_registry.h"

#include <algorithm>

#include "engine/core/program/error_report.h"
#include "engine/core/localization/localized_string.h"
#include "engine/object/class_info.h"

namespace
{
CLocalizedString s_FatalErrorTitle("FATAL ERROR!");
// Listed for translators beside the title; no path shows it.
CLocalizedString s_CorruptedInstallText(
    "The executable or data file appears to have become corrupted. Please reinstall the product, or contact the "
    "vendor for assistance.");

[[noreturn]] void ReportUnusableClass(const char* name, bool isAbstract)
{
    CString text;
    if (isAbstract)
        text.Format("Tried to use a class named \"%s\" but that class is an Abstract Base Class (ABC) and can not be used.", name);
    else
        text.Format("Tried to use a class named \"%s\" but there is no class with that name.", name);

    const CString& fileName = CurrentFileName();
    if (fileName.HasText())
        text.AppendFormat("  The bad class name is used in the file \"%s\"", fileName.GetText());
    else
        text.Append("  Problem originates in an unknown location.");
    text.AppendFormat("\r\n\r\nThis error could also mean that you (or some one else) manually edited \"%s\" and "
                      "accidentally typed \"%s\" when you ment to type something else.",
                      fileName.GetText(), name);
    text.Append("\r\n\r\nFinally, if this project is using the Molvarant libs and the class in question is not "
                "referenced anywhere in the code then it will not be linked in. This can be fixed by adding a "
                "SGetClassInfo() call on that class at some point in the application.");

    ShowErrorReport(s_FatalErrorTitle.GetText().GetText(), text.GetText());
    ExitAfterFatalError();
}
}

CClassRegistry::CClassRegistry()
    : m_ClassesSorted(false)
{
}

bool CClassRegistry::Add(CClassInfo* classInfo)
{
    // Exact names only: a class whose name is another's old name is a class
    // of its own, not a newer version of that one.
    for (uint32_t i = 0; i < m_Items.GetCount(); i++)
    {
        if (CompareItemNames(m_Items[i]->GetClassName(), classInfo->GetClassName()) != 0)
            continue;
        if (classInfo->GetVersion() <= m_Items[i]->GetVersion())
            return false;
        RemoveAt(i);
        break;
    }
    m_ClassesSorted = false;
    m_Items.Add(classInfo);
    return true;
}

CClassInfo* CClassRegistry::FindOnce(const char* name, int32_t* index)
{
    int32_t found = -1;
    if (m_ClassesSorted)
    {
        found = BinarySearch(name, -1);
    }
    else
    {
        for (uint32_t i = 0; i < m_Items.GetCount(); i++)
            if (CompareItemNames(m_Items[i]->GetClassName(), name) == 0)
                found = static_cast<int32_t>(i);
    }
    if (found == -1)
    {
        for (uint32_t i = m_Items.GetCount(); i-- > 0;)
        {
            if (m_Items[i]->HasOldName(name))
            {
                found = static_cast<int32_t>(i);
                break;
            }
        }
    }
    if (index != nullptr)
        *index = found;
    return found != -1 ? m_Items[static_cast<uint32_t>(found)] : nullptr;
}

CClassInfo* CClassRegistry::Find(const char* name, int32_t* index)
{
    CClassInfo* found = FindOnce(name, index);
    if (found != nullptr || name[0] == 'C')
        return found;
    CString prefixed("C");
    prefixed.Append(name);
    return FindOnce(prefixed.GetText(), index);
}

CObject* CClassRegistry::CreateByName(const char* name)
{
    CClassInfo* classInfo = Find(name);
    if (classInfo == nullptr || classInfo->IsAbstract())
        ReportUnusableClass(name, classInfo != nullptr);
    return classInfo->CreateObject();
}

int32_t CClassRegistry::IndexOf(const CClassInfo* classInfo) const
{
    for (uint32_t i = 0; i < m_Items.GetCount(); i++)
        if (m_Items[i] == classInfo)
            return static_cast<int32_t>(i);
    return -1;
}

CClassInfo* CClassRegistry::GetAt(uint32_t index) const
{
    return index < m_Items.GetCount() ? m_Items[index] : nullptr;
}

void CClassRegistry::Sort()
{
    std::sort(m_Items.begin(), m_Items.end(), [](const CClassInfo* a, const CClassInfo* b) {
        return CompareItemNames(a->GetClassName(), b->GetClassName()) < 0;
    });
    m_ClassesSorted = true;
}

const char* CClassRegistry::GetName(uint32_t index)
{
    return index < m_Items.GetCount() ? m_Items[index]->GetClassName() : nullptr;
}

CString CClassRegistry::GetNameString(uint32_t index)
{
    return CString(GetName(index));
}

uint32_t CClassRegistry::GetCount()
{
    return m_Items.GetCount();
}

void CClassRegistry::RemoveAt(uint32_t index)
{
    m_Items.RemoveAt(index);
}

CClassRegistry& GetClassRegistry()
{
    static constinit CClassRegistry* s_pRegistry = nullptr;
    if (s_pRegistry == nullptr)
        s_pRegistry = new CClassRegistry();
    return *s_pRegistry;
}

bool RegisterClassInfo(CClassInfo* (*getter)())
{
    return GetClassRegistry().Add(getter());
}

void ListCreatableClasses(const CClassInfo* base, CDynamicArray<CClassInfo*>& out)
{
    CClassRegistry& registry = GetClassRegistry();
    for (uint32_t i = 0; i < registry.GetCount(); i++)
    {
        CClassInfo* classInfo = registry.GetAt(i);
        if (!classInfo->IsAbstract() && classInfo->IsKindOf(base))
            out.Add(classInfo);
    }
}
