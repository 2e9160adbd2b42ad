#pragma once

// Modifiers are read by scan code, either key of the pair counting.
bool IsShiftHeld();
bool IsCtrlHeld();
bool IsAltHeld();
