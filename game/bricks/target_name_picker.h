#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"
#include "engine/ui/dialog.h"
#include "engine/ui/window_weak_pointer.h"

class CJEditBox;
class CJStaticText;

// The dialog over the level editor in which the user names a target by
// clicking bricks: while it is open it is the editor's active tool, so the
// editor's selection changes come here and rebuild the name, and the
// inspector it was opened from is hidden. OK, Enter or a double-click in
// the editor writes the name into the field's edit box; Escape and the
// close box leave the field as it was.
//
// The inspector can go while the picker is open (the editor closes it when
// another object is inspected), and the field's edit box goes with it. The
// picker therefore holds both weakly, and closes, writing nothing, as soon
// as its edit box is gone or on its way out.
class TargetNamePicker : public CJDialog
{
public:
    TargetNamePicker(CJWindow* levelEditor, CJWindow* inspector, CJEditBox* targetEditBox);
    ~TargetNamePicker() override;

    void Update(float step) override;
    void OnCommand(CJWindow* source, int32_t code) override;
    bool KeyDown(int32_t key) override;

    CJEditBox* GetEditBox() const { return m_pEditBox; }
    CJButton* GetOkButton() const { return m_pOkButton; }
    CJStaticText* GetQuantityLabel() const { return m_pQuantityLabel; }

private:
    bool IsTargetGone() const;
    void WriteBackAndClose();
    void RebuildTextFromSelection();
    void ShowQuantity();
    // The bricks the text names become the editor's selection; the report
    // of that change is the picker's own and is not taken as a pick.
    void SelectNamedBricks();

    CWindowWeakPointer<CJWindow> m_HiddenWindow;
    CWindowWeakPointer<CJEditBox> m_TargetEditBox;
    CJEditBox* m_pEditBox;
    CJButton* m_pOkButton;
    CJStaticText* m_pQuantityLabel;
    CString m_QuantityText;
    bool m_UpdatingSelection;
};
