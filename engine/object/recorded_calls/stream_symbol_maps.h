#pragma once

#include <cstdint>

#include "engine/core/messages/message_bus.h"
#include "engine/core/memory/dynamic_array.h"

class VirtualArray;

// What one side of a recorded-call stream knows about one named list.
// Writing side: the list's count at its first use, and which entries have
// had their names sent (0) or not yet (-1). Reading side: the writer's count,
// and for each of the writer's entries the reader's own index, -1 until its
// name has arrived.
class CStreamSymbolMap
{
public:
    CStreamSymbolMap(VirtualArray* table, uint32_t count);
    ~CStreamSymbolMap();

    VirtualArray* GetTable() const { return m_pTable; }
    uint32_t GetCount() const { return m_Count; }
    // index must be below the count.
    int32_t& operator[](uint32_t index) { return m_pEntries[index]; }

    CStreamSymbolMap(const CStreamSymbolMap&) = delete;
    CStreamSymbolMap& operator=(const CStreamSymbolMap&) = delete;

private:
    VirtualArray* m_pTable;
    uint32_t m_Count;
    int32_t* m_pEntries;
};

// One side's maps, indexed by the lists' ids. Adding an item to any named
// list may shift indices, so every map is dropped then and each list's count
// and names travel afresh with its next symbol.
class CStreamSymbolMaps : public CMessageListener
{
public:
    CStreamSymbolMaps();
    ~CStreamSymbolMaps() override;

    bool ReceiveMessage(CMessage& message) override;

    // None when the list has no map yet.
    CStreamSymbolMap* Find(VirtualArray& table);
    CStreamSymbolMap& Create(VirtualArray& table, uint32_t count);
    void DeleteAll();

private:
    CPoolArray<CStreamSymbolMap*> m_Maps;
};
