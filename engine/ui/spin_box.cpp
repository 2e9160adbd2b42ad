#include "engine/ui/spin_box.h"

#include "engine/core/strings/float_text.h"
#include "engine/graphics/fonts/font.h"
#include "engine/ui/arrow_glyphs.h"
#include "engine/ui/button.h"
#include "engine/ui/command_callback.h"
#include "engine/ui/cursor_table.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/key_codes.h"

namespace {
constexpr uint32_t RIGHT_BUTTON_MASK = 2;
constexpr int32_t PLACE_RIGHT_AT_TOP = 14;
constexpr int32_t PLACE_BELOW = 8;

CJButton* MakeArrowButton(CJWindow* parent, const char16_t* caption)
{
    CJButton* button = new CJButton(parent, CString(caption));
    button->SetAutoRepeat(true);
    button->SetTabStop(false);
    button->SetAlwaysOutlined(false);
    return button;
}
} // namespace

CJSpinBox::CJSpinBox(CJWindow* parent)
    : CJWindow(parent)
{
    Init(CString("19999"));
}

CJSpinBox::CJSpinBox(CJWindow* parent, const CString& name, const CString& widthTemplate)
    : CJWindow(parent)
{
    CJWindow::SetText(name);
    Init(widthTemplate);
}

CJSpinBox::CJSpinBox(CJWindow* parent, const char* name, const char* widthTemplate)
    : CJSpinBox(parent, CString(name), CString(widthTemplate))
{
}

CJSpinBox::~CJSpinBox()
{
    delete m_pChangeCommand;
}

void CJSpinBox::Init(const CString& widthTemplate)
{
    m_pEditBox = nullptr;
    m_Minimum = 0.0f;
    m_Maximum = 0.0f;
    m_Step = 1.0f;
    m_pChangeCommand = nullptr;
    m_TooltipFromHover = 1;
    // The arrows sit flush against the edit box.
    SetMargin(0);
    SetSpacing(0);
    SetTabStop(true);
    SetAlwaysOutlined(true);

    CJEditBox* editBox = new CJEditBox(this);
    editBox->SetNumericOnly(true);
    editBox->SetTabStop(false);
    editBox->SetAlwaysOutlined(false);
    if (CFont* font = GetFont())
        editBox->SetWidth(font->GetTextWidth(widthTemplate) + 4);
    AddChild(editBox, 0);

    int32_t height = GetHeight();
    m_pUpButton = MakeArrowButton(this, UP_TRIANGLE);
    m_pUpButton->SetSize(3 * height / 4, (height + 2) / 2);
    AddChild(m_pUpButton, PLACE_RIGHT_AT_TOP);
    m_pDownButton = MakeArrowButton(this, DOWN_TRIANGLE);
    m_pDownButton->SetSize(3 * height / 4, (height + 2) / 2);
    AddChild(m_pDownButton, PLACE_BELOW);

    m_pEditBox = editBox;
    BringToFront(m_pEditBox);
}

void CJSpinBox::SetRange(float minimum, float maximum)
{
    m_Minimum = minimum;
    m_Maximum = maximum;
}

void CJSpinBox::SetChangeCommand(CCommandCallback* command)
{
    delete m_pChangeCommand;
    m_pChangeCommand = command;
}

void CJSpinBox::SetTooltip(const CString& text, int32_t fromHover)
{
    m_TooltipText = text;
    m_TooltipFromHover = fromHover;
}

void CJSpinBox::RunChangeCommand()
{
    if (m_pChangeCommand != nullptr)
        m_pChangeCommand->Execute();
}

void CJSpinBox::Step(float delta)
{
    float value = m_pEditBox->GetTextAsFloat() + delta;
    if (m_Minimum != 0.0f || m_Maximum != 0.0f)
    {
        if (value < m_Minimum)
        {
            PlayRefusalSound();
            value = m_Minimum;
        }
        if (value > m_Maximum)
        {
            PlayRefusalSound();
            value = m_Maximum;
        }
    }
    m_pEditBox->SetText(FormatFloatExactly(value));
    RunChangeCommand();
    SendCommand(1);
}

bool CJSpinBox::TrackMouse(CPoint, CPoint movement, uint32_t buttons, const CSequence*& cursor)
{
    if ((buttons & RIGHT_BUTTON_MASK) == 0)
        return false;
    cursor = GetCursorFromTable(CURSOR_MOVING_Y);
    if (movement.y != 0)
        Step(static_cast<float>(-movement.y) * m_Step);
    return true;
}

bool CJSpinBox::MouseWheel(int32_t steps, CPoint)
{
    (steps > 0 ? m_pUpButton : m_pDownButton)->ActivateByHotkey();
    return true;
}

bool CJSpinBox::KeyDown(int32_t key)
{
    if (key == KEY_UP)
        return m_pUpButton->ActivateByHotkey();
    if (key == KEY_DOWN)
        return m_pDownButton->ActivateByHotkey();
    return CJWindow::KeyDown(key);
}

void CJSpinBox::OnCommand(CJWindow* source, int32_t code)
{
    if (source == m_pUpButton)
        Step(m_Step);
    else if (source == m_pDownButton)
        Step(-m_Step);
    else if (source == m_pEditBox && code == 1)
    {
        RunChangeCommand();
        SendCommand(1);
    }
    else if (source == m_pEditBox)
        SendCommand(code);
    else
        CJWindow::OnCommand(source, code);
}

void CJSpinBox::BringToFront(CJWindow* child)
{
    // The edit box keeps the focus: pressing an arrow must not take it.
    CJWindow::BringToFront(m_pEditBox != nullptr ? m_pEditBox : child);
}

void CJSpinBox::SetText(const CString& text)
{
    m_pEditBox->SetText(text);
}

const CString& CJSpinBox::GetText() const
{
    return m_pEditBox->GetText();
}

float CJSpinBox::GetTextAsFloat() const
{
    return m_pEditBox->GetTextAsFloat();
}

void CJSpinBox::SetTextFloat(float value)
{
    m_pEditBox->SetText(FormatFloatExactly(value));
}

bool CJSpinBox::OnHover(CPoint point)
{
    if (m_TooltipText.IsEmpty())
        return CJWindow::OnHover(point);
    ShowTooltipAt(m_TooltipFromHover != 0, NO_HOTKEY_POSITION, m_TooltipText, -1, -1, 1);
    return true;
}
