#include "engine/platform/durable_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "engine/platform/durable_save_internal.h"
#include "engine/platform/path_resolution.h"
#include "engine/platform/path_resolution_internal.h"
#include "engine/platform/write_permission.h"

static FileSyncCall s_SyncFile = &fsync;

FileSyncCall SetFileSyncCall(FileSyncCall call)
{
    FileSyncCall previous = s_SyncFile;
    s_SyncFile = call;
    return previous;
}

static std::string GetSaveTemporaryPath(const std::string& systemPath)
{
    const std::string folder = SystemFolderOf(systemPath);
    return folder + "." + systemPath.substr(folder.size()) + ".saving";
}

static bool WriteAll(int descriptor, const void* bytes, size_t size)
{
    const char* next = static_cast<const char*>(bytes);
    while (size > 0)
    {
        const ssize_t count = write(descriptor, next, size);
        if (count <= 0)
            return false;
        next += count;
        size -= static_cast<size_t>(count);
    }
    return true;
}

// Writes and flushes the temporary file; false leaves none behind.
static bool WriteTemporary(const std::string& temporary, const void* bytes, size_t size, const struct stat* old,
                           bool makeWritable)
{
    // What a killed save left may even be read-only; it is ours to remove.
    unlink(temporary.c_str());
    const int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return false;
    bool written = WriteAll(descriptor, bytes, size);
    if (written && old != nullptr)
        written = fchmod(descriptor, (old->st_mode & 07777) | (makeWritable ? S_IWUSR : 0)) == 0;
    written = written && s_SyncFile(descriptor) == 0;
    written = close(descriptor) == 0 && written;
    if (!written)
        unlink(temporary.c_str());
    return written;
}

// Some file systems cannot flush a folder; the rename has happened by then,
// so the save stands either way.
static void SyncFolder(const std::string& folder)
{
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    s_SyncFile(descriptor);
    close(descriptor);
}

bool SaveSystemFileDurably(const std::string& systemPath, const void* bytes, size_t size, bool makeWritable)
{
    const std::string folder = SystemFolderOf(systemPath);
    const std::string folderPath = folder.empty() ? std::string(".") : folder;
    struct stat old;
    const bool exists = stat(systemPath.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return false;
    if (IsWriteDenied(folderPath) || (exists && (old.st_mode & S_IWUSR) == 0 && !makeWritable))
        return false;

    const std::string temporary = GetSaveTemporaryPath(systemPath);
    if (!WriteTemporary(temporary, bytes, size, exists ? &old : nullptr, makeWritable))
        return false;
    if (std::rename(temporary.c_str(), systemPath.c_str()) != 0)
    {
        unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folderPath);
    ForgetFolderListing(folder);
    return true;
}

bool SaveFileDurably(const std::string& name, const void* bytes, size_t size, bool makeWritable)
{
    return SaveSystemFileDurably(ResolveSystemPath(name), bytes, size, makeWritable);
}
