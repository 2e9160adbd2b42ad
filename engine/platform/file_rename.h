#pragma once

#include <string>

// Gives a file a new name in the same folder, its bytes untouched. Refused
// when its folder is read-only, and when the new name is taken: nothing is
// ever replaced.
bool RenameSystemFile(const std::string& name, const std::string& newName);
