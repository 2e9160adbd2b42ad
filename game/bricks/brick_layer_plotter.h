#pragma once

#include <cstdint>

#include "engine/core/geometry/vector2d.h"
#include "game/bricks/brick_layer.h"
#include "game/bricks/brick_layer_rules.h"

class CSequence;
class CSprite;

// The plotter: a carriage on a vertical bar that travels to the nearest
// hidden brick, lowers it into place and goes on, faster with every brick,
// then leaves by the lower left and starts play.
//
// Distances count vertical travel 1.6666666 times horizontal because the
// carriage climbs at most 2.5 pixels a step whatever its speed, while its
// horizontal step grows with the speed: the nearest brick is the quickest
// to reach, not the closest on screen.
class CBrickLayerVorpanPloter : public CBrickLayer
{
    VP_DECLARE_CLASS(CBrickLayerVorpanPloter)
public:
    // Finds its four sequences; a missing one is fatal.
    CBrickLayerVorpanPloter();
    ~CBrickLayerVorpanPloter() override;

    void Start(CBrickLayout* round) override;
    void Update() override;
    void Draw(CFrameInterface* frame) override;
    bool IsLaying() const override { return m_State != LAYING_IDLE; }
    void FinishNow() override;

    // The hidden brick of the list whose sprite is nearest the point, the
    // first of equals; none when every brick is shown.
    static CSprite* FindNearestHiddenBrick(const Vector2& point);

    const Vector2& GetCarriagePosition() const { return m_Carriage; }
    const Vector2& GetLastStep() const { return m_LastStep; }
    float GetSpeed() const { return m_Speed; }
    uint32_t GetPlacedCount() const { return m_Placed; }
    ELayingState GetState() const { return m_State; }

private:
    void PickNextBrick();
    void Move();
    void Place();
    void EndLaying();

    CSequence* m_pLeftGears;
    CSequence* m_pRightGears;
    CSequence* m_pBar;
    CSequence* m_pCarriage;
    Vector2 m_Carriage;
    Vector2 m_LastStep;
    ELayingState m_State;
    float m_Progress;
    float m_Rate;
    float m_Speed;
    uint32_t m_Placed;
    CBrickLayout* m_pLevel;
    CLaidBrickTarget m_Target;
    Vector2 m_TargetPoint;
};
