#pragma once

#include <cstdint>

#include "engine/graphics/color_table.h"
#include "engine/graphics/palettes.h"
#include "engine/ui/bevel.h"
#include "engine/ui/toolkit_state.h"

// A grey ramp (entry i is grey level i) as the current palette, and the
// toolkit's shades built anew from it, so 8-bit frames remap through real
// tables; the palette and empty shades are put back at the end.
class ScopedGreyPalette
{
public:
    ScopedGreyPalette()
    {
        m_Saved.CopyFrom(GetCurrentPalette());
        CColorTable& palette = GetCurrentPalette();
        palette.SetKind(CColorTable::PALETTE);
        for (uint32_t i = 0; i < 256; ++i)
            palette.SetEntry(i, static_cast<uint8_t>(i), static_cast<uint8_t>(i), static_cast<uint8_t>(i));
        GetToolkitState().m_BevelShades = CBevelShades();
        FillBevelShades();
    }
    ~ScopedGreyPalette()
    {
        GetCurrentPalette().CopyFrom(m_Saved);
        GetToolkitState().m_BevelShades = CBevelShades();
    }
    ScopedGreyPalette(const ScopedGreyPalette&) = delete;
    ScopedGreyPalette& operator=(const ScopedGreyPalette&) = delete;

private:
    CColorTable m_Saved;
};
