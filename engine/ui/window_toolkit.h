#pragma once

// Makes the window toolkit reachable from the game base: fills the hooks
// the base makes, updates, draws and deletes its root window through. The
// program calls it before it builds the game.
void InstallWindowToolkit();
