#pragma once

#include <cstdint>

#include "engine/ui/window.h"

class CJButton;
class CJListBox;
class CJPopupList;
class CListFilter;
class CTreeSource;
class VirtualArray;

// A one-row list showing the current choice, with an arrow button at its
// right. Opening it puts a popup list under it on the root window, in which
// the choice follows the browsing at once; Escape or a press elsewhere goes
// back to the choice from before opening. The parent hears code 1 whenever
// the shown choice changes and code 0 when a choice is confirmed.
//
// The popup belongs to the root, not to the drop-down: whichever of the two
// goes first tells the other, so neither deletes or calls a window that is
// gone.
class CJDropDown : public CJWindow
{
public:
    static constexpr int32_t KEY_F4 = 20;

    CJDropDown(CJWindow* parent, VirtualArray* list, int32_t widthUnits, CListFilter* filter);
    CJDropDown(CJWindow* parent, CTreeSource* source, int32_t widthUnits, CListFilter* filter);
    ~CJDropDown() override;

    virtual int32_t GetSelectedId() const;
    virtual void GetSelectedText(CString& out);
    virtual CJButton* CreateArrowButton(CJWindow* parent);

    bool MouseDown(int32_t button, CPoint point) override;
    bool MouseUp(int32_t button, CPoint point) override;
    bool KeyDown(int32_t key) override;
    void OnCommand(CJWindow* source, int32_t code) override;
    // The display keeps the focus whatever child is asked for.
    void BringToFront(CJWindow* child) override;
    void SetText(const CString& text) override;
    using CJWindow::SetText;
    const CString& GetText() const override;
    void SetRect(const CRect& rect) override;

    void SetSourceWithOwner(VirtualArray* list, CListFilter* filter);
    CTreeSource* GetSource() const;
    void SelectItem(int32_t id, bool silent);
    // The display's rows built again from its own source and filter.
    void Refresh();
    void SetSorted(bool sorted);
    void OpenPopup();
    // The popup goes (nothing when closed); the choice stays as browsed.
    void ClosePopup();

    CJListBox* GetDisplay() const { return m_pDisplay; }
    CJPopupList* GetPopup() const { return m_pPopup; }
    CJButton* GetArrowButton() const { return m_pArrowButton; }
    void SetClickOpens(bool clickOpens) { m_ClickOpens = clickOpens; }
    void SetEnterConfirms(bool enterConfirms) { m_EnterConfirms = enterConfirms; }

    // For the popup.
    int32_t GetRememberedId() const { return m_RememberedId; }
    // Closes the popup and puts the owner in front again; with confirm the
    // parent hears code 0, else the choice from before opening comes back.
    // The parent may close the dialog: nothing may touch either window
    // after this.
    void FinishPopup(bool confirm);
    void ForgetPopup() { m_pPopup = nullptr; }

protected:
    CJListBox* m_pDisplay;
    CJPopupList* m_pPopup;
    CJButton* m_pArrowButton;
    int32_t m_Width;
    bool m_ClickOpens;
    bool m_EnterConfirms;
    int32_t m_RememberedId;

private:
    void StartArrowAndWidth(int32_t widthUnits);
    int32_t DisplayWidthUnits() const;
    // Links the display and the arrow and sizes the display to its text.
    void Assemble(CJListBox* display);
    int32_t GetDisplayUnit() const;
    void BringOwnerToFront();
};

// The list-style drop-down: a press on the shown choice opens the list, and
// the shown choice has no typing caret.
class CJDropDownList : public CJDropDown
{
public:
    CJDropDownList(CJWindow* parent, VirtualArray* list, int32_t widthUnits, CListFilter* filter);
    CJDropDownList(CJWindow* parent, CTreeSource* source, int32_t widthUnits, CListFilter* filter);
};
