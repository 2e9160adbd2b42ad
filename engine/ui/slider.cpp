#include "engine/ui/slider.h"

#include <algorithm>

#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame_interface.h"
#include "engine/ui/cursor_table.h"
#include "engine/ui/key_codes.h"

namespace {
constexpr uint32_t LEFT_BUTTON_MASK = 1;
} // namespace

CJSlider::CJSlider(CJWindow* parent, uint32_t count, int32_t step)
    : CJWindow(parent, "~CJSlider")
    , m_Greyed(false)
    , m_Value(0)
    , m_Count(count)
    , m_Step(step != 0 ? step : std::max<int32_t>(1, static_cast<int32_t>((static_cast<uint64_t>(count) + 10) / 20)))
{
    SetTabStop(true);
    SetAlwaysOutlined(true);
    int32_t unit = GetDialogUnit();
    CFont* font = GetFont();
    if (font == nullptr)
        return;
    int32_t textWidth = font->GetTextWidth(m_Text.IsEmpty() ? CString("XXXXXXXXXXXX") : m_Text);
    SetSize(textWidth + 4 * unit + 2, font->GetLineHeight() + 4 * unit + 2);
}

CJSlider::~CJSlider() = default;

void CJSlider::SetValue(int32_t value, bool silent)
{
    bool changed = value != m_Value;
    m_Value = value;
    if (changed && !silent)
        SendCommand(1);
}

int32_t CJSlider::GetValue() const
{
    return m_Value;
}

bool CJSlider::IsGreyed() const
{
    return m_Greyed;
}

int32_t CJSlider::LastPosition() const
{
    return m_Count > 1 ? static_cast<int32_t>(std::min<uint32_t>(m_Count - 1, INT32_MAX)) : 0;
}

int32_t CJSlider::LineHeight() const
{
    return m_pFont != nullptr ? m_pFont->GetLineHeight() : 0;
}

int32_t CJSlider::Usable() const
{
    return GetWidth() - LineHeight() - 1;
}

int32_t CJSlider::GetThumbX() const
{
    int64_t last = LastPosition();
    if (last == 0)
        return 0;
    // Rounded to the nearest pixel.
    return static_cast<int32_t>((static_cast<int64_t>(Usable()) * m_Value + last / 2) / last);
}

int32_t CJSlider::GetThumbWidth() const
{
    return LineHeight() + 1;
}

void CJSlider::DrawOutline(CFrameInterface& frame, const CColor& colour)
{
    int32_t left = m_Rect.left + GetThumbX();
    frame.DrawRectOutline(left - 1, m_Rect.top - 1, left + LineHeight() + 2, m_Rect.bottom + 1, colour);
}

bool CJSlider::TrackMouse(CPoint point, CPoint, uint32_t buttons, const CSequence*& cursor)
{
    if ((buttons & LEFT_BUTTON_MASK) == 0)
        return false;
    cursor = GetCursorFromTable(CURSOR_MOVING_X);
    int64_t usable = Usable();
    int64_t value = 0;
    if (usable > 0)
    {
        int64_t offset = static_cast<int64_t>(point.x) - (LineHeight() + 1) / 2 - m_ScreenRect.left;
        // Floor division, so that a pointer left of the track gives 0.
        int64_t numerator = LastPosition() * offset + usable / 2;
        value = numerator >= 0 ? numerator / usable : -1;
    }
    SetValue(static_cast<int32_t>(std::clamp<int64_t>(value, 0, LastPosition())), false);
    return true;
}

bool CJSlider::KeyDown(int32_t key)
{
    if (CJWindow::KeyDown(key))
        return true;
    int32_t last = LastPosition();
    switch (key)
    {
    case KEY_HOME:
        SetValue(0, false);
        return true;
    case KEY_LEFT:
        SetValue(m_Step >= m_Value ? 0 : m_Value - m_Step, false);
        return true;
    case KEY_RIGHT:
        SetValue(static_cast<int64_t>(m_Value) + m_Step >= last ? last : m_Value + m_Step, false);
        return true;
    case KEY_END:
        SetValue(last, false);
        return true;
    default:
        return false;
    }
}

bool CJSlider::MouseWheel(int32_t steps, CPoint)
{
    // Wheel up increases the value.
    return KeyDown(steps > 0 ? KEY_RIGHT : KEY_LEFT);
}

const CSequence* CJSlider::GetCursor(CPoint localPoint)
{
    if (localPoint.x < 0 || localPoint.y < 0 || localPoint.x >= GetWidth() || localPoint.y >= GetHeight())
        return CJWindow::GetCursor(localPoint);
    int32_t thumb = GetThumbX();
    bool overThumb = localPoint.x >= thumb && localPoint.x < thumb + GetThumbWidth();
    return GetCursorFromTable(overThumb ? CURSOR_CAN_MOVE_X : CURSOR_SET_X);
}
