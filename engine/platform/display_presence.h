#pragma once

// False when nothing can be shown on a screen: no X11 or Wayland display, or
// the video driver was forced to one that draws nowhere.
bool HasDisplay();
