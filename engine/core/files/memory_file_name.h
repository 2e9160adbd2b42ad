#pragma once

#include "engine/core/strings/ref_string.h"

class CMemoryStream;

// A memory stream can be opened by name, so code that only knows how to open
// files (sounds, fonts) can read a block built in memory. The name is
// "~CFileBuf 0x" + 8 upper-case hex digits + "/" + the file's own name; the
// digits are a key into a table of live streams, never an address, so a data
// text that happens to look like such a name cannot reach arbitrary memory.
// The table may be used from several threads at once; a stream itself is
// read by one thread at a time.

// Registers the stream under a new key and answers its name.
CString MakeMemoryFileName(CMemoryStream* stream, const char* name);

// The registered stream that the name holds; none for any other name,
// including a well-formed name whose key is unknown.
CMemoryStream* DecodeMemoryFileName(const char* name);

// True when the name has the prefix and at least 8 characters after it:
// such a name is never an ordinary file name.
bool IsMemoryFileName(const char* name);

// Removes every name of the stream from the table: opening the stream by
// name hands it to a file, and a deleted stream must not be found again.
void ForgetMemoryFileNames(const CMemoryStream* stream);

// Deletes the stream that the name holds, if it holds one.
void DeleteMemoryFile(const char* name);
