#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FolderEntry
{
    std::string name;  // Latin-1, as spelt on disk
    bool isFolder;
    uint64_t size;
    uint64_t lastWriteTime;  // file time
};

// Lists the entries of one folder that match the last component of the
// pattern ("Data/Sounds/*.wav"); "." and ".." are entries too, as callers
// that test a folder with "folder/*.*" expect. Entries come sorted by their
// upper-case-folded bytes, so every enumeration is reproducible.
std::vector<FolderEntry> SearchFolder(const std::string& pattern);

// The matching rules of the directory search: "*" any run, "?" one
// character, ASCII case ignored; a pattern ending in ".*" also matches a name
// without a dot ("*.*" matches "README"), one ending in a lone "." matches
// only names without a dot ("*." matches "README", not "a.txt").
bool MatchesWildcard(const std::string& pattern, const std::string& name);
