#pragma once

#include <cstddef>

#include "engine/core/strings/ref_string.h"

// Paths separate their parts with "/" inside the engine; every operation that
// splits a path also accepts a backslash and takes whichever occurs last.
// Paths are joined by CString::AppendPath and CString::AssignPath.

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

// Cuts the path just after its last separator; a path without one becomes empty.
void TruncateToFolder(CString& path);

// Copies the text into the buffer when it fits with its terminator; a text
// that does not fit is refused (false) and the buffer is left as it was.
bool CopyToBuffer(char* buffer, size_t size, const CString& text);
