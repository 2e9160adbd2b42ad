#pragma once

class CString;

// Whether a location and a file name typed into the new-file dialog can
// name a file inside the base folder of the data folder: every character
// fits in Latin-1 (engine names are Latin-1, UTF-8 on disk), no folder of
// the location is "." or ".." (which would lead out of the base folder),
// no folder or file name is longer than 255 bytes on disk and the whole
// path not longer than 4,095.
bool IsUsableNewFileName(const CString& baseFolder, const CString& location, const CString& fileName);
