#include "game/bricks/brick_plug_in_blend_positions.h"

#include <cmath>

#include "engine/core/maths/maths_tables.h"
#include "engine/object/properties/bool_property.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_movement_support.h"
#include "game/bricks/script_position.h"
#include "game/bricks/script_position_property.h"
#include "game/playfield/sprite.h"

VP_IMPLEMENT_CLASS(CBrickPlugInBlendPositions, CBrickPlugIn, 1.0f)

void CBrickPlugInBlendPositions::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Move");
    classInfo->AddProperty(new ScriptPositionProperty("Point 1", VP_MEMBER(m_pPoint1)));
    classInfo->AddProperty(new ScriptPositionProperty("Point 2", VP_MEMBER(m_pPoint2)));
    auto* rotate = new BoolProperty("Rotate", VP_MEMBER(m_Rotate), EDITOR_EDITABLE, false, nullptr);
    rotate->SetOmitWhenDefault(true);
    classInfo->AddProperty(rotate);
}

CBrickPlugInBlendPositions::CBrickPlugInBlendPositions()
    : m_pPoint1(nullptr)
    , m_pPoint2(nullptr)
    , m_Rotate(false)
    , m_Offset{-99999.0f, -99999.0f}
    , m_Fraction(0.0f)
    , m_StartAngle(0.0f)
    , m_PointsEqual(false)
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInBlendPositions::~CBrickPlugInBlendPositions()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInBlendPositions::Start(CSprite*)
{
    CBrickBase* owner = GetOwner();
    if (m_pPoint1 == nullptr || m_pPoint2 == nullptr || owner == nullptr || owner->GetSprite() == nullptr)
        return;
    const Vector2 p1 = m_pPoint1->GetPosition(owner);
    const Vector2 p2 = m_pPoint2->GetPosition(owner);
    m_PointsEqual = m_pPoint1->GetClassInfo() == m_pPoint2->GetClassInfo() && m_pPoint1->AllPropertiesEqual(*m_pPoint2);
    const Vector2 brick = GetBrickPosition(owner);
    m_Fraction = 0.0f;
    m_StartAngle = 0.0f;
    if (p1.x != p2.x || p1.y != p2.y)
        m_Fraction = ProjectOntoSegment(p1, p2, brick, &m_StartAngle);
    m_Offset = Vector2Subtract(brick, LerpPointRound(p1, p2, m_Fraction));
}

void CBrickPlugInBlendPositions::Update(PlugInStepRecord&)
{
    CBrickBase* owner = GetOwner();
    if (!MayMoveByScript(owner) || m_pPoint1 == nullptr || m_pPoint2 == nullptr)
        return;
    const Vector2 p1 = m_pPoint1->GetPosition(owner);
    if (m_PointsEqual)
    {
        MoveBrickByScript(owner, Vector2Add(p1, m_Offset));
        return;
    }
    const Vector2 p2 = m_pPoint2->GetPosition(owner);
    Vector2 offset = m_Offset;
    if (m_Rotate)
    {
        const float turn = WrapAngle(std::atan2(p2.y - p1.y, p2.x - p1.x)) - m_StartAngle;
        float sine = 0.0f;
        float cosine = 0.0f;
        FastSinCos(turn, sine, cosine);
        offset = Vector2{m_Offset.x * cosine - m_Offset.y * sine, m_Offset.x * sine + m_Offset.y * cosine};
    }
    MoveBrickByScript(owner, Vector2Add(LerpPointRound(p1, p2, m_Fraction), offset));
}

void CBrickPlugInBlendPositions::DrawEditorOverlay(EditorDrawContext& context)
{
    CBrickBase* owner = GetOwner();
    if (!context.selected || m_pPoint1 == nullptr || m_pPoint2 == nullptr || owner == nullptr ||
        context.frame == nullptr || context.sprite == nullptr)
        return;
    const OverlayColours colours = GetOverlayColours(context);
    const Vector2 p1 = m_pPoint1->GetPosition(owner);
    const Vector2 p2 = m_pPoint2->GetPosition(owner);
    const Vector2 brick = context.sprite->m_Position;
    const Vector2 nearest = LerpPointRound(p1, p2, ProjectOntoSegment(p1, p2, brick));
    DrawOverlayDot(*context.frame, p1, colours.a);
    DrawOverlayDot(*context.frame, p2, colours.b);
    DrawOverlayLine(*context.frame, p1, p2, colours.c);
    DrawOverlayDot(*context.frame, nearest, colours.c);
    DrawOverlayLine(*context.frame, nearest, brick, colours.c);
}
