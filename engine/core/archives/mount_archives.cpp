#include "engine/core/archives/mount_archives.h"

#include <vector>

#include "engine/core/archives/archive_tree.h"
#include "engine/core/files/enumerate_files.h"
#include "engine/core/program/error_report.h"
#include "engine/core/files/file_search.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/program/loading_messages.h"
#include "engine/core/settings/paths.h"
#include "engine/core/files/stream.h"
#include "engine/platform/file_system.h"

static const uint32_t s_QvdNameSlotSize = 80;

static void ShowMountMessage(const char* text)
{
    ShowLoadingMessage(GetLoadingMessageWriter(), text, true, 0);
}

// Archives named after the data folder, or the program itself, hold the
// game's shipped data; each sits at the root of its own tree.
static bool MountRootArchive(const char* path)
{
    return GetArchiveTree().Mount(path, true, false, "/", false, OPEN_NAME_UNCHANGED);
}

static bool MountMainArchive(const char* dataFolder)
{
    if (MountRootArchive(GetProgramFilePath().c_str()))
        return true;
    CString path = dataFolder;
    path += ".ZIP";
    if (MountRootArchive(path.GetText()))
        return true;
    path = dataFolder;
    path += ".DAT";
    return MountRootArchive(path.GetText());
}

// Later names in the sort order become newer roots and so take precedence.
static bool MountQvdArchives()
{
    CSearchSpec search;
    search.SetMode(CSearchSpec::kThisFolderOnly);
    search.SetFolder("./");
    search.AddExtension("QVD");
    CFileCountingSink counter;
    uint32_t count = EnumerateFiles(counter, search, 0);
    if (count == 0)
        return false;

    std::vector<char> slots(static_cast<size_t>(count) * s_QvdNameSlotSize);
    CFileNameBuffer names(slots.data(), s_QvdNameSlotSize, count, nullptr);
    EnumerateFiles(names, search, 0);
    names.Sort();
    bool mounted = false;
    for (uint32_t i = 0; i < names.GetCount(); i++)
        mounted = MountRootArchive(names.GetName(i)) || mounted;
    return mounted;
}

// All zip files share one root, the newest; each is found under the folder
// path of its own name.
static bool MountDataZipFiles()
{
    ShowMountMessage("Enumerating Zip Files");
    CSearchSpec search;
    search.SetMode(CSearchSpec::kRecurse);
    search.AddExtension("zip");
    CFileNameList zipFiles;
    zipFiles.Fill(search, 0);
    if (zipFiles.GetCount() == 0)
    {
        ShowMountMessage("No zip files found");
        return false;
    }

    ShowMountMessage("Opening Zip Files and Retreiving File Lists");
    bool mounted = false;
    bool rootMade = false;
    for (uint32_t i = 0; i < zipFiles.GetCount(); i++)
    {
        const CString& name = zipFiles.GetEntry(i).name;
        CString prefix;
        name.Left(prefix, name.GetLength() - 4);
        prefix += "/";
        if (GetArchiveTree().Mount(name.GetText(), !rootMade, true, prefix.GetText(), true, 0))
        {
            rootMade = true;
            mounted = true;
        }
    }
    ShowMountMessage("Done Opening Zip Files and Retreiving File Lists");
    return mounted;
}

void MountArchives(const char* dataFolder, bool skipFirstStage, bool skipZipFiles)
{
    if (AreArchivesMounted())
        ExitAfterFatalError();
    if (!skipFirstStage)
    {
        SetDataFolder(".");
        bool mounted = MountMainArchive(dataFolder);
        mounted = MountQvdArchives() || mounted;
        SetArchivesMounted(mounted);
    }
    SetDataFolder(dataFolder);
    if (!skipZipFiles && MountDataZipFiles())
        SetArchivesMounted(true);
}

void UnmountArchives()
{
    if (!AreArchivesMounted())
        return;
    GetArchiveTree().Clear();
    SetArchivesMounted(false);
}
