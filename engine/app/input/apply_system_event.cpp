#include "engine/app/input/apply_system_event.h"

#include "engine/app/input/keyboard_state.h"
#include "engine/app/input/mouse_state.h"
#include "engine/app/input/translate_virtual_key.h"

void ApplySystemEvent(const SystemEvent& event)
{
    CKeyboardState& keyboard = GetKeyboardState();
    CMouseState& mouse = GetMouseState();
    switch (event.kind)
    {
    case SystemEventKind::KeyDown:
        keyboard.PutTypedChar(TranslateVirtualKey(event.virtualKey));
        keyboard.SetKeyDown(event.scanCode & 0x1FF);
        break;
    case SystemEventKind::KeyUp:
        keyboard.SetKeyUp(event.scanCode & 0x1FF);
        break;
    case SystemEventKind::TypedCharacter:
        keyboard.PutTypedChar(event.character & 0xFF);
        break;
    case SystemEventKind::MouseMove:
        mouse.SetPositionFromSystem(event.x < 0 ? 0 : event.x, event.y < 0 ? 0 : event.y);
        break;
    case SystemEventKind::MouseButtonDown:
        mouse.SetButtonDown(event.button);
        break;
    case SystemEventKind::MouseButtonUp:
        mouse.SetButtonUp(event.button);
        break;
    case SystemEventKind::MouseDoubleClick:
        mouse.SetDoubleClick(event.button);
        break;
    case SystemEventKind::MouseWheel:
        mouse.AddWheelSteps(event.wheelSteps);
        break;
    case SystemEventKind::WindowActivated:
    case SystemEventKind::WindowMovedOrSized:
    case SystemEventKind::WindowExposed:
    case SystemEventKind::WindowClose:
        break; // the window's own, for the window procedure
    }
}
