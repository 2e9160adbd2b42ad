#include "engine/object/recorded_calls/stream_symbol_maps.h"

#include "engine/core/lists/virtual_array.h"

CStreamSymbolMap::CStreamSymbolMap(VirtualArray* table, uint32_t count)
    : m_pTable(table)
    , m_Count(count)
    , m_pEntries(count != 0 ? new int32_t[count] : nullptr)
{
    for (uint32_t i = 0; i < count; i++)
        m_pEntries[i] = -1;
}

CStreamSymbolMap::~CStreamSymbolMap()
{
    delete[] m_pEntries;
}

CStreamSymbolMaps::CStreamSymbolMaps()
{
}

CStreamSymbolMaps::~CStreamSymbolMaps()
{
    DeleteAll();
    m_Maps.Free();
}

bool CStreamSymbolMaps::ReceiveMessage(CMessage& message)
{
    if (message.GetTypeId() != CItemAddedToVirtualArrayMessage::GetClassTypeId())
        return false;
    DeleteAll();
    return true;
}

// Ids are handed out again once a list is gone, so a map is only taken for
// the list it was made for.
CStreamSymbolMap* CStreamSymbolMaps::Find(VirtualArray& table)
{
    const uint32_t id = static_cast<uint32_t>(table.GetId());
    if (id >= m_Maps.GetCount() || m_Maps[id] == nullptr)
        return nullptr;
    if (m_Maps[id]->GetTable() != &table)
    {
        delete m_Maps[id];
        m_Maps[id] = nullptr;
        return nullptr;
    }
    return m_Maps[id];
}

CStreamSymbolMap& CStreamSymbolMaps::Create(VirtualArray& table, uint32_t count)
{
    const uint32_t id = static_cast<uint32_t>(table.GetId());
    while (m_Maps.GetCount() <= id)
        m_Maps.Append(nullptr);
    delete m_Maps[id];
    m_Maps[id] = new CStreamSymbolMap(&table, count);
    return *m_Maps[id];
}

void CStreamSymbolMaps::DeleteAll()
{
    for (CStreamSymbolMap*& map : m_Maps)
    {
        delete map;
        map = nullptr;
    }
}
