#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/platform/display_device.h"

// A display whose surfaces are plain memory: the part of every display
// that does not depend on what finally shows the picture.
//
// Modes are one fixed list at 16, 24 and 32 bits, the same on every
// machine. Setting one changes nothing outside: a full-screen mode is
// emulated at the depth asked for, by a chain of back-buffer count + 1
// surfaces that each present rotates, so after a present the back buffer
// holds the picture shown back-buffer count presents before it, as on a
// real flip chain.
// Windowed, one lasting surface in the desktop's depth is shown in the
// window.
//
// Surfaces have a pitch of their width rounded up to 8 pixels and start on
// 64-byte boundaries, so routines whose arithmetic depends on a pixel's
// address give the same picture on every machine.
//
// Surfaces are never lost by themselves; a test display can lose them, and
// restoring a surface makes it black.
class MemoryDisplayDevice : public DisplayDevice
{
public:
    MemoryDisplayDevice();
    ~MemoryDisplayDevice() override;
    MemoryDisplayDevice(const MemoryDisplayDevice&) = delete;
    MemoryDisplayDevice& operator=(const MemoryDisplayDevice&) = delete;

    bool Create() override;
    bool SetCooperativeLevel(WindowHandle window, bool fullScreen) override;
    bool EnumerateModes(bool standardModesOnly, std::vector<DisplayMode>& modes) override;
    bool SetDisplayMode(const DisplayMode& mode) override;
    bool CreateFlipChain(uint32_t backBufferCount, bool videoMemory) override;
    bool CreateWindowedSurfaces(uint32_t width, uint32_t height) override;
    bool CreatePalette() override;
    void SetPaletteEntries(const uint8_t* entries) override;
    bool IsLost(DisplaySurfaceKind surface) override;
    bool Restore(DisplaySurfaceKind surface) override;
    bool LockBackSurface(DisplayLock& lock) override;
    void UnlockBackSurface() override;
    bool FillBackSurface(const DisplayRect& rect, uint32_t value) override;
    bool Flip() override;
    bool PresentWindowed() override;
    bool GetPixelFormat(DisplayPixelFormat& format) override;
    void SetFiveFiveFive(bool fiveFiveFive) override;
    // The depth pictures are shown in: 16.
    int32_t GetDesktopBitsPerPixel() override;
    bool GetLastPresented(DisplayPicture& picture) override;
    void Release() override;

protected:
    // Shows a picture; the memory display shows nothing.
    virtual bool ShowPicture(const DisplayPicture& picture);
    // False when the display went away underneath (its video system shut
    // down): every call then does nothing.
    virtual bool IsUsable();
    // Both the primary and the back surfaces lose their contents.
    void LoseSurfaces();
    // Replaces the fixed list of modes.
    void SetOfferedModes(const std::vector<DisplayMode>& modes) { m_OfferedModes = modes; }

    bool IsFullScreenLevel() const { return m_CooperativeLevelSet && m_FullScreen; }

private:
    struct Surface
    {
        uint8_t* pixels = nullptr;
        int32_t width = 0;
        int32_t height = 0;
        int32_t pitch = 0;
        int32_t bitsPerPixel = 0;
    };

    bool AllocateSurfaces(size_t count, uint32_t width, uint32_t height, int32_t bitsPerPixel);
    void FreeSurfaces();
    DisplayPicture PictureOf(const Surface& surface) const;
    bool HasSurfaces() const { return !m_Surfaces.empty(); }
    Surface& BackSurface() { return m_Surfaces[m_BackIndex]; }

    std::vector<DisplayMode> m_OfferedModes;
    bool m_Created = false;
    bool m_CooperativeLevelSet = false;
    bool m_FullScreen = false;
    bool m_ModeSet = false;
    DisplayMode m_Mode = {};
    // Full screen: the flip chain. Windowed: the one back surface; the
    // primary is the window itself.
    std::vector<Surface> m_Surfaces;
    size_t m_BackIndex = 0;
    bool m_Windowed = false;
    bool m_Locked = false;
    bool m_PrimaryLost = false;
    bool m_BackLost = false;
    bool m_FiveFiveFive = false;
    bool m_Presented = false;
    size_t m_PresentedIndex = 0;
};
