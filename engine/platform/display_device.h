#pragma once

#include <cstdint>
#include <vector>

#include "engine/platform/window_handle.h"

// What the screen asks of the display, one call per step of setting a mode
// and drawing a picture: open the device, take the window, list and set
// modes, build the surfaces (a full-screen flip chain, or one lasting
// surface shown in a window), lock the back surface, fill rectangles of it,
// present, and restore surfaces that lost their contents. Each call answers
// whether it worked, so the screen can fall back or give up step by step.
//
// Pixels: 16-bit surfaces hold 5-6-5 words unless the screen asks for its
// pictures to be shown as 5-5-5; 24-bit ones blue, green, red; 32-bit ones
// blue, green, red and an unused byte.

struct DisplayMode
{
    uint32_t width;
    uint32_t height;
    uint32_t bitsPerPixel;
};

// The locked back surface; the pitch is in bytes.
struct DisplayLock
{
    uint8_t* pixels;
    int32_t pitch;
};

struct DisplayPixelFormat
{
    uint32_t bitsPerPixel;
    uint32_t greenMask;
};

// Half-open, in surface pixels.
struct DisplayRect
{
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// A picture as it was last shown; pitch in bytes.
struct DisplayPicture
{
    const uint8_t* pixels;
    int32_t width;
    int32_t height;
    int32_t pitch;
    int32_t bitsPerPixel;
    bool fiveFiveFive;
};

enum class DisplaySurfaceKind
{
    PRIMARY,
    BACK,
};

class DisplayDevice
{
public:
    virtual ~DisplayDevice() = default;

    virtual bool Create() = 0;
    // Full screen takes the whole display; windowed leaves the window as
    // its owner placed it.
    virtual bool SetCooperativeLevel(WindowHandle window, bool fullScreen) = 0;
    // The modes offered; a device may refuse the standard list and answer
    // when asked without it.
    virtual bool EnumerateModes(bool standardModesOnly, std::vector<DisplayMode>& modes) = 0;
    virtual bool SetDisplayMode(const DisplayMode& mode) = 0;
    // A primary surface with this many back buffers behind it, at the mode
    // set; video memory asked or not.
    virtual bool CreateFlipChain(uint32_t backBufferCount, bool videoMemory) = 0;
    // A primary surface shown in the window and one back surface of this
    // size in the desktop's depth.
    virtual bool CreateWindowedSurfaces(uint32_t width, uint32_t height) = 0;
    // The 8-bit palette; a device without 8-bit modes answers false.
    virtual bool CreatePalette() = 0;
    // 256 entries of blue, green, red.
    virtual void SetPaletteEntries(const uint8_t* entries) = 0;
    virtual bool IsLost(DisplaySurfaceKind surface) = 0;
    // A restored surface is black.
    virtual bool Restore(DisplaySurfaceKind surface) = 0;
    virtual bool LockBackSurface(DisplayLock& lock) = 0;
    virtual void UnlockBackSurface() = 0;
    // The rectangle of the unlocked back surface set to a raw pixel value.
    virtual bool FillBackSurface(const DisplayRect& rect, uint32_t value) = 0;
    // Full screen: the back buffer becomes the picture shown and the next
    // surface of the chain the back buffer.
    virtual bool Flip() = 0;
    // Windowed: the back surface is shown in the window.
    virtual bool PresentWindowed() = 0;
    virtual bool GetPixelFormat(DisplayPixelFormat& format) = 0;
    // 16-bit pictures are shown as 5-5-5 words, not 5-6-5.
    virtual void SetFiveFiveFive(bool fiveFiveFive) = 0;
    virtual int32_t GetDesktopBitsPerPixel() = 0;
    virtual bool GetLastPresented(DisplayPicture& picture) = 0;
    // Everything above is released; releasing twice is harmless.
    virtual void Release() = 0;
};

// The device the screen draws through: the SDL display unless another was
// installed. Installing null restores it; the previous one is answered.
DisplayDevice& GetDisplayDevice();
DisplayDevice* SetDisplayDevice(DisplayDevice* device);
