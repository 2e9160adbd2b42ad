#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

// Tests and changes of files named relative to the data folder. The data
// path of a name is the data folder joined with it, or the name as it stands
// with OPEN_NAME_UNCHANGED; where said, an absolute name ("/x", "\x", "./x",
// "C:x") counts as OPEN_NAME_UNCHANGED. Operations that say so also ask the
// mounted archives, with the name as the open resolution's door leaves it
// (NormalizeDataName).

// File time kinds.
const int32_t kFileTimeCreation = 1;
const int32_t kFileTimeLastAccess = 2;
const int32_t kFileTimeLastWrite = 0;

// Bits of the times SetDataFileTime sets.
const uint32_t kSetCreationTime = 1;
const uint32_t kSetLastAccessTime = 2;
const uint32_t kSetLastWriteTime = 4;

// The data path of the name.
CString GetDataPath(const char* name, uint32_t flags);

bool DeleteDataFile(const char* name, uint32_t flags);
bool FolderExists(const char* name, uint32_t flags);
// True when the folder exists or could be made.
bool EnsureFolderExists(const char* name, uint32_t flags);
// Loose files and archives alike.
bool CanOpenDataFile(const char* name, uint32_t flags);
// A name an archive holds answers for the archive.
bool CanWriteDataFile(const char* name, uint32_t flags);
// The loose path of a name, or of the archive file holding it.
void ResolveDataPath(CString& out, const char* name, uint32_t flags);
// Newer than the reference on disk, or by the date of an archive mounted
// under a folder prefix that holds it.
bool IsNewer(const char* name, uint32_t flags, const char* reference, uint32_t referenceFlags);
bool IsNewer(const char* name, const char* reference);
// A loose file's time, else what the archive deciding for the name says (its
// member's time, or its own file's for a name it lacks); 0 without either.
uint64_t GetDataFileTime(const char* name, uint32_t flags, int32_t kind);
bool SetDataFileTime(const char* name, uint64_t time, uint32_t flags, uint32_t which);
// The pattern holds one integer field ("Shot %02d.tga"); the result is
// relative to the data folder unless OPEN_NAME_UNCHANGED is given.
void FindUnusedDataFileName(CString& out, const char* pattern, uint32_t flags);
// Whether the archive that decides for the name holds it.
bool DataFileExistsIn(const char* name, uint32_t flags);

