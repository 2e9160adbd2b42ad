#pragma once

#include <cstdint>

#include "engine/core/lists/named_value_list.h"

class CBlitType;

// The named blit types, in a fixed order: "Blit Type" properties and strip
// files store the index, so an entry never moves. The registry builds them
// on first use.
class CBlitTypeRegistry : public CNamedValueTable<CBlitType*>
{
public:
    CBlitTypeRegistry();

    // The blit type of a stored index. An index that names no entry (-1 for
    // an unknown name, a number read from a file) gives "Normal".
    CBlitType* GetBlitType(int32_t index);
};

extern template class CNamedValueTable<CBlitType*>;

CBlitTypeRegistry& GetBlitTypeRegistry();
