#include "engine/graphics/screen_frame.h"

#include <algorithm>
#include <cstring>

#include "engine/blit/blit_normal.h"
#include "engine/blit/screen_blit_types.h"
#include "engine/core/color/color.h"
#include "engine/core/program/error_report.h"
#include "engine/core/program/main_window.h"
#include "engine/core/settings/settings.h"
#include "engine/graphics/frame_clipping.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/platform/display_device.h"
#include "engine/platform/tick_counter.h"

namespace {

constexpr int32_t LOCK_ATTEMPTS = 100;
constexpr uint32_t PALETTE_BYTES = 768;

// Modes keep to the shapes of 4:3 and 5:4 displays.
constexpr float NARROWEST_RATIO = 1.233333f;
constexpr float WIDEST_RATIO = 1.433333f;
constexpr uint32_t LARGEST_SIDE = 999999;

// Which desktops a windowed screen of each depth accepts.
bool AcceptsDesktop(int32_t requestedDepth, int32_t desktopDepth)
{
    switch (requestedDepth)
    {
    case 8:
        return desktopDepth != 24 && desktopDepth != 32;
    case 16:
        return desktopDepth == 16 || desktopDepth == 24 || desktopDepth == 32;
    case 24:
        return desktopDepth == 24 || desktopDepth == 32;
    case 32:
        return desktopDepth == 32;
    default:
        return true;
    }
}

const char* RefusalText(int32_t requestedDepth)
{
    switch (requestedDepth)
    {
    case 8:
        return "You are tring to run it 8 bit mode.  You must set your screen to 256 (8-bit), 32768 (15-bit), or "
               "65536 (16-bit) color mode before running this application in a window.";
    case 16:
        return "You are trynig to run in 16 bit.  You must set your screen to 16 bit, 65536 colors, before running "
               "this application.";
    case 24:
        return "You are trying run in 24 bit windowed mode.  You must set your screen 24 bit, millions of colors, "
               "before running this application.";
    default:
        return "You are trying run in 32 bit windowed mode.  You must set your screen 24 bit, millions of colors, "
               "before running this application.";
    }
}

bool IsAcceptedMode(const DisplayMode& mode, int32_t depth)
{
    if (mode.bitsPerPixel != static_cast<uint32_t>(depth) || mode.height == 0)
        return false;
    const float ratio = static_cast<float>(mode.width) / static_cast<float>(mode.height);
    return ratio > NARROWEST_RATIO && ratio < WIDEST_RATIO && mode.width >= 640 && mode.height >= 480 &&
           mode.width <= LARGEST_SIDE && mode.height <= LARGEST_SIDE;
}

uint32_t ToFiveFiveFive(uint32_t value)
{
    return ((value & 0xFFC0) >> 1) | (value & 0x1F);
}

} // namespace

VP_IMPLEMENT_CLASS(CScreenFrame, CFrame, 1.0f)

void CScreenFrame::RegisterProperties(CClassInfo*)
{
}

CScreenFrame::CScreenFrame()
{
    m_BlackPalette.SetKind(CColorTable::PALETTE);
    std::memset(m_BlackPalette.GetData(), 0, PALETTE_BYTES);
    m_CurrentPaletteCopy.SetKind(CColorTable::PALETTE);
    m_WorkingPalette.SetKind(CColorTable::PALETTE);
    ConstructProperties(SGetClassInfo());
}

CScreenFrame::~CScreenFrame()
{
    DestroyProperties(SGetClassInfo());
    ReleaseDirectDraw();
    m_ModeSet = false;
    delete m_pSnapshot;
}

uint32_t CScreenFrame::GetInstanceSize() const
{
    return SGetClassInfo()->GetInstanceSize();
}

const DisplayMode& CScreenFrame::GetMode(uint32_t index) const
{
    return m_Modes[index];
}

// ---- setting the mode

