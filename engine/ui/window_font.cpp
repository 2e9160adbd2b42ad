#include "engine/ui/window_font.h"

#include "engine/graphics/fonts/font.h"

int32_t GetFontHeight(CFont* font)
{
    return font != nullptr ? font->GetHeight() : 0;
}

int32_t GetFontTextWidth(CFont* font, const CString& text)
{
    return font != nullptr ? font->GetTextWidth(text) : 0;
}
