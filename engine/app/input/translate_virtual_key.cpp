#include "engine/app/input/translate_virtual_key.h"

#include "engine/app/input/keyboard_state.h"
#include "engine/platform/virtual_keys.h"

static bool IsCtrlDown()
{
    const CKeyboardState& keyboard = GetKeyboardState();
    return keyboard.IsKeyDown(29) || keyboard.IsKeyDown(285);
}

int32_t TranslateVirtualKey(int32_t virtualKey)
{
    switch (virtualKey)
    {
    case VirtualKey::Tab:
        return IsCtrlDown() ? 9 : 0;
    case VirtualKey::PageUp:
        return 7;
    case VirtualKey::PageDown:
        return 15;
    case VirtualKey::End:
        return 14;
    case VirtualKey::Home:
        return 5;
    case VirtualKey::Left:
        return 11;
    case VirtualKey::Up:
        return 6;
    case VirtualKey::Right:
        return 12;
    case VirtualKey::Down:
        return 10;
    case VirtualKey::Insert:
        return 16;
    case VirtualKey::Delete:
        return 17;
    case VirtualKey::F1:
        return 19;
    case VirtualKey::F1 + 1:
        return 30;
    case VirtualKey::F1 + 3:
        return 20;
    case VirtualKey::F1 + 4:
        return 2;
    case VirtualKey::F1 + 5:
        return 28;
    case VirtualKey::F1 + 6:
        return 21;
    case VirtualKey::F1 + 7:
        return 23;
    case VirtualKey::F1 + 8:
        return 29;
    case VirtualKey::F1 + 9:
        return 25;
    case VirtualKey::F1 + 10:
        return 26;
    default:
        break;
    }
    if (virtualKey >= VirtualKey::Digit0 && virtualKey <= VirtualKey::Digit0 + 9 && IsCtrlDown())
        return virtualKey;
    return 0;
}
