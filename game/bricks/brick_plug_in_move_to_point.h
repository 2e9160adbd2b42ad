#pragma once

#include "engine/core/geometry/vector2d.h"
#include "game/bricks/brick_plug_in.h"

class CScriptPosition;

// Moves its brick once from where it stood at the start to the end point
// (which may move meanwhile), landing exactly on it, then reports done.
class CBrickPlugInMoveToPoint : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugInMoveToPoint)
public:
    CBrickPlugInMoveToPoint();
    ~CBrickPlugInMoveToPoint() override;

    void Start(CSprite* sprite) override;
    void Update(PlugInStepRecord& record) override;
    void DrawEditorOverlay(EditorDrawContext& context) override;

    CScriptPosition* m_pEndPoint;
    float m_TimeToComplete;
    float m_EaseInOut;

private:
    float m_Progress;
    Vector2 m_StartPosition;
};
