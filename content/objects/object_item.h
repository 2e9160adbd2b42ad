#pragma once

#include <string>

class CContentTree;

// Adds "Data/<path>" as an object file: the hand-written object text (its
// class line, "{", one "Name = value" line a property, "}") is read through
// the engine's object model and written back in the object model's own
// form, the bytes the engine would save. A file in that form is never
// rewritten when the engine loads it. A text the object model cannot read
// stops the generator with a message naming the item.
void AddObjectFile(CContentTree& tree, const std::string& path, const char* text, const char* item);
