#pragma once

#include <cstdint>

#include "engine/ui/dialog.h"

class CFileNameRequest;
class CJButton;
class CJEditBox;
class CJStaticText;

// Asks where and under which name a new data file goes: the user edits the
// request's location and name (the extension is shown only), and Save
// checks them. A blank name, a name that cannot stand on disk, or a file
// that already exists (loose or in an archive, in any letter case) is
// refused with a message over the dialog and the dialog stays open; a
// missing location folder is offered for creation. Once accepted, the
// result is in the request, its done command has run once, and the dialog
// closes. The dialog never deletes the request.
class CFileNameDialog : public CJDialog
{
public:
    CFileNameDialog(CJWindow* parent, CFileNameRequest* request);

    // The boxes' texts into the request, location and name trimmed.
    virtual void ReadFields();
    // True when the dialog accepted and closed itself.
    virtual bool Accept();
    // Makes every missing folder of the location, then accepts.
    virtual void CreateFolderAndAccept();

    bool KeyDown(int32_t key) override;
    void OnCommand(CJWindow* source, int32_t code) override;

    CJEditBox* GetLocationBox() const { return m_pLocationBox; }
    CJEditBox* GetNameBox() const { return m_pNameBox; }
    CJEditBox* GetExtensionBox() const { return m_pExtensionBox; }
    CJButton* GetSaveButton() const { return m_pSaveButton; }
    CJButton* GetCancelButton() const { return m_pCancelButton; }

protected:
    // Where a further row's label goes: below this one.
    CJStaticText* GetLastLabel() const { return m_pLastLabel; }
    void SetLastLabel(CJStaticText* label) { m_pLastLabel = label; }

private:
    // Modal and centred over the dialog, titled "Error".
    void ShowError(const CString& text);
    void OfferToCreateFolder();
    CString FullPath(const CString& relative) const;

    CFileNameRequest* m_pRequest;
    CJStaticText* m_pLocationLabel = nullptr;
    CJEditBox* m_pLocationBox = nullptr;
    CJStaticText* m_pNameLabel = nullptr;
    CJEditBox* m_pNameBox = nullptr;
    CJStaticText* m_pExtensionLabel = nullptr;
    CJEditBox* m_pExtensionBox = nullptr;
    CJButton* m_pSaveButton = nullptr;
    CJButton* m_pCancelButton = nullptr;
    CJStaticText* m_pLastLabel = nullptr;
};
