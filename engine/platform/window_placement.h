#pragma once

#include <cstdint>

#include "engine/platform/window_handle.h"

// A new window of this client size with a title (Latin-1), hidden until a
// display mode shows it and never resizable by the player; the video system
// is started for it when needed. Null when no window can be made.
WindowHandle CreateHiddenWindow(const char* title, int32_t clientWidth, int32_t clientHeight);

// The window covers the whole display it is on, without a frame.
bool PlaceWindowFullScreen(WindowHandle window);

// The window gets a frame around a client area of this size; a window whose
// top or left edge lies outside the usable area of its display (beside task
// bars and docks) moves in, a window already inside stays where it is.
bool PlaceWindowWindowed(WindowHandle window, int32_t clientWidth, int32_t clientHeight);

// Moves the window's upper-left corner there, its size kept.
void MoveWindowTo(WindowHandle window, int32_t x, int32_t y);

void ShowWindow(WindowHandle window);
bool IsWindowShown(WindowHandle window);
bool IsWindowFullScreen(WindowHandle window);