bool CScreenFrame::SetScreenMode(uint32_t& width, uint32_t& height, int32_t depth, int32_t requestedDepth)
{
    m_VideoMemory = false;
    // Set even when the call fails: a failed mode leaves a screen without
    // surfaces, which presents nothing and draws nothing.
    m_ModeSet = true;
    if (GetBitsPerPixel() == depth && GetWidth() == static_cast<int32_t>(width) &&
        GetHeight() == static_cast<int32_t>(height) && m_HasDevice && m_HasBack)
        return true;
    ReleaseDirectDraw();
    if (SetScreenModeSteps(width, height, depth, requestedDepth))
        return true;
    ReleaseDirectDraw();
    SetSize(0, 0);
    width = 0;
    height = 0;
    return false;
}

bool CScreenFrame::SetScreenModeSteps(uint32_t& width, uint32_t& height, int32_t depth, int32_t requestedDepth)
{
    DisplayDevice& device = GetDisplayDevice();
    if (!m_FullScreen)
    {
        depth = device.GetDesktopBitsPerPixel();
        RefuseShallowDesktop(requestedDepth, depth);
    }
    if (!m_HasDevice)
    {
        if (!device.Create())
            return false;
        m_HasDevice = true;
    }
    // A refused level fails the call only once the mode is chosen.
    const bool levelSet = device.SetCooperativeLevel(GetMainWindow(), m_FullScreen);
    CollectModes(depth);
    ChooseMode(width, height);
    if (width == 0 || height == 0 || !levelSet)
        return false;
    if (m_FullScreen && !device.SetDisplayMode({width, height, static_cast<uint32_t>(depth)}))
        return false;
    if (!CreateSurfaces(width, height, depth))
        return false;

    // The display's 8-bit palette starts as a grey ramp; displays without
    // 8-bit modes have none, and uploads are then skipped.
    m_HasPalette = device.CreatePalette();
    if (m_HasPalette)
    {
        uint8_t ramp[PALETTE_BYTES];
        for (uint32_t i = 0; i < PALETTE_BYTES; i++)
            ramp[i] = static_cast<uint8_t>(i / 3);
        device.SetPaletteEntries(ramp);
    }

    DisplayLock lock;
    if (!device.LockBackSurface(lock))
        return false;
    device.UnlockBackSurface();
    SetSize(width, height);
    SetFormatWord(DepthBitsOf(depth));
    BuildRowTable(lock.pitch / GetBytesPerPixel(), true);
    if (depth == 16)
        DecidePacking();

    m_TotalBufferCount = m_BackBufferCount + 2;
    for (uint32_t i = 0; i < m_TotalBufferCount; i++)
    {
        ClearForPresent();
        Present();
    }
    return true;
}

void CScreenFrame::RefuseShallowDesktop(int32_t requestedDepth, int32_t desktopDepth)
{
    if (AcceptsDesktop(requestedDepth, desktopDepth))
        return;
    ShowErrorReport("BAD SCREEN MODE", RefusalText(requestedDepth));
    ExitAfterFatalError();
}

void CScreenFrame::CollectModes(int32_t depth)
{
    DisplayDevice& device = GetDisplayDevice();
    std::vector<DisplayMode> offered;
    if (!device.EnumerateModes(true, offered))
    {
        offered.clear();
        device.EnumerateModes(false, offered);
    }
    m_Modes.clear();
    for (const DisplayMode& mode : offered)
        if (IsAcceptedMode(mode, depth) && m_Modes.size() < MAX_MODES)
            m_Modes.push_back(mode);
    std::stable_sort(m_Modes.begin(), m_Modes.end(), [](const DisplayMode& a, const DisplayMode& b) {
        return a.width != b.width ? a.width < b.width : a.height < b.height;
    });
    m_Modes.erase(std::unique(m_Modes.begin(), m_Modes.end(),
                              [](const DisplayMode& a,
                                 const DisplayMode& b) { return a.width == b.width && a.height == b.height; }),
                  m_Modes.end());
}

void CScreenFrame::ChooseMode(uint32_t& width, uint32_t& height) const
{
    for (const DisplayMode& mode : m_Modes)
        if (mode.width == width && mode.height == height)
            return;
    for (const DisplayMode& mode : m_Modes)
        if (mode.width >= width && mode.height >= height)
        {
            width = mode.width;
            height = mode.height;
            return;
        }
    width = 0;
    height = 0;
}

