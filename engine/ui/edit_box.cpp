#include "engine/ui/edit_box.h"

#include <algorithm>

#include "engine/app/clipboard.h"
#include "engine/graphics/fonts/font.h"
#include "engine/ui/button.h"
#include "engine/ui/cursor_table.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/modifier_keys.h"
#include "engine/ui/toolkit_state.h"

namespace {
constexpr int32_t LEFT_BUTTON_MASK = 1;
constexpr int32_t PAGE_STEP = 20;

bool IsNumericCharacter(int32_t key)
{
    return key == '-' || key == '.' || (key >= '0' && key <= '9');
}
} // namespace

CJEditBox::CJEditBox(CJWindow* parent)
    : CJWindow(parent)
{
    Init(CString());
}

CJEditBox::CJEditBox(CJWindow* parent, const CString& text)
    : CJWindow(parent)
{
    Init(text);
}

CJEditBox::CJEditBox(CJWindow* parent, const char* text)
    : CJEditBox(parent, CString(text))
{
}

CJEditBox::~CJEditBox() = default;

void CJEditBox::Init(const CString& text)
{
    m_Caret = 0;
    m_Anchor = 0;
    m_SelectionEnd = 0;
    m_ScrollOffset = 0;
    m_NumericOnly = false;
    m_MaximumLength = 0;
    m_Minimum = 0.0f;
    m_Maximum = 0.0f;
    m_UpperCase = false;
    m_ClipboardAllowed = true;
    m_Editable = true;
    m_ShowCaretAndSelection = true;
    m_SunkenBackground = true;
    // '&' is an ordinary character here.
    SetParseAmpersand(false);
    SetTabStop(true);
    SetAlwaysOutlined(true);
    SetText(text);
    if (m_pFont == nullptr)
        return;
    // A box nobody sized fits its first text with room for four more
    // characters, or twelve when it starts empty.
    if (GetWidth() == 0)
        SetWidth(m_Text.IsEmpty()
                     ? m_pFont->GetTextWidth(CString("XXXXXXXXXXXX"))
                     : m_pFont->GetTextWidth(m_Text) + m_BevelWidth + m_pFont->GetTextWidth(CString("XXXX")) + 1);
    SetHeight(m_pFont->GetLineHeight() + 2 * m_BevelWidth + 2);
}

void CJEditBox::SetText(const CString& text)
{
    m_ScrollOffset = 0;
    CJWindow::SetText(text);
    SelectAll();
}

void CJEditBox::SelectAll()
{
    m_Anchor = 0;
    m_Caret = m_SelectionEnd = Length();
}

void CJEditBox::SetRefusedCharacters(const char* characters)
{
    m_RefusedCharacters = characters != nullptr ? characters : "";
}

void CJEditBox::SetRange(float minimum, float maximum)
{
    m_Minimum = minimum;
    m_Maximum = maximum;
}

bool CJEditBox::IsInsertMode()
{
    return GetToolkitState().m_InsertMode;
}

void CJEditBox::SetInsertMode(bool insert)
{
    GetToolkitState().m_InsertMode = insert;
}

bool CJEditBox::AcceptText(const CString& text)
{
    if ((m_Minimum == 0.0f && m_Maximum == 0.0f) || text.IsEmpty())
        return true;
    double value = text.ToFloat();
    if (value >= m_Minimum && value <= m_Maximum)
        return true;
    PlayRefusalSound();
    return false;
}

int32_t CJEditBox::SelectionStart() const
{
    return std::min(m_Anchor, m_SelectionEnd);
}

int32_t CJEditBox::SelectionStop() const
{
    return std::max(m_Anchor, m_SelectionEnd);
}

void CJEditBox::MoveCaret(int32_t position, bool extend)
{
    m_Caret = m_SelectionEnd = std::clamp(position, 0, Length());
    if (!extend)
        m_Anchor = m_Caret;
}

int32_t CJEditBox::TextWidth(int32_t count) const
{
    return m_pFont != nullptr ? m_pFont->GetTextWidth(m_Text, count) : 0;
}

int32_t CJEditBox::CaretPositionAt(int32_t screenX)
{
    int32_t d = screenX - m_ScreenRect.left;
    if (d < 0 || d >= GetWidth() || m_pFont == nullptr)
        return 0;
    // Prefix widths grow with k, so one pass finds the last k whose prefix
    // ends (less two pixels) left of the pointer.
    int32_t position = 0;
    int32_t prefix = 0;
    for (int32_t k = 1; k <= Length(); ++k)
    {
        prefix += m_pFont->GetCharWidth(m_Text.GetAt(static_cast<uint32_t>(k - 1)));
        if (prefix - 2 >= d + m_ScrollOffset)
            break;
        position = k;
    }
    return position;
}

bool CJEditBox::MouseDown(int32_t button, CPoint point)
{
    if (button != 0)
        return false;
    return CJWindow::MouseDown(button, point);
}

bool CJEditBox::TrackMouse(CPoint point, CPoint, uint32_t buttons, const CSequence*&)
{
    if ((buttons & LEFT_BUTTON_MASK) == 0)
        return false;
    bool pressing = (m_CapturedButtons & LEFT_BUTTON_MASK) == 0;
    MoveCaret(CaretPositionAt(point.x), !pressing || IsShiftHeld());
    return true;
}

bool CJEditBox::KeyDown(int32_t key)
{
    if (key < KEY_SPACE)
        return HandleCommandKey(key);
    if (!m_Editable)
        return true;
    return TypeCharacter(key);
}

