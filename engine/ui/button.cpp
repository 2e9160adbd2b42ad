#include "engine/ui/button.h"

#include "engine/core/messages/engine_messages.h"
#include "engine/core/messages/message_bus.h"
#include "engine/graphics/frame_interface.h"
#include "engine/object/editor_hooks.h"
#include "engine/ui/command_callback.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/skin_painter.h"
#include "engine/ui/skin_theme.h"

namespace {
constexpr int32_t LEFT_BUTTON = 0;
constexpr int32_t RIGHT_BUTTON = 1;
// A press turns into a drag beyond 4 pixels.
constexpr int64_t DRAG_START_DISTANCE = 16;

void Replace(CCommandCallback*& slot, CCommandCallback* command)
{
    delete slot;
    slot = command;
}
} // namespace

const char* const BUTTON_ACTION_SOUND = "UI/Button Action.wav";
const char* const BUTTON_SWITCH_SOUND = "UI/Button Switch.wav";

void PlayToolkitSound(const char* name)
{
    CPlaySoundMessage message(name);
    BroadcastMessage(message);
}

void PlayRefusalSound()
{
    PlayToolkitSound("Player Error.wav");
}

CJButton::CJButton(CJWindow* parent)
    : CJWindow(parent)
{
    Init(nullptr);
}

CJButton::CJButton(CJWindow* parent, const CString& caption, CJButton* ringMember)
    : CJWindow(parent, caption)
{
    Init(ringMember);
}

CJButton::CJButton(CJWindow* parent, const char* caption, CJButton* ringMember)
    : CJWindow(parent, caption)
{
    Init(ringMember);
}

CJButton::CJButton(CJWindow* parent, const CString* caption, CJButton* ringMember)
    : CJWindow(parent, caption != nullptr ? *caption : CString())
{
    Init(ringMember);
}

void CJButton::Init(CJButton* ringMember)
{
    m_Draggable = false;
    m_Greyed = false;
    m_Held = false;
    m_PointerInside = false;
    m_Clicked = false;
    m_Flash = false;
    m_Checked = 0;
    m_Justification = 1;
    m_pNextInRing = nullptr;
    m_pImage = nullptr;
    m_pShapedImage = nullptr;
    m_pOverlayImage = nullptr;
    m_pDisabledImage = nullptr;
    m_CentreImage = false;
    m_TooltipFromHover = 1;
    m_TooltipHotkeyPosition = NO_HOTKEY_POSITION;
    m_TooltipHotkeyLength = 0;
    m_AutoRepeat = false;
    m_pCommand = nullptr;
    m_pDoubleClickCommand = nullptr;
    m_pRightClickCommand = nullptr;
    m_CaptionOverImage = false;
    m_HitTestByShape = true;
    // Outlined unless the painter says otherwise: it is made after.
    SetAlwaysOutlined(true);
    m_pPainter = GetTheme()->CreateButtonPainter(this);
    PainterMetrics();

    SetHoverWithChildren(true);
    SetOwnHotkey(true);
    SetTabStop(ringMember == nullptr);
    if (ringMember == nullptr)
        return;
    ringMember->SetTabStop(false);
    m_pNextInRing = ringMember->m_pNextInRing;
    ringMember->m_pNextInRing = this;
    if (m_pNextInRing == nullptr)
        m_pNextInRing = ringMember;
}

CJButton::~CJButton()
{
    UnlinkFromRing();
    delete m_pCommand;
    delete m_pDoubleClickCommand;
    delete m_pRightClickCommand;
    delete m_pPainter;
}

CJButton* CJButton::FindPreviousInRing() const
{
    if (m_pNextInRing == nullptr)
        return nullptr;
    CJButton* member = m_pNextInRing;
    while (member->m_pNextInRing != this)
        member = member->m_pNextInRing;
    return member;
}

void CJButton::UnlinkFromRing()
{
    CJButton* previous = FindPreviousInRing();
    if (previous == nullptr)
        return;
    // A ring of two leaves a button alone, which is no ring at all.
    previous->m_pNextInRing = m_pNextInRing == previous ? nullptr : m_pNextInRing;
    m_pNextInRing = nullptr;
}

bool CJButton::PainterQuery(CMessage& message)
{
    return m_pPainter->HandleMessage(message);
}

void CJButton::PainterMetrics()
{
    m_pPainter->UpdateMetrics();
}

void CJButton::SetTextJustification(int32_t justification)
{
    m_Justification = justification;
}

void CJButton::SetChecked(int32_t value)
{
    m_Checked = value;
    if (!IsInRing())
        return;
    if (value == 0)
    {
        SetTabStop(false);
        return;
    }
    SetTabStop(true);
    for (CJButton* member = m_pNextInRing; member != this; member = member->m_pNextInRing)
        if (member->GetChecked() != 0)
            member->SetChecked(0);
}

