#pragma once

#include <cstdint>

#include "engine/core/geometry/point.h"
#include "engine/object/object.h"
#include "engine/object/properties/object_array_property.h"
#include "game/bricks/background_sprite_generator.h"
#include "game/playfield/music_mixer.h"

class CBrickBase;
class CFrameInterface;

// A round's theme: its picture layers, the shadows, whether the score board
// frames the playfield, the songs of the music mixer's three levels, the
// ambient creatures that fill the playfield and the bricks every round of
// the theme gets besides its own. A round without the score board is shown
// as a picture, never played as a game.
//
// Brick style sheets belong to a theme by the names derived from the
// definition's place in the "Background Definition" library: the folder it
// lies in is its theme, its file name its own name.
class CBackgroundDefinition : public CObject
{
    VP_DECLARE_CLASS(CBackgroundDefinition)
public:
    CBackgroundDefinition();
    ~CBackgroundDefinition() override;

    // Derives the theme and own names once, from the library item name.
    void AfterLoad(CTypedObjectReceiver* receiver) override;

    // The editor's preview of the generators of one layer: each prototype
    // draws its overlay without a sprite.
    void DrawGeneratorsOfLayer(CFrameInterface* frame, int32_t layer);

    uint32_t GetEveryLevelBrickCount() const { return m_EveryLevelBrickCount; }
    CBrickBase* GetEveryLevelBrick(uint32_t index) const { return m_pEveryLevelBricks[index]; }

    // Not saved.
    CString m_ThemeName;
    CString m_OwnName;

    bool m_DrawShadows;
    CPoint m_ShadowOffset;
    // Indices into "Frames" and "Sequences"; 0 means none.
    int32_t m_ForegroundImage;
    // The three markers only show the designer where the playfield and the
    // sprite layers lie between the pictures; nothing reads them.
    bool m_PlayfieldMarker;
    bool m_ForegroundSpritesMarker;
    int32_t m_MidgroundImage;
    bool m_BackgroundSpritesMarker;
    int32_t m_BackgroundImage;
    bool m_ShowScoreboard;
    CMusicMixerData m_MusicTracks;
    CObjectValueArray<CBackgroundSpriteGenerator> m_SpriteGenerators;

private:
    uint32_t m_EveryLevelBrickCount;
    uint32_t m_EveryLevelBrickCapacity;
    CBrickBase** m_pEveryLevelBricks;
};
