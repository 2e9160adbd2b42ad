#include "engine/core/files/open_stream.h"

#include <cstring>

#include "engine/core/archives/archive_tree.h"
#include "engine/core/archives/zip_append_stream.h"
#include "engine/core/archives/zip_archive.h"
#include "engine/core/files/data_files.h"
#include "engine/core/files/stdio_stream.h"
#include "engine/core/program/profiler.h"

static CProfileSection s_ListedArchiveSection("OpenFromPreEnumeratedZipArchiveTree");
static CProfileSection s_LooseFileSection("OpenFileTryFOpenFirst");
static CProfileSection s_ArchiveSection("OpenFromZipArchiveTree");
static CProfileSection s_NeverFoundSection("OpenNeverFound");

// "archive;member" names are cut in a buffer of this many characters; a
// longer name is refused rather than cut into a different archive's name.
static const size_t s_AppendNameBufferSize = 260;

bool IsAbsoluteDataName(const char* name)
{
    if (!name || !name[0] || !name[1])
        return false;
    return name[0] == '\\' || name[0] == '/' || name[1] == ':' || (name[0] == '.' && name[1] == '/');
}

CString NormalizeDataName(const char* name)
{
    CString normalized(name);
    normalized.ReplaceChar('\\', '/');
    return normalized;
}

// The data path first; the name as it stands where the open allows it (see
// the header): a new file is only ever made under the data folder.
static CStream* OpenLooseFile(const char* name, uint32_t flags)
{
    CStdioStream* stream = new CStdioStream();
    if (stream->Open(GetDataPath(name, flags).GetText(), flags))
        return stream;
    bool makesFile = (flags & OPEN_WRITE) && (flags & (OPEN_CREATE | OPEN_APPEND));
    if (!(flags & OPEN_NAME_UNCHANGED) && !makesFile && stream->Open(name, flags))
        return stream;
    delete stream;
    return nullptr;
}

static CStream* OpenAppendedMember(const char* name)
{
    if (std::strlen(name) >= s_AppendNameBufferSize)
        return nullptr;
    char archiveName[s_AppendNameBufferSize];
    std::strcpy(archiveName, name);
    char* separator = std::strchr(archiveName, ';');
    *separator = 0;
    return OpenZipAppendStream(archiveName, separator + 1);
}

static CStream* OpenForWriting(const char* name, uint32_t flags)
{
    if ((flags & OPEN_CREATE) && std::strchr(name, ';'))
        return OpenAppendedMember(name);
    if ((flags & OPEN_CREATE) && MayAskArchives(flags))
    {
        if (CStream* member = GetArchiveTree().OpenMember(name, flags))
            return member;
    }
    if (flags & OPEN_ARCHIVES_ONLY)
        return nullptr;
    return OpenLooseFile(name, flags);
}

static CStream* OpenForReading(const char* name, uint32_t flags)
{
    CZipArchive* archive = MayAskArchives(flags) ? GetArchiveTree().FindArchiveHolding(name) : nullptr;
    if (archive)
    {
        CProfileScope scope(s_ListedArchiveSection);
        if (CStream* member = archive->OpenMember(name, flags, CZipArchive::kListedMembersOnly))
            return member;
    }
    if (!(flags & OPEN_ARCHIVES_ONLY))
    {
        CProfileScope scope(s_LooseFileSection);
        if (CStream* file = OpenLooseFile(name, flags))
            return file;
    }
    if (archive)
    {
        CProfileScope scope(s_ArchiveSection);
        if (CStream* member = archive->OpenMember(name, flags))
            return member;
    }
    // Entered and left at once, so that misses are counted.
    CProfileScope scope(s_NeverFoundSection);
    return nullptr;
}

CStream* OpenStream(const char* name, uint32_t flags)
{
    if (!name || !name[0])
        return nullptr;
    CString dataName = NormalizeDataName(name);
    if (IsAbsoluteDataName(dataName.GetText()))
        flags |= OPEN_NAME_UNCHANGED | OPEN_NO_REPORT;
    if (flags & OPEN_WRITE)
        return OpenForWriting(dataName.GetText(), flags);
    if (flags & OPEN_READ)
        return OpenForReading(dataName.GetText(), flags);
    return nullptr;
}
