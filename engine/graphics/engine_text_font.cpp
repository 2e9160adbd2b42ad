#include "engine/graphics/engine_text_font.h"

namespace {

EngineTextFontSource g_Source = nullptr;

} // namespace

void SetEngineTextFontSource(EngineTextFontSource source)
{
    g_Source = source;
}

CFont* GetEngineTextFont()
{
    return g_Source ? g_Source() : nullptr;
}
