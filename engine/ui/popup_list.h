#pragma once

#include <cstdint>

#include "engine/ui/list_box.h"

class CJDropDown;

// The list a drop-down opens: modal on the root window, so a press anywhere
// comes to it first. Everything it sends goes to its owner. A press outside
// it, Escape, or losing the focus closes it; a leaf clicked, Enter or F4
// confirms the choice.
class CJPopupList : public CJListBox
{
public:
    explicit CJPopupList(CJDropDown* owner);
    ~CJPopupList() override;

    void Draw(CFrameInterface& frame) override;
    bool MouseDown(int32_t button, CPoint point) override;
    bool MouseUp(int32_t button, CPoint point) override;
    bool KeyDown(int32_t key) override;
    void SetFocused(bool focused) override;
    void SendCommand(int32_t code) override;
    void Expand(int32_t row) override;

    // The selection in the middle of the rows shown, scrolled at once.
    void CentreSelection();

    CJDropDown* GetOwner() const { return m_pOwner; }
    // The owner is going or has let go of the popup.
    void ForgetOwner() { m_pOwner = nullptr; }

protected:
    void TearDown() override;

private:
    void LetGoOfOwner();

    CJDropDown* m_pOwner;
    // Set while a row expands: the focus changes that brings do not close
    // the popup.
    bool m_Expanding;
    bool m_PressedInside;
};
