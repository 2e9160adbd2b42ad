#pragma once

#include <cstddef>
#include <string>

// Every file the program saves (object files, settings, caches, records) is
// written the same way, so that a crash or a kill at any moment leaves either
// the old bytes or the new ones, never a torn file:
//
//   1. the bytes go to a temporary file beside the target (same folder, so the
//      rename below never crosses file systems);
//   2. that file is flushed to the disk (fsync), with the target's mode;
//   3. it is renamed over the target, which readers see in one step;
//   4. the folder is flushed, so that the rename itself survives a power cut.
//
// A target has one temporary name, ".<name>.saving", and a save first removes
// what a save killed half-way left under it: leftovers never pile up.
//
// The rule for read-only entries is the layer's own: a read-only folder is
// never written into; a read-only target is refused unless the caller asks
// for it to be made writable, and then only the new file is writable (the
// old one's mode is never touched, so a failed save leaves it as it was).

// Saves the bytes under an engine name (any letter case, either separator).
// The new file keeps the old one's permissions. False when nothing changed
// on disk (refused, or failed before the rename).
bool SaveFileDurably(const std::string& name, const void* bytes, size_t size, bool makeWritable);

// The call that flushes a descriptor to the disk (fsync); tests put a
// counting stand-in here. Answers the call it replaces.
using FileSyncCall = int (*)(int descriptor);
FileSyncCall SetFileSyncCall(FileSyncCall call);
