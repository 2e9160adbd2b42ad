#pragma once

#include <cstdint>

#include "engine/core/geometry/point.h"
#include "engine/object/object.h"
#include "game/playfield/music_mixer.h"

// A round's theme: its picture layers, whether the score board frames the
// playfield, and the songs of the music mixer's three levels. A round
// without the score board is shown as a picture, never played as a game.
class CBackgroundDefinition : public CObject
{
    VP_DECLARE_CLASS(CBackgroundDefinition)
public:
    CBackgroundDefinition();
    ~CBackgroundDefinition() override;

    // Indices into "Frames" and "Sequences"; 0 means none.
    int32_t m_ForegroundImage;
    int32_t m_MidgroundImage;
    int32_t m_BackgroundImage;
    bool m_ShowScoreboard;
    // Sprites cast shadows, this far down and right, where the player's
    // machine affords the full detail.
    bool m_DrawShadows;
    CPoint m_ShadowOffset;
    CMusicMixerData m_MusicTracks;
};
