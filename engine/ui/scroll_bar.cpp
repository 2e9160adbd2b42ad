#include "engine/ui/scroll_bar.h"

#include <algorithm>
#include <cmath>

#include "engine/ui/cursor_table.h"
#include "engine/ui/scroll_bar_layout.h"

namespace {
constexpr int32_t LEFT_BUTTON = 0;
constexpr int32_t LONG_SIDE = 415;
constexpr int32_t SHORTEST_THUMB = 4;
// The wheel moves twelve small steps a notch.
constexpr float WHEEL_STEPS = 12.0f;
constexpr float SYNCED_SMALL_STEP = 10.0f;

// A scroll position from a value, which may lie anywhere a float reaches.
int32_t ToScrollPosition(float value)
{
    return static_cast<int32_t>(std::clamp<double>(value, INT32_MIN, INT32_MAX));
}
} // namespace

CJScrollBar::CJScrollBar(CJWindow* parent, int32_t orientation)
    : CJWindow(parent, "~CJScrollBar")
    , m_TrackRect{0, 0, 0, 0}
    , m_BackArrowRect{0, 0, 0, 0}
    , m_ForwardArrowRect{0, 0, 0, 0}
    , m_ThumbRect{0, 0, 0, 0}
    , m_Orientation(orientation)
    , m_Minimum(0.0f)
    , m_Maximum(1000.0f)
    , m_Value(0.0f)
    , m_SmallStep(1.0f)
    , m_Page(10.0f)
    , m_PixelsPerUnit(0.0f)
    , m_PressedPart(PART_NONE)
    , m_pTarget(nullptr)
    , m_AutoHide(false)
    , m_Docking(false)
{
    if (IsVertical())
        SetSize(SCROLL_BAR_THICKNESS, LONG_SIDE);
    else
        SetSize(LONG_SIDE, SCROLL_BAR_THICKNESS);
}

CJScrollBar::~CJScrollBar() = default;

void CJScrollBar::LayoutParts()
{
    int32_t width = GetWidth();
    int32_t height = GetHeight();
    int32_t side = IsVertical() ? width : height;
    m_TrackRect = IsVertical() ? CRect{0, side, width, height - side} : CRect{side, 0, width - side, height};
    m_BackArrowRect = CRect{0, 0, side, side};
    m_ForwardArrowRect = CRect{width - side, height - side, width, height};
    PlaceThumb();
}

void CJScrollBar::PlaceThumb()
{
    m_ThumbRect = m_TrackRect;
    float range = m_Maximum - m_Minimum;
    if (m_AutoHide && IsVisible() != (range >= 1.0f))
        Show(range >= 1.0f, false);
    int32_t start = IsVertical() ? m_TrackRect.top : m_TrackRect.left;
    int32_t length = (IsVertical() ? m_TrackRect.bottom : m_TrackRect.right) - start;
    m_PixelsPerUnit = 0.0f;
    if (!(range > 0.0f) || length <= 0)
        return;
    double trackLength = length;
    int32_t thumb = std::max(SHORTEST_THUMB, static_cast<int32_t>(trackLength * trackLength / (range + trackLength)));
    int32_t free = std::max(0, length - thumb);
    m_PixelsPerUnit = static_cast<float>(free) / range;
    double offset = std::clamp<double>(static_cast<double>(m_PixelsPerUnit) * (m_Value - m_Minimum), 0.0, free);
    int32_t thumbStart = start + static_cast<int32_t>(offset);
    if (IsVertical())
        m_ThumbRect = CRect{m_TrackRect.left, thumbStart, m_TrackRect.right, thumbStart + thumb};
    else
        m_ThumbRect = CRect{thumbStart, m_TrackRect.top, thumbStart + thumb, m_TrackRect.bottom};
}

float CJScrollBar::Clamped(float value) const
{
    // A reversed or broken range holds only its minimum.
    if (std::isnan(value) || !(m_Maximum > m_Minimum))
        return m_Minimum;
    return std::clamp(value, m_Minimum, m_Maximum);
}

