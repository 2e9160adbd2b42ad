#pragma once

#include <memory>
#include <string>
#include <vector>

// One entry of a folder as the file system spells it and as the engine reads it.
struct ListedName
{
    std::string systemName;  // bytes on disk (normally UTF-8)
    std::string name;        // Latin-1
    std::string foldedName;  // Latin-1, a-z folded to A-Z: the sort and match key
};

using FolderListing = std::vector<ListedName>;

// The folder's entries, "." and ".." included, sorted by folded name (then by
// the bytes on disk, so the order is total); none when the folder cannot be
// read. A listing is never changed once made: a newer read replaces it in
// the cache, and a caller's copy stays whole however other threads use the
// path layer meanwhile.
std::shared_ptr<const FolderListing> GetFolderListing(const std::string& systemFolder);

std::string FoldAsciiToUpper(const std::string& text);
