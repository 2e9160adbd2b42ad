// Archives come from outside: round sets shared between players, extra
// packs dropped under the data folder. Mounting reads the directory (damage
// refuses the archive, a compressed member is fatal), a deferred archive
// meets its damage on first use (fatal), every member the directory names
// can be enumerated and read without leaving the member's bytes, a member
// rewritten in place reads back as written, and a pack under the data
// folder is mounted with the zip files it holds and read through the open
// resolution.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "engine/core/files/file.h"
#include "engine/core/files/file_search.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/archives/mount_archives.h"
#include "engine/core/strings/ref_string.h"
#include "engine/core/files/stream.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/core/archives/zip_archive.h"
#include "fuzz/support/fuzz_input.h"

namespace {

const char kPrefix[] = "Levels/Pack/";

void EnumerateEverything(CZipArchive& archive)
{
    const int32_t modes[] = {CSearchSpec::kRecurse, CSearchSpec::kRecurseSkippingDashFolders,
                             CSearchSpec::kThisFolderOnly};
    for (int32_t mode : modes)
    {
        for (bool folders : {false, true})
        {
            CSearchSpec search;
            search.SetMode(mode);
            search.SetListFolders(folders);
            search.SetFolder(kPrefix);
            search.AddExtension("");
            search.AddExtension("txt");
            CFileCountingSink sink;
            archive.Enumerate(sink, search);
        }
    }
}

void ReadMember(std::unique_ptr<CStream> stream)
{
    uint32_t size = stream->GetSize();
    uint8_t buffer[37];
    uint32_t total = 0;
    while (uint32_t count = stream->Read(buffer, sizeof(buffer)))
        total += count;
    FuzzCheck(total <= size, "a member read past its size");

    stream->Seek(size);
    stream->SeekRelative(-1);
    stream->Seek(0);
    // The line reader works through the member's own reads and seeks.
    CFile lines;
    lines.Attach(stream.release(), OPEN_READ);
    CString line;
    while (lines.ReadLine(line))
    {
    }
}

void ReadEveryMember(CZipArchive& archive)
{
    EnumerateEverything(archive);
    for (uint32_t i = 0; i < archive.GetEntryCount(); i++)
    {
        CString name = archive.GetEntry(i).name;
        archive.Contains(name.GetText());
        archive.GetFileTime(name.GetText());
        // Shared and own-file streams over the same member, open together.
        std::unique_ptr<CStream> shared(archive.OpenMember(name.GetText(), OPEN_READ));
        std::unique_ptr<CStream> own(archive.OpenMember(name.GetText(), OPEN_READ | OPEN_OWN_ARCHIVE_FILE));
        if (shared)
            ReadMember(std::move(shared));
        if (own)
            ReadMember(std::move(own));
    }
}

// An edited round is written back into its writable archive: the member
// moves to the end and the directory is written again. Whatever the archive
// looked like, the member then reads back as written.
void RewriteFirstMember(const std::string& path)
{
    CString name;
    {
        CZipArchive archive;
        if (!archive.Open(path.c_str(), true, kPrefix, false, 0) || archive.GetEntryCount() == 0)
            return;
        name = archive.GetEntry(0).name;
        // Of members that share a name, any one may answer the name: only a
        // member with a name of its own is known to be the one read back.
        for (uint32_t i = 1; i < archive.GetEntryCount(); i++)
        {
            if (CompareItemNames(archive.GetEntry(i).name.GetText(), name.GetText()) == 0)
                return;
        }
        std::unique_ptr<CStream> stream(archive.OpenMember(name.GetText(), OPEN_CREATE | OPEN_WRITE | OPEN_READ));
        if (!stream)
            return;
        stream->Write("edited", 6);
    }
    CZipArchive reread;
    FuzzCheck(reread.Open(path.c_str(), false, kPrefix, false, 0), "a rewritten archive no longer opens");
    std::unique_ptr<CStream> stream(reread.OpenMember(name.GetText(), OPEN_READ));
    FuzzCheck(stream != nullptr, "a rewritten member is gone");
    char bytes[8] = {};
    FuzzCheck(stream->Read(bytes, sizeof(bytes)) == 6 && std::string(bytes) == "edited",
              "a rewritten member does not read back");
}

// Start-up mounts every zip file under the data folder, those that archives
// hold included (read through member streams), and every later open asks
// the mounted archives. The pack and the zip files it holds are mounted so,
// and every file the enumeration lists is read through the open resolution.
void MountAndReadEverything(const std::string& dataFolder)
{
    MountArchives(dataFolder.c_str(), true, false);
    CSearchSpec search;
    search.SetMode(CSearchSpec::kRecurse);
    search.AddExtension("");
    CFileNameList files;
    files.Fill(search, 0);
    for (uint32_t i = 0; i < files.GetCount(); i++)
    {
        CFile file;
        if (!file.Open(files.GetEntry(i).name.GetText(), OPEN_READ))
            continue;
        CString line;
        while (file.ReadLine(line))
        {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string path = WriteFuzzFile("Pack.zip", data, size);

    // Mounted at once, as the archives beside the program are.
    RunReader(
        [&]
        {
            CZipArchive archive;
            if (archive.Open(path.c_str(), false, kPrefix, false, 0))
                ReadEveryMember(archive);
        });

    // Mounted deferred, as the zip files under the data folder are.
    RunReader(
        [&]
        {
            CZipArchive archive;
            archive.Open(path.c_str(), true, kPrefix, true, 0);
            archive.Contains("Levels/Pack/Round 1.txt");
            ReadEveryMember(archive);
        });

    RunReader([&] { RewriteFirstMember(path); });

    std::string packPath = WriteFuzzFile("Data/Levels/Pack.zip", data, size);
    std::string dataFolder = packPath.substr(0, packPath.size() - std::string("/Levels/Pack.zip").size());
    RunReader([&] { MountAndReadEverything(dataFolder); });
    UnmountArchives();
    return 0;
}
