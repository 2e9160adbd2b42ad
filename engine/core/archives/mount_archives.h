#pragma once

// Lays the data archives over the data folder, oldest root first: the
// program file itself, else the data folder's name with ".ZIP", else with
// ".DAT"; then every "QVD" file of the current folder in name order, each in
// a root of its own; then every "zip" file under the data folder (outside
// "cache" folders), all in one newest root, each under its own folder
// prefix, writable, read on first use. Then sets the data folder.
// A second call while archives are mounted ends the program.
void MountArchives(const char* dataFolder, bool skipFirstStage = false, bool skipZipFiles = false);

// Unmounts every archive, so that a later MountArchives starts afresh.
void UnmountArchives();
