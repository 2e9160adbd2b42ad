#pragma once

#include <cstdint>

#include "engine/core/geometry/vector2d.h"
#include "engine/object/object.h"
#include "game/bricks/brick_layer_rules.h"

class CBrickLayout;
class CFrameInterface;
class CSequence;
class CSprite;

// One jointed arm reaching in from the left edge of the screen. It serves
// the bricks whose x lies in its bounds: it moves up and down and bends
// from pose to pose (one frame of its "Arm" sequence per pose) to hold each
// brick where it lands, nearest first, then goes back off screen.
//
// The "Arm" sequence's coordinates say, for each pose, where on screen the
// arm holds a brick, relative to the arm's height: the first half of the
// poses reaches the upper screen, the second half the lower. The arm is
// not a machine of its own (the arms machine drives it) but answers the
// same five calls.
class CBrickLayerArm : public CObject
{
    VP_DECLARE_CLASS(CBrickLayerArm)
public:
    CBrickLayerArm();
    ~CBrickLayerArm() override;

    void Start(CBrickLayout* round);
    void Update();
    void Draw(CFrameInterface* frame);
    bool IsLaying() const { return m_State != LAYING_IDLE; }
    void FinishNow();

    // The pose whose holding point suits the screen point best.
    int32_t FrameForPoint(const Vector2& point) const;
    // The hidden brick in the arm's bounds cheapest to reach from its
    // present pose and height; none when there is none left.
    CSprite* FindNearestHiddenBrick() const;

    float GetHeight() const { return m_Height; }
    float GetPose() const { return m_Pose; }

    int32_t m_Gear;
    int32_t m_Arm;
    int32_t m_LeftBounds;
    int32_t m_RightBounds;
    int32_t m_OffScreenY;
    // A percentage of the arm's poses.
    float m_InitialPosition;
    // A "Particle Generators" index; 0 shows none.
    int32_t m_PlacedParticle;

private:
    void PickNextBrick();
    void Move();
    void Place();
    int32_t FrameCount() const;
    // The holding height of the pose, clamped to the poses there are.
    float HoldingHeight(int32_t pose) const;

    CSequence* m_pGearSequence;
    CSequence* m_pArmSequence;
    float m_Height;
    float m_Pose;
    float m_LastHeightStep;
    float m_LastPoseStep;
    ELayingState m_State;
    float m_Speed;
    uint32_t m_Placed;
    CBrickLayout* m_pLevel;
    CLaidBrickTarget m_Target;
    float m_TargetHeight;
    float m_TargetPose;
};
