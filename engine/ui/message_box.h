#pragma once

#include "engine/ui/dialog.h"

class CCommandCallback;
class CJStaticText;

// The translated caption of OK buttons, one text for every dialog that
// has one.
const CString& OkButtonCaption();

// The modal message box: a label with the message, wrapped at 500 pixels,
// an "OK" button and optionally further buttons in one row. Any plain
// button, Enter and Escape close it; a button with a command runs it and
// then closes the box.
class CJMessageBox : public CJDialog
{
public:
    // With an owner the box is added to it, centred and in front. A null
    // caption means "OK".
    CJMessageBox(CJWindow* constructionParent, const CString& title, const CString& text, CJWindow* owner,
                 const CString* caption, CCommandCallback* command);
    // The parent is the construction parent and the owner.
    CJMessageBox(const char* title, const char* text, CJWindow* parent);

    // The buttons get one width and stand in one centred row, OK first.
    CJButton* AddButton(const CString& caption, CCommandCallback* command);
    CJButton* GetOkButton() const { return m_pOkButton; }

    void OnCommand(CJWindow* source, int32_t code) override;
    bool KeyDown(int32_t key) override;

private:
    void Build(const CString& text, CJWindow* owner, const CString* caption, CCommandCallback* command);
    void WidenForRow(CJButton* last);

    CJStaticText* m_pLabel = nullptr;
    CJButton* m_pOkButton = nullptr;
};

// A modal, centred box built with window as its construction parent and
// added in front to window's parent (to window itself when it has none).
CJMessageBox* ShowMessageBox(CJWindow* window, const CString& title, const CString& text);
// The same with another construction parent; the flag changes nothing.
CJMessageBox* ShowMessageBox(CJWindow* window, CJWindow* constructionParent, const CString& title, const CString& text,
                             bool flag);
