#include "engine/ui/bevel.h"

#include "engine/core/color/color.h"
#include "engine/graphics/color_table.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame_interface.h"
#include "engine/graphics/palettes.h"
#include "engine/ui/toolkit_state.h"
#include "engine/ui/window_font.h"

namespace {
constexpr int32_t SHADE_LEVELS[BEVEL_SHADE_COUNT] = {40, 80, 200, 245};
} // namespace

void ShadeRect(CFrameInterface& frame, const CRect& rect, BevelShade shade)
{
    FillBevelShades();
    const CBevelShades& shades = GetToolkitState().m_BevelShades;
    // Frames are served at 16 bits whatever depth is asked for the display,
    // so the frame itself says whether its pixels are palette indices.
    if (frame.GetBitsPerPixel() != 8)
    {
        frame.FillRect(rect, shades.m_Colours[shade]);
        return;
    }
    const std::vector<uint8_t>& table = shades.m_RemapTables[shade];
    if (!table.empty())
        frame.RemapRect(rect, table.data());
}

void FillBevelShades()
{
    CBevelShades& shades = GetToolkitState().m_BevelShades;
    if (shades.m_Filled)
        return;
    shades.m_Filled = true;
    shades.m_Colours[BEVEL_SHADE_DARKEST] = CColor(0, 0, 0, 160);
    shades.m_Colours[BEVEL_SHADE_DARK] = CColor(0, 0, 0, 128);
    shades.m_Colours[BEVEL_SHADE_LIGHT] = CColor(255, 255, 255, 24);
    shades.m_Colours[BEVEL_SHADE_LIGHTEST] = CColor(255, 255, 255, 48);
    CColorTable& palette = GetCurrentPalette();
    if (!palette.Holds(CColorTable::PALETTE))
        return;
    for (int32_t shade = 0; shade < BEVEL_SHADE_COUNT; ++shade)
    {
        CColorTable remap;
        remap.BuildLightnessRemap(palette, SHADE_LEVELS[shade], 0, 256, 0, 256, 0);
        shades.m_RemapTables[shade].assign(remap.GetData(), remap.GetData() + 256);
    }
}

void DrawBevel(CFont* font, CFrameInterface& frame, const CRect& rect, const CColor&, const CColor&, bool raised,
               int32_t edges, bool strong)
{
    BevelShade lightShade = strong ? BEVEL_SHADE_LIGHTEST : BEVEL_SHADE_LIGHT;
    BevelShade darkShade = strong ? BEVEL_SHADE_DARKEST : BEVEL_SHADE_DARK;
    BevelShade topLeft = raised ? lightShade : darkShade;
    BevelShade bottomRight = raised ? darkShade : lightShade;

    int32_t right = rect.right;
    int32_t bottom = rect.bottom;
    int32_t lines = GetFontHeight(font) / 5;
    for (int32_t i = 0; i < lines; ++i)
    {
        int32_t left = rect.left + i;
        int32_t top = rect.top + i;
        if (right - left < 3 || bottom - top < 3)
            return;
        if ((edges & BEVEL_TOP) != 0)
            ShadeRect(frame, CRect{left, top, right, top + 1}, topLeft);
        if ((edges & BEVEL_LEFT) != 0)
            ShadeRect(frame, CRect{left, top, left + 1, bottom}, topLeft);
        if ((edges & BEVEL_RIGHT) != 0)
            ShadeRect(frame, CRect{right - 1, top + 1, right, bottom - 1}, bottomRight);
        if ((edges & BEVEL_BOTTOM) != 0)
            ShadeRect(frame, CRect{left + 1, bottom - 1, right, bottom}, bottomRight);
        --right;
        --bottom;
    }
}
