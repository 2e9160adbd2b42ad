#include "engine/graphics/slides/slide_show.h"

#include "engine/blit/blit_normal.h"
#include "engine/core/program/error_report.h"
#include "engine/graphics/color_table.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_format.h"
#include "engine/graphics/palettes.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/screen_frame.h"
#include "engine/graphics/slides/frame_overlay.h"
#include "engine/graphics/slides/slide_show_input.h"
#include "engine/platform/tick_counter.h"

namespace {

constexpr uint32_t kPaletteFadeMilliseconds = 500;

bool HasOwnPalette(const CFrame& frame)
{
    const CColorTable* palette = frame.GetPalette();
    return palette != nullptr && palette->HasData();
}

} // namespace

CSlideShow::CSlideShow()
    : m_LastSlideTime(0)
    , m_Delay(3.0f)
    , m_SourceRect{0, 0, 0, 0}
    , m_DestinationRect{0, 0, 0, 0}
    , m_pBlitType(nullptr)
    , m_pCurrentSlide(nullptr)
    , m_UseCurrentPalette(false)
{
}

CSlideShow::~CSlideShow()
{
    ReleaseSlide();
}

void CSlideShow::ReleaseSlide()
{
    if (m_pCurrentSlide == nullptr)
        return;
    if (m_pCurrentSlide->owned)
        delete m_pCurrentSlide->frame;
    delete m_pCurrentSlide;
    m_pCurrentSlide = nullptr;
}

void CSlideShow::ShowFrame(CFrame* frame, CFrameOverlayOptions* overlays, const TextSubstitutionList* substitutions)
{
    if (frame != nullptr && IsRunLengthFormat(frame->GetFormat()))
    {
        ShowErrorReport("Fatal Error", "CSlideShow frames must not be compressed!");
        ExitAfterFatalError();
    }
    Show(new CSlide{frame, false}, overlays, substitutions);
}

void CSlideShow::Show(CSlide* slide, CFrameOverlayOptions* overlays, const TextSubstitutionList* substitutions)
{
    if (slide == nullptr)
        return;
    if (slide->frame == nullptr || slide->frame->GetPixels() == nullptr)
    {
        if (slide->owned)
            delete slide->frame;
        delete slide;
        return;
    }
    Hide();
    m_pCurrentSlide = slide;

    if (overlays != nullptr)
    {
        CFrame* picture = slide->frame;
        if (!slide->owned || picture->GetBitsPerPixel() != GetDisplayBitDepth())
        {
            CFrame* copy = CFrameOverlayOptions::DrawOverlaysOnCopy(overlays, *picture, substitutions);
            ReleaseSlide();
            m_pCurrentSlide = new CSlide{copy, true};
        }
        else
        {
            CFrameOverlayOptions::DrawOverlays(overlays, picture, substitutions);
        }
    }

    CScreenFrame& screen = *GetScreenFrame();
    CFrame& picture = *m_pCurrentSlide->frame;
    if (HasOwnPalette(picture))
    {
        PresentFourTimes(screen);
        const CColorTable& target = m_UseCurrentPalette ? GetCurrentPalette() : *picture.GetPalette();
        screen.FadePalette(&picture, &m_SourceRect, &m_DestinationRect, m_pBlitType, target, kPaletteFadeMilliseconds);
        return;
    }
    screen.FadeOut(1.0f, 5.0f, 0);
    screen.UpdateFade(1.0f);
    screen.FadeIn(0.5f, 0);
    uint32_t last = GetTickCount();
    while (screen.GetFadeFactor() < 1.0f)
    {
        PresentFourTimes(screen);
        screen.UpdateFade(TakeElapsedSeconds(last));
    }
    PresentFourTimes(screen);
}

void CSlideShow::Hide()
{
    WaitForDelay();
    CScreenFrame& screen = *GetScreenFrame();
    if (m_pCurrentSlide == nullptr)
    {
        screen.FadePaletteToBlack(nullptr, nullptr, nullptr, nullptr, kPaletteFadeMilliseconds);
    }
    else if (HasOwnPalette(*m_pCurrentSlide->frame))
    {
        screen.FadePaletteToBlack(m_pCurrentSlide->frame, &m_SourceRect, &m_DestinationRect, m_pBlitType,
                                  kPaletteFadeMilliseconds);
    }
    else
    {
        screen.FadeOut(0.5f, 5.0f, 0);
        uint32_t last = GetTickCount();
        while (screen.GetFadeFactor() > 0.0f)
        {
            screen.UpdateFade(TakeElapsedSeconds(last));
            PresentFourTimes(screen);
        }
        PresentFourTimes(screen);
    }
    ReleaseSlide();
}

float CSlideShow::TakeElapsedSeconds(uint32_t& last)
{
    const uint32_t now = GetTickCountAfter(last);
    const float seconds = static_cast<float>(now - last) * 0.001f;
    last = now;
    return seconds;
}

void CSlideShow::WaitForDelay()
{
    CSlideShowInput& input = GetSlideShowInput();
    input.ClearKeyboard();
    uint32_t now = GetTickCount();
    uint32_t held = input.GetMouseButtonsDown();
    if (m_LastSlideTime != 0)
    {
        const uint32_t delay = static_cast<uint32_t>(m_Delay * 1000.0f);
        while (now - m_LastSlideTime < delay)
        {
            input.PumpEvents();
            now = GetTickCountAfter(now);
            if (input.TakeAnyPressedKey())
            {
                input.ClearKeyboard();
                break;
            }
            const uint32_t buttons = input.GetMouseButtonsDown();
            if ((buttons & ~held) != 0)
                break;
            // A button let go and pressed again counts as new.
            held &= buttons;
        }
    }
    input.ClearKeyboard();
    m_LastSlideTime = now;
}

void CSlideShow::PresentFourTimes(CScreenFrame& screen)
{
    for (int i = 0; i < 4; i++)
    {
        screen.LockBackBuffer();
        DrawCentered(screen);
        screen.UnlockBackBuffer();
        screen.Present();
    }
    GetSlideShowInput().AdvanceFrameCounter();
}

void CSlideShow::DrawCentered(CScreenFrame& screen)
{
    screen.Clear();
    if (m_pCurrentSlide == nullptr)
        return;
    CRect bounds;
    m_pCurrentSlide->frame->GetBounds(bounds);
    const int32_t dx = (screen.GetWidth() + bounds.left - bounds.right) / 2;
    const int32_t dy = (screen.GetHeight() + bounds.top - bounds.bottom) / 2;
    m_SourceRect = bounds;
    m_DestinationRect = CRect{bounds.left + dx, bounds.top + dy, bounds.right + dx, bounds.bottom + dy};
    m_pBlitType = &GetBlitNormal();
    CRect source = m_SourceRect;
    CRect destination = m_DestinationRect;
    screen.Blit(m_pCurrentSlide->frame, source, destination, m_pBlitType);
}
