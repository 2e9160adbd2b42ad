#include "engine/core/files/loose_files.h"

#include <cstring>

#include "engine/core/settings/paths.h"
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

// Drops the last part of the path and the separator before it; false for a
// path without a separator.
static bool CutLastPart(CString& path)
{
    uint32_t nameStart = static_cast<uint32_t>(GetFileNamePart(path.GetText()) - path.GetText());
    if (nameStart == 0)
        return false;
    CString folder;
    path.Left(folder, nameStart - 1);
    path = folder;
    return true;
}

// Creates the innermost missing folder first, then starts again from the
// full path, until the full path is made or no shorter folder can be.
bool CreateFolderPath(const char* path)
{
    CString full(path);
    // A trailing separator leaves an empty last part.
    if (*GetFileNamePart(full.GetText()) == 0)
        CutLastPart(full);
    while (!CreateSingleFolder(full.GetText()))
    {
        CString shorter = full;
        do
        {
            if (!CutLastPart(shorter))
                return false;
        } while (!CreateSingleFolder(shorter.GetText()));
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
