#pragma once

#include <string>

// Moves a file over another in one step, so that every reader sees either
// the old bytes or the new ones, never a half-written file. Both are engine
// names (any letter case, either separator); an existing target found under
// another letter case is replaced where it is. Refused, as every write of
// the layer, when the target or its folder is read-only.
bool ReplaceSystemFile(const std::string& source, const std::string& target);
