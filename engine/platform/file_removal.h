#pragma once

#include <string>

// Deletes a file named by an engine name (any letter case, either
// separator). A read-only file, or one in a read-only folder, is refused,
// as the game's original platform refuses it; so is a folder.
bool DeleteSystemFile(const std::string& name);
