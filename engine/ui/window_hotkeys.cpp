#include "engine/core/messages/engine_messages.h"
#include "engine/core/messages/message_bus.h"
#include "engine/ui/window.h"

namespace {
// Menu items show the key that runs them after their text; the names are
// fixed English, whatever the keyboard.
const char* KeyNameForHotkey(int32_t keyCode)
{
    switch (keyCode)
    {
    case 5:
        return "Home";
    case 7:
        return "Page Up";
    case 13:
        return "Enter";
    case 14:
        return "End";
    case 15:
        return "Page Down";
    case 17:
        return "Delete";
    case 21:
        return "F7";
    case 28:
        return "F6";
    default:
        return nullptr;
    }
}

int32_t LowerCaseKey(int32_t key)
{
    return key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key;
}

// The upper-case letter, else the lower-case one; -1 when neither is there.
int32_t FindLetter(const CString& text, int32_t upper)
{
    int32_t index = text.FindChar(static_cast<char16_t>(upper), 0, true);
    if (index < 0)
        index = text.FindChar(static_cast<char16_t>(LowerCaseKey(upper)), 0, true);
    return index;
}
} // namespace

bool CJWindow::Hotkey(int32_t key)
{
    int32_t letter = UpperCaseKey(key);
    bool disabledMatch = false;
    for (CJWindow* child = m_pFrontChild; child != nullptr;)
    {
        CJWindow* next = child->m_pNextSibling;
        // A hidden child (a tab page behind another, a window restored
        // hidden) neither searches its subtree nor matches itself.
        if (child->m_Visible && !child->m_Dying)
        {
            if (child->Hotkey(key))
                return true;
            if (child->m_HotkeyLetter != 0 && child->m_HotkeyLetter == letter)
            {
                CJWindow* matched = child;
                // A label hands its hotkey to the control after it.
                if (!child->m_TabStop && !child->m_OwnHotkey)
                    if (CJWindow* tabStop = child->NextTabStop())
                        matched = tabStop;
                if (matched->m_Enabled)
                {
                    if (IsVisibleInTree())
                        BringToFront(matched);
                    matched->ActivateByHotkey();
                    return true;
                }
                disabledMatch = true;
            }
        }
        if (child->m_Modal)
            break;
        child = next;
    }
    if (!disabledMatch)
        return false;
    CPlaySoundMessage refusal("Player Error.wav");
    BroadcastMessage(refusal);
    return true;
}

bool CJWindow::ActivateByHotkey()
{
    return false;
}

int32_t CJWindow::FindHotkeyInText(int32_t letter)
{
    int32_t upper = UpperCaseKey(letter);
    if (m_HotkeyPosition != NO_HOTKEY_POSITION)
        return m_HotkeyPosition;
    int32_t index = FindLetter(m_Text, upper);
    if (index < 0)
        return -1;
    StoreHotkeySpan(index, 1, upper);
    return index;
}

void CJWindow::SetHotkeyWithKeyName(int32_t keyCode)
{
    int32_t code = UpperCaseKey(keyCode);
    int32_t position = m_HotkeyPosition;
    int32_t length = 1;
    if (position == NO_HOTKEY_POSITION)
    {
        position = FindLetter(m_Text, code);
        if (position < 0)
        {
            CString text = m_Text;
            text += " (";
            position = static_cast<int32_t>(text.GetLength());
            if (const char* name = KeyNameForHotkey(code))
                text += name;
            else
                text.AppendRepeated(static_cast<char16_t>(code), 1);
            length = static_cast<int32_t>(text.GetLength()) - position;
            text += ")";
            SetText(text);
        }
    }
    StoreHotkeySpan(position, length, code);
}

bool CJWindow::AnyChildHasHotkey(int32_t letter) const
{
    for (CJWindow* child = m_pFrontChild; child != nullptr; child = child->m_pNextSibling)
        if (child->m_HotkeyLetter == letter)
            return true;
    return false;
}

void CJWindow::AssignAutoHotkeys()
{
    for (CJWindow* child = m_pFrontChild; child != nullptr; child = child->m_pNextSibling)
    {
        if (child->m_HotkeyLetter != 0 || !child->WantsAutoHotkey())
            continue;
        const CString& text = child->m_Text;
        for (uint32_t index = 0; index < text.GetLength(); ++index)
        {
            int32_t character = text.GetAt(index);
            if (character <= ' ' || AnyChildHasHotkey(UpperCaseKey(character)))
                continue;
            child->SetHotkeyChar(UpperCaseKey(character));
            child->m_HotkeyPosition = static_cast<int32_t>(index);
            child->m_HotkeyLength = 1;
            break;
        }
    }
}

bool CJWindow::WantsAutoHotkey() const
{
    return false;
}
