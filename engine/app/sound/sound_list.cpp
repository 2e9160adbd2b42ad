#include "engine/app/sound/sound_list.h"

#include <algorithm>

#include "engine/app/sound/sound.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/app/sound/sound_names.h"
#include "engine/core/files/enumerate_files.h"
#include "engine/core/files/file_search.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/lists/list_folder_tree.h"
#include "engine/core/lists/list_registry.h"
#include "engine/core/program/profiler.h"

namespace {

CProfileSection g_ReFindingSection("SoundReFinding");
CProfileSection g_NeverFoundSection("SoundReFinding_NeverFound");

} // namespace

// Receives the enumerated names of the sound folder.
class CSoundList::CMountSink : public CFileSink
{
public:
    explicit CMountSink(CDynamicArray<Item>& items)
        : m_Items(items)
    {
    }

    uint32_t GetCount() override { return m_Items.GetCount(); }

    uint32_t Add(const char* name, const FileInformation&) override
    {
        Item item;
        item.name = name;
        return m_Items.Add(std::move(item));
    }

    bool Contains(const char* name) override
    {
        for (const Item& item : m_Items)
        {
            if (item.name.CompareNoCase(name) == 0)
                return true;
        }
        return false;
    }

private:
    CDynamicArray<Item>& m_Items;
};

CSoundList::CSoundList()
    : m_pFolderTree(nullptr)
    , m_ListName("Sound List")
    , m_Mounted(false)
{
}

CSoundList::~CSoundList()
{
    GetListRegistry().Unregister(this);
    DeleteItems();
    delete m_pFolderTree;
}

CSoundList& GetSoundList()
{
    static CSoundList list;
    return list;
}

void CSoundList::DeleteItems()
{
    for (Item& item : m_Items)
        GetSoundManager().DeleteSound(item.sound);
    m_Items.Clear();
}

CSound* CSoundList::CreateDeferredSound(const CString& name)
{
    CString path = m_Folder;
    path += name;
    CSound* sound = GetSoundManager().CreateSound();
    sound->LoadFromName(path.GetText(), false, true);
    return sound;
}

uint32_t CSoundList::Mount(const char* listName, const char* folder, const char* extension1, const char* extension2)
{
    m_DisplayFolder = folder;
    if (!GetListRegistry().FindEntry(this))
        GetListRegistry().Register(listName, "", this, nullptr);
    m_Folder = folder;
    if (m_Folder.HasText() && m_Folder[m_Folder.GetLength() - 1] != '/' && m_Folder[m_Folder.GetLength() - 1] != '\\')
        m_Folder += "/";
    DeleteItems();
    m_Sorted = false;

    CSearchSpec search;
    search.SetFolderAndExtension(m_Folder.GetText(), extension1);
    search.AddExtension(extension2);
    CMountSink sink(m_Items);
    EnumerateFiles(sink, search, 0);

    const uint32_t prefix = m_Folder.GetLength();
    for (Item& item : m_Items)
    {
        if (item.name.CompareNoCaseN(m_Folder, prefix) == 0)
            item.name.Delete(0, prefix);
        item.sound = CreateDeferredSound(item.name);
    }
    std::sort(m_Items.begin(), m_Items.end(), [](const Item& a, const Item& b) {
        return CompareItemNames(a.name.GetText(), b.name.GetText()) < 0;
    });
    m_Sorted = true;
    m_Mounted = true;
    if (!m_pFolderTree)
        m_pFolderTree = new CListFolderTree(this);
    else
        m_pFolderTree->Rebuild(this);
    return m_Items.GetCount();
}

int32_t CSoundList::FindSound(const char* name, int32_t hint)
{
    const int32_t index = BinarySearch(name, hint);
    if (index != -1)
        return index;
    CProfileScope scope(g_ReFindingSection);
    const CString other = SwapSoundExtension(name);
    if (other.HasText())
    {
        const int32_t found = FindWithAlias(other.GetText(), -1);
        if (found != -1)
            return found;
    }
    const int32_t byFileName = FindByFileName(name);
    if (byFileName == -1)
    {
        CProfileScope neverFound(g_NeverFoundSection);
    }
    return byFileName;
}

