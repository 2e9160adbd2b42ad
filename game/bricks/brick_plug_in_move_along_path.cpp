#include "game/bricks/brick_plug_in_move_along_path.h"

#include "engine/core/lists/named_value_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/nested_object_property.h"
#include "game/bricks/brick_movement_support.h"
#include "game/bricks/brick_path_polygon.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"

VP_IMPLEMENT_CLASS(CBrickPlugInMoveAlongPath, CBrickPlugIn, 1.0f)

namespace {

CNamedValueList& GetLoopTypeNames()
{
    static CNamedValueList names;
    if (names.GetCount() == 0)
    {
        names.Add("Loop Forward", CBrickPlugInMoveAlongPath::LOOP_FORWARD);
        names.Add("Loop Backwards", CBrickPlugInMoveAlongPath::LOOP_BACKWARDS);
        names.Add("Back And Forth", CBrickPlugInMoveAlongPath::BACK_AND_FORTH);
        names.Add("Forth And Back", CBrickPlugInMoveAlongPath::FORTH_AND_BACK);
    }
    return names;
}

} // namespace

void CBrickPlugInMoveAlongPath::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->SetCategory("Move");
    classInfo->AddProperty(new NestedObjectProperty("Path", VP_MEMBER(m_Path), EDITOR_EDITABLE));
    classInfo->AddProperty(new FloatProperty("Time To Complete One Loop", "Seconds",
                                             VP_MEMBER(m_TimeToCompleteOneLoop), EDITOR_EDITABLE, 5.0f, nullptr, 0.0f,
                                             999999.0f, 0.1f));
    classInfo->GetLastProperty()->SetLegacyName("Time To Compleat One Loop");
    classInfo->AddProperty(NewStopProperty("After Loop", VP_MEMBER(m_Stop), true));
    auto* loopType = new LibraryItemProperty("Loop Type", VP_MEMBER(m_LoopType), &GetLoopTypeNames(), EDITOR_EDITABLE,
                                             "Loop Forward", nullptr, false);
    loopType->SetOmitWhenDefault(true);
    classInfo->AddProperty(loopType);
    classInfo->AddProperty(NewEaseProperty(VP_MEMBER(m_EaseInOut), true));
    CString help("Ignored when looping. Only used for Back and Forth settings.\n\n");
    help += classInfo->GetLastProperty()->GetHelpText();
    classInfo->GetLastProperty()->SetHelpText(help.GetText());
}

CBrickPlugInMoveAlongPath::CBrickPlugInMoveAlongPath()
    : m_TimeToCompleteOneLoop(5.0f)
    , m_Stop(STOP_NEVER)
    , m_LoopType(LOOP_FORWARD)
    , m_EaseInOut(20.0f)
    , m_Fraction(0.0f)
    , m_Direction(1.0f)
    , m_ElapsedLoops(0.0f)
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInMoveAlongPath::~CBrickPlugInMoveAlongPath()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInMoveAlongPath::ReadCustomProperties(const char* name, const char* value, CObjectStream& stream)
{
    if (!m_Path.ReadLegacyName("Path Name", name, value))
        CBrickPlugIn::ReadCustomProperties(name, value, stream);
}

CBrickPathPolygon* CBrickPlugInMoveAlongPath::FindPath() const
{
    CPlayfield* playfield = GetPlayfield();
    CBrickBase* brick = playfield != nullptr ? playfield->FindBrickByReference(m_Path) : nullptr;
    if (brick == nullptr || !brick->IsKindOf(CBrickPathPolygon::SGetClassInfo()) || brick->GetSprite() == nullptr)
        return nullptr;
    return static_cast<CBrickPathPolygon*>(brick);
}

void CBrickPlugInMoveAlongPath::Start(CSprite*)
{
    if (m_TimeToCompleteOneLoop == 0.0f)
        m_TimeToCompleteOneLoop = 0.1f;
    m_ElapsedLoops = 0.0f;
    const bool backward = m_LoopType == LOOP_BACKWARDS || m_LoopType == FORTH_AND_BACK;
    m_Fraction = backward ? 1.0f : 0.0f;
    m_Direction = backward ? -1.0f : 1.0f;
    const CBrickPathPolygon* path = FindPath();
    if (path != nullptr && GetOwner() != nullptr && GetOwner()->GetSprite() != nullptr)
        StartNearestToBrick(*path);
}

void CBrickPlugInMoveAlongPath::StartNearestToBrick(const CBrickPathPolygon& path)
{
    const Polygon2D& polygon = path.m_Polygon;
    const int32_t edges = static_cast<int32_t>(polygon.GetCount()) - (IsBackAndForth() ? 2 : 1);
    if (edges <= 0)
        return;
    const Vector2 relative = Vector2Subtract(GetBrickPosition(GetOwner()), path.GetSprite()->m_Position);
    float distance = 0.0f;
    float along = 0.0f;
    const int32_t edge = polygon.FindNearestEdgeHit(relative, 99999.0f, &distance, edges, &along);
    const float total = polygon.GetLength(edges);
    if (edge < 0 || !(total > 0.0f))
        return;
    // The length of no edge is 0: the polygon's own measure would count all.
    const float before = edge > 0 ? polygon.GetLength(edge) : 0.0f;
    m_Fraction = (along + before) / total;
}

void CBrickPlugInMoveAlongPath::TurnAtEnds(PlugInStepRecord& record)
{
    const bool outside = m_Fraction <= 0.0f || m_Fraction >= 1.0f;
    if (!outside)
        return;
    if (m_Stop == STOP_AT_END)
    {
        record.done = true;
        m_ElapsedLoops = -1.0f;
    }
    const bool low = m_Fraction <= 0.0f;
    if (IsBackAndForth())
    {
        m_Fraction = low ? 0.0f : 1.0f;
        m_Direction = -m_Direction;
    }
    else
    {
        m_Fraction += low ? 1.0f : -1.0f;
    }
}

void CBrickPlugInMoveAlongPath::Update(PlugInStepRecord& record)
{
    const CBrickPathPolygon* path = FindPath();
    if (path == nullptr)
        return;
    if (m_ElapsedLoops == -1.0f || (m_Stop > 0.0f && m_ElapsedLoops >= m_Stop))
    {
        record.done = true;
        return;
    }
    CBrickBase* owner = GetOwner();
    if (!MayMoveByScript(owner))
        return;
    const float advance = ProgressPerUpdate(m_TimeToCompleteOneLoop);
    m_ElapsedLoops += advance;
    if (m_Stop > 0.0f && m_ElapsedLoops >= m_Stop)
        record.done = true;
    m_Fraction += advance * m_Direction;
    TurnAtEnds(record);
    const bool open = IsBackAndForth();
    const float along = open && m_EaseInOut > 0.0f ? EaseProgress(m_Fraction, m_EaseInOut) : m_Fraction;
    MoveBrickByScript(owner, path->GetPointAt(along, open, -1.0f));
}

void CBrickPlugInMoveAlongPath::DrawEditorOverlay(EditorDrawContext& context)
{
    const CBrickPathPolygon* path = FindPath();
    if (!context.selected || path == nullptr || context.frame == nullptr)
        return;
    path->DrawPath(*context.frame, IsBackAndForth(), GetOverlayColours(context).c);
}
