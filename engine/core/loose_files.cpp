#include "engine/core/loose_files.h"

#include <cstring>

#include "engine/core/paths.h"
#include "engine/platform/directory_search.h"
#include "engine/platform/file_system.h"

// Enough for every numbered file a player makes (screenshots count to 99).
static const int32_t kUnusedNameAttempts = 10000;

bool FileExists(const char* path)
{
    return !SearchFolder(path).empty();
}

bool FindUnusedFileName(CString& out, const char* pattern)
{
    for (int32_t number = 0; number < kUnusedNameAttempts; ++number)
    {
        CString candidate;
        candidate.Format(pattern, number);
        if (!FileExists(candidate.GetText()))
        {
            out = candidate;
            return true;
        }
    }
    return false;
}

static bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

bool CanWriteFile(const char* path)
{
    FileStatus status;
    if (QueryFileStatus(path, &status))
        return !status.isReadOnly;
    CString folderPattern(path);
    TruncateToFolder(folderPattern);
    folderPattern += "*.*";
    return FileExists(folderPattern.GetText());
}

// Position of the last separator, -1 when there is none.
static int32_t LastSeparator(const CString& path)
{
    for (int32_t i = static_cast<int32_t>(path.GetLength()) - 1; i >= 0; --i)
    {
        if (IsSeparator(path[static_cast<uint32_t>(i)]))
            return i;
    }
    return -1;
}

// Creates the innermost missing folder first, then starts again from the
// full path, until the full path is made or no shorter folder can be.
bool CreateFolderPath(const char* path)
{
    CString full(path);
    if (full.HasText() && IsSeparator(full[full.GetLength() - 1]))
        full.Delete(full.GetLength() - 1, 1);
    while (!CreateSingleFolder(full.GetText()))
    {
        CString shorter = full;
        bool created = false;
        while (!created)
        {
            int32_t separator = LastSeparator(shorter);
            if (separator < 0)
                return false;
            CString cut;
            shorter.Left(cut, static_cast<uint32_t>(separator));
            shorter = cut;
            created = CreateSingleFolder(shorter.GetText());
        }
    }
    return true;
}

static bool CountsAsFile(const FolderEntry& entry)
{
    return !entry.isFolder && entry.name[0] != '.';
}

static uint64_t GetReferenceTime(const char* reference)
{
    for (const FolderEntry& entry : SearchFolder(reference))
    {
        if (CountsAsFile(entry))
            return entry.lastWriteTime;
    }
    return 0;
}

bool IsFileNewerThan(const char* path, const char* reference)
{
    uint64_t referenceTime = GetReferenceTime(reference);
    bool isPattern = std::strpbrk(path, "*?") != nullptr;
    for (const FolderEntry& entry : SearchFolder(path))
    {
        if (!CountsAsFile(entry))
            continue;
        if (entry.lastWriteTime > referenceTime)
            return true;
        if (!isPattern)
            return false;
    }
    return false;
}

uint64_t GetFileTimeOf(const char* path, int32_t kind)
{
    FileStatus status;
    if (!QueryFileStatus(path, &status) || status.isFolder)
        return 0;
    if (kind == 1)
        return status.creationTime;
    if (kind == 2)
        return status.lastAccessTime;
    return status.lastWriteTime;
}

bool SetFileTimeOf(const char* path, uint64_t time, uint32_t which)
{
    return SetFileTimes(path, (which & 2) ? &time : nullptr, (which & 4) ? &time : nullptr);
}

bool GetFileAttributeReadOnly(const char* path)
{
    return IsReadOnlyEntry(path);
}

bool SetFileReadOnly(const char* path, bool readOnly)
{
    return SetReadOnlyEntry(path, readOnly);
}
