#pragma once

#include <string>

// Names inside the engine are Latin-1, may separate with "\" or "/" and may
// differ in letter case from the files on disk. This turns such a name into
// the path the operating system knows (UTF-8, "/" only, single separators).
// Each existing component is matched exactly first, else by ASCII case
// folding (the first in sorted order wins); from the first component that
// does not exist on, the rest is kept as spelt, so creating
// "DATA/Resources/New/x.txt" reuses an existing "Data".
std::string ResolveSystemPath(const std::string& name);

// "\" to "/", runs of separators to one.
std::string NormalizeSeparators(const std::string& name);
