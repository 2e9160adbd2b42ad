#pragma once

#include <cstdint>

class CResourceLibraryBase;
class CSequence;

// The pointer shapes windows ask for by entry (0 the arrow "MouseCursor",
// 1 the text cursor, the moving, resizing and paging shapes after it),
// filled by the game at start-up.

// Looks the name up in the library (null: the "Sequences" library); a name
// it does not hold stores the library's entry 0. Entries outside the table
// are ignored.
void SetCursorTableEntry(int32_t entry, const char* name, CResourceLibraryBase* library = nullptr);
// The entry's sequence; an empty entry, or one outside the table, answers
// entry 0's.
const CSequence* GetCursorFromTable(int32_t entry);
