#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Every name here is an engine name (Latin-1, either separator, any letter
// case), resolved with ResolveSystemPath.
//
// The read-only attribute is the owner-write bit. The layer refuses itself to
// write into an entry whose owner-write bit is clear (a read-only file, or a
// new entry in a read-only folder), so a program run by root behaves as it
// does for everyone else.

struct FileStatus
{
    bool isFolder;
    bool isReadOnly;
    uint64_t size;
    uint64_t creationTime;  // the last write time where the file system keeps none
    uint64_t lastAccessTime;
    uint64_t lastWriteTime;
};

bool QueryFileStatus(const std::string& name, FileStatus* status);

bool IsReadOnlyEntry(const std::string& name);

// Sets or clears the read-only attribute of an existing entry.
bool SetReadOnlyEntry(const std::string& name, bool readOnly);

// Sets the last access and last write times (a null time stays as it is);
// the creation time cannot be set here and is ignored by callers. False for a
// missing or read-only file.
bool SetFileTimes(const std::string& name, const uint64_t* lastAccessTime, const uint64_t* lastWriteTime);

// fopen with the C runtime modes ("rb", "r+b", "wb", "ab"); a folder is never
// opened as a file. A new file's folder must exist.
FILE* OpenSystemFile(const std::string& name, const char* mode);

// Sets the length of an open file (cuts or extends with zeros).
bool SetOpenFileSize(FILE* file, uint64_t size);

// Reads up to n bytes at the position without using or moving the file's
// own position, so that several threads may read one file at once; answers
// the count read. Bytes the file still buffers for writing are not seen:
// the caller flushes first.
size_t ReadOpenFileAt(FILE* file, uint64_t position, void* bytes, size_t n);

// Creates one folder inside an existing one; false when the name already
// exists or its parent is missing or read-only.
bool CreateSingleFolder(const std::string& name);

bool SetCurrentFolder(const std::string& name);

// The running program's full path, Latin-1; empty when it cannot be had.
std::string GetProgramFilePath();

// TMPDIR, else "/tmp/", always ending in "/".
std::string GetTempFolderPath();
