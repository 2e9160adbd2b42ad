#include "engine/object/reflection.h"

#include "engine/core/program/error_report.h"
#include "engine/core/strings/ref_string.h"

void VerifyReflectedLayout(const CObject* base, const void* object, const char* className)
{
    if (static_cast<const void*>(base) == object)
        return;
    CString text;
    text.Format("The class \"%s\" does not name its reflected base first, so its properties cannot be found in its "
                "objects.",
                className);
    ShowErrorReport("Programming BUG", text.GetText());
    ExitAfterFatalError();
}
