#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/strings/ref_string.h"

class CBrickBase;
class CObject;

// What the target-name field and its picker show and select for a text:
// the bricks of the round whose "Name" equals it, ASCII case ignored.
int32_t CountBricksNamed(const CString& name);
// "(Qty n)" for the bricks the text names.
CString BrickQuantityText(const CString& name);
// The named bricks in brick-list order, as the editor's selection holds
// them.
void CollectBricksNamed(const CString& name, CDynamicArray<CObject*>& out);
// The object as a brick, else null.
CBrickBase* AsBrick(CObject* object);