bool CScreenFrame::CreateSurfaces(uint32_t width, uint32_t height, int32_t)
{
    DisplayDevice& device = GetDisplayDevice();
    if (!m_FullScreen)
    {
        m_BackBufferCount = 0;
        m_HasPrimary = m_HasBack = device.CreateWindowedSurfaces(width, height);
        return m_HasBack;
    }
    // Two back buffers in video memory, else one, else one wherever the
    // display puts it.
    const struct
    {
        uint32_t backBuffers;
        bool videoMemory;
    } chains[] = {{2, true}, {1, true}, {1, false}};
    for (const auto& chain : chains)
    {
        if (device.CreateFlipChain(chain.backBuffers, chain.videoMemory))
        {
            m_BackBufferCount = chain.backBuffers;
            m_VideoMemory = chain.videoMemory;
            m_HasPrimary = m_HasBack = true;
            return true;
        }
    }
    return false;
}

void CScreenFrame::DecidePacking()
{
    DisplayDevice& device = GetDisplayDevice();
    m_FiveSixFive = true;
    DisplayPixelFormat format;
    if (device.GetPixelFormat(format))
        m_FiveSixFive = format.greenMask == 0x7E0;
    const char* file = GetGeneralSettings().GetFileName();
    const int32_t legacy = ReadSettingInt(file, "Options", "Use Legacy Color Mode", 0);
    WriteSettingInt(file, "Options", "Use Legacy Color Mode", legacy != 0 ? 1 : 0);
    if (legacy != 0)
        m_FiveSixFive = !m_FiveSixFive;
    device.SetFiveFiveFive(!m_FiveSixFive);
}

void CScreenFrame::SetFullScreen(bool fullScreen)
{
    ReleaseDirectDraw();
    m_FullScreen = fullScreen;
    uint32_t width = static_cast<uint32_t>(GetWidth());
    uint32_t height = static_cast<uint32_t>(GetHeight());
    if (!SetScreenMode(width, height, GetDisplayBitDepth(), GetDisplayBitDepth()))
    {
        ShowErrorReport("FATAL ERROR", "Couldn't set the screen full screen.");
        ExitAfterFatalError();
    }
}

void CScreenFrame::ReleaseDirectDraw()
{
    if (m_HasDevice && m_HasBack)
    {
        for (uint32_t i = 0; i < m_BackBufferCount + 1; i++)
        {
            Clear();
            Present();
        }
    }
    UnlockBackBuffer();
    GetDisplayDevice().Release();
    m_HasPalette = false;
    m_HasBack = false;
    m_HasPrimary = false;
    m_HasDevice = false;
    m_CurrentBufferIndex = 0;
}

// ---- locking

void CScreenFrame::LockBackBuffer()
{
    if (m_pPixels || !m_HasBack)
        return;
    DisplayDevice& device = GetDisplayDevice();
    for (int32_t attempt = 0; attempt < LOCK_ATTEMPTS; attempt++)
    {
        bool restored = true;
        for (DisplaySurfaceKind surface : {DisplaySurfaceKind::PRIMARY, DisplaySurfaceKind::BACK})
            if (restored && device.IsLost(surface))
                restored = device.Restore(surface);
        if (!restored)
            continue;
        DisplayLock lock;
        if (device.LockBackSurface(lock))
        {
            m_pPixels = lock.pixels;
            m_Locked = true;
            return;
        }
    }
}

void CScreenFrame::UnlockBackBuffer()
{
    if (!m_Locked)
        return;
    GetDisplayDevice().UnlockBackSurface();
    m_pPixels = nullptr;
    m_Locked = false;
}

template <typename Operation>
void CScreenFrame::WithLock(Operation operation)
{
    if (m_Locked)
    {
        operation();
        return;
    }
    LockBackBuffer();
    operation();
    if (m_Locked)
        UnlockBackBuffer();
}

