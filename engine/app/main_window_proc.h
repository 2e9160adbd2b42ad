#pragma once

#include "engine/platform/system_events.h"

// The program's answer to its window's events, after the input states have
// taken theirs: activation and minimising reach the game object (the
// keyboard starts clean and the frame-rate meters restart), a close ends
// the process with code 0, an exposed windowed screen is shown again, a
// full-screen window moved away goes back to the display's corner, Alt with
// Enter switches between full screen and a window.
void MainWindowProc(const SystemEvent& event);

// Written only by the window procedure and the pump. The application is
// neither active nor minimised until the window reports otherwise, so no
// step runs before it has been activated.
bool IsApplicationActive();
bool IsApplicationMinimised();
void SetApplicationMinimised(bool minimised);

// The program entry sets it once the game's set-up has returned. Until
// then a close leaves the half-built game object alone: its constructor
// is still on the stack.
void SetGameCreated();
