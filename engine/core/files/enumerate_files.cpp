#include "engine/core/files/enumerate_files.h"

#include "engine/core/archives/archive_tree.h"
#include "engine/core/files/file_search.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/settings/paths.h"
#include "engine/core/program/profiler.h"
#include "engine/core/files/stream.h"
#include "engine/platform/directory_search.h"

static CProfileSection s_EnumerateSection("EnumerateFiles");
static CProfileSection s_LooseSection("EnumerateFilesNormal");
static CProfileSection s_ArchiveSection("EnumerateFilesZip");

// Zip files left in compiled-cache folders are stale copies, never data.
static bool SkipsCacheFolders(const CSearchSpec& search)
{
    return !search.ListsFolders() && search.GetExtensionCount() == 1 && search.GetExtension(0).CompareNoCase("ZIP") == 0;
}

// The search's folder is a path on disk here; names are offered without its
// first rootLength characters, so they stay relative to the same root at
// every depth.
static void EnumerateFolder(CFileSink& sink, const CSearchSpec& search, uint32_t rootLength)
{
    CString folder = search.GetFolder();
    TruncateToFolder(folder);
    CString relativeFolder;
    folder.Mid(relativeFolder, rootLength);

    for (int32_t i = 0; i < search.GetExtensionCount(); i++)
    {
        const CString& extension = search.GetExtension(i);
        CString pattern = folder;
        pattern += search.GetPattern();
        pattern += "*.";
        pattern += extension.HasText() ? extension.GetText() : "*";
        for (const FolderEntry& entry : SearchFolder(pattern.GetText()))
        {
            if (entry.name[0] == '.' || entry.isFolder != search.ListsFolders())
                continue;
            CString name;
            if (search.GetNameForm() != CSearchSpec::kFileNamesOnly)
                name = relativeFolder;
            name += entry.name.c_str();
            OfferFile(sink, name.GetText(), static_cast<uint32_t>(entry.size), entry.lastWriteTime);
        }
    }

    int32_t mode = search.GetMode();
    if (mode != CSearchSpec::kRecurse && mode != CSearchSpec::kRecurseSkippingDashFolders)
        return;
    CString folderPattern = folder;
    folderPattern += "*.";
    for (const FolderEntry& entry : SearchFolder(folderPattern.GetText()))
    {
        const char* name = entry.name.c_str();
        if (!entry.isFolder || name[0] == '.')
            continue;
        if (mode == CSearchSpec::kRecurseSkippingDashFolders && name[0] == '-')
            continue;
        if (SkipsCacheFolders(search) && CompareItemNames(name, "cache") == 0)
            continue;
        CSearchSpec inner = search;
        CString innerFolder = folder;
        innerFolder += name;
        innerFolder += "/";
        inner.SetFolder(innerFolder.GetText());
        EnumerateFolder(sink, inner, rootLength);
    }
}

uint32_t EnumerateFiles(CFileSink& sink, const CSearchSpec& search, uint32_t flags)
{
    CProfileScope scope(s_EnumerateSection);
    {
        CProfileScope looseScope(s_LooseSection);
        CSearchSpec loose = search;
        uint32_t rootLength = 0;
        if (!(flags & OPEN_NAME_UNCHANGED))
        {
            CString root = GetDataFolder();
            root += "/";
            rootLength = root.GetLength();
            root += search.GetFolder();
            loose.SetFolder(root.GetText());
        }
        EnumerateFolder(sink, loose, rootLength);
    }
    if (AreArchivesMounted())
    {
        CProfileScope archiveScope(s_ArchiveSection);
        GetArchiveTree().Enumerate(sink, search);
    }
    return sink.GetCount();
}

uint32_t EnumerateFilesIntoBuffer(const CSearchSpec& search, char* buffer, uint8_t* information, uint32_t stride,
                                  uint32_t maxCount, uint32_t flags)
{
    CFileNameBuffer names(buffer, stride, maxCount, information);
    return EnumerateFiles(names, search, flags);
}
