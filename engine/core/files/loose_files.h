#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"
#include "engine/platform/file_time.h"

// Tests and changes of loose files and folders; names are platform paths
// (not joined to the data folder), any letter case, either separator.

// True when a directory search for the path finds an entry (wildcards allowed).
bool FileExists(const char* path);

// Formats the pattern (a printf pattern with one integer) with 0, 1, 2 ...
// until no such file exists. A pattern that never yields a free name (one
// without a number, or every number taken) answers false after a bound.
bool FindUnusedFileName(CString& out, const char* pattern);

// An existing entry: unless it is read-only. A missing one: when its folder
// exists.
bool CanWriteFile(const char* path);

// Creates the folder and every missing folder above it; false when nothing
// had to be made (the folder already exists) or it cannot be made.
bool CreateFolderPath(const char* path);

// Whether the path (a pattern is allowed: any match) was written after the
// first file that matches the reference; true for an existing path when the
// reference is missing. Folders and names beginning with "." do not count.
bool IsFileNewerThan(const char* path, const char* reference);

// The file's creation time for kind 1, last access for 2, last write
// otherwise; 0 for a missing file or a folder.
uint64_t GetFileTimeOf(const char* path, int32_t kind);

// Sets the last access (which bit 2) and last write (bit 4) times of an
// existing file; the creation time (bit 1) is kept by the file system.
// False for a missing or read-only file.
bool SetFileTimeOf(const char* path, uint64_t time, uint32_t which);

// A missing file answers false and is left alone.
bool GetFileAttributeReadOnly(const char* path);
bool SetFileReadOnly(const char* path, bool readOnly);
