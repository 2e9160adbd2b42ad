#pragma once

#include <cstdint>

#include "game/playfield/ball_plug_in.h"

// Every brick the ball destroys releases a small loose ball falling toward
// the ship, which turns it into a ball in play when it gets there.
class CBallConverterBall : public CBallPlugIn
{
    VP_DECLARE_CLASS(CBallConverterBall)
public:
    CBallConverterBall();
    ~CBallConverterBall() override;

    void DrawOverlay(CFrameInterface* frame) override;
    void OnAttached() override;
    void OnBrickHit(CBrickBase* brick) override;

    int32_t m_OverlaySequence;
    // Pixels per second and degrees either side of straight down.
    float m_StartingSpeed;
    float m_StartingAngle;
};
