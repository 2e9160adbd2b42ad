#pragma once

#include <string>

// Internal to the platform layer: whether writing the system path is refused
// because the entry, or for a new entry its folder, has no owner-write bit.
bool IsWriteDenied(const std::string& systemPath);

// The folder part of a system path ("" for a bare name).
std::string SystemFolderOf(const std::string& systemPath);