int32_t CJButton::GetChecked() const
{
    return m_Checked;
}

bool CJButton::TakeClicked()
{
    bool clicked = m_Clicked;
    m_Clicked = false;
    return clicked;
}

void CJButton::Click()
{
    PlayClickSound();
    Fire();
}

void CJButton::Fire()
{
    m_Clicked = true;
    if (IsVisibleInTree())
        m_Flash = true;
    // Last: the command or the parent may destroy this button.
    if (m_pCommand != nullptr)
        m_pCommand->Execute();
    else
        SendCommand(0);
}

bool CJButton::HitImage(CPoint localPoint, CFrameInterface* frame) const
{
    return frame->HitTestPixel(localPoint.x, localPoint.y);
}

void CJButton::PlayClickSound()
{
    PlayToolkitSound(BUTTON_ACTION_SOUND);
}

void CJButton::OnPointerEnter()
{
}

bool CJButton::IsGreyed() const
{
    return m_Greyed;
}

CPoint CJButton::ToContent(CPoint screenPoint) const
{
    const CWindowScrollState* scroll = FindScrollState();
    int32_t scrollX = scroll != nullptr ? scroll->m_ScrollX : 0;
    int32_t scrollY = scroll != nullptr ? scroll->m_ScrollY : 0;
    return CPoint{screenPoint.x - m_ScreenRect.left + scrollX, screenPoint.y - m_ScreenRect.top + scrollY};
}

bool CJButton::HitsButton(CPoint screenPoint) const
{
    CPoint local = ToContent(screenPoint);
    if (local.x < 0 || local.y < 0 || local.x >= GetWidth() || local.y >= GetHeight())
        return false;
    if (m_pShapedImage != nullptr && m_pOverlayImage != nullptr && m_HitTestByShape)
        return HitImage(local, m_pShapedImage);
    return true;
}

bool CJButton::MouseDown(int32_t button, CPoint point)
{
    if (button == LEFT_BUTTON && m_Held)
        return true;
    if (CJWindow::MouseDown(button, point))
        return true;
    if (button == RIGHT_BUTTON)
    {
        if (m_pRightClickCommand == nullptr)
            return false;
        m_pRightClickCommand->Execute();
        return true;
    }
    if (button != LEFT_BUTTON || !HitsButton(point))
        return false;
    m_ButtonPressPoint = ToContent(point);
    m_Held = true;
    m_PointerInside = true;
    if (m_AutoRepeat)
        ScheduleRepeat(0, 0);
    return true;
}

bool CJButton::MouseRepeat(int32_t, CPoint)
{
    Click();
    return true;
}

bool CJButton::MouseUp(int32_t button, CPoint point)
{
    bool routed = CJWindow::MouseUp(button, point);
    if (button != LEFT_BUTTON || !m_Held)
        return routed;
    m_Held = false;
    if (m_PointerInside && !IsRepeatPress())
        Click();
    return true;
}

bool CJButton::MouseMove(CPoint point, CPoint movement, const CSequence*& cursor)
{
    if (CJWindow::MouseMove(point, movement, cursor))
        return true;
    bool wasInside = m_PointerInside;
    m_PointerInside = HitsButton(point);
    if (m_PointerInside && !wasInside && IsEnabledInTree())
        OnPointerEnter();
    if (m_Draggable && GetCapturedButtons() == 0 && m_Held)
    {
        CPoint content = ToContent(point);
        int64_t dx = content.x - m_ButtonPressPoint.x;
        int64_t dy = content.y - m_ButtonPressPoint.y;
        if (dx * dx + dy * dy > DRAG_START_DISTANCE)
        {
            m_PressPoint = point;
            if (TrackMouse(point, CPoint{0, 0}, 1, cursor))
            {
                m_Held = false;
                m_CapturedButtons |= 1;
            }
        }
    }
    return false;
}

void CJButton::ClickRingMember(CJButton* member)
{
    if (CJWindow* parent = member->GetParent())
        parent->BringToFront(member);
    member->Click();
}

bool CJButton::KeyDown(int32_t key)
{
    if (!GetEditorHooks().IsLevelEditorOpen())
        return CJWindow::KeyDown(key);
    if (key == KEY_SPACE)
    {
        Click();
        return true;
    }
    if (IsInRing() && key == KEY_RIGHT)
    {
        ClickRingMember(m_pNextInRing);
        return true;
    }
    if (IsInRing() && key == KEY_LEFT)
    {
        ClickRingMember(FindPreviousInRing());
        return true;
    }
    return CJWindow::KeyDown(key);
}

