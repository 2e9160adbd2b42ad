#include "engine/platform/file_rename.h"

#include <cstdio>
#include <sys/stat.h>

#include "engine/platform/path_resolution.h"
#include "engine/platform/path_resolution_internal.h"
#include "engine/platform/write_permission.h"

bool RenameSystemFile(const std::string& name, const std::string& newName)
{
    const std::string from = ResolveSystemPath(name);
    const std::string to = ResolveSystemPath(newName);
    struct stat info;
    if (stat(from.c_str(), &info) != 0 || S_ISDIR(info.st_mode) || stat(to.c_str(), &info) == 0)
        return false;
    const std::string folder = SystemFolderOf(from);
    if (IsWriteDenied(folder.empty() ? std::string(".") : folder))
        return false;
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return false;
    ForgetFolderListing(folder);
    return true;
}
