#pragma once

#include "engine/ui/window.h"

class CSequence;

// Loops a sequence's frames at the sequence's own rate, advanced by the
// window tree's updates, with an optional tooltip. It takes no clicks or
// keys (it is disabled), but it still hears the pointer so that the
// tooltip can show. Its size is the bottom-right of the sequence's
// bounds, so frames drawn with their hot spot at the top-left corner fit.
class CJAnimationWindow : public CJWindow
{
public:
    // The sequence is not owned and must outlive the window.
    CJAnimationWindow(CJWindow* parent, CSequence* sequence, const char* name);

    void SetTooltipText(const CString& text) { m_TooltipText = text; }

    // Advances and wraps the position; the children are not updated.
    void Update(float step) override;
    // The frame at the rounded position; the children are not drawn.
    void Draw(CFrameInterface& frame) override;
    bool OnHover(CPoint point) override;

    float GetPosition() const { return m_Position; }
    // The frame index the window shows; 0 without frames.
    uint32_t GetShownFrame() const;

private:
    CSequence* m_pSequence;
    float m_Position;
    float m_FrameRate;
    CString m_TooltipText;
};
