#pragma once

#include <cstdint>

// The size of the screen before a mode is set.
constexpr int32_t DEFAULT_SCREEN_WIDTH = 800;
constexpr int32_t DEFAULT_SCREEN_HEIGHT = 600;

// Makes the program's one window, titled "Vantrell Pellucine", hidden at the
// default screen size until a display mode shows it, and records it as the
// main window. False when no window can be made.
bool CreateMainWindow();

// The window of a windowed screen: a frame around a client area of the
// screen's size (the default size without a mode), inside the usable part
// of the display. Called before the screen is set windowed.
void EnterWindowedStyle();

// The window of a full screen: the whole display, no frame.
void EnterFullScreenWindowStyle();
