#include "engine/ui/message_box.h"

#include "engine/core/localization/localized_string.h"
#include "engine/graphics/fonts/font.h"
#include "engine/ui/button.h"
#include "engine/ui/composite_command.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/member_command.h"
#include "engine/ui/static_text.h"

namespace {
CLocalizedString s_OkCaption("OK");

constexpr int32_t WRAP_WIDTH = 500;
} // namespace

const CString& OkButtonCaption()
{
    return s_OkCaption.GetText();
}

CJMessageBox::CJMessageBox(CJWindow* constructionParent, const CString& title, const CString& text, CJWindow* owner,
                           const CString* caption, CCommandCallback* command)
    : CJDialog(constructionParent, title)
{
    Build(text, owner, caption, command);
}

CJMessageBox::CJMessageBox(const char* title, const char* text, CJWindow* parent)
    : CJDialog(parent, title)
{
    Build(CString(text), parent, nullptr, nullptr);
}

void CJMessageBox::Build(const CString& text, CJWindow* owner, const CString* caption, CCommandCallback* command)
{
    SetModal(true);
    CString message = text;
    if (m_pFont != nullptr && m_pFont->GetTextWidth(text) > WRAP_WIDTH)
        message = m_pFont->WrapText(text, WRAP_WIDTH);
    m_pLabel = new CJStaticText(this, message);
    AddChild(m_pLabel, 1, nullptr, DEFAULT_GAP, DEFAULT_GAP, 0);
    m_pOkButton = new CJButton(this, caption != nullptr ? *caption : OkButtonCaption());
    if (command != nullptr)
        m_pOkButton->SetCommand(command);
    AddChild(m_pOkButton, 12, nullptr, DEFAULT_GAP, DEFAULT_GAP, 0);
    m_pOkButton->SetHotkeyChar(KEY_ENTER);
    if (owner != nullptr)
    {
        owner->AddChild(this, 6, nullptr, DEFAULT_GAP, DEFAULT_GAP, 0);
        owner->BringToFront(this);
    }
}

CJButton* CJMessageBox::AddButton(const CString& caption, CCommandCallback* command)
{
    CJButton* button = new CJButton(this, caption);
    if (command != nullptr)
    {
        // The caller's command first, then the close, which waits for the
        // box's next update.
        CCompositeCommand* both = new CCompositeCommand(command);
        both->Add(new CMemberCommand(static_cast<CJWindow*>(this), &CJWindow::RequestClose));
        button->SetCommand(both);
    }
    AddChild(button, 1, nullptr, DEFAULT_GAP, DEFAULT_GAP, 0);
    // The row is the run of siblings from OK to the new button; focusing
    // OK may have rotated the label in between, so it goes behind them.
    RemoveChild(m_pLabel);
    AddChild(m_pLabel, 0, nullptr, DEFAULT_GAP, DEFAULT_GAP, 0);
    WidenForRow(button);
    ArrangeRow(m_pOkButton, button, 0, true, true, GetSpacing());
    return button;
}

void CJMessageBox::WidenForRow(CJButton* last)
{
    // A short message makes a box narrower than its row of buttons; the
    // row would then start left of the box and end right of it.
    int32_t count = 0;
    int32_t widest = 0;
    for (CJWindow* button = m_pOkButton; button != nullptr;
         button = button == last ? nullptr : button->GetNextSibling())
    {
        ++count;
        if (button->GetWidth() > widest)
            widest = button->GetWidth();
    }
    int32_t rowWidth = count * widest + (count - 1) * GetSpacing() + 2 * GetMargin();
    if (GetWidth() >= rowWidth)
        return;
    SetWidth(rowWidth);
    // A box is centred in its owner when it is built.
    if (m_pParent != nullptr)
        CentreHorizontallyInParent();
}

void CJMessageBox::OnCommand(CJWindow* source, int32_t code)
{
    if (code == 0)
    {
        Close();
        return;
    }
    CJDialog::OnCommand(source, code);
}

bool CJMessageBox::KeyDown(int32_t key)
{
    // A click may close the box: it only becomes dying inside the scope,
    // and once it is closing nothing further runs on it.
    CDeferredDestroyScope scope;
    bool handled = CJDialog::KeyDown(key);
    if (IsDying())
        return true;
    handled = Hotkey(key) || handled;
    if (IsDying())
        return true;
    if (key != KEY_ENTER && key != KEY_ESCAPE)
        return handled;
    OnCommand(m_pOkButton, 0);
    return true;
}

CJMessageBox* ShowMessageBox(CJWindow* window, CJWindow* constructionParent, const CString& title, const CString& text,
                             bool)
{
    CJMessageBox* box = new CJMessageBox(constructionParent, title, text, nullptr, nullptr, nullptr);
    box->SetModal(true);
    CJWindow* target = window->GetParent() != nullptr ? window->GetParent() : window;
    target->AddChildFront(box, 6, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP, 0);
    return box;
}

CJMessageBox* ShowMessageBox(CJWindow* window, const CString& title, const CString& text)
{
    return ShowMessageBox(window, window, title, text, false);
}
