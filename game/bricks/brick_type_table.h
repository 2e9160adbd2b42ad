#pragma once

#include "engine/core/lists/named_value_list.h"

// The kinds an old brick definition could stand for. Files store the row's
// name; the values are the table's order and never change, since the style
// sheets' conversions test them.
enum EBrickType
{
    BRICK_TYPE_NORMAL = 0,
    BRICK_TYPE_POWER_UP = 1,
    BRICK_TYPE_OBSTACLE = 2,
    BRICK_TYPE_INDESTRUCTIBLE = 3,
    BRICK_TYPE_INDESTRUCTIBLE_TOP = 4,
    BRICK_TYPE_INDESTRUCTIBLE_BOTTOM = 5,
    BRICK_TYPE_EXPLODING = 6,
    BRICK_TYPE_THREE_HIT = 7,
    BRICK_TYPE_THREE_HIT_BOTTOM = 8,
    BRICK_TYPE_THREE_HIT_TOP = 9,
    BRICK_TYPE_OFF_ON = 10,
    BRICK_TYPE_ON_OFF = 11,
    BRICK_TYPE_DETONATOR = 12,
    BRICK_TYPE_PUSH_AWAY = 13,
    BRICK_TYPE_NUDGE_UP = 14,
    BRICK_TYPE_NUDGE_DOWN = 15,
    BRICK_TYPE_NUDGE_LEFT = 16,
    BRICK_TYPE_NUDGE_RIGHT = 17,
    BRICK_TYPE_SHREDDER = 18,
    BRICK_TYPE_TRAPPED_BALL = 19
};

CNamedValueList& GetBrickTypeTable();