// ---- drawing

CBlitType* CScreenFrame::ScreenBlitType(CBlitType* blitType)
{
    if (blitType != &GetBlitNormal() || GetBitsPerPixel() != 16)
        return blitType;
    const float f = GetFadeBrightness();
    int32_t amount = static_cast<int32_t>((f - 1.0f) * 128.0f);
    if (amount < 0)
        amount = static_cast<int32_t>((f - 1.0f) * 256.0f);
    CBlitScreenAmount* chosen = nullptr;
    if (m_FiveSixFive)
    {
        if (amount >= 4)
            chosen = &GetBlitBrighten565();
        else if (amount <= -4)
            chosen = &GetBlitDarken565();
        else
            return blitType;
    }
    else
    {
        if (amount >= 8)
            chosen = &GetBlitBrighten555();
        else if (amount <= -8)
            chosen = &GetBlitDarken555();
        else
            return &GetBlitConvert555();
    }
    chosen->SetAmount(amount < 0 ? -amount : amount);
    return chosen;
}

bool CScreenFrame::Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType)
{
    CBlitType* type = ScreenBlitType(blitType);
    bool drawn = false;
    WithLock([&] { drawn = CFrame::Blit(source, sourceRect, destinationRect, type); });
    return drawn;
}

void CScreenFrame::DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour)
{
    WithLock([&] { CFrame::DrawLine(x0, y0, x1, y1, colour); });
}

void CScreenFrame::DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour)
{
    WithLock([&] { CFrame::DrawLineAA(x0, y0, x1, y1, colour); });
}

// Reading the screen locks it too; the lock is state of the display, not
// of the picture.
bool CScreenFrame::GetPixel(int32_t x, int32_t y, CColor& colour) const
{
    bool inside = false;
    const_cast<CScreenFrame*>(this)->WithLock([&] { inside = CFrame::GetPixel(x, y, colour); });
    return inside;
}

uint32_t CScreenFrame::GetPixelValue(int32_t x, int32_t y) const
{
    uint32_t value = 0;
    const_cast<CScreenFrame*>(this)->WithLock([&] { value = CFrame::GetPixelValue(x, y); });
    return value;
}

void CScreenFrame::SetPixel(int32_t x, int32_t y, const CColor& colour)
{
    WithLock([&] { CFrame::SetPixel(x, y, colour); });
}

void CScreenFrame::RemapRect(const CRect& rect, const uint8_t* map)
{
    WithLock([&] { CFrame::RemapRect(rect, map); });
}

void CScreenFrame::DrawRectOutline(const CRect& rect, const CColor& colour)
{
    WithLock([&] { CFrameInterface::DrawRectOutline(rect, colour); });
}

void CScreenFrame::DrawBevelRect(const CRect& rect, const CColor& topLeft, const CColor& bottomRight)
{
    WithLock([&] { CFrameInterface::DrawBevelRect(rect, topLeft, bottomRight); });
}

uint32_t CScreenFrame::FillValue(const CColor& colour) const
{
    switch (GetBitsPerPixel())
    {
    case 16:
        return m_FiveSixFive ? colour.m_Rgb565 : ToFiveFiveFive(colour.m_Rgb565);
    case 24:
        return static_cast<uint32_t>(colour.m_Blue24) | static_cast<uint32_t>(colour.m_Green24) << 8 |
               static_cast<uint32_t>(colour.m_Red24) << 16;
    case 32:
        return static_cast<uint32_t>(colour.m_Blue) | static_cast<uint32_t>(colour.m_Green) << 8 |
               static_cast<uint32_t>(colour.m_Red) << 16 | static_cast<uint32_t>(colour.m_Alpha) << 24;
    default:
        return 0;
    }
}

void CScreenFrame::HardwareFill(const CRect& rect, uint32_t value)
{
    CRect bounds;
    GetBounds(bounds);
    CRect clipped = rect;
    if (!ClipRect(bounds, clipped))
        return;
    // The display fills only an unlocked surface.
    const bool wasLocked = m_Locked;
    UnlockBackBuffer();
    GetDisplayDevice().FillBackSurface({clipped.left, clipped.top, clipped.right, clipped.bottom}, value);
    if (wasLocked)
        LockBackBuffer();
}

