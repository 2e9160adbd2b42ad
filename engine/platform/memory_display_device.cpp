#include "engine/platform/memory_display_device.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t SURFACE_ALIGNMENT = 64;
constexpr int32_t PITCH_PIXEL_MULTIPLE = 8;
constexpr uint32_t LARGEST_WINDOWED_SIDE = 8192;
const uint32_t OFFERED_DEPTHS[] = {16, 24, 32};
const DisplayMode OFFERED_SIZES[] = {
    {640, 480, 0}, {800, 600, 0}, {1024, 768, 0}, {1152, 864, 0}, {1280, 960, 0}, {1280, 1024, 0}, {1600, 1200, 0},
};

bool IsSurfaceDepth(uint32_t bits)
{
    return std::find(std::begin(OFFERED_DEPTHS), std::end(OFFERED_DEPTHS), bits) != std::end(OFFERED_DEPTHS);
}

void StoreRaw(uint8_t* pixel, int32_t bytesPerPixel, uint32_t value)
{
    for (int32_t i = 0; i < bytesPerPixel; ++i)
        pixel[i] = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace

MemoryDisplayDevice::MemoryDisplayDevice()
{
    for (uint32_t bits : OFFERED_DEPTHS)
        for (const DisplayMode& size : OFFERED_SIZES)
            m_OfferedModes.push_back({size.width, size.height, bits});
}

MemoryDisplayDevice::~MemoryDisplayDevice()
{
    FreeSurfaces();
}

bool MemoryDisplayDevice::IsUsable()
{
    return true;
}

bool MemoryDisplayDevice::ShowPicture(const DisplayPicture&)
{
    return true;
}

bool MemoryDisplayDevice::Create()
{
    if (!IsUsable())
        return false;
    m_Created = true;
    return true;
}

bool MemoryDisplayDevice::SetCooperativeLevel(WindowHandle, bool fullScreen)
{
    if (!IsUsable() || !m_Created)
        return false;
    m_CooperativeLevelSet = true;
    m_FullScreen = fullScreen;
    return true;
}

bool MemoryDisplayDevice::EnumerateModes(bool, std::vector<DisplayMode>& modes)
{
    if (!IsUsable() || !m_Created)
        return false;
    modes.insert(modes.end(), m_OfferedModes.begin(), m_OfferedModes.end());
    return true;
}

bool MemoryDisplayDevice::SetDisplayMode(const DisplayMode& mode)
{
    if (!IsUsable() || !IsFullScreenLevel() || !IsSurfaceDepth(mode.bitsPerPixel))
        return false;
    const bool offered = std::any_of(m_OfferedModes.begin(), m_OfferedModes.end(), [&](const DisplayMode& each) {
        return each.width == mode.width && each.height == mode.height && each.bitsPerPixel == mode.bitsPerPixel;
    });
    if (!offered)
        return false;
    m_Mode = mode;
    m_ModeSet = true;
    return true;
}

bool MemoryDisplayDevice::CreateFlipChain(uint32_t backBufferCount, bool)
{
    if (!IsUsable() || !IsFullScreenLevel() || !m_ModeSet || HasSurfaces())
        return false;
    if (backBufferCount < 1 || backBufferCount > 2)
        return false;
    if (!AllocateSurfaces(backBufferCount + 1, m_Mode.width, m_Mode.height, static_cast<int32_t>(m_Mode.bitsPerPixel)))
        return false;
    m_Windowed = false;
    m_BackIndex = 1;
    return true;
}

bool MemoryDisplayDevice::CreateWindowedSurfaces(uint32_t width, uint32_t height)
{
    if (!IsUsable() || !m_CooperativeLevelSet || m_FullScreen || HasSurfaces())
        return false;
    if (width == 0 || height == 0 || width > LARGEST_WINDOWED_SIDE || height > LARGEST_WINDOWED_SIDE)
        return false;
    const int32_t bits = GetDesktopBitsPerPixel();
    if (!IsSurfaceDepth(static_cast<uint32_t>(bits)) || !AllocateSurfaces(1, width, height, bits))
        return false;
    m_Windowed = true;
    m_BackIndex = 0;
    return true;
}

bool MemoryDisplayDevice::CreatePalette()
{
    return false;
}

void MemoryDisplayDevice::SetPaletteEntries(const uint8_t*)
{
}

bool MemoryDisplayDevice::IsLost(DisplaySurfaceKind surface)
{
    if (!IsUsable() || !HasSurfaces())
        return false;
    return surface == DisplaySurfaceKind::PRIMARY ? m_PrimaryLost : m_BackLost;
}

bool MemoryDisplayDevice::Restore(DisplaySurfaceKind surface)
{
    if (!IsUsable() || !HasSurfaces())
        return false;
    // A flip chain is one surface to the display: restoring any part of it
    // restores all of it. The windowed primary is the window, which holds
    // no pixels of its own.
    const bool wholeChain = !m_Windowed;
    if (wholeChain || surface == DisplaySurfaceKind::BACK)
        for (Surface& each : m_Surfaces)
            std::memset(each.pixels, 0, static_cast<size_t>(each.pitch) * static_cast<size_t>(each.height));
    if (wholeChain || surface == DisplaySurfaceKind::PRIMARY)
        m_PrimaryLost = false;
    if (wholeChain || surface == DisplaySurfaceKind::BACK)
        m_BackLost = false;
    return true;
}

void MemoryDisplayDevice::LoseSurfaces()
{
    if (!HasSurfaces())
        return;
    m_PrimaryLost = true;
    m_BackLost = true;
}

bool MemoryDisplayDevice::LockBackSurface(DisplayLock& lock)
{
    if (!IsUsable() || !HasSurfaces() || m_Locked || m_BackLost)
        return false;
    lock.pixels = BackSurface().pixels;
    lock.pitch = BackSurface().pitch;
    m_Locked = true;
    return true;
}

void MemoryDisplayDevice::UnlockBackSurface()
{
    m_Locked = false;
}

bool MemoryDisplayDevice::FillBackSurface(const DisplayRect& rect, uint32_t value)
{
    if (!IsUsable() || !HasSurfaces() || m_Locked || m_BackLost)
        return false;
    Surface& surface = BackSurface();
    const int32_t left = std::max(rect.left, 0);
    const int32_t top = std::max(rect.top, 0);
    const int32_t right = std::min(rect.right, surface.width);
    const int32_t bottom = std::min(rect.bottom, surface.height);
    if (left >= right || top >= bottom)
        return false;
    const int32_t bytesPerPixel = surface.bitsPerPixel / 8;
    for (int32_t y = top; y < bottom; ++y)
    {
        uint8_t* pixel = surface.pixels + static_cast<size_t>(y) * static_cast<size_t>(surface.pitch) +
                         static_cast<size_t>(left) * static_cast<size_t>(bytesPerPixel);
        for (int32_t x = left; x < right; ++x, pixel += bytesPerPixel)
            StoreRaw(pixel, bytesPerPixel, value);
    }
    return true;
}

bool MemoryDisplayDevice::Flip()
{
    if (!IsUsable() || !HasSurfaces() || m_Windowed || m_Locked || m_PrimaryLost || m_BackLost)
        return false;
    if (!ShowPicture(PictureOf(BackSurface())))
        return false;
    m_Presented = true;
    m_PresentedIndex = m_BackIndex;
    m_BackIndex = (m_BackIndex + 1) % m_Surfaces.size();
    return true;
}

bool MemoryDisplayDevice::PresentWindowed()
{
    if (!IsUsable() || !HasSurfaces() || !m_Windowed || m_Locked || m_PrimaryLost || m_BackLost)
        return false;
    if (!ShowPicture(PictureOf(BackSurface())))
        return false;
    m_Presented = true;
    m_PresentedIndex = m_BackIndex;
    return true;
}

bool MemoryDisplayDevice::GetPixelFormat(DisplayPixelFormat& format)
{
    if (!IsUsable() || !HasSurfaces())
        return false;
    format.bitsPerPixel = static_cast<uint32_t>(m_Surfaces[0].bitsPerPixel);
    format.greenMask = format.bitsPerPixel == 16 ? 0x7E0 : 0xFF00;
    return true;
}

void MemoryDisplayDevice::SetFiveFiveFive(bool fiveFiveFive)
{
    m_FiveFiveFive = fiveFiveFive;
}

int32_t MemoryDisplayDevice::GetDesktopBitsPerPixel()
{
    return 16;
}

bool MemoryDisplayDevice::GetLastPresented(DisplayPicture& picture)
{
    if (!IsUsable() || !HasSurfaces() || !m_Presented)
        return false;
    picture = PictureOf(m_Surfaces[m_PresentedIndex]);
    return true;
}

void MemoryDisplayDevice::Release()
{
    FreeSurfaces();
    m_Created = false;
    m_CooperativeLevelSet = false;
    m_FullScreen = false;
    m_ModeSet = false;
    m_Mode = {};
    m_FiveFiveFive = false;
}

bool MemoryDisplayDevice::AllocateSurfaces(size_t count, uint32_t width, uint32_t height, int32_t bitsPerPixel)
{
    const int32_t paddedWidth =
        (static_cast<int32_t>(width) + PITCH_PIXEL_MULTIPLE - 1) / PITCH_PIXEL_MULTIPLE * PITCH_PIXEL_MULTIPLE;
    const int32_t pitch = paddedWidth * (bitsPerPixel / 8);
    size_t bytes = static_cast<size_t>(pitch) * height;
    bytes = (bytes + SURFACE_ALIGNMENT - 1) / SURFACE_ALIGNMENT * SURFACE_ALIGNMENT;
    for (size_t i = 0; i < count; ++i)
    {
        Surface surface;
        surface.pixels = static_cast<uint8_t*>(std::aligned_alloc(SURFACE_ALIGNMENT, bytes));
        if (!surface.pixels)
        {
            FreeSurfaces();
            return false;
        }
        std::memset(surface.pixels, 0, bytes);
        surface.width = static_cast<int32_t>(width);
        surface.height = static_cast<int32_t>(height);
        surface.pitch = pitch;
        surface.bitsPerPixel = bitsPerPixel;
        m_Surfaces.push_back(surface);
    }
    return true;
}

void MemoryDisplayDevice::FreeSurfaces()
{
    for (Surface& surface : m_Surfaces)
        std::free(surface.pixels);
    m_Surfaces.clear();
    m_BackIndex = 0;
    m_Windowed = false;
    m_Locked = false;
    m_PrimaryLost = false;
    m_BackLost = false;
    m_Presented = false;
    m_PresentedIndex = 0;
}

DisplayPicture MemoryDisplayDevice::PictureOf(const Surface& surface) const
{
    return {surface.pixels, surface.width, surface.height, surface.pitch, surface.bitsPerPixel, m_FiveFiveFive};
}
