#include "engine/platform/file_removal.h"

#include <sys/stat.h>
#include <unistd.h>

#include "engine/platform/path_resolution.h"
#include "engine/platform/path_resolution_internal.h"
#include "engine/platform/write_permission.h"

bool DeleteSystemFile(const std::string& name)
{
    std::string systemPath = ResolveSystemPath(name);
    struct stat info;
    if (stat(systemPath.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    std::string folder = SystemFolderOf(systemPath);
    // Removing an entry needs the folder writable, and the game never
    // deletes what it may not write.
    if (IsWriteDenied(systemPath) || IsWriteDenied(folder.empty() ? std::string(".") : folder))
        return false;
    if (unlink(systemPath.c_str()) != 0)
        return false;
    ForgetFolderListing(folder);
    return true;
}
