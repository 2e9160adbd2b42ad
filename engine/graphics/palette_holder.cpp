#include "engine/graphics/palette_holder.h"

VP_IMPLEMENT_CLASS(CPaletteHolder, CObject, 1.0f)

void CPaletteHolder::RegisterProperties(CClassInfo*)
{
}
