#include "tests/support/fake_display_device.h"

#include <cstring>

FakeDisplayDevice::FakeDisplayDevice()
{
    m_Previous = SetDisplayDevice(this);
}

FakeDisplayDevice::~FakeDisplayDevice()
{
    SetDisplayDevice(m_Previous);
}

void FakeDisplayDevice::FailFlipChain(uint32_t backBufferCount, bool videoMemory)
{
    m_FailingChains.insert({backBufferCount, videoMemory});
}

void FakeDisplayDevice::ResetCounts()
{
    flipChainRequests.clear();
    lockAttempts = locks = unlocks = fills = flips = windowedPresents = restores = releases = paletteUploads = 0;
}

bool FakeDisplayDevice::Create()
{
    return !Fails(CREATE) && MemoryDisplayDevice::Create();
}

bool FakeDisplayDevice::SetCooperativeLevel(WindowHandle handle, bool fullScreen)
{
    window = handle;
    return !Fails(COOPERATIVE_LEVEL) && MemoryDisplayDevice::SetCooperativeLevel(handle, fullScreen);
}

bool FakeDisplayDevice::EnumerateModes(bool standardModesOnly, std::vector<DisplayMode>& modes)
{
    if (Fails(standardModesOnly ? ENUMERATE_STANDARD_MODES : ENUMERATE_MODES))
        return false;
    return MemoryDisplayDevice::EnumerateModes(standardModesOnly, modes);
}

bool FakeDisplayDevice::SetDisplayMode(const DisplayMode& mode)
{
    return !Fails(DISPLAY_MODE) && MemoryDisplayDevice::SetDisplayMode(mode);
}

bool FakeDisplayDevice::CreateFlipChain(uint32_t backBufferCount, bool videoMemory)
{
    flipChainRequests.push_back({backBufferCount, videoMemory});
    if (m_FailingChains.count({backBufferCount, videoMemory}))
        return false;
    return MemoryDisplayDevice::CreateFlipChain(backBufferCount, videoMemory);
}

bool FakeDisplayDevice::CreateWindowedSurfaces(uint32_t width, uint32_t height)
{
    return !Fails(WINDOWED_SURFACES) && MemoryDisplayDevice::CreateWindowedSurfaces(width, height);
}

bool FakeDisplayDevice::CreatePalette()
{
    m_PaletteCreated = m_PaletteAvailable;
    return m_PaletteCreated;
}

void FakeDisplayDevice::SetPaletteEntries(const uint8_t* entries)
{
    if (!m_PaletteCreated)
        return;
    ++paletteUploads;
    std::memcpy(lastPalette, entries, sizeof(lastPalette));
}

bool FakeDisplayDevice::Restore(DisplaySurfaceKind surface)
{
    ++restores;
    return !Fails(RESTORE) && MemoryDisplayDevice::Restore(surface);
}

bool FakeDisplayDevice::LockBackSurface(DisplayLock& lock)
{
    ++lockAttempts;
    if (Fails(LOCK) || !MemoryDisplayDevice::LockBackSurface(lock))
        return false;
    ++locks;
    return true;
}

void FakeDisplayDevice::UnlockBackSurface()
{
    ++unlocks;
    MemoryDisplayDevice::UnlockBackSurface();
}

bool FakeDisplayDevice::FillBackSurface(const DisplayRect& rect, uint32_t value)
{
    if (Fails(FILL) || !MemoryDisplayDevice::FillBackSurface(rect, value))
        return false;
    ++fills;
    return true;
}

bool FakeDisplayDevice::Flip()
{
    if (Fails(FLIP) || !MemoryDisplayDevice::Flip())
        return false;
    ++flips;
    return true;
}

bool FakeDisplayDevice::PresentWindowed()
{
    if (Fails(PRESENT_WINDOWED) || !MemoryDisplayDevice::PresentWindowed())
        return false;
    ++windowedPresents;
    return true;
}

bool FakeDisplayDevice::GetPixelFormat(DisplayPixelFormat& format)
{
    if (Fails(PIXEL_FORMAT) || !MemoryDisplayDevice::GetPixelFormat(format))
        return false;
    if (format.bitsPerPixel == 16)
        format.greenMask = m_GreenMask;
    return true;
}

void FakeDisplayDevice::SetFiveFiveFive(bool value)
{
    fiveFiveFive = value;
    MemoryDisplayDevice::SetFiveFiveFive(value);
}

void FakeDisplayDevice::Release()
{
    ++releases;
    m_PaletteCreated = false;
    MemoryDisplayDevice::Release();
}
