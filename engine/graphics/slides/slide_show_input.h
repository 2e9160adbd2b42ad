#pragma once

#include <cstdint>

// What a slide show's waits ask of the runtime above graphics: the message
// pump, the keyboard and mouse, and the engine's frame counter. The runtime
// fills these in before the entry runs; until then, and in programs without
// it, the pump does nothing and no key or button is ever down.
struct CSlideShowInput
{
    void (*PumpEvents)();
    // Clears every key's pressed and down bits and the typed characters.
    void (*ClearKeyboard)();
    // True when a key was pressed since the last clear (that press is used
    // up).
    bool (*TakeAnyPressedKey)();
    uint32_t (*GetMouseButtonsDown)();
    // Counts one group of presents as a drawn frame.
    void (*AdvanceFrameCounter)();
};

CSlideShowInput& GetSlideShowInput();
