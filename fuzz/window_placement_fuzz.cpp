// The editor settings file is edited by hand. Whatever it holds, a tree of
// persisted windows loads its placements, is laid out and saves them again
// without a crash, a hang or an overflow; every size is the one the window
// had or a stored one in 1..32767, and the flags go back as 0 or 1.

#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/core/settings/settings.h"
#include "engine/graphics/frame.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/screen_window.h"
#include "engine/ui/toolkit_state.h"
#include "fuzz/support/fuzz_input.h"

namespace {

struct PersistedChild
{
    const char* section;
    bool withSize;
    CRect rect;
};

// Two windows share a section, as two tool windows of one kind do.
const PersistedChild kChildren[] = {
    {"Brick Tool Palette", true, {10, 20, 110, 220}},
    {"Image Browser", true, {0, 0, 300, 200}},
    {"Image Browser", false, {5, 5, 65, 45}},
};

CFrame& ScreenFrame()
{
    static CFrame* s_pFrame = [] {
        CFrame* frame = new CFrame();
        frame->Create(800, 600, 16);
        return frame;
    }();
    return *s_pFrame;
}

// A missing key reads as the window's own value.
bool IsOwnOrStored(const char* file, const char* section, const char* key, int32_t value, int32_t own)
{
    int32_t stored = ReadSettingInt(file, section, key, own);
    return value == own || (value == stored && stored >= 1 && stored <= 32767);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string path = WriteFuzzFile("Vantrell Editor.ini", data, size);
    const char* file = path.c_str();
    ResetToolkitState();
    SetEditorSettingsFileName(file);
    {
        CDeferredDestroyScope scope;
        CScreenWindow* root = new CScreenWindow(ScreenFrame(), nullptr);
        CJWindow* parent = new CJWindow(nullptr);
        parent->SetRect({100, 50, 700, 550});
        root->AddChild(parent);
        for (const PersistedChild& child : kChildren)
        {
            CJWindow* window = new CJWindow(parent, child.section);
            window->SetRect(child.rect);
            parent->AddChild(window, 0, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP,
                             CJWindow::PLACE_NO_GROWTH);
            window->LoadPlacement(nullptr, child.withSize);
            int32_t width = window->GetWidth();
            int32_t height = window->GetHeight();
            int32_t ownWidth = child.rect.right - child.rect.left;
            int32_t ownHeight = child.rect.bottom - child.rect.top;
            bool sized = child.withSize && IsOwnOrStored(file, child.section, "Width", width, ownWidth) &&
                         IsOwnOrStored(file, child.section, "Height", height, ownHeight);
            FuzzCheck(sized || (width == ownWidth && height == ownHeight),
                      "a window took a size that is neither its own nor a valid stored one");
        }
        // Laid out again: the parent centred on the screen, then grown.
        parent->Place(6, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP, 0);
        root->Destroy();
    }
    for (const PersistedChild& child : kChildren)
    {
        int32_t shown = ReadSettingInt(file, child.section, "Show Window", -1);
        int32_t transparent = ReadSettingInt(file, child.section, "Transparent Window", -1);
        FuzzCheck(shown == 0 || shown == 1, "a visible flag was saved as something else than 0 or 1");
        FuzzCheck(transparent == 0 || transparent == 1, "a transparent flag was saved as something else than 0 or 1");
    }
    // A missing file also drops what the settings reader remembers of it.
    std::remove(file);
    ReadSettingInt(file, "Image Browser", "Width", 0);
    ResetToolkitState();
    return 0;
}
