#pragma once

#include <cstdint>

#include "engine/object/reflection.h"

class CClassInfo;
class VirtualArray;

// A style-sheet property naming an entry of a list ("Sequences", the sound
// list), by default the list's first entry, with its help text when given.
void AddListReference(CClassInfo* classInfo, const char* name, CPropertyMember<int32_t> member, VirtualArray* list,
                      const char* help = nullptr);
