#include "engine/platform/file_replace.h"

#include <cstdio>

#include "engine/platform/path_resolution.h"
#include "engine/platform/path_resolution_internal.h"
#include "engine/platform/write_permission.h"

bool ReplaceSystemFile(const std::string& source, const std::string& target)
{
    const std::string systemSource = ResolveSystemPath(source);
    const std::string systemTarget = ResolveSystemPath(target);
    const std::string targetFolder = SystemFolderOf(systemTarget);
    if (IsWriteDenied(systemTarget) || IsWriteDenied(targetFolder.empty() ? std::string(".") : targetFolder))
        return false;
    if (std::rename(systemSource.c_str(), systemTarget.c_str()) != 0)
        return false;
    ForgetFolderListing(SystemFolderOf(systemSource));
    ForgetFolderListing(targetFolder);
    return true;
}
