#include "engine/core/files/data_file_save.h"

#include <cstring>

#include "engine/core/files/data_files.h"
#include "engine/core/files/file.h"
#include "engine/core/files/loose_files.h"
#include "engine/core/files/memory_file_name.h"
#include "engine/core/files/open_stream.h"
#include "engine/core/settings/paths.h"
#include "engine/platform/durable_save.h"

namespace {

// Writes that cannot be made beside the target and moved over it: members
// of archives, members appended to an archive, memory files.
bool WritesInPlace(const char* fileName, uint32_t flags)
{
    return strchr(fileName, ';') != nullptr || (flags & OPEN_ARCHIVES_ONLY) != 0 || IsMemoryFileName(fileName) ||
           DataFileExistsIn(fileName, flags);
}

} // namespace

bool StoreDataFile(const char* fileName, uint32_t flags, const uint8_t* bytes, uint32_t size)
{
    if (IsAbsoluteDataName(fileName))
        flags |= OPEN_NAME_UNCHANGED;
    flags &= ~OPEN_COMPRESSED;
    if (WritesInPlace(fileName, flags))
    {
        CFile file;
        if (!file.Open(fileName, flags | OPEN_WRITE | OPEN_CREATE))
            return false;
        const bool written = file.Write(bytes, size) == size;
        return file.Close() && written;
    }

    CString target;
    ResolveDataPath(target, fileName, flags);
    if ((flags & OPEN_CREATE_FOLDERS) != 0)
    {
        CString folder(target);
        TruncateToFolder(folder);
        if (!folder.IsEmpty() && !FileExists(folder.GetText()))
            CreateFolderPath(folder.GetText());
    }
    return SaveFileDurably(target.GetText(), bytes, size, (flags & OPEN_CLEAR_READ_ONLY) != 0);
}