int32_t CSoundList::Find(const CString& key, int32_t hint)
{
    return FindSound(key.GetText(), hint);
}

int32_t CSoundList::Find(const char* key, int32_t hint)
{
    return FindSound(key, hint);
}

void CSoundList::PlayItem(uint32_t index)
{
    Item& item = m_Items[index];
    item.usage.Touch();
    item.sound->SetListIndex(static_cast<int32_t>(index));
    item.sound->PlayBuffer(1);
}

bool CSoundList::PlayByName(const char* name)
{
    if (m_Items.GetCount() == 0)
        return false;
    const int32_t index = FindSound(name, -1);
    if (index == -1)
        return false;
    PlayItem(static_cast<uint32_t>(index));
    return true;
}

bool CSoundList::PlayByIndex(int32_t index)
{
    if (!IsIndex(index))
        return false;
    PlayItem(static_cast<uint32_t>(index));
    return true;
}

CSound* CSoundList::CreateInstance(int32_t index)
{
    if (!IsIndex(index))
        return nullptr;
    Item& item = m_Items[static_cast<uint32_t>(index)];
    item.usage.Touch();
    item.sound->SetListIndex(index);
    CSound* sound = GetSoundManager().CreateSound();
    sound->DuplicateFrom(item.sound);
    item.instances++;
    return sound;
}

void CSoundList::ReleaseInstance(int32_t index)
{
    if (IsIndex(index) && m_Items[static_cast<uint32_t>(index)].instances > 0)
        m_Items[static_cast<uint32_t>(index)].instances--;
}

void CSoundList::LoadAll()
{
    for (Item& item : m_Items)
        item.sound->Preload();
}

uint32_t CSoundList::GetItemDataBytes(uint32_t index)
{
    return index < m_Items.GetCount() ? m_Items[index].sound->GetDataBytes() : 0;
}

CSound* CSoundList::GetSound(int32_t index)
{
    return IsIndex(index) ? m_Items[static_cast<uint32_t>(index)].sound : nullptr;
}

const char* CSoundList::GetName(uint32_t index)
{
    return index < m_Items.GetCount() ? m_Items[index].name.GetText() : nullptr;
}

CString CSoundList::GetNameString(uint32_t index)
{
    return index < m_Items.GetCount() ? m_Items[index].name : CString();
}

CString CSoundList::GetListName()
{
    return m_ListName;
}

bool CSoundList::IsItemLoaded(uint32_t index)
{
    return index < m_Items.GetCount() && m_Items[index].sound->IsLoaded();
}

CListFolderTree* CSoundList::GetFolderTree()
{
    return m_pFolderTree;
}

void CSoundList::TouchItem(uint32_t index)
{
    if (index >= m_Items.GetCount())
        return;
    Item& item = m_Items[index];
    item.sound->Preload();
    item.usage.m_Used = true;
    item.sound->SetListIndex(static_cast<int32_t>(index));
}

bool CSoundList::HasItemAction()
{
    return true;
}

const char* CSoundList::GetItemActionCaption()
{
    return "Play";
}

void CSoundList::DoItemAction(uint32_t index)
{
    PlayByIndex(static_cast<int32_t>(index));
}

void CSoundList::ActivateItem(uint32_t index)
{
    PlayByIndex(static_cast<int32_t>(index));
}

uint32_t CSoundList::GetCount()
{
    return m_Items.GetCount();
}

CResourceUsage& CSoundList::GetUsage(uint32_t index)
{
    return m_Items[index].usage;
}

CObject* CSoundList::GetItemEnsured(uint32_t index)
{
    if (index < m_Items.GetCount())
        m_Items[index].sound->Preload();
    return nullptr;
}

void CSoundList::UnloadItem(uint32_t index)
{
    if (index >= m_Items.GetCount())
        return;
    Item& item = m_Items[index];
    if (!item.sound->IsLoaded() || item.instances > 0)
        return;
    item.usage.MarkUnloaded();
    GetSoundManager().DeleteSound(item.sound);
    item.sound = CreateDeferredSound(item.name);
}
