#pragma once

#include <cstdint>

#include "game/playfield/ball_plug_in.h"

// A ball that explodes when the player fires. It starts armed; after it
// went off, only the ship's charge or a further bomb plug-in arms it again.
class CBallPlugInBombBall : public CBallPlugIn
{
    VP_DECLARE_CLASS(CBallPlugInBombBall)
public:
    CBallPlugInBombBall();
    ~CBallPlugInBombBall() override;

    void OnAddedAgain() override { m_Armed = true; }
    void DrawOverlay(CFrameInterface* frame) override;
    void OnAttached() override;

    // False, doing nothing, while disarmed.
    bool Detonate();
    void Arm() { m_Armed = true; }
    bool IsArmed() const { return m_Armed; }

    int32_t m_IdleOverlaySequence;
    int32_t m_ChargedOverlaySequence;
    int32_t m_DetonateSequence;
    int32_t m_DetonateSound;
    float m_RadiusOfExplosionX;
    float m_RadiusOfExplosionY;
    float m_ExplosionDelay;

private:
    bool m_Armed;
};
