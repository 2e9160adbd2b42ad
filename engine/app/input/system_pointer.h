#pragma once

#include <cstdint>

// Whether the system's arrow shows over the window: while the pointer is
// visible it does when the system pointer was asked for or there is no
// software cursor to draw (else the software cursor stands in); while the
// pointer is hidden, only when the system pointer was asked for.
bool ShouldShowSystemArrow(bool pointerVisible, bool systemCursorWanted, bool hasCursorSequence);

// Moves the system pointer to a point of the main window, in the screen's
// coordinates.
void SetSystemCursorPos(int32_t x, int32_t y);
