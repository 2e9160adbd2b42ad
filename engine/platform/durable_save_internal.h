#pragma once

#include <cstddef>
#include <string>

// Internal to the platform layer: SaveFileDurably for a path that is already
// a system path, such as a settings file below the per-user config folder.
bool SaveSystemFileDurably(const std::string& systemPath, const void* bytes, size_t size, bool makeWritable);
