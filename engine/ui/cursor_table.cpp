#include "engine/ui/cursor_table.h"

#include "engine/core/lists/resource_library_base.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/ui/toolkit_state.h"

void SetCursorTableEntry(int32_t entry, const char* name, CResourceLibraryBase* library)
{
    if (entry < 0 || entry >= CURSOR_TABLE_SIZE)
        return;
    if (library == nullptr)
        library = &GetSequenceList();
    const CSequence* sequence = nullptr;
    if (library->GetCount() > 0)
    {
        int32_t index = library->FindWithAlias(name, -1);
        CObject* item = library->GetItemEnsured(static_cast<uint32_t>(index < 0 ? 0 : index));
        if (item != nullptr && item->IsKindOf(CSequence::SGetClassInfo()))
            sequence = static_cast<const CSequence*>(item);
    }
    GetToolkitState().m_CursorTable[static_cast<size_t>(entry)] = sequence;
}

const CSequence* GetCursorFromTable(int32_t entry)
{
    const auto& table = GetToolkitState().m_CursorTable;
    if (entry >= 0 && entry < CURSOR_TABLE_SIZE && table[static_cast<size_t>(entry)] != nullptr)
        return table[static_cast<size_t>(entry)];
    return table[0];
}