void CJScrollBar::SetRange(float minimum, float maximum)
{
    m_Minimum = minimum;
    m_Maximum = maximum;
    PlaceThumb();
    m_Value = Clamped(m_Value);
    PlaceThumb();
}

void CJScrollBar::SetValue(float value, bool silent)
{
    if (value == m_Value)
        return;
    m_Value = Clamped(value);
    PlaceThumb();
    if (silent)
        return;
    MoveTarget();
    SendCommand(1);
}

void CJScrollBar::MoveTo(float value)
{
    value = Clamped(value);
    if (value == m_Value)
        return;
    m_Value = value;
    PlaceThumb();
    MoveTarget();
    // Last: the parent may close the window holding this bar.
    SendCommand(1);
}

void CJScrollBar::MoveTarget()
{
    if (m_pTarget == nullptr)
        return;
    if (IsVertical())
        m_pTarget->SetScrollY(ToScrollPosition(m_Value));
    else
        m_pTarget->SetScrollX(ToScrollPosition(m_Value));
}

void CJScrollBar::SyncFromTarget(CJWindow* target)
{
    const CWindowScrollState* scroll = target->FindScrollState();
    int32_t position = 0;
    int32_t visible = 0;
    int32_t content = 0;
    if (IsVertical())
    {
        visible = target->GetClientHeight();
        content = target->GetContentHeight();
        bool hasContent = scroll != nullptr && scroll->m_ContentHeight != 0;
        if (hasContent && scroll->m_ScrollY + visible > content)
            target->SetScrollY(content - visible);
        position = target->FindScrollState() != nullptr ? target->FindScrollState()->m_ScrollY : 0;
    }
    else
    {
        visible = target->GetClientWidth();
        content = target->GetContentWidth();
        bool hasContent = scroll != nullptr && scroll->m_ContentWidth != 0;
        if (hasContent && scroll->m_ScrollX + visible > content)
            target->SetScrollX(content - visible);
        position = target->FindScrollState() != nullptr ? target->FindScrollState()->m_ScrollX : 0;
    }
    m_Page = static_cast<float>(visible);
    m_SmallStep = SYNCED_SMALL_STEP;
    if (visible < content)
    {
        SetRange(0.0f, static_cast<float>(content - visible));
        SetValue(static_cast<float>(position), true);
        return;
    }
    bool reset = m_Value != 0.0f && IsVertical();
    SetRange(0.0f, 0.0f);
    m_Value = 0.0f;
    PlaceThumb();
    if (!reset)
        return;
    target->SetScrollY(0);
    SendCommand(1);
}

void CJScrollBar::SetRect(const CRect& rect)
{
    CJWindow::SetRect(rect);
    LayoutParts();
    if (m_pTarget == nullptr || m_pTarget != m_pParent || m_Docking)
        return;
    m_Docking = true;
    Dock();
    SyncFromTarget(m_pTarget);
    m_Docking = false;
}

void CJScrollBar::Dock()
{
    const CWindowScrollState* scroll = m_pParent->FindScrollState();
    int32_t scrollX = scroll != nullptr ? scroll->m_ScrollX : 0;
    int32_t scrollY = scroll != nullptr ? scroll->m_ScrollY : 0;
    int32_t top = m_pParent->GetTitleHeight();
    int32_t left = m_pParent->GetLeftInset();
    CRect docked = IsVertical() ? CRect{m_pParent->GetWidth() - GetWidth(), top, m_pParent->GetWidth(),
                                        top + m_pParent->GetClientHeight()}
                                : CRect{left, m_pParent->GetHeight() - GetHeight(), left + m_pParent->GetClientWidth(),
                                        m_pParent->GetHeight()};
    docked = OffsetRect(docked, scrollX, scrollY);
    if (docked.left == m_Rect.left && docked.top == m_Rect.top && docked.right == m_Rect.right &&
        docked.bottom == m_Rect.bottom)
        return;
    CJWindow::SetRect(docked);
    LayoutParts();
}

