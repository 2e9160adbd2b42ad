#include "engine/ui/skin_library.h"

CResourceLibrary<CSkinTheme>& GetSkinLibrary()
{
    static CResourceLibrary<CSkinTheme> library(LIBRARY_SKIN_THEMES);
    return library;
}
