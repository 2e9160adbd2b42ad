#pragma once

#include <cstdint>
#include <vector>

#include "engine/graphics/color_table.h"
#include "engine/graphics/frame.h"
#include "engine/platform/display_device.h"

// The display as a frame: its pixels are the back surface of the display
// device while that is locked, and null otherwise. It sets the display mode
// (full screen with a flip chain, or windowed with one lasting surface),
// presents, fades the picture out and in, applies the brightness setting
// and converts to a 5-5-5 display. There is one, reached through
// GetScreenFrame.
//
// Brightness, the fade and 5-5-5 packing are applied only in the last copy
// onto the screen: a "Normal" blit onto the 16-bit screen is swapped for a
// brightness or conversion blit type on the way, so every off-screen frame
// stays plain 5-6-5.
//
// Drawing locks on demand: each drawing operation locks and unlocks around
// itself unless the caller already holds the lock, so a caller that locks
// once around many calls pays for one lock. A lock that fails 100 times in
// a row leaves the pixels null, and the drawing then does nothing.
//
// Opaque fills and clears go to the display device as raw fills of the
// unlocked back surface, in the screen's own pixel packing.
//
// Without surfaces (no mode set yet, or setting one failed) presents answer
// false and drawing does nothing.
class CScreenFrame : public CFrame
{
    VP_DECLARE_CLASS(CScreenFrame)
public:
    CScreenFrame();
    ~CScreenFrame() override;

    uint32_t GetInstanceSize() const override;

    bool Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType) override;
    void Clear() override;
    void Fill(const CColor& colour) override;
    void FillRect(const CRect& rect, const CColor& colour) override;
    using CFrameInterface::FillRect;
    void DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour) override;
    void DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour) override;
    using CFrameInterface::DrawLineAA;
    bool GetPixel(int32_t x, int32_t y, CColor& colour) const override;
    uint32_t GetPixelValue(int32_t x, int32_t y) const override;
    void SetPixel(int32_t x, int32_t y, const CColor& colour) override;
    void RemapRect(const CRect& rect, const uint8_t* map) override;
    using CFrameInterface::RemapRect;
    void DrawRectOutline(const CRect& rect, const CColor& colour);
    void DrawBevelRect(const CRect& rect, const CColor& topLeft, const CColor& bottomRight);
    // Black, through the display device.
    void ClearRectHardware(const CRect& rect);

    // On success width and height hold the mode used; on failure both are
    // 0 and no surfaces are left. Windowed, the desktop's depth is used; a
    // desktop too shallow for the depth asked for is fatal.
    bool SetScreenMode(uint32_t& width, uint32_t& height, int32_t depth, int32_t requestedDepth);
    // Sets the mode again, full screen or windowed, at the same size and
    // the display depth; failure is fatal.
    void SetFullScreen(bool fullScreen);
    void RestoreFullScreen(bool fullScreen) { SetFullScreen(fullScreen); }
    // The first mode of the table at least as large as asked; 0 x 0 when
    // none is.
    void ChooseMode(uint32_t& width, uint32_t& height) const;
    bool IsModeSet() const { return m_ModeSet; }
    bool IsFullScreen() const { return m_FullScreen; }

    void LockBackBuffer();
    void UnlockBackBuffer();
    bool IsLocked() const { return m_Locked; }
    // True when the picture was shown.
    bool Present();
    // Clears and presents every surface of the chain.
    void ClearAllBuffers();
    void ReleaseDirectDraw();

    // Blocking fades run until they end, redrawing the picture they started
    // from.
    void FadeOut(float seconds, float blackHold, int32_t blocking);
    void FadeIn(float seconds, int32_t blocking);
    void UpdateFade(float elapsedSeconds);
    // Fade factor x brightness.
    float GetFadeBrightness() const { return m_FadeFactor * m_Brightness; }
    float GetFadeFactor() const { return m_FadeFactor; }
    void SetFadeFactor(float factor) { m_FadeFactor = factor; }
    // Never negative.
    void SetBrightness(float brightness);
    float GetBrightness() const { return m_Brightness; }

    // Makes a 256-entry palette the screen's own and uploads it, brightened,
    // when the display has a palette.
    void ApplyPalette(const CColorTable* palette);
    // Cross-fades the palette to the target over the time, redrawing the
    // image when one is given (with the type and rectangles when all three
    // are given, else whole at (0, 0) with "Normal").
    void FadePalette(CFrameInterface* image, const CRect* sourceRect, const CRect* destinationRect, CBlitType* blitType,
                     const CColorTable& target, uint32_t milliseconds);
    void FadePaletteToBlack(CFrameInterface* image, const CRect* sourceRect, const CRect* destinationRect,
                            CBlitType* blitType, uint32_t milliseconds);

    uint32_t GetBackBufferCount() const { return m_BackBufferCount; }
    uint32_t GetCurrentBufferIndex() const { return m_CurrentBufferIndex; }
    bool IsInVideoMemory() const { return m_VideoMemory; }
    bool IsFiveSixFive() const { return m_FiveSixFive; }
    uint32_t GetModeCount() const { return static_cast<uint32_t>(m_Modes.size()); }
    const DisplayMode& GetMode(uint32_t index) const;

    static constexpr uint32_t MAX_MODES = 100;

private:
    enum FadeState
    {
        FADING_IN = 0,
        FADING_OUT = 1,
        FADE_IDLE = 2
    };

    bool SetScreenModeSteps(uint32_t& width, uint32_t& height, int32_t depth, int32_t requestedDepth);
    void RefuseShallowDesktop(int32_t requestedDepth, int32_t desktopDepth);
    void CollectModes(int32_t depth);
    bool CreateSurfaces(uint32_t width, uint32_t height, int32_t depth);
    void DecidePacking();
    void ClearForPresent();
    CBlitType* ScreenBlitType(CBlitType* blitType);
    uint32_t FillValue(const CColor& colour) const;
    void HardwareFill(const CRect& rect, uint32_t value);
    void RunBlockingFade();
    void DrawPaletteFadeImage(CFrameInterface* image, const CRect* sourceRect, const CRect* destinationRect,
                              CBlitType* blitType);
    // Runs a drawing operation inside a lock of its own unless one is held.
    template <typename Operation>
    void WithLock(Operation operation);

    uint32_t m_TotalBufferCount = 0;
    uint32_t m_BackBufferCount = 0;
    uint32_t m_CurrentBufferIndex = 0;
    bool m_VideoMemory = false;
    std::vector<DisplayMode> m_Modes;
    bool m_FiveSixFive = true;
    float m_Brightness = 1.0f;
    int32_t m_FadeState = FADE_IDLE;
    float m_FadeFactor = 1.0f;
    float m_FadeDuration = 0.0f;
    float m_FadeTimeLeft = 0.0f;
    float m_BlackHold = 5.0f;

    bool m_FullScreen = true;
    bool m_ModeSet = false;
    bool m_Locked = false;
    bool m_HasDevice = false;
    bool m_HasPrimary = false;
    bool m_HasBack = false;
    bool m_HasPalette = false;
    CColorTable m_BlackPalette;
    CColorTable m_CurrentPaletteCopy;
    CColorTable m_WorkingPalette;
    CFrame* m_pSnapshot = nullptr;
};

// The one screen, built on first use.
CScreenFrame* GetScreenFrame();