void CScreenFrame::FillRect(const CRect& rect, const CColor& colour)
{
    if (colour.m_Alpha < 255)
    {
        WithLock([&] { CFrame::FillRect(rect, colour); });
        return;
    }
    HardwareFill(rect, FillValue(colour));
}

void CScreenFrame::ClearRectHardware(const CRect& rect)
{
    HardwareFill(rect, 0);
}

void CScreenFrame::Clear()
{
    ClearRectHardware(CRect{0, 0, GetWidth(), GetHeight()});
}

void CScreenFrame::Fill(const CColor& colour)
{
    FillRect(CRect{0, 0, GetWidth(), GetHeight()}, colour);
}

// ---- presenting

bool CScreenFrame::Present()
{
    DisplayDevice& device = GetDisplayDevice();
    if (!m_HasPrimary)
        return false;
    if (m_FullScreen)
    {
        if (m_Locked || !device.Flip())
            return false;
    }
    else
    {
        // A copy into the window that fails shows the last picture; the
        // next present shows the new one.
        device.PresentWindowed();
    }
    m_CurrentBufferIndex++;
    if (m_CurrentBufferIndex > m_BackBufferCount)
        m_CurrentBufferIndex = 0;
    return true;
}

void CScreenFrame::ClearForPresent()
{
    const CRect bounds{0, 0, GetWidth(), GetHeight()};
    if (GamePalette.HasData())
        FillRect(bounds, CColor(0, 0, 1, 255));
    else
        ClearRectHardware(bounds);
}

void CScreenFrame::ClearAllBuffers()
{
    for (uint32_t i = 0; i < m_TotalBufferCount; i++)
    {
        ClearForPresent();
        Present();
    }
}

// ---- fades and brightness

void CScreenFrame::UpdateFade(float elapsedSeconds)
{
    if (m_FadeFactor <= 0.001f)
    {
        m_BlackHold -= elapsedSeconds;
        if (m_BlackHold < 0.0f)
        {
            m_FadeState = FADING_IN;
            m_FadeDuration = 1.0f;
            m_FadeTimeLeft = 1.0f;
            m_BlackHold = 5.0f;
        }
    }
    if (m_FadeState == FADE_IDLE)
        return;
    m_FadeTimeLeft -= elapsedSeconds;
    if (m_FadeTimeLeft < 0.0f)
        m_FadeTimeLeft = 0.0f;
    if (m_FadeState == FADING_IN)
        m_FadeFactor = 1.0f - m_FadeTimeLeft / m_FadeDuration;
    else
        m_FadeFactor = m_FadeTimeLeft / m_FadeDuration;
    if (m_FadeTimeLeft == 0.0f)
    {
        m_FadeFactor = m_FadeState == FADING_IN ? 1.0f : 0.0f;
        m_FadeState = FADE_IDLE;
    }
}

void CScreenFrame::FadeOut(float seconds, float blackHold, int32_t blocking)
{
    m_FadeState = FADING_OUT;
    m_FadeDuration = seconds;
    m_FadeTimeLeft = seconds;
    m_BlackHold = blackHold;
    if (blocking == 1)
        RunBlockingFade();
}

void CScreenFrame::FadeIn(float seconds, int32_t blocking)
{
    m_FadeState = FADING_IN;
    m_FadeDuration = seconds;
    m_FadeTimeLeft = seconds;
    m_BlackHold = 5.0f;
    if (blocking == 1)
        RunBlockingFade();
}

void CScreenFrame::RunBlockingFade()
{
    if (!m_pSnapshot)
        m_pSnapshot = new CFrame;
    LockBackBuffer();
    CRect bounds;
    GetBounds(bounds);
    m_pSnapshot->CopyRect(this, bounds);
    UnlockBackBuffer();
    uint32_t last = GetTickCount();
    while (m_FadeState != FADE_IDLE)
    {
        const uint32_t now = GetTickCountAfter(last);
        UpdateFade(static_cast<float>(now - last) * 0.001f);
        last = now;
        BlitAt(m_pSnapshot, 0, 0, &GetBlitNormal());
        Present();
    }
}

