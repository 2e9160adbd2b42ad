#include "engine/core/settings/paths.h"

#include <cstring>

static CString& DataFolder()
{
    static CString folder(".");
    return folder;
}

const char* GetDataFolder()
{
    return DataFolder().GetText();
}

void SetDataFolder(const char* folder)
{
    DataFolder() = folder;
}

const char* GetCacheFolderName()
{
    return "Cache";
}

static bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

// Index just after the last separator, 0 when there is none.
static size_t FileNameStart(const char* path)
{
    size_t start = 0;
    for (size_t i = 0; path[i]; ++i)
    {
        if (IsSeparator(path[i]))
            start = i + 1;
    }
    return start;
}

const char* GetFileNamePart(const char* path)
{
    if (!path)
        return "In Path Name Null!";
    return path + FileNameStart(path);
}

const char* GetFileExtension(const char* path)
{
    const char* name = GetFileNamePart(path);
    const char* dot = std::strrchr(name, '.');
    return dot ? dot : name + std::strlen(name);
}

bool CopyToBuffer(char* buffer, size_t size, const CString& text)
{
    size_t length = text.GetLength();
    if (length + 1 > size)
        return false;
    std::memcpy(buffer, text.GetText(), length + 1);
    return true;
}

void ReplaceFileExtension(CString& path, const char* extension)
{
    uint32_t keep = static_cast<uint32_t>(GetFileExtension(path.GetText()) - path.GetText());
    CString result;
    path.Left(result, keep);
    result += extension;
    path = result;
}

void TruncateToFolder(CString& path)
{
    CString folder;
    path.Left(folder, static_cast<uint32_t>(FileNameStart(path.GetText())));
    path = folder;
}
