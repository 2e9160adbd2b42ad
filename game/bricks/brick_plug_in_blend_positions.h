#pragma once

#include "engine/core/geometry/vector2d.h"
#include "game/bricks/brick_plug_in.h"

class CScriptPosition;

// Keeps its brick at a fixed place between two positions that may move:
// the fraction along the line and the offset from it are taken at the
// start; with "Rotate" the offset turns as the line turns. It never ends.
class CBrickPlugInBlendPositions : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugInBlendPositions)
public:
    CBrickPlugInBlendPositions();
    ~CBrickPlugInBlendPositions() override;

    void Start(CSprite* sprite) override;
    void Update(PlugInStepRecord& record) override;
    void DrawEditorOverlay(EditorDrawContext& context) override;

    CScriptPosition* m_pPoint1;
    CScriptPosition* m_pPoint2;
    bool m_Rotate;

private:
    Vector2 m_Offset;
    float m_Fraction;
    float m_StartAngle;
    bool m_PointsEqual;
};
