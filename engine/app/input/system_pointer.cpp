#include "engine/app/input/system_pointer.h"

#include "engine/core/program/main_window.h"
#include "engine/platform/cursor.h"

bool ShouldShowSystemArrow(bool pointerVisible, bool systemCursorWanted, bool hasCursorSequence)
{
    if (pointerVisible)
        return systemCursorWanted || !hasCursorSequence;
    return systemCursorWanted;
}

void SetSystemCursorPos(int32_t x, int32_t y)
{
    WarpPointer(GetMainWindow(), x, y);
}
