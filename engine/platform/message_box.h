#pragma once

#include "engine/platform/window_handle.h"

// Receives every message box instead of the screen; tests install one to see
// what the player would have been shown.
typedef void (*MessageBoxSink)(const char* caption, const char* text);

// Installs a sink (none restores the screen); answers the previous one.
MessageBoxSink SetMessageBoxSink(MessageBoxSink sink);

// Writes the caption and text (Latin-1, CR LF or LF lines) to stderr, then
// hands them to the sink when one is installed, else shows a modal box with
// an OK button over the owner (none: no owner) where a display exists.
// Without a display, or with the environment switch VP_NO_MESSAGE_BOXES set,
// it returns at once so that nothing ever waits for a click that cannot come.
void ShowPlatformMessageBox(WindowHandle owner, const char* caption, const char* text);
