#pragma once

#include <string>

class CContentTree;
class CPicture;

// Adds "Data/<path>" as a TGA file written by the engine's own TGA writer
// from the picture: a 32-bit run-length file, the form the engine writes
// itself, so loading it never rewrites it.
void AddPictureFile(CContentTree& tree, const std::string& path, const CPicture& picture, const char* item);
