#pragma once

#include <string>
#include <vector>

// One entry of a folder as the file system spells it and as the engine reads it.
struct ListedName
{
    std::string systemName;  // bytes on disk (normally UTF-8)
    std::string name;        // Latin-1
    std::string foldedName;  // Latin-1, a-z folded to A-Z: the sort and match key
};

// The folder's entries, "." and ".." included, sorted by folded name (then by
// the bytes on disk, so the order is total); none when the folder cannot be
// read. The pointer stays valid until the next call into the path layer.
const std::vector<ListedName>* GetFolderListing(const std::string& systemFolder);

std::string FoldAsciiToUpper(const std::string& text);
