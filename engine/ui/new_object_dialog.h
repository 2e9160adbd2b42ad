#pragma once

#include <cstdint>

#include "engine/core/lists/named_value_list.h"
#include "engine/core/memory/dynamic_array.h"
#include "engine/ui/file_name_dialog.h"

class CClassInfo;
class CJDropDown;
class CNewObjectRequest;

// The new-file dialog of a library's new item: besides location and name,
// the class of the new object among the creatable classes derived from the
// request's base class, in the registry's name order. The first of them is
// chosen from the start; the "Class:" row shows only when there is a choice.
class CNewObjectDialog : public CFileNameDialog
{
public:
    CNewObjectDialog(CJWindow* parent, CNewObjectRequest* request);
    ~CNewObjectDialog() override;

    void OnCommand(CJWindow* source, int32_t code) override;

    // Null while there is at most one class.
    CJDropDown* GetClassDropDown() const { return m_pClassDropDown; }
    CNamedValueList& GetClassList() { return m_ClassList; }

private:
    CNewObjectRequest* m_pRequest;
    // The drop-down's rows: each class's name without its "C", its value
    // the class's index in m_Classes.
    CNamedValueList m_ClassList;
    CDynamicArray<CClassInfo*> m_Classes;
    CJDropDown* m_pClassDropDown = nullptr;
};
