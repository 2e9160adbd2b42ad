#pragma once

#include "engine/core/strings/ref_string.h"

class CClassInfo;

// What the file-name dialog asks for and answers: where the new file goes,
// with which extension, and what the user typed. The creator owns it.
class CFileNameRequest
{
public:
    virtual ~CFileNameRequest() = default;

    CString m_Location;  // the folder under which the new file goes
    CString m_Extension; // with its leading "."
    CString m_KindText;  // what is being made, shown by the dialog
    // Filled when the user confirms: the typed sub-folder, "/", the typed
    // name and the extension.
    CString m_ResultPath;
};

// The request for a new object of a library: the dialog offers every
// creatable class derived from the base class and stores the pick as the
// chosen class.
class CNewObjectRequest : public CFileNameRequest
{
public:
    CClassInfo* m_pBaseClass = nullptr;
    CClassInfo* m_pChosenClass = nullptr;
    // Answered by the library that adds the item: whether the new item's
    // file was written, so the editor can tell the user when it was not.
    bool m_Saved = false;
};
