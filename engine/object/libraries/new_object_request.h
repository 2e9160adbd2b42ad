#pragma once

#include "engine/core/strings/ref_string.h"

class CClassInfo;
class CExecutableCommand;
class CFileNameDialog;
class CJWindow;

// What the new-file dialog asks for and answers: the dialog's title, the
// folder the new file's location is relative to (a library's folder, under
// the data folder), the proposed location, name and extension, and the
// command to run when the user confirms. The dialog reads the typed
// location and name back into the record and builds the result. The caller
// owns the record and keeps it alive until the dialog has closed.
class CFileNameRequest
{
public:
    CFileNameRequest() = default;
    virtual ~CFileNameRequest();

    CFileNameRequest(const CFileNameRequest&) = delete;
    CFileNameRequest& operator=(const CFileNameRequest&) = delete;

    // A new dialog for this request, not linked into the window tree yet;
    // none while no window toolkit is installed.
    virtual CFileNameDialog* OpenDialog(CJWindow* parent);

    // The record owns the command; a new one deletes the one it replaces.
    void SetCallback(CExecutableCommand* command);
    CExecutableCommand* GetCallback() const { return m_pDoneCommand; }

    CString m_Title;
    CString m_BaseFolder;
    // Relative to the base folder; edited in the dialog.
    CString m_Location;
    // Without the extension; edited in the dialog.
    CString m_Name;
    // With its leading ".", shown but not edited.
    CString m_Extension;
    // What kind of thing is made, for the caller's title.
    CString m_TypeName;
    // Filled when the user confirms: location, "/", name and extension,
    // relative to the base folder.
    CString m_Result;

private:
    CExecutableCommand* m_pDoneCommand = nullptr;
};

// The request for a new object of a library: the dialog offers every
// creatable class derived from the base class and stores the pick as the
// chosen class.
class CNewObjectRequest : public CFileNameRequest
{
public:
    CFileNameDialog* OpenDialog(CJWindow* parent) override;

    CClassInfo* m_pBaseClass = nullptr;
    CClassInfo* m_pChosenClass = nullptr;
    // Answered by the library that adds the item: whether the new item's
    // file was written, so the editor can tell the user when it was not.
    bool m_Saved = false;
};

// The window toolkit lies above the object model: it fills these at
// start-up with the makers of its two dialogs. Null makers open nothing.
struct CFileNameDialogMakers
{
    CFileNameDialog* (*MakeFileNameDialog)(CJWindow* parent, CFileNameRequest* request);
    CFileNameDialog* (*MakeNewObjectDialog)(CJWindow* parent, CNewObjectRequest* request);
};

CFileNameDialogMakers& GetFileNameDialogMakers();
