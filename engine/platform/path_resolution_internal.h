#pragma once

#include <string>

// Internal to the platform layer: resolves an engine name (Latin-1) below a
// folder that is already a system path, such as the per-user config folder
// whose spelling must not pass through Latin-1.
std::string ResolveSystemPathBelow(const std::string& systemFolder, const std::string& name);

// Folder listings are cached and re-read when a folder's modification time
// changes, or while that time is too recent to show a change made within the
// same clock tick; the layer also drops a listing itself when it creates or
// renames an entry there.
void ForgetFolderListing(const std::string& systemFolder);
void ForgetAllFolderListings();
