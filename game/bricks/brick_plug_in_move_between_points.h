#pragma once

#include <cstdint>

#include "engine/core/geometry/vector2d.h"
#include "game/bricks/brick_plug_in.h"

class CScriptPosition;

// Moves its brick back and forth between two positions (which may move
// themselves), one leg per "Time To Complete One Leg", until "Stop" legs
// have passed or, with "At End", the first end is reached.
class CBrickPlugInMoveBetweenPoints : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugInMoveBetweenPoints)
public:
    enum StartType : int32_t
    {
        START_FROM_RELATIVE_POSITION = 0,
        STAY_IN_SYNC = 1,
        START_FROM_POINT_1 = 2,
    };

    CBrickPlugInMoveBetweenPoints();
    ~CBrickPlugInMoveBetweenPoints() override;

    void Start(CSprite* sprite) override;
    void Update(PlugInStepRecord& record) override;
    void DrawEditorOverlay(EditorDrawContext& context) override;

    float GetFraction() const { return m_Fraction; }
    float GetElapsedLegs() const { return m_ElapsedLegs; }

    CScriptPosition* m_pPoint1;
    CScriptPosition* m_pPoint2;
    float m_TimeToCompleteOneLeg;
    float m_Stop;
    float m_EaseInOut;
    int32_t m_StartType;

private:
    // Bounces the fraction back into 0..1, or ends there under "At End".
    void TurnAtEnds(PlugInStepRecord& record);

    float m_ElapsedLegs;
    float m_Fraction;
    float m_Direction;
    Vector2 m_Offset;
};