void CJScrollBar::SetSize(int32_t width, int32_t height)
{
    CJWindow::SetSize(width, height);
    LayoutParts();
}

CJScrollBar::Part CJScrollBar::PartAt(CPoint localPoint) const
{
    if (RectContains(m_BackArrowRect, localPoint))
        return PART_BACK_ARROW;
    if (RectContains(m_ForwardArrowRect, localPoint))
        return PART_FORWARD_ARROW;
    if (RectContains(m_ThumbRect, localPoint))
        return PART_THUMB;
    if (!RectContains(m_TrackRect, localPoint))
        return PART_NONE;
    bool after = IsVertical() ? localPoint.y >= m_ThumbRect.top : localPoint.x >= m_ThumbRect.left;
    return after ? PART_TRACK_AFTER : PART_TRACK_BEFORE;
}

bool CJScrollBar::MouseDown(int32_t button, CPoint point)
{
    if (button != LEFT_BUTTON)
        return true;
    m_PressedPart = PartAt(CPoint{point.x - m_ScreenRect.left, point.y - m_ScreenRect.top});
    float step = 0.0f;
    switch (m_PressedPart)
    {
    case PART_BACK_ARROW:
        step = -m_SmallStep;
        break;
    case PART_FORWARD_ARROW:
        step = m_SmallStep;
        break;
    case PART_TRACK_BEFORE:
        step = -m_Page;
        break;
    case PART_TRACK_AFTER:
        step = m_Page;
        break;
    default:
        // The thumb moves with the pointer from now on.
        return true;
    }
    // Each repeat presses again where the pointer is: paging stops once the
    // thumb arrives under it.
    ScheduleRepeat(0, 0);
    MoveTo(m_Value + step);
    return true;
}

bool CJScrollBar::MouseUp(int32_t button, CPoint point)
{
    if (button != LEFT_BUTTON || m_PressedPart == PART_NONE)
        return CJWindow::MouseUp(button, point);
    m_PressedPart = PART_NONE;
    return true;
}

bool CJScrollBar::MouseMove(CPoint point, CPoint movement, const CSequence*& cursor)
{
    if (m_PressedPart != PART_THUMB)
        return CJWindow::MouseMove(point, movement, cursor);
    cursor = GetCursorFromTable(IsVertical() ? CURSOR_MOVING_Y : CURSOR_MOVING_X);
    int32_t along = IsVertical() ? movement.y : movement.x;
    if (along != 0 && m_PixelsPerUnit > 0.0f)
        MoveTo(m_Value + static_cast<float>(along) / m_PixelsPerUnit);
    return true;
}

bool CJScrollBar::MouseWheel(int32_t steps, CPoint)
{
    MoveTo(m_Value - static_cast<float>(steps) * m_SmallStep * WHEEL_STEPS);
    return true;
}

const CSequence* CJScrollBar::GetCursor(CPoint localPoint)
{
    bool vertical = IsVertical();
    switch (PartAt(localPoint))
    {
    case PART_THUMB:
        return GetCursorFromTable(vertical ? CURSOR_CAN_MOVE_Y : CURSOR_CAN_MOVE_X);
    case PART_BACK_ARROW:
        return GetCursorFromTable(vertical ? CURSOR_UP_ARROW : CURSOR_LEFT_ARROW);
    case PART_FORWARD_ARROW:
        return GetCursorFromTable(vertical ? CURSOR_DOWN_ARROW : CURSOR_RIGHT_ARROW);
    case PART_TRACK_BEFORE:
        return GetCursorFromTable(vertical ? CURSOR_PAGE_UP : CURSOR_PAGE_LEFT);
    case PART_TRACK_AFTER:
        return GetCursorFromTable(vertical ? CURSOR_PAGE_DOWN : CURSOR_PAGE_RIGHT);
    default:
        return CJWindow::GetCursor(localPoint);
    }
}
