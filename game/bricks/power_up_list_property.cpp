#include "game/bricks/power_up_list_property.h"

#include "engine/object/properties/list_item_property.h"
#include "game/playfield/power_up_base.h"

ArrayProperty* PowerUpListProperty(const char* name, CPropertyMember<uint32_t> count,
                                   CPropertyMember<uint32_t> capacity, CArrayDataMember data, const char* memberName,
                                   const char* elementName)
{
    return new ArrayProperty(name, count, capacity, data, memberName, true,
                             new LibraryItemProperty(elementName, ArrayElementMember<int32_t>(), &GetPowerUpLibrary(),
                                                     EDITOR_EDITABLE, nullptr, nullptr, false),
                             EDITOR_EDITABLE);
}

const char* const kLevelBreakersHelp =
    "Level Breakers are power-ups suck as Big Missiles, Fire Ball, Rail Ball, Bomb Ball, or anything that can "
    "destroy otherwise indestructible bricks. Or it could be anything else what has a high chance of running a "
    "carefully planned level.";
