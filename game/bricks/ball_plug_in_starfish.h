#pragma once

#include <cstdint>

#include "game/playfield/ball_plug_in.h"

// A starfish riding a ball towards a Starfish Goal. It stays when the ball
// gets other plug-ins; when the ball is lost it moves on to the nearest
// other ball, or waits with the ship.
class CBallPlugInStarFish : public CBallPlugIn
{
    VP_DECLARE_CLASS(CBallPlugInStarFish)
public:
    CBallPlugInStarFish();
    ~CBallPlugInStarFish() override;

    void OnMessage(CMessage& message) override;
    // The small or the normal look over the ball, by the shared clock.
    void DrawOverlay(CFrameInterface* frame) override;
    void OnAttached() override;

    // "Sequences" entries.
    int32_t m_Image;
    int32_t m_SmallImage;
};
