#include "engine/object/libraries/general_objects.h"

#include "engine/core/program/error_report.h"
#include "engine/object/class_info.h"
#include "engine/object/object.h"

CResourceLibrary<CObject>& GetGeneralObjectList()
{
    static CResourceLibrary<CObject> library(LIBRARY_GENERAL_OBJECTS);
    return library;
}

CObject* GetCheckedGeneralObject(const char* itemName, const CClassInfo* expectedClass, int32_t& keptIndex)
{
    CResourceLibrary<CObject>& library = GetGeneralObjectList();
    if (keptIndex == -1)
        keptIndex = library.FindOrFail(itemName, -1);
    const uint32_t index = static_cast<uint32_t>(keptIndex);
    CObject* object = library.GetItemObject(index);
    if (object != nullptr && object->IsKindOf(expectedClass))
        return object;

    CString path;
    library.GetItemFilePath(index, path);
    CString text;
    if (object == nullptr)
    {
        text.Format("The general object \"%s\" could not be read from \"%s\".", itemName, path.GetText());
        ShowErrorReport("Fatal Error", text.GetText());
    }
    else
    {
        text.Format("The general object \"%s\" in \"%s\" is a %s when a %s is expected.", itemName, path.GetText(),
                    object->GetClassInfo()->GetClassName(), expectedClass->GetClassName());
        ShowErrorReport("Invalid class type", text.GetText());
    }
    ExitAfterFatalError();
}
