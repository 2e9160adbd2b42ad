#pragma once

// Makes the window toolkit reachable from the layers below it: fills the
// hooks the game base makes, updates, draws and deletes its root window
// through, and the makers of the dialogs that new-file requests open. The
// program calls it before it builds the game.
void InstallWindowToolkit();
