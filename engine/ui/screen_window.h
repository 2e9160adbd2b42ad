#pragma once

#include "engine/ui/window.h"

class CFrameInterface;

// The root of the window tree: it covers the screen frame, owns every
// top-level window and is where windows reach the pointer, tooltips and
// button repeats. The first root constructed is registered as the
// toolkit's root until it goes. It never grows to contain a child.
class CScreenWindow : public CJWindow
{
public:
    // A non-null font becomes the toolkit's default font.
    CScreenWindow(CFrameInterface& screenFrame, CFont* font);
    ~CScreenWindow() override;

    bool IsScreenWindow() const override;
    void GrowToContain(CJWindow* child, int32_t margin) override;

    // Re-evaluates the pointer after a window moved it.
    void UpdateMouseMove();
    void SetTooltip(bool fromHover, CJWindow* window, int32_t hotkeyPosition, const CString& text, int32_t x, int32_t y,
                    int32_t hotkeyLength);
    void ClearTooltip();
    void ScheduleRepeat(CJWindow* window, int32_t firstDelayMs, int32_t intervalMs);
    bool IsRepeatPress() const;
};

// The registered root, or null.
CScreenWindow* GetScreenWindow();