bool CJButton::ActivateByHotkey()
{
    if (!IsEnabled())
        return false;
    Click();
    return true;
}

bool CJButton::DoubleClick(int32_t button, CPoint point, bool& continueAsPress)
{
    if (CJWindow::DoubleClick(button, point, continueAsPress))
        return true;
    if (button != LEFT_BUTTON || m_pDoubleClickCommand == nullptr)
        return false;
    m_pDoubleClickCommand->Execute();
    return true;
}

void CJButton::RefreshState()
{
    if (m_pCommand != nullptr && m_pCommand->HasEnableQuery())
        SetEnabled(m_pCommand->IsEnabled());
    CJWindow::RefreshState();
}

bool CJButton::OnHover(CPoint point)
{
    if (HitsButton(point) && !m_TooltipText.IsEmpty())
    {
        ShowTooltipAt(m_TooltipFromHover != 0, m_TooltipHotkeyPosition, m_TooltipText, -1, -1, m_TooltipHotkeyLength);
        return true;
    }
    return CJWindow::OnHover(point);
}

bool CJButton::WantsAutoHotkey() const
{
    return true;
}

void CJButton::Draw(CFrameInterface& frame)
{
    m_pPainter->Paint(frame);
    m_Flash = false;
    CJWindow::Draw(frame);
}

void CJButton::SetCommand(CCommandCallback* command)
{
    Replace(m_pCommand, command);
}

void CJButton::SetDoubleClickCommand(CCommandCallback* command)
{
    Replace(m_pDoubleClickCommand, command);
}

void CJButton::SetRightClickCommand(CCommandCallback* command)
{
    Replace(m_pRightClickCommand, command);
}

void CJButton::SetImages(CFrameInterface* frame, bool shaped, bool centre)
{
    m_CentreImage = centre;
    (shaped ? m_pShapedImage : m_pImage) = frame;
    if (frame == nullptr)
        return;
    if (shaped)
    {
        SetAlwaysOutlined(false);
        m_BevelWidth = 0;
    }
    SetSize(frame->GetWidth() + 2 * m_BevelWidth, frame->GetHeight() + 2 * m_BevelWidth);
    // A button built before it is added has no parent to grow yet; adding
    // it grows the parent then.
    if (m_pParent != nullptr)
        m_pParent->GrowToContain(this, DEFAULT_GAP);
    if (m_TooltipText.IsEmpty() && !m_Text.IsEmpty())
    {
        m_TooltipText = m_Text;
        m_TooltipFromHover = 1;
        m_TooltipHotkeyPosition = m_HotkeyPosition;
        m_TooltipHotkeyLength = 1;
    }
}

void CJButton::SetTooltip(const char* text, bool fromHover)
{
    m_TooltipText = text;
    m_TooltipFromHover = fromHover ? 1 : 0;
    m_TooltipHotkeyPosition = NO_HOTKEY_POSITION;
}

void CJButton::SetTooltipText(const CString* text, bool fromHover)
{
    if (text != nullptr)
        m_TooltipText = *text;
    else
        m_TooltipText = CString();
    m_TooltipFromHover = fromHover ? 1 : 0;
    m_TooltipHotkeyPosition = NO_HOTKEY_POSITION;
}

CJToggleButton::CJToggleButton(CJWindow* parent, const char* caption, CJButton* ringMember)
    : CJButton(parent, caption, ringMember)
{
}

CJToggleButton::CJToggleButton(CJWindow* parent, const CString& caption, CJButton* ringMember)
    : CJButton(parent, caption, ringMember)
{
}

CJToggleButton::CJToggleButton(CJWindow* parent, const CString* caption, CJButton* ringMember)
    : CJButton(parent, caption, ringMember)
{
}

void CJToggleButton::Click()
{
    // A checked radio button cannot be unchecked by the user.
    if (GetChecked() != 0 && IsInRing())
        return;
    PlayClickSound();
    SetChecked(GetChecked() == 0 ? 1 : 0);
    Fire();
}

bool CJToggleButton::ActivateByHotkey()
{
    if (GetChecked() != 0 || !IsEnabled())
        return false;
    Click();
    return true;
}

void CJToggleButton::PlayClickSound()
{
    PlayToolkitSound(BUTTON_SWITCH_SOUND);
}

CJLatchButton::CJLatchButton(CJWindow* parent, const CString* caption, CJButton* ringMember)
    : CJButton(parent, caption, ringMember)
{
}

void CJLatchButton::Click()
{
    PlayClickSound();
    SetChecked(GetChecked() == 0 ? 1 : 0);
    Fire();
}

void CJLatchButton::PlayClickSound()
{
    PlayToolkitSound(BUTTON_SWITCH_SOUND);
}
