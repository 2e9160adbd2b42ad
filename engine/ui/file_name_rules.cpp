#include "engine/ui/file_name_rules.h"

#include <cstddef>
#include <string>

#include "engine/core/files/data_files.h"
#include "engine/core/strings/ref_string.h"
#include "engine/platform/text_encoding.h"

namespace {
// What Linux file systems take: bytes of one name, and of a whole path.
constexpr size_t NAME_LIMIT = 255;
constexpr size_t PATH_LIMIT = 4095;

size_t BytesOnDisk(const CString& text)
{
    return Latin1ToUtf8(text.GetText()).size();
}

bool IsSeparator(char16_t character)
{
    return character == '/' || character == '\\';
}

// Each folder of the location: neither a step out nor one in place, and
// short enough for the file system.
bool AreUsableFolders(const CString& location)
{
    const uint32_t length = location.GetLength();
    uint32_t start = 0;
    while (start <= length)
    {
        uint32_t end = start;
        while (end < length && !IsSeparator(location.GetAt(end)))
            ++end;
        CString folder;
        location.Mid(folder, start, end - start);
        if (folder.Compare(".") == 0 || folder.Compare("..") == 0 || BytesOnDisk(folder) > NAME_LIMIT)
            return false;
        start = end + 1;
    }
    return true;
}
} // namespace

bool IsUsableNewFileName(const CString& baseFolder, const CString& typedLocation, const CString& typedFileName)
{
    if (!typedLocation.FitsInEightBits() || !typedFileName.FitsInEightBits())
        return false;
    CString location = typedLocation;
    location.MakeNarrow();
    CString fileName = typedFileName;
    fileName.MakeNarrow();
    if (!AreUsableFolders(location) || BytesOnDisk(fileName) > NAME_LIMIT)
        return false;
    CString relative;
    relative.AssignPath(location.GetText(), fileName.GetText());
    CString whole;
    whole.AssignPath(baseFolder.GetText(), relative.GetText());
    return BytesOnDisk(GetDataPath(whole.GetText(), 0)) <= PATH_LIMIT;
}
