#pragma once

#include <cstdint>

class CStream;

// The open resolution: which stream a data name opens.
//
// A read asks, first to last: the archive entries that the last enumeration
// listed (so names known to be archived never touch the disk), the loose file
// under the data folder, the name as it stands, then every mounted archive.
// A write goes to an archive named before a ";" (a new member), to a member
// of a mounted archive (rewritten in place), or to a loose file under the
// data folder. Answers an owned stream, or none.
CStream* OpenStream(const char* name, uint32_t flags);

// A name of at least two characters that begins with "\" or "/", has ":" as
// its second character, or begins with "./" is a path as it stands: never
// joined to the data folder, never looked up in archives.
bool IsAbsoluteDataName(const char* name);
