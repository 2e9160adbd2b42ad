#include "game/bricks/brick_plug_in_move_to_point.h"

#include "engine/object/properties/float_property.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_movement_support.h"
#include "game/bricks/script_position.h"
#include "game/bricks/script_position_property.h"
#include "game/playfield/sprite.h"

VP_IMPLEMENT_CLASS(CBrickPlugInMoveToPoint, CBrickPlugIn, 1.0f)

void CBrickPlugInMoveToPoint::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Move");
    classInfo->AddProperty(new ScriptPositionProperty("End Point", VP_MEMBER(m_pEndPoint), Vector2{100.0f, 0.0f}));
    classInfo->AddProperty(new FloatProperty("Time To Complete", "Seconds", VP_MEMBER(m_TimeToComplete),
                                             EDITOR_EDITABLE, 2.0f, nullptr, 0.0f, 0.0f, 0.1f));
    classInfo->AddProperty(NewEaseProperty(VP_MEMBER(m_EaseInOut), false));
}

CBrickPlugInMoveToPoint::CBrickPlugInMoveToPoint()
    : m_pEndPoint(nullptr)
    , m_TimeToComplete(2.0f)
    , m_EaseInOut(20.0f)
    , m_Progress(0.0f)
    , m_StartPosition{0.0f, 0.0f}
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInMoveToPoint::~CBrickPlugInMoveToPoint()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInMoveToPoint::Start(CSprite*)
{
    m_Progress = 0.0f;
    CBrickBase* owner = GetOwner();
    if (owner != nullptr && owner->GetSprite() != nullptr)
        m_StartPosition = GetBrickPosition(owner);
}

void CBrickPlugInMoveToPoint::Update(PlugInStepRecord& record)
{
    if (m_Progress >= 1.0f)
    {
        record.done = true;
        return;
    }
    CBrickBase* owner = GetOwner();
    if (!MayMoveByScript(owner) || m_pEndPoint == nullptr)
        return;
    KeepMoveTimePositive(m_TimeToComplete);
    m_Progress += ProgressPerUpdate(m_TimeToComplete);
    if (m_Progress >= 1.0f)
    {
        m_Progress = 1.0f;
        record.done = true;
    }
    const Vector2 end = m_pEndPoint->GetPosition(owner);
    MoveBrickByScript(owner, LerpPointRound(m_StartPosition, end, EaseProgress(m_Progress, m_EaseInOut)));
}

void CBrickPlugInMoveToPoint::DrawEditorOverlay(EditorDrawContext& context)
{
    CBrickBase* owner = GetOwner();
    if (m_pEndPoint == nullptr || owner == nullptr || context.frame == nullptr || context.sprite == nullptr)
        return;
    const OverlayColours colours = GetOverlayColours(context);
    const Vector2 brick = context.sprite->m_Position;
    const Vector2 end = m_pEndPoint->GetPosition(owner);
    DrawOverlayDot(*context.frame, brick, colours.a);
    DrawOverlayDot(*context.frame, end, colours.b);
    DrawOverlayLine(*context.frame, brick, end, colours.c);
}
