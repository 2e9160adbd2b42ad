#include "engine/core/lists/virtual_array.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/recorded_calls/message_stream.h"

// The item travels as a symbol of its list, so the reader gets its own index
// of the item of that name even when its list is ordered differently.
void ListItemProperty::WriteDelta(const void* object, CMessageStream& stream, const void*) const
{
    VirtualArray* list = GetList(object);
    if (list != nullptr)
        stream.WriteSymbol(ValueAt<int32_t>(object), *list);
}

void ListItemProperty::ReadDelta(void* object, CMessageStream& stream) const
{
    VirtualArray* list = GetList(object);
    if (list != nullptr)
        ValueAt<int32_t>(object) = stream.ReadSymbol(*list);
}
