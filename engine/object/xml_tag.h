#pragma once

#include "engine/core/strings/ref_string.h"

// Element names of the XML form cannot hold blanks, "?", "&" or "'".
inline CString MakeXmlTag(const char* name)
{
    CString tag(name);
    tag.ReplaceChar(' ', '_');
    tag.ReplaceChar('?', '_');
    tag.ReplaceChar('&', '_');
    tag.ReplaceChar('\'', '_');
    return tag;
}
