#pragma once

#include <cstdint>

#include "game/bricks/brick_plug_in.h"
#include "game/bricks/script_reference_to_target.h"

class CBrickPathPolygon;

// Carries its brick along the path of a named path polygon brick, starting
// from the path point nearest to it: round and round the closed path, or
// back and forth along the open one (the closing edge left out).
class CBrickPlugInMoveAlongPath : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugInMoveAlongPath)
public:
    enum LoopType : int32_t
    {
        LOOP_FORWARD = 0,
        LOOP_BACKWARDS = 1,
        BACK_AND_FORTH = 2,
        FORTH_AND_BACK = 3,
    };

    CBrickPlugInMoveAlongPath();
    ~CBrickPlugInMoveAlongPath() override;

    // Files of earlier versions name the path brick with "Path Name".
    void ReadCustomProperties(const char* name, const char* value, CObjectStream& stream) override;
    void Start(CSprite* sprite) override;
    void Update(PlugInStepRecord& record) override;
    void DrawEditorOverlay(EditorDrawContext& context) override;

    float GetFraction() const { return m_Fraction; }

    CScriptReferenceToTarget m_Path;
    float m_TimeToCompleteOneLoop;
    float m_Stop;
    int32_t m_LoopType;
    float m_EaseInOut;

private:
    bool IsBackAndForth() const { return m_LoopType == BACK_AND_FORTH || m_LoopType == FORTH_AND_BACK; }
    // The named path brick, or none when the name names no path polygon.
    CBrickPathPolygon* FindPath() const;
    // The fraction of the path point nearest to the brick.
    void StartNearestToBrick(const CBrickPathPolygon& path);
    // Wraps round the loop or turns back at an end of the open path.
    void TurnAtEnds(PlugInStepRecord& record);

    float m_Fraction;
    float m_Direction;
    float m_ElapsedLoops;
};
