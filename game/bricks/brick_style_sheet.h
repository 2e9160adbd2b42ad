#pragma once

#include <cstdint>

#include "engine/core/geometry/polygon2d.h"
#include "engine/object/libraries/resource_library.h"
#include "engine/object/object.h"
#include "engine/object/properties/string_pair.h"
#include "game/playfield/particle_burst.h"

class CBrickInfo;
class CClassInfo;
class CFrame;
class CGameSprite;

// The shared definition of one kind and look of brick: its name and help
// for the editor, the editor's palette button, the points a destroyed brick
// is worth, tutorial pages, break particles, and the collision and grid
// shapes; the kinds add their sequences, sounds and tuning. One object file
// per style sheet under "Resources/Brick Style Sheets"; a placed brick
// holds its style sheet's index in the library, never a pointer.
//
// The folder a style sheet lies in ties it to the background theme of that
// name, for the editor's palette. The theme is worked out when it is first
// asked for, not while the style sheet loads: finding it reads every
// background, and a background that lays bricks of this very style sheet
// would need it while it is still loading.
class CBrickStyleSheet : public CObject
{
    VP_DECLARE_CLASS(CBrickStyleSheet)
public:
    CBrickStyleSheet();
    ~CBrickStyleSheet() override;

    // The brick class this style sheet makes.
    virtual CClassInfo* GetBrickClass() const = 0;
    // The kind's "Primary Sequence", an index of "Sequences".
    virtual int32_t GetPrimarySequence() const = 0;
    // Fills this style sheet from an old brick definition, for a tool that
    // carries old data forward. Answers true only when the definition's
    // brick type is one this kind stands for; here the shared looks are
    // copied and no type is accepted. The score is left alone.
    virtual bool ConvertFromBrickInfo(const CBrickInfo& info);

    // The first frame of the "Editor Button Sequence"; none for sequence 0.
    CFrame* GetEditorButtonImage() const;
    // The index of the background whose theme this style sheet belongs to;
    // 0 for a style sheet directly in the library folder or in a folder
    // that names no background.
    int32_t GetTheme();

    CStringPair m_Name;
    CStringPair m_Description;
    int32_t m_EditorButtonSequence;
    int32_t m_Score;
    // Indices of the "Tutorial" library; 0 shows nothing.
    int32_t m_HitTutorial;
    int32_t m_DestroyedTutorial;
    CParticleTypeArray m_BreakParticleTypes;
    Polygon2D m_CollisionPoly;
    Polygon2D m_GridPolygon;

private:
    int32_t m_Theme;
    bool m_ThemeKnown;
};

// The closed rectangle round the origin, corners from top left clockwise:
// the shape of the default collision and grid polygons.
Polygon2D ClosedRectangle(float halfWidth, float halfHeight);

// "BrickStyleSheet": every style sheet. Item 0 stands for no style (a level
// drops its bricks), so its name must begin with "!" and sort first.
class CBrickStyleSheetLibrary : public CResourceLibrary<CBrickStyleSheet>
{
public:
    CBrickStyleSheetLibrary();

    // Item browsers show an animated brick of the style sheet.
    ReferenceFactory GetReferenceFactory() override;
};

CBrickStyleSheetLibrary& GetBrickStyleSheetLibrary();
// Start-up: initialises the library in its catalogue place with its
// aliases. A first item whose name lacks the leading "!" is a fatal data
// report naming the library and the item.
void InitBrickStyleSheetLibrary();

// A new sprite carrying a new brick of the style sheet's brick class, with
// that style sheet, bound to the sprite; the caller places the sprite and
// adds it to a list. None when the library has no such style sheet.
CGameSprite* MakeBrickSpriteFromStyle(CBrickStyleSheetLibrary& library, int32_t styleIndex);
