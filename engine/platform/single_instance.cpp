#include "engine/platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/platform/profile_file.h"

static std::string LockFilePath(const char* name)
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/')
        return std::string(runtime) + "/" + name;
    const std::string path = GetProfileSystemPath(name);
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    return path;
}

bool AcquireSingleInstanceLock(const char* name)
{
    // Deliberately never closed: closing would release the lock.
    const int descriptor = open(LockFilePath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return true;
    while (flock(descriptor, LOCK_EX | LOCK_NB) != 0)
    {
        if (errno != EINTR)
        {
            close(descriptor);
            return false;
        }
    }
    return true;
}
