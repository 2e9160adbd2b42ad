#pragma once

#include <cstdint>

#include "engine/ui/window.h"

// A horizontal slider over a count of discrete positions. The thumb is as
// wide as a line of text is high and rounds to the nearest pixel of its
// position; a press jumps it under the pointer and the drag follows. Every
// change the user makes is reported to the parent with code 1.
//
// A count of 0 is served as 1 (the only position is 0), and a slider too
// narrow to move its thumb in takes 0 from the pointer.
class CJSlider : public CJWindow
{
public:
    // Step 0: a twentieth of the count, at least 1.
    CJSlider(CJWindow* parent, uint32_t count, int32_t step);
    ~CJSlider() override;

    // Not clamped: callers pass 0 .. count - 1. Reported unless silent.
    virtual void SetValue(int32_t value, bool silent);
    virtual int32_t GetValue() const;

    void Draw(CFrameInterface& frame) override;
    bool IsGreyed() const override;
    // Around the thumb only.
    void DrawOutline(CFrameInterface& frame, const CColor& colour) override;
    bool TrackMouse(CPoint point, CPoint movement, uint32_t buttons, const CSequence*& cursor) override;
    bool MouseWheel(int32_t steps, CPoint point) override;
    bool KeyDown(int32_t key) override;
    const CSequence* GetCursor(CPoint localPoint) override;

    void SetGreyed(bool greyed) { m_Greyed = greyed; }
    uint32_t GetCount() const { return m_Count; }
    int32_t GetStep() const { return m_Step; }
    // In the slider's own coordinates.
    int32_t GetThumbX() const;
    int32_t GetThumbWidth() const;

private:
    // The last position; 0 for a count of 0 or 1.
    int32_t LastPosition() const;
    int32_t LineHeight() const;
    // Pixels the thumb travels over.
    int32_t Usable() const;

    bool m_Greyed;
    int32_t m_Value;
    uint32_t m_Count;
    int32_t m_Step;
};
