#include "game/bricks/brick_style_theme.h"

#include <cstring>

#include "engine/core/strings/ref_string.h"
#include "game/bricks/background_library.h"
#include "game/bricks/background_theme_names.h"

namespace {

bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

// The last folder of an item name; empty without one.
CString LastFolderOf(const char* itemName)
{
    size_t end = std::strlen(itemName);
    while (end > 0 && !IsSeparator(itemName[end - 1]))
        end--;
    if (end == 0)
        return CString();
    const size_t folderEnd = end - 1;
    size_t start = folderEnd;
    while (start > 0 && !IsSeparator(itemName[start - 1]))
        start--;
    CString folder;
    folder.Assign(itemName + start, static_cast<uint32_t>(folderEnd - start));
    return folder;
}

} // namespace

int32_t FindThemeOfStyleItem(const char* styleItemName)
{
    const CString folder = LastFolderOf(styleItemName);
    if (folder.IsEmpty())
        return 0;
    CResourceLibrary<CBackgroundDefinition>& backgrounds = GetBackgroundLibrary();
    for (uint32_t i = 0; i < backgrounds.GetCount(); i++)
    {
        CString themeName;
        CString ownName;
        DeriveBackgroundThemeNames(backgrounds.GetName(i), themeName, ownName);
        if (themeName.CompareNoCase(folder) == 0 || ownName.CompareNoCase(folder) == 0)
            return static_cast<int32_t>(i);
    }
    return 0;
}
