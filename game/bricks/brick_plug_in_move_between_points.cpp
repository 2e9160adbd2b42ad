#include "game/bricks/brick_plug_in_move_between_points.h"

#include <cmath>

#include "engine/core/lists/named_value_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_movement_support.h"
#include "game/bricks/script_position.h"
#include "game/bricks/script_position_property.h"

VP_IMPLEMENT_CLASS(CBrickPlugInMoveBetweenPoints, CBrickPlugIn, 1.0f)

namespace {

CNamedValueList& GetStartTypeNames()
{
    static CNamedValueList names;
    if (names.GetCount() == 0)
    {
        names.Add("Start From Relative Position Along Line", CBrickPlugInMoveBetweenPoints::START_FROM_RELATIVE_POSITION);
        names.Add("Stay In Sync With Other Bricks On Same Line", CBrickPlugInMoveBetweenPoints::STAY_IN_SYNC);
        names.Add("Start From Point 1", CBrickPlugInMoveBetweenPoints::START_FROM_POINT_1);
    }
    return names;
}

} // namespace

void CBrickPlugInMoveBetweenPoints::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Move");
    classInfo->AddProperty(new ScriptPositionProperty("Point 1", VP_MEMBER(m_pPoint1), Vector2{0.0f, 0.0f}));
    classInfo->AddProperty(new ScriptPositionProperty("Point 2", VP_MEMBER(m_pPoint2), Vector2{100.0f, 0.0f}));
    classInfo->AddProperty(new FloatProperty("Time To Complete One Leg", "Seconds", VP_MEMBER(m_TimeToCompleteOneLeg),
                                             EDITOR_EDITABLE, 2.0f, nullptr, 0.0f, 0.0f, 0.1f));
    classInfo->GetLastProperty()->SetLegacyName("Time To Compleat One Leg");
    classInfo->AddProperty(NewStopProperty("After Leg", VP_MEMBER(m_Stop), true));
    classInfo->AddProperty(NewEaseProperty(VP_MEMBER(m_EaseInOut), true));
    auto* startType = new LibraryItemProperty("Start Type", VP_MEMBER(m_StartType), &GetStartTypeNames(),
                                              EDITOR_EDITABLE, "Start From Relative Position Along Line", nullptr,
                                              false);
    startType->SetOmitWhenDefault(true);
    classInfo->AddProperty(startType);
}

CBrickPlugInMoveBetweenPoints::CBrickPlugInMoveBetweenPoints()
    : m_pPoint1(nullptr)
    , m_pPoint2(nullptr)
    , m_TimeToCompleteOneLeg(2.0f)
    , m_Stop(STOP_NEVER)
    , m_EaseInOut(20.0f)
    , m_StartType(START_FROM_RELATIVE_POSITION)
    , m_ElapsedLegs(0.0f)
    , m_Fraction(0.0f)
    , m_Direction(1.0f)
    , m_Offset{-99999.0f, -99999.0f}
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInMoveBetweenPoints::~CBrickPlugInMoveBetweenPoints()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInMoveBetweenPoints::Start(CSprite*)
{
    m_Fraction = 0.0f;
    m_Direction = 1.0f;
    m_ElapsedLegs = 0.0f;
    CBrickBase* owner = GetOwner();
    if (m_pPoint1 == nullptr || m_pPoint2 == nullptr || owner == nullptr || owner->GetSprite() == nullptr)
        return;
    const Vector2 p1 = m_pPoint1->GetPosition(owner);
    const Vector2 p2 = m_pPoint2->GetPosition(owner);
    const Vector2 brick = GetBrickPosition(owner);
    if (m_StartType == START_FROM_RELATIVE_POSITION)
        m_Fraction = ProjectOntoSegment(p1, p2, brick);
    m_Offset = m_StartType == START_FROM_POINT_1 ? Vector2{0.0f, 0.0f}
                                                 : Vector2Subtract(brick, LerpPointRound(p1, p2, m_Fraction));
}

void CBrickPlugInMoveBetweenPoints::TurnAtEnds(PlugInStepRecord& record)
{
    const bool atEnd = m_Stop == STOP_AT_END;
    if (m_Fraction <= 0.0f)
    {
        if (atEnd)
        {
            record.done = true;
            m_ElapsedLegs = -1.0f;
            m_Fraction = 0.0f;
        }
        else
        {
            m_Fraction = std::fmod(-m_Fraction, 1.0f);
        }
        m_Direction = -m_Direction;
    }
    else if (m_Fraction >= 1.0f)
    {
        if (atEnd)
        {
            record.done = true;
            m_ElapsedLegs = -1.0f;
            m_Fraction = 1.0f;
        }
        else
        {
            m_Fraction = 1.0f - std::fmod(m_Fraction, 1.0f);
        }
        m_Direction = -m_Direction;
    }
}

void CBrickPlugInMoveBetweenPoints::Update(PlugInStepRecord& record)
{
    if (m_ElapsedLegs == -1.0f || (m_Stop > 0.0f && m_ElapsedLegs >= m_Stop))
    {
        record.done = true;
        return;
    }
    CBrickBase* owner = GetOwner();
    if (!MayMoveByScript(owner) || m_pPoint1 == nullptr || m_pPoint2 == nullptr)
        return;
    KeepMoveTimePositive(m_TimeToCompleteOneLeg);
    float advance = ProgressPerUpdate(m_TimeToCompleteOneLeg);
    m_ElapsedLegs += advance;
    if (m_Stop > 0.0f && m_ElapsedLegs >= m_Stop)
    {
        // The last step is cut short so that the legs run equal "Stop".
        record.done = true;
        advance -= m_ElapsedLegs - m_Stop;
        m_ElapsedLegs = m_Stop;
    }
    m_Fraction += advance * m_Direction;
    TurnAtEnds(record);
    const Vector2 p1 = m_pPoint1->GetPosition(owner);
    const Vector2 p2 = m_pPoint2->GetPosition(owner);
    MoveBrickByScript(owner, Vector2Add(LerpPointRound(p1, p2, EaseProgress(m_Fraction, m_EaseInOut)), m_Offset));
}

void CBrickPlugInMoveBetweenPoints::DrawEditorOverlay(EditorDrawContext& context)
{
    CBrickBase* owner = GetOwner();
    if (m_pPoint1 == nullptr || m_pPoint2 == nullptr || owner == nullptr || context.frame == nullptr)
        return;
    const OverlayColours colours = GetOverlayColours(context);
    const Vector2 p1 = m_pPoint1->GetPosition(owner);
    const Vector2 p2 = m_pPoint2->GetPosition(owner);
    DrawOverlayDot(*context.frame, p1, colours.a);
    DrawOverlayDot(*context.frame, p2, colours.b);
    DrawOverlayLine(*context.frame, p1, p2, colours.c);
}