void CScreenFrame::SetBrightness(float brightness)
{
    m_Brightness = brightness < 0.0f ? 0.0f : brightness;
}

// ---- the 8-bit palette

void CScreenFrame::ApplyPalette(const CColorTable* palette)
{
    if (!palette || !palette->Holds(CColorTable::PALETTE))
        return;
    SetPalette(*palette);
    CColorTable* own = GetPalette();
    own->SetEntry(0, 0, 0, 0);
    own->SetEntry(255, 255, 255, 255);
    uint8_t entries[PALETTE_BYTES];
    std::memcpy(entries, own->GetData(), PALETTE_BYTES);
    if (m_Brightness - 1.0f > 0.01f)
    {
        const int32_t lift = static_cast<int32_t>((m_Brightness - 1.0f) * 128.0f);
        for (uint8_t& channel : entries)
            channel = static_cast<uint8_t>(std::clamp(channel + lift, 0, 255));
    }
    if (m_HasPalette)
        GetDisplayDevice().SetPaletteEntries(entries);
    Build16BitPaletteLookup(*own);
}

void CScreenFrame::DrawPaletteFadeImage(CFrameInterface* image, const CRect* sourceRect, const CRect* destinationRect,
                                        CBlitType* blitType)
{
    if (sourceRect && destinationRect && blitType)
    {
        CRect source = *sourceRect;
        CRect destination = *destinationRect;
        Blit(image, source, destination, blitType);
    }
    else
    {
        BlitAt(image, 0, 0, &GetBlitNormal());
    }
}

void CScreenFrame::FadePalette(CFrameInterface* image, const CRect* sourceRect, const CRect* destinationRect,
                               CBlitType* blitType, const CColorTable& target, uint32_t milliseconds)
{
    const bool drawImage = image && GetBitsPerPixel() != 8;
    // Without a display palette or an image to redraw, the steps between
    // would show nothing: only the end is applied, at once.
    if (m_FullScreen && target.Holds(CColorTable::PALETTE) && (m_HasPalette || drawImage))
    {
        if (const CColorTable* own = GetPalette(); own && own->Holds(CColorTable::PALETTE))
            m_CurrentPaletteCopy.CopyFrom(*own);
        const uint32_t start = GetTickCount();
        uint32_t now = start;
        do
        {
            const float done = milliseconds == 0
                                   ? 1.0f
                                   : std::min(static_cast<float>(now - start) / static_cast<float>(milliseconds), 1.0f);
            const uint8_t* from = m_CurrentPaletteCopy.GetData();
            const uint8_t* to = target.GetData();
            uint8_t* working = m_WorkingPalette.GetData();
            for (uint32_t i = 0; i < PALETTE_BYTES; i++)
                working[i] = static_cast<uint8_t>(from[i] + static_cast<int32_t>((to[i] - from[i]) * done));
            ApplyPalette(&m_WorkingPalette);
            if (drawImage)
            {
                DrawPaletteFadeImage(image, sourceRect, destinationRect, blitType);
                Present();
            }
            now = GetTickCountAfter(now);
        } while (now - start < milliseconds);
    }
    ApplyPalette(&target);
    if (drawImage)
        for (int32_t i = 0; i < 4; i++)
        {
            DrawPaletteFadeImage(image, sourceRect, destinationRect, blitType);
            Present();
        }
}

void CScreenFrame::FadePaletteToBlack(CFrameInterface* image, const CRect* sourceRect, const CRect* destinationRect,
                                      CBlitType* blitType, uint32_t milliseconds)
{
    FadePalette(image, sourceRect, destinationRect, blitType, m_BlackPalette, milliseconds);
}

CScreenFrame* GetScreenFrame()
{
    static CScreenFrame s_Screen;
    return &s_Screen;
}