bool CJEditBox::HandleCommandKey(int32_t key)
{
    bool extend = IsShiftHeld();
    switch (key)
    {
    case KEY_SELECT_ALL:
        SelectAll();
        return true;
    case KEY_HOME:
        MoveCaret(0, extend);
        return true;
    case KEY_END:
        MoveCaret(Length(), extend);
        return true;
    case KEY_LEFT:
        MoveCaret(m_Caret - 1, extend);
        return true;
    case KEY_RIGHT:
        MoveCaret(m_Caret + 1, extend);
        return true;
    case KEY_PAGE_UP:
        MoveCaret(m_Caret - PAGE_STEP, extend);
        return true;
    case KEY_PAGE_DOWN:
        MoveCaret(m_Caret + PAGE_STEP, extend);
        return true;
    case KEY_BACKSPACE:
    {
        // A selection goes first, wherever the caret is: a selection made
        // leftwards ends with the caret at 0.
        CString before = m_Text;
        if (!HasSelection())
        {
            if (m_Caret == 0)
                return true;
            MoveCaret(m_Caret - 1, extend);
        }
        DeleteAndAccept(before);
        return true;
    }
    case KEY_DELETE:
        DeleteAndAccept(m_Text);
        return true;
    case KEY_INSERT:
        return HandleInsertKey();
    default:
        return CJWindow::KeyDown(key);
    }
}

bool CJEditBox::HandleInsertKey()
{
    // Shift+Insert and Ctrl+Insert are the root's paste and copy keys.
    if (IsShiftHeld())
        return !m_Editable;
    if (IsCtrlHeld())
        return false;
    SetInsertMode(!IsInsertMode());
    return true;
}

void CJEditBox::DeleteAndAccept(const CString& before)
{
    Delete(true);
    Accept(before);
}

bool CJEditBox::TypeCharacter(int32_t key)
{
    if (m_UpperCase && key >= 'a' && key <= 'z')
        key -= 'a' - 'A';
    if (m_RefusedCharacters.FindChar(static_cast<char16_t>(key), 0, true) >= 0 ||
        (m_NumericOnly && !IsNumericCharacter(key)))
    {
        PlayRefusalSound();
        return false;
    }
    CString before = m_Text;
    CString text = m_Text;
    char16_t character = static_cast<char16_t>(key);
    if (HasSelection())
    {
        int32_t start = SelectionStart();
        text.ReplaceRange(static_cast<uint32_t>(start), static_cast<uint32_t>(SelectionStop() - start),
                          CString(character, 1));
        CJWindow::SetText(text);
        MoveCaret(start + 1, false);
    }
    else if (!IsInsertMode() && m_Caret < Length())
    {
        text.SetAt(static_cast<uint32_t>(m_Caret), character);
        CJWindow::SetText(text);
        MoveCaret(m_Caret + 1, false);
    }
    else if (m_MaximumLength != 0 && Length() >= m_MaximumLength)
        PlayRefusalSound();
    else
    {
        text.Insert(static_cast<uint32_t>(m_Caret), character);
        CJWindow::SetText(text);
        MoveCaret(m_Caret + 1, false);
    }
    Accept(before);
    return true;
}

void CJEditBox::Accept(const CString& before)
{
    if (AcceptText(m_Text))
        SendCommand(1);
    else
        SetText(before);
}

void CJEditBox::SetFocused(bool focused)
{
    if (focused)
        SelectAll();
    CJWindow::SetFocused(focused);
}

bool CJEditBox::Delete(bool doIt)
{
    if (!doIt)
        return true;
    if (!HasSelection())
    {
        if (m_Caret < Length() && m_Editable)
        {
            CString text = m_Text;
            text.Delete(static_cast<uint32_t>(m_Caret), 1);
            CJWindow::SetText(text);
            SendCommand(1);
        }
        return true;
    }
    int32_t start = SelectionStart();
    if (m_Editable)
    {
        CString text = m_Text;
        text.Delete(static_cast<uint32_t>(start), static_cast<uint32_t>(SelectionStop() - start));
        CJWindow::SetText(text);
    }
    MoveCaret(start, false);
    SendCommand(1);
    return true;
}

bool CJEditBox::Copy(bool doIt)
{
    if (!m_ClipboardAllowed || !HasSelection())
        return false;
    if (!doIt)
        return true;
    CString selected;
    m_Text.Mid(selected, static_cast<uint32_t>(SelectionStart()),
               static_cast<uint32_t>(SelectionStop() - SelectionStart()));
    GetClipboard().SetText(selected);
    return true;
}

bool CJEditBox::Cut(bool doIt)
{
    bool answer = Copy(doIt);
    if (answer && doIt)
        Delete(true);
    return answer;
}

bool CJEditBox::Paste(bool doIt)
{
    CString pasted;
    if (!m_ClipboardAllowed || !GetClipboard().GetText(pasted))
        return false;
    if (!doIt)
        return true;
    if (HasSelection())
        Delete(true);
    // Each character is typed as if by the keyboard, so the box's own
    // refusals apply; control codes would run as editing commands instead
    // and are refused with the excess, once.
    bool refused = false;
    uint32_t fed = 0;
    for (uint32_t i = 0; i < pasted.GetLength(); ++i)
    {
        char16_t character = pasted.GetAt(i);
        if (character < KEY_SPACE || fed == PASTE_LIMIT)
        {
            refused = true;
            continue;
        }
        ++fed;
        KeyDown(character);
    }
    if (refused)
        PlayRefusalSound();
    return true;
}

const CSequence* CJEditBox::GetCursor(CPoint localPoint)
{
    if (IsEnabledInTree())
        return GetCursorFromTable(CURSOR_TEXT);
    return CJWindow::GetCursor(localPoint);
}
