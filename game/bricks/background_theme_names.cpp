#include "game/bricks/background_theme_names.h"

#include <cstring>


namespace {

struct ThemeRename
{
    const char* oldName;
    const char* newName;
};

const ThemeRename kThemeRenames[] = {
    {"Cosmos", "Red"},
    {"Space", "Chrome Blue"},
    {"Tech", "Purple Bricks"},
    {"Water", "Yellow"},
};

// Past the last '/' or '\' of the first length characters; 0 without one.
size_t AfterLastSeparator(const char* text, size_t length)
{
    for (size_t i = length; i > 0; i--)
    {
        if (text[i - 1] == '/' || text[i - 1] == '\\')
            return i;
    }
    return 0;
}

} // namespace

void DeriveBackgroundThemeNames(const char* itemName, CString& themeName, CString& ownName)
{
    const size_t length = std::strlen(itemName);
    const size_t fileStart = AfterLastSeparator(itemName, length);
    if (fileStart < length)
        ownName = itemName + fileStart;
    if (fileStart < 2)
        return;
    const size_t folderLength = fileStart - 1;
    const size_t themeStart = AfterLastSeparator(itemName, folderLength);
    if (themeStart == folderLength)
        return;
    themeName.Assign(itemName + themeStart, static_cast<uint32_t>(folderLength - themeStart));
    for (const ThemeRename& rename : kThemeRenames)
    {
        if (themeName.CompareNoCase(rename.oldName) == 0)
        {
            themeName = rename.newName;
            return;
        }
    }
}
