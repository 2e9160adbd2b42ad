#pragma once

#include <cstdint>

#include "game/playfield/ball_plug_in.h"

// The look-and-trail plug-ins: each decides the ball's image, draws an
// overlay and leaves a trail. A ball carries at most one of them: a new one
// replaces the old.
class CBallPlugInType1 : public CBallPlugIn
{
    VP_DECLARE_CLASS(CBallPlugInType1)
public:
    CBallPlugInType1();
    ~CBallPlugInType1() override;

    bool KeepWhenAdding(CBallPlugIn* newcomer) override;
    void Update() override;
    void DrawOverlay(CFrameInterface* frame) override;
    void OnAttached() override;
    void OnBallSizeChanged() override;

    // Kept with the plug-in for the data; nothing plays them.
    int32_t m_BounceSound;
    int32_t m_SmallBounceSound;
    int32_t m_OverlaySequence;
    int32_t m_PrimarySequence;
    int32_t m_SmallPrimarySequence;
    int32_t m_ParticleGenerator;
    int32_t m_AdditionalParticleGenerator;
    int32_t m_SmallParticleGenerator;
};

// Breaks what it touches together with the bricks round it.
class CBallPlugInFireBall : public CBallPlugInType1
{
    VP_DECLARE_CLASS(CBallPlugInFireBall)
public:
    CBallPlugInFireBall();
    ~CBallPlugInFireBall() override;

    bool KeepsFullSize() const override { return true; }
};

// Runs through every brick that can be destroyed, destroying it.
class CBallPlugInRailBall : public CBallPlugInType1
{
    VP_DECLARE_CLASS(CBallPlugInRailBall)
public:
    CBallPlugInRailBall();
    ~CBallPlugInRailBall() override;

    bool KeepsFullSize() const override { return true; }
    // Every brick but the indestructible kinds.
    bool PassesThrough(const BallPassQuery& query) override;
};

// Dissolves the bricks it touches.
class CBallPlugInAcidBall : public CBallPlugInType1
{
    VP_DECLARE_CLASS(CBallPlugInAcidBall)
public:
    CBallPlugInAcidBall();
    ~CBallPlugInAcidBall() override;

    bool KeepsFullSize() const override { return true; }
    // The brick accepted the acid: it starts dissolving.
    void AttachAcid(CBrickBase* brick);

    int32_t m_DissolveEffectMask;
    int32_t m_DissolveEffectOverlay;
    int32_t m_DissolveSound;
};
