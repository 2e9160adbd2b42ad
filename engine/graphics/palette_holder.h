#pragma once

#include "engine/graphics/color_table.h"
#include "engine/object/object.h"

// The own palette of a frame, owned through the frame's dynamic "Palette"
// property.
class CPaletteHolder : public CObject
{
    VP_DECLARE_CLASS(CPaletteHolder)
public:
    CPaletteHolder() { ConstructProperties(SGetClassInfo()); }
    ~CPaletteHolder() override { DestroyProperties(SGetClassInfo()); }

    CColorTable m_Table;
};
