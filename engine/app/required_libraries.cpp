#include "engine/app/required_libraries.h"

#include "engine/core/lists/virtual_array.h"
#include "engine/core/program/error_report.h"
#include "engine/core/strings/ref_string.h"
#include "engine/graphics/fonts/font_library.h"

void RequireLibraryItems(VirtualArray& library, const char* itemWord, const char* where)
{
    const CString name = library.GetListName();
    if (name.IsEmpty() || library.GetCount() != 0)
        return;
    CString text;
    text.Format("no %s in %s\n\nThe game needs at least one, %s. The data folder is incomplete: generate it again "
                "or reinstall the game.",
                itemWord, name.GetText(), where);
    ShowErrorReport("Fatal Error", text.GetText());
    ExitAfterFatalError(-1);
}

void RequireEngineLibraries()
{
    RequireLibraryItems(GetFontLibrary(), "font", "a \"<name>.FONT.TXT\" object file in \"Resources/Fonts\"");
}
