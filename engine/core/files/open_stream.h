#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

class CStream;

// The open resolution: where the bytes of a data name come from.
//
// A data name is relative to the data folder and separates its folders with
// "/". OpenStream is the door: it turns every "\" into "/" there, once, and
// decides there whether the name is a path as it stands (IsAbsoluteDataName:
// then OPEN_NAME_UNCHANGED, no data folder, no archives). Everything behind
// the door sees only "/", so a name written with backslashes finds the same
// file loose and inside an archive, whose folders split only at "/". The
// name is then resolved once: its loose path is built once and the archive
// that answers for it is looked up once (CArchiveTree::FindArchiveHolding:
// the newest root first, in it the deepest archive on the name's folder
// path).
//
// A read takes the first of these that yields a stream:
//   1. that archive's member, when the last enumeration of the archive
//      listed it: names known to be archived never touch the disk;
//   2. the loose file, the data folder joined with the name;
//   3. the name as it stands, from the current folder (the files beside the
//      program, named before mounting sets the data folder);
//   4. that archive's member, listed or not.
// Archives (1, 4) are asked only while some are mounted and never with
// OPEN_NAME_UNCHANGED; loose files (2, 3) never with OPEN_ARCHIVES_ONLY;
// with OPEN_NAME_UNCHANGED step 2 is step 3.
//
// A write (OPEN_WRITE) takes the first of these that applies:
//   1. OPEN_CREATE and a name "archive;member": a new member appended to
//      that archive file, a path as it stands;
//   2. OPEN_CREATE and a name that the archive answering for it holds: the
//      member rewritten in place, when that archive is writable;
//   3. unless OPEN_ARCHIVES_ONLY, the loose file under the data folder; a
//      read-write open of an existing file (no OPEN_CREATE or OPEN_APPEND)
//      that misses there tries the name as it stands, as a read does.
//
// Whole-file (OPEN_WHOLE_FILE) and compressed (OPEN_COMPRESSED) opens are
// CFile's: it opens one stream here and loads or inflates it.
CStream* OpenStream(const char* name, uint32_t flags);

// The name as the door leaves it: every "\" turned into "/". Operations
// that ask the archives outside an open (existence, times) use it too.
CString NormalizeDataName(const char* name);

// A name of at least two characters that begins with "\" or "/", has ":" as
// its second character, or begins with "./" is a path as it stands: never
// joined to the data folder, never looked up in archives.
bool IsAbsoluteDataName(const char* name);
