#include "engine/platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "engine/platform/file_time.h"
#include "engine/platform/path_resolution.h"
#include "engine/platform/path_resolution_internal.h"
#include "engine/platform/text_encoding.h"
#include "engine/platform/write_permission.h"

std::string SystemFolderOf(const std::string& systemPath)
{
    size_t separator = systemPath.rfind('/');
    if (separator == std::string::npos)
        return std::string();
    return systemPath.substr(0, separator + 1);
}

bool IsWriteDenied(const std::string& systemPath)
{
    struct stat status;
    if (stat(systemPath.c_str(), &status) == 0)
        return (status.st_mode & S_IWUSR) == 0;
    std::string folder = SystemFolderOf(systemPath);
    if (stat(folder.empty() ? "." : folder.c_str(), &status) == 0)
        return (status.st_mode & S_IWUSR) == 0;
    return false;
}

// The birth time where the file system records one.
static bool QueryCreationTime(const std::string& systemPath, timespec* created)
{
    struct statx extended;
    if (statx(AT_FDCWD, systemPath.c_str(), 0, STATX_BTIME, &extended) != 0 || !(extended.stx_mask & STATX_BTIME))
        return false;
    created->tv_sec = extended.stx_btime.tv_sec;
    created->tv_nsec = extended.stx_btime.tv_nsec;
    return true;
}

bool QueryFileStatus(const std::string& name, FileStatus* status)
{
    std::string systemPath = ResolveSystemPath(name);
    struct stat info;
    if (stat(systemPath.c_str(), &info) != 0)
        return false;
    status->isFolder = S_ISDIR(info.st_mode);
    status->isReadOnly = (info.st_mode & S_IWUSR) == 0;
    status->size = status->isFolder ? 0 : static_cast<uint64_t>(info.st_size);
    status->lastAccessTime = UnixTimeToFileTime(info.st_atim);
    status->lastWriteTime = UnixTimeToFileTime(info.st_mtim);
    timespec created;
    status->creationTime = QueryCreationTime(systemPath, &created) ? UnixTimeToFileTime(created) : status->lastWriteTime;
    return true;
}

bool IsReadOnlyEntry(const std::string& name)
{
    FileStatus status;
    return QueryFileStatus(name, &status) && status.isReadOnly;
}

bool SetReadOnlyEntry(const std::string& name, bool readOnly)
{
    std::string systemPath = ResolveSystemPath(name);
    struct stat info;
    if (stat(systemPath.c_str(), &info) != 0)
        return false;
    mode_t mode = info.st_mode & 07777;
    mode = readOnly ? (mode & ~(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
    return chmod(systemPath.c_str(), mode) == 0;
}

bool SetFileTimes(const std::string& name, const uint64_t* lastAccessTime, const uint64_t* lastWriteTime)
{
    std::string systemPath = ResolveSystemPath(name);
    struct stat info;
    if (stat(systemPath.c_str(), &info) != 0 || S_ISDIR(info.st_mode) || IsWriteDenied(systemPath))
        return false;
    timespec times[2];
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_nsec = UTIME_OMIT;
    if (lastAccessTime)
        times[0] = FileTimeToUnixTime(*lastAccessTime);
    if (lastWriteTime)
        times[1] = FileTimeToUnixTime(*lastWriteTime);
    return utimensat(AT_FDCWD, systemPath.c_str(), times, 0) == 0;
}

static bool ModeWrites(const char* mode)
{
    return std::strpbrk(mode, "wa+") != nullptr;
}

FILE* OpenSystemFile(const std::string& name, const char* mode)
{
    std::string systemPath = ResolveSystemPath(name);
    struct stat info;
    bool existed = stat(systemPath.c_str(), &info) == 0;
    if (existed && S_ISDIR(info.st_mode))
    {
        errno = EISDIR;
        return nullptr;
    }
    if (ModeWrites(mode) && IsWriteDenied(systemPath))
    {
        errno = EACCES;
        return nullptr;
    }
    FILE* file = std::fopen(systemPath.c_str(), mode);
    if (file && !existed)
        ForgetFolderListing(SystemFolderOf(systemPath));
    return file;
}

bool SetOpenFileSize(FILE* file, uint64_t size)
{
    if (std::fflush(file) != 0)
        return false;
    return ftruncate(fileno(file), static_cast<off_t>(size)) == 0;
}

size_t ReadOpenFileAt(FILE* file, uint64_t position, void* bytes, size_t n)
{
    int descriptor = fileno(file);
    size_t done = 0;
    while (done < n)
    {
        ssize_t count = pread(descriptor, static_cast<char*>(bytes) + done, n - done,
                              static_cast<off_t>(position + done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        done += static_cast<size_t>(count);
    }
    return done;
}

bool CreateSingleFolder(const std::string& name)
{
    std::string systemPath = ResolveSystemPath(name);
    while (systemPath.size() > 1 && systemPath.back() == '/')
        systemPath.pop_back();
    if (systemPath.empty() || IsWriteDenied(systemPath))
        return false;
    if (mkdir(systemPath.c_str(), 0777) != 0)
        return false;
    ForgetFolderListing(SystemFolderOf(systemPath));
    return true;
}

bool SetCurrentFolder(const std::string& name)
{
    if (chdir(ResolveSystemPath(name).c_str()) != 0)
        return false;
    // Cached listings of relative folders now name other folders.
    ForgetAllFolderListings();
    return true;
}

std::string GetProgramFilePath()
{
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0)
        return std::string();
    return Utf8ToLatin1(std::string(path, static_cast<size_t>(length)));
}

std::string GetTempFolderPath()
{
    const char* configured = std::getenv("TMPDIR");
    std::string folder = configured && configured[0] ? Utf8ToLatin1(configured) : "/tmp/";
    if (folder.back() != '/')
        folder += '/';
    return folder;
}
