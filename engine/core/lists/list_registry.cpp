#include "engine/core/lists/list_registry.h"

#include "engine/core/program/loading_messages.h"
#include "engine/core/lists/object_file_name_hooks.h"

CListRegistry& GetListRegistry()
{
    static CListRegistry* registry = new CListRegistry;
    return *registry;
}

const char* CListRegistry::GetName(uint32_t index)
{
    return index < m_Entries.GetCount() ? m_Entries[index].listName.GetText() : nullptr;
}

CString CListRegistry::GetNameString(uint32_t index)
{
    return index < m_Entries.GetCount() ? m_Entries[index].listName : CString();
}

uint32_t CListRegistry::GetCount()
{
    return m_Entries.GetCount();
}

int32_t CListRegistry::Register(const char* listName, const char* folder, CResourceLibraryBase* list,
                                ReferenceFactory referenceFactory, int32_t flag)
{
    static bool hookAdded = false;
    if (!hookAdded)
    {
        AddObjectFileNameHook(LocateObjectInLists);
        hookAdded = true;
    }

    CListRegistryEntry entry;
    entry.listName = listName;
    entry.folder = folder;
    entry.list = list;
    entry.referenceFactory = referenceFactory;
    entry.flag = flag;
    return static_cast<int32_t>(m_Entries.Add(entry));
}

void CListRegistry::Unregister(VirtualArray* list)
{
    for (uint32_t i = m_Entries.GetCount(); i-- > 0;)
    {
        if (m_Entries[i].list == list)
            m_Entries.RemoveAt(i);
    }
}

CListRegistryEntry* CListRegistry::FindEntry(VirtualArray* list)
{
    const int32_t index = IndexOf(list);
    return index != -1 ? &m_Entries[static_cast<uint32_t>(index)] : nullptr;
}

int32_t CListRegistry::IndexOf(VirtualArray* list)
{
    for (uint32_t i = 0; i < m_Entries.GetCount(); i++)
    {
        if (m_Entries[i].list == list)
            return static_cast<int32_t>(i);
    }
    return -1;
}

bool CListRegistry::FindObject(CObject* object, int32_t& listIndex, int32_t& itemIndex)
{
    for (uint32_t i = 0; i < m_Entries.GetCount(); i++)
    {
        const int32_t index = m_Entries[i].list->IndexOfObject(object);
        if (index != -1)
        {
            listIndex = static_cast<int32_t>(i);
            itemIndex = index;
            return true;
        }
    }
    return false;
}

void CListRegistry::LoadAll()
{
    for (CListRegistryEntry& entry : m_Entries)
    {
        if (entry.folder.HasText())
            entry.list->Init(nullptr, entry.folder.GetText(), 0);
    }
}

void CListRegistry::ClearUsageFlags()
{
    for (CListRegistryEntry& entry : m_Entries)
        entry.list->ClearUsedFlags();
}

void CListRegistry::DisposeAll()
{
    for (uint32_t i = m_Entries.GetCount(); i-- > 0;)
    {
        CString message;
        message.Format("Disposing of all items in the \"%s\" list...", m_Entries[i].listName.GetText());
        ShowLoadingMessage(GetLoadingMessageWriter(), message.GetText(), true, 0);
        DisposeListItems(m_Entries[i].list);
    }
    ShowLoadingMessage(GetLoadingMessageWriter(), "Finished disposing of all items in all lists.", true, 0);
}

bool LocateObjectInLists(CObject* object, CString& path)
{
    CListRegistry& registry = GetListRegistry();
    for (uint32_t i = 0; i < registry.GetCount(); i++)
    {
        if (registry.GetEntry(i).list->GetObjectFilePath(object, path))
            return true;
    }
    return false;
}

void DisposeListItems(CResourceLibraryBase* list)
{
    if (!list->IsEnumerated())
        return;
    for (uint32_t i = 0; i < list->GetCount(); i++)
    {
        if (list->IsItemLoaded(i))
            list->UnloadItem(i);
    }
}
