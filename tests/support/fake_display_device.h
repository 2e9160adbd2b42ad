#pragma once

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "engine/platform/memory_display_device.h"

// A display for tests: memory surfaces like the real one, with the modes
// and the desktop depth a test gives, any step made to fail, surfaces that
// can be lost, an 8-bit palette when asked for, and counts of what the
// screen did. Installed as the display device while it lives.
class FakeDisplayDevice : public MemoryDisplayDevice
{
public:
    enum Step
    {
        CREATE,
        COOPERATIVE_LEVEL,
        ENUMERATE_STANDARD_MODES,
        ENUMERATE_MODES,
        DISPLAY_MODE,
        WINDOWED_SURFACES,
        PIXEL_FORMAT,
        RESTORE,
        LOCK,
        FILL,
        FLIP,
        PRESENT_WINDOWED,
        STEP_COUNT
    };

    FakeDisplayDevice();
    ~FakeDisplayDevice() override;

    void Fail(Step step, bool fail = true) { m_Failing[step] = fail; }
    // The flip chain of this many back buffers, with or without video
    // memory, is refused.
    void FailFlipChain(uint32_t backBufferCount, bool videoMemory);
    void SetModes(const std::vector<DisplayMode>& modes) { SetOfferedModes(modes); }
    void SetDesktopBitsPerPixel(int32_t bits) { m_DesktopBits = bits; }
    // The green mask the surfaces report (0x7E0 for 5-6-5 by default).
    void SetReportedGreenMask(uint32_t mask) { m_GreenMask = mask; }
    void SetPaletteAvailable(bool available) { m_PaletteAvailable = available; }
    using MemoryDisplayDevice::LoseSurfaces;

    bool Create() override;
    bool SetCooperativeLevel(WindowHandle window, bool fullScreen) override;
    bool EnumerateModes(bool standardModesOnly, std::vector<DisplayMode>& modes) override;
    bool SetDisplayMode(const DisplayMode& mode) override;
    bool CreateFlipChain(uint32_t backBufferCount, bool videoMemory) override;
    bool CreateWindowedSurfaces(uint32_t width, uint32_t height) override;
    bool CreatePalette() override;
    void SetPaletteEntries(const uint8_t* entries) override;
    bool Restore(DisplaySurfaceKind surface) override;
    bool LockBackSurface(DisplayLock& lock) override;
    void UnlockBackSurface() override;
    bool FillBackSurface(const DisplayRect& rect, uint32_t value) override;
    bool Flip() override;
    bool PresentWindowed() override;
    bool GetPixelFormat(DisplayPixelFormat& format) override;
    void SetFiveFiveFive(bool fiveFiveFive) override;
    int32_t GetDesktopBitsPerPixel() override { return m_DesktopBits; }
    void Release() override;

    // What was asked, in order: (back-buffer count, video memory).
    std::vector<std::pair<uint32_t, bool>> flipChainRequests;
    int lockAttempts = 0;
    int locks = 0;
    int unlocks = 0;
    int fills = 0;
    int flips = 0;
    int windowedPresents = 0;
    int restores = 0;
    int releases = 0;
    int paletteUploads = 0;
    uint8_t lastPalette[768] = {};
    bool fiveFiveFive = false;
    WindowHandle window = nullptr;

    // Every count and request back to zero.
    void ResetCounts();

private:
    bool Fails(Step step) const { return m_Failing[step]; }

    bool m_Failing[STEP_COUNT] = {};
    std::set<std::pair<uint32_t, bool>> m_FailingChains;
    int32_t m_DesktopBits = 16;
    uint32_t m_GreenMask = 0x7E0;
    bool m_PaletteAvailable = false;
    bool m_PaletteCreated = false;
    DisplayDevice* m_Previous;
};
