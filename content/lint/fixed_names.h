#pragma once

#include <string>
#include <vector>

// A name the game looks up by path, as the content's item table lists it,
// and the paths below the data folder that may hold it.
struct CFixedName
{
    std::string listed;
    std::vector<std::string> candidates;
};

// The names of the first column of the item table: each row's quoted
// names. The first is a path below "Data/"; each further one is taken
// below that path's folder or one of the folders above it, with the first
// name's extension unless it has its own (a quoted name that is only an
// extension, as ".PowerUp", gives the row's extension), and a sequence
// folder ("-Name/Properties.txt", or "-Name/...") stands for its
// "Properties.txt". Names that describe instead of naming ("<kind>",
// "-Brick ...") are left out, as are rows whose files are "pending".
std::vector<CFixedName> ReadFixedNames(const std::string& itemTable);
