#include "game/bricks/list_selection.h"

#include "engine/ui/list_box.h"

int32_t SelectedRowValue(const CJListBox& list, CNamedValueList& rows)
{
    const int32_t id = list.GetSelectedId();
    return id >= 0 && static_cast<uint32_t>(id) < rows.GetCount() ? rows.GetEntry(static_cast<uint32_t>(id)).value : -1;
}
