#pragma once

#include <cstdint>

#include "engine/object/properties/array_property.h"

// A list of "PowerUp" kinds kept as library indices in a pooled array: the
// round's automatic and disallowed kinds, a power-up brick's forced and
// disallowed kinds.
ArrayProperty* PowerUpListProperty(const char* name, CPropertyMember<uint32_t> count,
                                   CPropertyMember<uint32_t> capacity, CArrayDataMember data, const char* memberName,
                                   const char* elementName);

// What the editor says of a switch that keeps level breakers away.
extern const char* const kLevelBreakersHelp;
