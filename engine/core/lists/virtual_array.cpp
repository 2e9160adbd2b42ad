#include "engine/core/lists/virtual_array.h"

#include "engine/core/messages/message_bus.h"
#include "engine/core/memory/dynamic_array.h"

CString& CurrentFileName()
{
    static CString* name = new CString("Program.EXE");
    return *name;
}

// Released ids are handed out again, the most recently released first, so
// ids stay small and dense for the tables indexed by them. Never torn down:
// lists destroyed at exit still give their ids back.
struct CListIdPool
{
    CPoolArray<int32_t> freeIds;
    int32_t nextId = 0;
};

static CListIdPool& GetListIdPool()
{
    static CListIdPool* pool = new CListIdPool;
    return *pool;
}

VirtualArray::VirtualArray()
    : m_Id(-1)
{
}

VirtualArray::~VirtualArray()
{
    if (m_Id == -1)
        return;
    CListIdPool& pool = GetListIdPool();
    if (m_Id == pool.nextId - 1)
        pool.nextId--;
    else
        pool.freeIds.Append(m_Id);
    m_Id = -1;
}

int32_t VirtualArray::GetId()
{
    if (m_Id != -1)
        return m_Id;
    CListIdPool& pool = GetListIdPool();
    const uint32_t freeCount = pool.freeIds.GetCount();
    if (freeCount != 0)
    {
        m_Id = pool.freeIds[freeCount - 1];
        pool.freeIds.RemoveAt(freeCount - 1);
    }
    else
    {
        m_Id = pool.nextId++;
    }
    return m_Id;
}

bool VirtualArray::NotifyItemAdded(uint32_t index)
{
    CItemAddedToVirtualArrayMessage message(this, static_cast<int32_t>(index));
    return BroadcastMessage(message);
}

const CString& VirtualArray::GetItemText(uint32_t)
{
    static const CString* empty = new CString;
    return *empty;
}

CString VirtualArray::GetItemDisplayName(uint32_t index)
{
    return GetNameString(index);
}

void VirtualArray::SetItemText(uint32_t, const CString&)
{
}

CString VirtualArray::GetListName()
{
    return CString();
}

const char* VirtualArray::GetFolder()
{
    return nullptr;
}

bool VirtualArray::HoldsObjects()
{
    return false;
}

CObject* VirtualArray::GetItem(uint32_t)
{
    return nullptr;
}

CClassInfo* VirtualArray::GetItemClass(uint32_t)
{
    return nullptr;
}

CObject* VirtualArray::GetItemIndirect(uint32_t index)
{
    return GetItem(index);
}

bool VirtualArray::IsItemLoaded(uint32_t)
{
    return false;
}

bool VirtualArray::IsItemLoading(uint32_t)
{
    return false;
}

CListFolderTree* VirtualArray::GetFolderTree()
{
    return nullptr;
}

void VirtualArray::TouchItem(uint32_t)
{
}

bool VirtualArray::HasItemAction()
{
    return false;
}

const char* VirtualArray::GetItemActionCaption()
{
    return "";
}

void VirtualArray::DoItemAction(uint32_t)
{
}

void VirtualArray::ActivateItem(uint32_t)
{
}

void VirtualArray::RemoveAll()
{
}

int32_t VirtualArray::AddByName(const CString&)
{
    return -1;
}

int32_t VirtualArray::AddByName(const char*)
{
    return -1;
}

CNewObjectRequest* VirtualArray::CreateNewItemChooser()
{
    return nullptr;
}

int32_t VirtualArray::AddFromRequest(CNewObjectRequest*)
{
    return -1;
}

void VirtualArray::RemoveAt(uint32_t)
{
}

void VirtualArray::Swap(uint32_t, uint32_t)
{
}

bool VirtualArray::GetItemFlag(uint32_t)
{
    return true;
}

void VirtualArray::SetItemFlag(uint32_t, bool)
{
}

bool VirtualArray::IsItemEnabled(uint32_t)
{
    return true;
}

CString VirtualArray::GetItemDescription(uint32_t)
{
    return CString();
}
