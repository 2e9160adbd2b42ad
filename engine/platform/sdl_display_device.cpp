#include "engine/platform/sdl_display_device.h"

#include <SDL.h>

#include "engine/platform/display_presence.h"
#include "engine/platform/window_placement.h"

namespace {

const char* const BINDING_KEY = "vp.display";

uintptr_t s_NextBinding = 1;

uint32_t TextureFormatOf(const DisplayPicture& picture)
{
    switch (picture.bitsPerPixel)
    {
    case 16:
        return picture.fiveFiveFive ? SDL_PIXELFORMAT_RGB555 : SDL_PIXELFORMAT_RGB565;
    case 24:
        return SDL_PIXELFORMAT_BGR24;
    case 32:
        return SDL_PIXELFORMAT_RGB888;
    default:
        return SDL_PIXELFORMAT_UNKNOWN;
    }
}

} // namespace

SdlDisplayDevice::SdlDisplayDevice() = default;

SdlDisplayDevice::~SdlDisplayDevice()
{
    SdlDisplayDevice::Release();
}

bool SdlDisplayDevice::HasLiveWindow() const
{
    return m_Window && SDL_GetWindowFromID(m_WindowId) == m_Window &&
           SDL_GetWindowData(m_Window, BINDING_KEY) == m_Binding;
}

bool SdlDisplayDevice::IsUsable()
{
    if (SDL_WasInit(SDL_INIT_VIDEO) && (!m_Window || HasLiveWindow()))
        return true;
    // The renderer and texture went with the video system or the window.
    m_Texture = nullptr;
    m_Renderer = nullptr;
    m_Window = nullptr;
    MemoryDisplayDevice::Release();
    return false;
}

bool SdlDisplayDevice::SetCooperativeLevel(WindowHandle window, bool fullScreen)
{
    if (!window || !IsUsable())
        return false;
    if (window != m_Window)
    {
        DestroyRenderer();
        ForgetWindow();
        m_Window = window;
        m_WindowId = SDL_GetWindowID(window);
        m_Binding = reinterpret_cast<void*>(s_NextBinding++);
        SDL_SetWindowData(window, BINDING_KEY, m_Binding);
    }
    if (fullScreen && !PlaceWindowFullScreen(window))
        return false;
    return MemoryDisplayDevice::SetCooperativeLevel(window, fullScreen);
}

bool SdlDisplayDevice::CreateFlipChain(uint32_t backBufferCount, bool videoMemory)
{
    if (!IsUsable() || !m_Window || !MemoryDisplayDevice::CreateFlipChain(backBufferCount, videoMemory))
        return false;
    if (!CreateRenderer())
    {
        MemoryDisplayDevice::Release();
        return false;
    }
    ShowWindow(m_Window);
    return true;
}

bool SdlDisplayDevice::CreateWindowedSurfaces(uint32_t width, uint32_t height)
{
    if (!IsUsable() || !m_Window || !MemoryDisplayDevice::CreateWindowedSurfaces(width, height))
        return false;
    if (!CreateRenderer())
    {
        MemoryDisplayDevice::Release();
        return false;
    }
    ShowWindow(m_Window);
    return true;
}

void SdlDisplayDevice::Release()
{
    if (IsUsable())
    {
        DestroyRenderer();
        ForgetWindow();
    }
    MemoryDisplayDevice::Release();
}

bool SdlDisplayDevice::CreateRenderer()
{
    if (m_Renderer)
        return true;
    // The headless driver would pace every present at 60 Hz for nothing.
    const Uint32 flags = HasDisplay() ? SDL_RENDERER_PRESENTVSYNC : 0;
    m_Renderer = SDL_CreateRenderer(m_Window, -1, flags);
    return m_Renderer != nullptr;
}

void SdlDisplayDevice::DestroyRenderer()
{
    if (m_Texture)
        SDL_DestroyTexture(m_Texture);
    if (m_Renderer)
        SDL_DestroyRenderer(m_Renderer);
    m_Texture = nullptr;
    m_Renderer = nullptr;
    m_TextureFormat = 0;
}

void SdlDisplayDevice::ForgetWindow()
{
    if (m_Window)
        SDL_SetWindowData(m_Window, BINDING_KEY, nullptr);
    m_Window = nullptr;
    m_WindowId = 0;
    m_Binding = nullptr;
}

bool SdlDisplayDevice::ShowPicture(const DisplayPicture& picture)
{
    if (!m_Renderer)
        return false;
    const uint32_t format = TextureFormatOf(picture);
    if (!m_Texture || format != m_TextureFormat || picture.width != m_TextureWidth || picture.height != m_TextureHeight)
    {
        if (m_Texture)
            SDL_DestroyTexture(m_Texture);
        m_Texture = SDL_CreateTexture(m_Renderer, format, SDL_TEXTUREACCESS_STREAMING, picture.width, picture.height);
        if (!m_Texture)
            return false;
        SDL_SetTextureScaleMode(m_Texture, SDL_ScaleModeNearest);
        SDL_RenderSetLogicalSize(m_Renderer, picture.width, picture.height);
        m_TextureFormat = format;
        m_TextureWidth = picture.width;
        m_TextureHeight = picture.height;
    }
    if (SDL_UpdateTexture(m_Texture, nullptr, picture.pixels, picture.pitch) != 0)
        return false;
    SDL_SetRenderDrawColor(m_Renderer, 0, 0, 0, 255);
    SDL_RenderClear(m_Renderer);
    if (SDL_RenderCopy(m_Renderer, m_Texture, nullptr, nullptr) != 0)
        return false;
    SDL_RenderPresent(m_Renderer);
    return true;
}
