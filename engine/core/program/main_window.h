#pragma once

#include "engine/platform/window_handle.h"

// The program's one main window; none until the runtime has created it.
WindowHandle GetMainWindow();
void SetMainWindow(WindowHandle window);

// The arguments the program was started with, after its own path, joined by
// blanks; an argument holding a blank is quoted. Empty until recorded.
const char* GetCommandLineText();

// Called once at entry with main's arguments.
void SetCommandLineArguments(int argc, const char* const* argv);
