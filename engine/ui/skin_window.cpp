#include "engine/ui/input_capture_window.h"
#include "engine/ui/skin_library.h"

CJSkinWindow::CJSkinWindow(int32_t skinIndex)
    : CJWindow(nullptr)
{
    if (CSkinTheme* skin = GetSkinLibrary().GetItemObject(static_cast<uint32_t>(skinIndex)))
        SetTheme(skin);
    Show(false, false);
}
