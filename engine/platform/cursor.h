#pragma once

// Shows the system's arrow cursor, or hides it while the game draws its own.
// Nothing happens before the video system is running.
void ShowArrowCursor(bool show);
