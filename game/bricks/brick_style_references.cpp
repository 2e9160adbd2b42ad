#include "game/bricks/brick_style_references.h"

#include "engine/object/properties/list_item_property.h"

void AddListReference(CClassInfo* classInfo, const char* name, CPropertyMember<int32_t> member, VirtualArray* list,
                      const char* help)
{
    classInfo->AddProperty(new LibraryItemProperty(name, member, list, EDITOR_EDITABLE, nullptr, nullptr, false));
    if (help != nullptr)
        classInfo->GetLastProperty()->SetHelpText(help);
}
