// How a slider draws: a sunken groove, a two-row centre line (dark over
// light) and the thumb, a raised face of the window texture. A disabled or
// greyed slider fades its text blit types and halves the bevel shades'
// alphas for the one draw.

#include <array>
#include <optional>

#include "engine/blit/blit_black_bias.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/blit/scoped_blit_opacity.h"
#include "engine/graphics/frame_interface.h"
#include "engine/ui/bevel.h"
#include "engine/ui/slider.h"
#include "engine/ui/texture_tiling.h"
#include "engine/ui/window_font.h"

namespace {
constexpr float DISABLED_TEXT_OPACITY = 0.4f;
constexpr float DISABLED_SHADE_OPACITY = 0.6f;

// The shared bevel shades at half their alpha until the end of the scope.
class CScopedFadedShades
{
public:
    CScopedFadedShades()
    {
        FillBevelShades();
        CBevelShades& shades = GetToolkitState().m_BevelShades;
        m_Saved = shades.m_Colours;
        for (CColor& colour : shades.m_Colours)
            colour.m_Alpha = static_cast<uint8_t>(colour.m_Alpha / 2);
    }
    ~CScopedFadedShades() { GetToolkitState().m_BevelShades.m_Colours = m_Saved; }

    CScopedFadedShades(const CScopedFadedShades&) = delete;
    CScopedFadedShades& operator=(const CScopedFadedShades&) = delete;

private:
    std::array<CColor, BEVEL_SHADE_COUNT> m_Saved;
};
} // namespace

void CJSlider::Draw(CFrameInterface& frame)
{
    std::optional<CScopedBlitOpacity> textFade;
    std::optional<CScopedBlitOpacity> shadeFade;
    std::optional<CScopedFadedShades> fadedShades;
    if (!IsEnabledInTree() || IsGreyed())
    {
        textFade.emplace(GetBlitTransparentMask(), DISABLED_TEXT_OPACITY);
        shadeFade.emplace(GetBlitBlendBlackBias(), DISABLED_SHADE_OPACITY);
        fadedShades.emplace();
    }
    int32_t width = GetWidth();
    int32_t height = GetHeight();
    int32_t unit = GetFontHeight(m_pFont) / 5;
    int32_t inset = 2 * unit + 1;
    DrawBevel(m_pFont, frame, CRect{0, inset, width, height - inset}, m_HighlightColor, m_TextColor, false,
              BEVEL_ALL_EDGES, false);
    ShadeRect(frame, CRect{unit, height / 2, width - unit + 1, height / 2 + 1}, BEVEL_SHADE_DARKEST);
    ShadeRect(frame, CRect{unit, height / 2 + 1, width - unit + 1, height / 2 + 2}, BEVEL_SHADE_LIGHTEST);

    int32_t thumbX = GetThumbX();
    CRect thumb{thumbX, 0, thumbX + GetThumbWidth(), height};
    TileTexture(frame, IsTransparent() ? nullptr : GetWindowTexture(), thumb);
    DrawBevel(m_pFont, frame, thumb, m_HighlightColor, m_TextColor, true, BEVEL_ALL_EDGES, false);
    CJWindow::Draw(frame);
}
