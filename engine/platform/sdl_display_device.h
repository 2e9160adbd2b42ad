#pragma once

#include <cstdint>

#include "engine/platform/memory_display_device.h"

struct SDL_Renderer;
struct SDL_Texture;

// The display of the program: memory surfaces shown in the main window
// through one renderer and one streaming texture in the surface's format.
// Each present uploads the whole surface and draws it scaled to the
// window, letterboxed and with the nearest pixel, at the screen's size as
// the renderer's logical size, so mouse positions arrive in screen
// coordinates whatever the window's size. Full screen covers the desktop
// at its own resolution instead of changing it.
//
// Presents wait for the display's refresh on a real display; the headless
// driver never waits.
//
// The video system can be shut down underneath it (at exit the screen is
// released after that): every call then does nothing and answers false.
class SdlDisplayDevice : public MemoryDisplayDevice
{
public:
    SdlDisplayDevice();
    ~SdlDisplayDevice() override;

    bool SetCooperativeLevel(WindowHandle window, bool fullScreen) override;
    bool CreateFlipChain(uint32_t backBufferCount, bool videoMemory) override;
    bool CreateWindowedSurfaces(uint32_t width, uint32_t height) override;
    void Release() override;

protected:
    bool ShowPicture(const DisplayPicture& picture) override;
    bool IsUsable() override;

private:
    bool CreateRenderer();
    void DestroyRenderer();
    void ForgetWindow();
    bool HasLiveWindow() const;

    WindowHandle m_Window = nullptr;
    uint32_t m_WindowId = 0;
    // Written into the window's data on binding: a window made later at the
    // same address with the same id does not carry it.
    void* m_Binding = nullptr;
    SDL_Renderer* m_Renderer = nullptr;
    SDL_Texture* m_Texture = nullptr;
    uint32_t m_TextureFormat = 0;
    int32_t m_TextureWidth = 0;
    int32_t m_TextureHeight = 0;
};
