#include "game/bricks/brick_plug_in_orbit.h"

#include <cmath>
#include <cstdio>

#include "engine/blit/antialiased_lines.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/graphics/frame_interface.h"
#include "engine/object/properties/float_property.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_movement_support.h"
#include "game/bricks/script_position.h"
#include "game/bricks/script_position_property.h"
#include "game/playfield/sprite.h"

VP_IMPLEMENT_CLASS(CBrickPlugInOrbit, CBrickPlugIn, 1.0f)

void CBrickPlugInOrbit::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Move");
    classInfo->AddProperty(new ScriptPositionProperty("Center", VP_MEMBER(m_pCenter), Vector2{50.0f, 0.0f}));
    classInfo->AddProperty(new FloatProperty("Seconds Per Rotation", "Seconds", VP_MEMBER(m_SecondsPerRotation),
                                             EDITOR_EDITABLE, 5.0f, nullptr, 0.0f, 0.0f, 0.1f));
    classInfo->AddProperty(NewStopProperty("After Rotation", VP_MEMBER(m_Stop), false));
}

CBrickPlugInOrbit::CBrickPlugInOrbit()
    : m_pCenter(nullptr)
    , m_SecondsPerRotation(5.0f)
    , m_Stop(STOP_NEVER)
    , m_ElapsedRotations(0.0f)
    , m_RadiusKnown(false)
    , m_Radius(0.0f)
    , m_Angle(0.0f)
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInOrbit::~CBrickPlugInOrbit()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInOrbit::ReadCustomProperties(const char* name, const char* value, CObjectStream& stream)
{
    if (CString(name).CompareNoCase("Center Point") != 0)
    {
        CBrickPlugIn::ReadCustomProperties(name, value, stream);
        return;
    }
    Vector2 offset{0.0f, 0.0f};
    if (std::sscanf(value, "%f,%f", &offset.x, &offset.y) != 2)
        return;
    auto* center = new CScriptPositionPointRelativeToBrickStartingPosition();
    center->SetDefaults();
    center->m_Position = offset;
    ReplacePosition(m_pCenter, center);
}

void CBrickPlugInOrbit::Start(CSprite*)
{
    CBrickBase* owner = GetOwner();
    if (m_pCenter == nullptr || owner == nullptr || owner->GetSprite() == nullptr)
        return;
    if (m_SecondsPerRotation == 0.0f)
        m_SecondsPerRotation = 0.1f;
    m_ElapsedRotations = 0.0f;
    const Vector2 center = m_pCenter->GetPosition(owner);
    const Vector2 brick = GetBrickPosition(owner);
    m_Angle = WrapAngle(std::atan2(brick.y - center.y, brick.x - center.x));
    if (!m_RadiusKnown)
    {
        m_Radius = Vector2Length(Vector2Subtract(brick, center));
        m_RadiusKnown = true;
    }
}

void CBrickPlugInOrbit::Update(PlugInStepRecord& record)
{
    if (m_Stop > 0.0f && m_Stop < m_ElapsedRotations)
    {
        record.done = true;
        return;
    }
    CBrickBase* owner = GetOwner();
    if (!MayMoveByScript(owner) || m_pCenter == nullptr)
        return;
    const float turn = ProgressPerUpdate(m_SecondsPerRotation);
    m_ElapsedRotations += std::fabs(turn);
    m_Angle = WrapAngle(m_Angle + turn * kTwoPi);
    const Vector2 center = m_pCenter->GetPosition(owner);
    float sine = 0.0f;
    float cosine = 0.0f;
    FastSinCos(m_Angle, sine, cosine);
    MoveBrickByScript(owner, Vector2{center.x + m_Radius * cosine, center.y + m_Radius * sine});
}

void CBrickPlugInOrbit::DrawEditorOverlay(EditorDrawContext& context)
{
    CBrickBase* owner = GetOwner();
    if (m_pCenter == nullptr || owner == nullptr || context.frame == nullptr || context.sprite == nullptr)
        return;
    const OverlayColours colours = GetOverlayColours(context);
    const Vector2 center = m_pCenter->GetPosition(owner);
    const Vector2 toBrick = Vector2Subtract(context.sprite->m_Position, center);
    DrawOverlayDot(*context.frame, center, colours.c);
    DrawEllipse(*context.frame, center, FastSqrt(Vector2Dot(toBrick, toBrick)), colours.c);
}
