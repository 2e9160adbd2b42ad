#pragma once

#include <memory>

#include "engine/ui/dialog.h"

class CCommandCallback;
class CJButton;
class CJEditBox;

// Asks for the file name of a new set of the player's own and makes it, of
// ten template rounds, in "./Rounds". Mistakes are told in an "Error" box
// and the dialog stays for another try.
class NewRoundSetDialog : public CJDialog
{
public:
    // The callback (owned; none for none) runs once the set is made.
    NewRoundSetDialog(CJWindow* parent, CCommandCallback* onCreated);
    ~NewRoundSetDialog() override;

    // Save: makes the set of the typed name and closes, or says why not.
    void Validate();

    void OnCommand(CJWindow* source, int32_t code) override;
    bool KeyDown(int32_t key) override;

    CJEditBox* GetNameBox() const { return m_pNameBox; }

private:
    void ShowError(const CString& text);

    CJEditBox* m_pNameBox;
    CJButton* m_pSaveButton;
    CJButton* m_pCancelButton;
    std::unique_ptr<CCommandCallback> m_pOnCreated;
};
