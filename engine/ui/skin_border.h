#pragma once

#include <cstdint>

#include "engine/core/color/color.h"
#include "engine/object/object.h"

class CFrame;
class CFrameInterface;

// One border of an alpha skin: what fills the background of a window and
// what frames it. Frame references are items of "Frames" by index (names in
// files); 0 means not set.
class CSkinBorder : public CObject
{
    VP_DECLARE_CLASS(CSkinBorder)
public:
    CSkinBorder();
    ~CSkinBorder() override;

    int32_t m_BackgroundTexture;
    CColor m_BackgroundColor;
};

// A background inset by a margin and a two-pixel bevel of four colours.
class CClassicSkinBorder : public CSkinBorder
{
    VP_DECLARE_CLASS(CClassicSkinBorder)
public:
    CClassicSkinBorder();
    ~CClassicSkinBorder() override;

    CColor m_TopOuterColor;
    CColor m_TopInnerColor;
    CColor m_BottomInnerColor;
    CColor m_BottomOuterColor;
    int32_t m_TextureMargin;
};

// A background shaped by alpha corner masks that may reach past the
// window, framed by corner highlights, strips repeated along the edges and
// decals at the edges' middles.
class CAlphaSkinBorder : public CSkinBorder
{
    VP_DECLARE_CLASS(CAlphaSkinBorder)
public:
    CAlphaSkinBorder();
    ~CAlphaSkinBorder() override;

    int32_t m_TopLeftAlpha;
    int32_t m_TopRightAlpha;
    int32_t m_BottomLeftAlpha;
    int32_t m_BottomRightAlpha;
    int32_t m_LeftSideOffset;
    int32_t m_TopSideOffset;
    int32_t m_RightSideOffset;
    int32_t m_BottomSideOffset;
    int32_t m_TopLeftHighlight;
    int32_t m_TopCenterHighlight;
    int32_t m_TopRightHighlight;
    int32_t m_CenterLeftHighlight;
    int32_t m_CenterRightHighlight;
    int32_t m_BottomLeftHighlight;
    int32_t m_BottomCenterHighlight;
    int32_t m_BottomRightHighlight;
    int32_t m_TopCenterDecal;
    int32_t m_BottomCenterDecal;
    int32_t m_LeftCenterDecal;
    int32_t m_RightCenterDecal;
    int32_t m_SpecialTopRightHighlight;
    bool m_OverlapCorners;
    int32_t m_TopOverlapAmount;
};

// The frame a skin reference names, or null when it names nothing that can
// be drawn (reference 0, an item that is no frame or has no pixels): such a
// reference draws nothing.
CFrame* FindSkinFrame(int32_t reference);

// What the editor's chooser offers for a skin texture: a plain frame whose
// sides are powers of two, the only kind the tiling blit wraps correctly and
// can paint into a corner mask.
bool IsSkinTexture(const CFrameInterface* frame);

// The chooser filter of the texture properties, handed to the frame chooser
// through the property.
struct CFrameChooserFilter
{
    bool (*accepts)(const CFrameInterface* frame);
};
