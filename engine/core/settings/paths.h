#pragma once

#include <cstddef>

#include "engine/core/strings/ref_string.h"

// Paths separate their parts with "/" inside the engine; every operation that
// splits a path also accepts a backslash and takes whichever occurs last.
//
// Each builder has a CString form, which never overflows, and a bounded
// C-string form for fixed buffers: names reach these from data (archive
// member names, settings values), so a result that does not fit in size bytes
// with its terminator is refused (false) and the buffer is left as it was.

// The folder data names are joined to: "." until mounting stores "Data".
const char* GetDataFolder();
void SetDataFolder(const char* folder);

// The folder of compiled caches: "Cache".
const char* GetCacheFolderName();

// Just after the last separator, or the whole path; "In Path Name Null!" for
// a missing path.
const char* GetFileNamePart(const char* path);

// The last "." of the file-name part, or the end of the path when it has none.
const char* GetFileExtension(const char* path);

// Writes the extension (with its ".") over the file-name part's extension, or
// appends it when there is none.
void ReplaceFileExtension(CString& path, const char* extension);
bool ReplaceFileExtension(char* path, size_t size, const char* extension);

// Cuts the path just after its last separator; a path without one becomes empty.
void TruncateToFolder(CString& path);
void TruncateToFolder(char* path);

// folder, then "/" unless the folder is empty or already ends in a
// separator, then name.
void JoinPath(CString& out, const char* folder, const char* name);
bool JoinPath(char* out, size_t size, const char* folder, const char* name);

// The same in place.
void AppendPathComponent(CString& path, const char* name);
bool AppendPathComponent(char* path, size_t size, const char* name);

// The same with a backslash, where a path of the original platform is built.
void AppendPathComponentBackslash(CString& path, const char* name);
bool AppendPathComponentBackslash(char* path, size_t size, const char* name);

// Copies the text into the buffer when it fits with its terminator.
bool CopyToBuffer(char* buffer, size_t size, const CString& text);
