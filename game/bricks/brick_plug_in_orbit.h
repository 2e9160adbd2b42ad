#pragma once

#include "game/bricks/brick_plug_in.h"

class CScriptPosition;

// Carries its brick round a centre (which may move) at the distance it had
// when first started; a negative time per rotation turns the other way.
class CBrickPlugInOrbit : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugInOrbit)
public:
    CBrickPlugInOrbit();
    ~CBrickPlugInOrbit() override;

    // Files of earlier versions give the centre as "Center Point=x,y", a
    // point relative to the brick's start.
    void ReadCustomProperties(const char* name, const char* value, CObjectStream& stream) override;
    void Start(CSprite* sprite) override;
    void Update(PlugInStepRecord& record) override;
    void DrawEditorOverlay(EditorDrawContext& context) override;

    float GetElapsedRotations() const { return m_ElapsedRotations; }

    CScriptPosition* m_pCenter;
    float m_SecondsPerRotation;
    float m_Stop;

private:
    float m_ElapsedRotations;
    // A sequence that starts the orbit again keeps the first radius.
    bool m_RadiusKnown;
    float m_Radius;
    float m_Angle;
};
