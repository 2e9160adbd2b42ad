#pragma once

#include <cstdint>

class CFont;
class CString;

// A window may have no font (none was set before the first window); it
// then measures nothing.
int32_t GetFontHeight(CFont* font);
int32_t GetFontTextWidth(CFont* font, const CString& text);
