#pragma once

#include <cstdint>

class CResourceLibraryBase;
class CSequence;

// The pointer shapes windows ask for by entry (0 the arrow "MouseCursor",
// 1 the text cursor, the moving, resizing and paging shapes after it),
// filled by the game at start-up.

// The entries the controls ask for; 15, 17, 19 and 21 (the scroll arrows'
// own shapes) are never filled, so they show the arrow.
enum CursorEntry : int32_t
{
    CURSOR_ARROW = 0,
    CURSOR_TEXT = 1,
    CURSOR_SET_X = 2,
    CURSOR_CAN_MOVE_X = 7,
    CURSOR_MOVING_X = 8,
    CURSOR_CAN_MOVE_Y = 9,
    CURSOR_MOVING_Y = 10,
    CURSOR_UP_ARROW = 15,
    CURSOR_PAGE_UP = 16,
    CURSOR_DOWN_ARROW = 17,
    CURSOR_PAGE_DOWN = 18,
    CURSOR_LEFT_ARROW = 19,
    CURSOR_PAGE_LEFT = 20,
    CURSOR_RIGHT_ARROW = 21,
    CURSOR_PAGE_RIGHT = 22,
};

// Looks the name up in the library (null: the "Sequences" library); a name
// it does not hold stores the library's entry 0. Entries outside the table
// are ignored.
void SetCursorTableEntry(int32_t entry, const char* name, CResourceLibraryBase* library = nullptr);
// The entry's sequence; an empty entry, or one outside the table, answers
// entry 0's.
const CSequence* GetCursorFromTable(int32_t entry);
