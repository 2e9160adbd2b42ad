#pragma once

#include <cstdint>

#include "engine/ui/window.h"

// A vertical or horizontal scroll bar: two arrows, a track and a thumb as
// long as the visible share of the range. It can drive another window's
// scroll position (its target) and follow that window's scroll state.
//
// The thumb's length and place come from pixels per unit = free track
// length / range. A range of 0 or less, or a track with no room, leaves
// nothing to divide: the thumb then covers the whole track, pixels per unit
// is 0 and dragging the thumb changes nothing.
class CJScrollBar : public CJWindow
{
public:
    static constexpr int32_t VERTICAL = 1;
    static constexpr int32_t HORIZONTAL = 0;

    // What a press lands on.
    enum Part
    {
        PART_NONE,
        PART_THUMB,
        PART_BACK_ARROW,
        PART_FORWARD_ARROW,
        PART_TRACK_BEFORE,
        PART_TRACK_AFTER,
    };

    CJScrollBar(CJWindow* parent, int32_t orientation);
    ~CJScrollBar() override;

    virtual void DrawTrack(CFrameInterface& frame, const CRect& rect, const CColor& light, const CColor& dark,
                           bool pressed);
    virtual void DrawBackArrow(CFrameInterface& frame, const CRect& rect, const CString& glyph, bool raised);
    virtual void DrawForwardArrow(CFrameInterface& frame, const CRect& rect, const CString& glyph, bool raised);
    virtual void DrawThumb(CFrameInterface& frame, const CRect& rect);
    virtual void LayoutParts();
    virtual void PlaceThumb();

    void Draw(CFrameInterface& frame) override;
    bool MouseDown(int32_t button, CPoint point) override;
    bool MouseUp(int32_t button, CPoint point) override;
    bool MouseMove(CPoint point, CPoint movement, const CSequence*& cursor) override;
    bool MouseWheel(int32_t steps, CPoint point) override;
    // A bar whose target is its parent docks at the parent's edge.
    void SetRect(const CRect& rect) override;
    void SetSize(int32_t width, int32_t height) override;
    const CSequence* GetCursor(CPoint localPoint) override;

    // The value is clamped into the new range without a report.
    void SetRange(float minimum, float maximum);
    // Clamped; unless silent, reported with code 1 and the target moved.
    void SetValue(float value, bool silent);
    float GetValue() const { return m_Value; }
    // Range, value, page and step from the window's scroll state.
    void SyncFromTarget(CJWindow* target);
    // Not owned.
    void SetTarget(CJWindow* target) { m_pTarget = target; }
    CJWindow* GetTarget() const { return m_pTarget; }
    // Hides the bar while its range is below 1.
    void SetAutoHide(bool autoHide) { m_AutoHide = autoHide; }
    void SetSmallStep(float step) { m_SmallStep = step; }
    void SetPage(float page) { m_Page = page; }

    bool IsVertical() const { return m_Orientation == VERTICAL; }
    float GetMinimum() const { return m_Minimum; }
    float GetMaximum() const { return m_Maximum; }
    float GetPage() const { return m_Page; }
    float GetSmallStep() const { return m_SmallStep; }
    float GetPixelsPerUnit() const { return m_PixelsPerUnit; }
    const CRect& GetTrackRect() const { return m_TrackRect; }
    const CRect& GetThumbRect() const { return m_ThumbRect; }
    const CRect& GetBackArrowRect() const { return m_BackArrowRect; }
    const CRect& GetForwardArrowRect() const { return m_ForwardArrowRect; }
    Part GetPressedPart() const { return m_PressedPart; }

private:
    Part PartAt(CPoint localPoint) const;
    float Clamped(float value) const;
    // Takes a value the user moved to: stored, thumb placed, reported and
    // the target moved, when it differs.
    void MoveTo(float value);
    void MoveTarget();
    // Keeps the bar at its parent's right or bottom edge.
    void Dock();

    CRect m_TrackRect;
    CRect m_BackArrowRect;
    CRect m_ForwardArrowRect;
    CRect m_ThumbRect;
    int32_t m_Orientation;
    float m_Minimum;
    float m_Maximum;
    float m_Value;
    float m_SmallStep;
    float m_Page;
    float m_PixelsPerUnit;
    Part m_PressedPart;
    CJWindow* m_pTarget;
    bool m_AutoHide;
    bool m_Docking;
};
