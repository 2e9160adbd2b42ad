#include "engine/core/files/data_files.h"

#include "engine/core/archives/archive_tree.h"
#include "engine/core/files/file.h"
#include "engine/core/files/loose_files.h"
#include "engine/core/files/open_stream.h"
#include "engine/core/settings/paths.h"
#include "engine/core/program/profiler.h"
#include "engine/core/files/stream.h"
#include "engine/platform/file_removal.h"

static CProfileSection s_IsNewerSection("IsNewer");

CString GetDataPath(const char* name, uint32_t flags)
{
    CString path;
    if (flags & OPEN_NAME_UNCHANGED)
        path = name;
    else
        path.AssignPath(GetDataFolder(), name);
    return path;
}

static uint32_t TreatAbsoluteAsUnchanged(const char* name, uint32_t flags)
{
    return IsAbsoluteDataName(name) ? flags | OPEN_NAME_UNCHANGED : flags;
}

static CString WithoutTrailingSlash(CString path)
{
    uint32_t length = path.GetLength();
    if (length != 0 && path[length - 1] == '/')
        path.Delete(length - 1, 1);
    return path;
}

bool DeleteDataFile(const char* name, uint32_t flags)
{
    return DeleteSystemFile(GetDataPath(name, flags).GetText());
}

bool FolderExists(const char* name, uint32_t flags)
{
    return FileExists(WithoutTrailingSlash(GetDataPath(name, flags)).GetText());
}

bool EnsureFolderExists(const char* name, uint32_t flags)
{
    CString path = GetDataPath(name, TreatAbsoluteAsUnchanged(name, flags));
    return FileExists(WithoutTrailingSlash(path).GetText()) || CreateFolderPath(path.GetText());
}

bool CanOpenDataFile(const char* name, uint32_t flags)
{
    CFile file;
    bool opened = file.Open(name, (flags & OPEN_NAME_UNCHANGED) | OPEN_READ | OPEN_NO_REPORT);
    file.Close();
    return opened;
}

bool CanWriteDataFile(const char* name, uint32_t flags)
{
    flags = TreatAbsoluteAsUnchanged(name, flags);
    bool canWrite = false;
    if (MayAskArchives(flags) && GetArchiveTree().ContainsWritable(NormalizeDataName(name).GetText(), canWrite))
        return canWrite;
    return CanWriteFile(GetDataPath(name, flags).GetText());
}

void ResolveDataPath(CString& out, const char* name, uint32_t flags)
{
    CString archivePath;
    uint32_t archiveFlags = 0;
    if (MayAskArchives(flags) && GetArchiveTree().GetArchivePath(NormalizeDataName(name).GetText(), archivePath, archiveFlags))
        ResolveDataPath(out, archivePath.GetText(), archiveFlags);
    else
        out = GetDataPath(name, flags);
}

bool IsNewer(const char* name, uint32_t flags, const char* reference, uint32_t referenceFlags)
{
    CProfileScope scope(s_IsNewerSection);
    if (IsFileNewerThan(GetDataPath(name, flags).GetText(), GetDataPath(reference, referenceFlags).GetText()))
        return true;
    return MayAskArchives(flags) && GetArchiveTree().IsNewer(NormalizeDataName(name).GetText(), reference);
}

bool IsNewer(const char* name, const char* reference)
{
    return IsNewer(name, 0, reference, 0);
}

uint64_t GetDataFileTime(const char* name, uint32_t flags, int32_t kind)
{
    uint64_t time = GetFileTimeOf(GetDataPath(name, flags).GetText(), kind);
    if (time == 0 && MayAskArchives(flags))
        time = GetArchiveTree().GetFileTime(NormalizeDataName(name).GetText(), flags);
    return time;
}

bool SetDataFileTime(const char* name, uint64_t time, uint32_t flags, uint32_t which)
{
    return SetFileTimeOf(GetDataPath(name, flags).GetText(), time, which);
}

void FindUnusedDataFileName(CString& out, const char* pattern, uint32_t flags)
{
    FindUnusedFileName(out, GetDataPath(pattern, flags).GetText());
    if (!(flags & OPEN_NAME_UNCHANGED))
    {
        CString dataFolder = GetDataFolder();
        dataFolder += "/";
        out.RemovePrefix(dataFolder);
    }
}

bool DataFileExistsIn(const char* name, uint32_t flags)
{
    return MayAskArchives(flags) && GetArchiveTree().ContainsWithFlags(NormalizeDataName(name).GetText(), flags);
}
