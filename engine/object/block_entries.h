#pragma once

#include "engine/core/strings/ref_string.h"

class CObjectStream;

// Hands back a "{ ... }" block's "name=value" lines one at a time, up to the
// closing brace. Blank lines and lines with no '=' carry nothing a block
// reader could use, so they are passed over. value points into line and is
// good until line is read into again.
bool ReadNextBlockEntry(CObjectStream& stream, CString& line, CString& name, const char*& value);
