#pragma once

#include <cstdint>

#include "game/bricks/brick_base.h"

class CSpritePart;

// Kinds that change their look show another sequence on the first part of
// their sprite, the one their style sheet's primary sequence went on.
// None when the brick has no sprite or the sprite no part yet.
CSpritePart* GetFirstPart(const CBrickBase& brick);

// Where the newly shown sequence starts: from its first frame, at a random
// progress so that bricks of one style do not animate in step, or at the
// progress the part had.
enum class PartStart
{
    FromStart,
    AtRandom,
    Kept
};

// Shows the "Sequences" entry on the first part; nothing without one.
void ShowOnFirstPart(const CBrickBase& brick, int32_t sequenceIndex, PartStart start);
