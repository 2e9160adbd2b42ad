#pragma once

#include <cstdint>

#include "engine/core/geometry/rect.h"

class CBlitType;
class CFrame;
class CFrameOverlayOptions;
class CScreenFrame;
class TextSubstitutionList;

// A picture on a slide, and whether the slide show deletes it.
struct CSlide
{
    CFrame* frame;
    bool owned;
};

// Full-screen still pictures, one at a time, centred on the screen frame:
// each fades in from black (through the palette for 8-bit pictures) and,
// when the next comes or the show hides it, fades out again after waiting
// out the delay or a key or a newly pressed mouse button. Overlay texts are
// drawn onto a copy, so a caller's picture is never written.
//
// Every step of a fade draws and presents four times, so every surface of
// the flip chain holds the picture.
class CSlideShow
{
public:
    CSlideShow();
    // Releases the current slide without fading.
    ~CSlideShow();

    // Shows a picture the caller keeps. A run-length frame is fatal.
    void ShowFrame(CFrame* frame, CFrameOverlayOptions* overlays = nullptr,
                   const TextSubstitutionList* substitutions = nullptr);
    // Takes the slide (allocated with new) and shows it; a slide without a
    // picture or pixels is dropped.
    void Show(CSlide* slide, CFrameOverlayOptions* overlays, const TextSubstitutionList* substitutions);
    // Waits, fades the current picture out and releases it.
    void Hide();
    // Returns at once the first time; later only once the delay has passed
    // since the last wait ended, or a key or a mouse button not held when it
    // began is pressed.
    void WaitForDelay();
    // Clears the screen and draws the picture centred.
    void DrawCentered(CScreenFrame& screen);

    void SetDelay(float seconds) { m_Delay = seconds; }
    float GetDelay() const { return m_Delay; }
    // 8-bit pictures fade to the current palette instead of their own.
    void SetUseCurrentPalette(bool use) { m_UseCurrentPalette = use; }
    const CSlide* GetCurrentSlide() const { return m_pCurrentSlide; }
    const CRect& GetDestinationRect() const { return m_DestinationRect; }

    CSlideShow(const CSlideShow&) = delete;
    CSlideShow& operator=(const CSlideShow&) = delete;

private:
    void PresentFourTimes(CScreenFrame& screen);
    void ReleaseSlide();
    // Time in seconds since the last call, for the fade loops.
    float TakeElapsedSeconds(uint32_t& last);

    uint32_t m_LastSlideTime;
    float m_Delay;
    CRect m_SourceRect;
    CRect m_DestinationRect;
    CBlitType* m_pBlitType;
    CSlide* m_pCurrentSlide;
    bool m_UseCurrentPalette;
};
