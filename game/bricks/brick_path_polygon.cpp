#include "game/bricks/brick_path_polygon.h"

#include <cmath>

#include "engine/core/color/color.h"
#include "engine/core/localization/localized_string.h"
#include "engine/graphics/frame_interface.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/polygon_property.h"
#include "game/bricks/brick_marker_look.h"
#include "game/playfield/game_sprite.h"

VP_IMPLEMENT_CLASS(CBrickPathPolygon, CBrickBase, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetPathPolygon, CBrickStyleSheet, 0.0f)

namespace {

CLocalizedString s_TextPathPolygon("Path Polygon", "The kind of placed brick that carries a path for moving bricks");

} // namespace

void CBrickPathPolygon::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new CPolygonProperty("m_Polygon", VP_MEMBER(m_Polygon), EDITOR_EDITABLE, nullptr));
    auto* curved = new BoolProperty("Curved Path", VP_MEMBER(m_CurvedPath), EDITOR_EDITABLE, false, nullptr);
    curved->SetLegacyName("Experimental Curved Path");
    curved->SetOmitWhenDefault(true);
    classInfo->AddProperty(curved);
}

CBrickPathPolygon::CBrickPathPolygon()
    : m_CurvedPath(false)
{
    ConstructProperties(SGetClassInfo());
}

CBrickPathPolygon::~CBrickPathPolygon()
{
    DestroyProperties(SGetClassInfo());
}

Polygon2D* CBrickPathPolygon::GetCollisionPolygon(CSprite* sprite)
{
    if (sprite != nullptr)
        sprite->m_Flags &= ~SPRITE_COLLIDABLE;
    return &m_Polygon;
}

void CBrickPathPolygon::SetCollisionPolygon(const Polygon2D& polygon)
{
    m_Polygon.SetPoints(polygon);
}

Polygon2D* CBrickPathPolygon::GetGridPolygon()
{
    return &m_Polygon;
}

void CBrickPathPolygon::OnAcidHit(AcidHitQuery& query)
{
    query.refuse = true;
}

const CString& CBrickPathPolygon::GetTypeDisplayName() const
{
    return s_TextPathPolygon.GetText();
}

const char* CBrickPathPolygon::GetDefaultNamePrefix() const
{
    return "Path";
}

bool CBrickPathPolygon::AppearsWithoutBrickLayer() const
{
    return true;
}

bool CBrickPathPolygon::LetsBallPassThrough(CHitterOfBricks*) const
{
    return true;
}

bool CBrickPathPolygon::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickPathPolygon::GetStyleSheetClass() const
{
    return CBrickStyleSheetPathPolygon::SGetClassInfo();
}

void CBrickPathPolygon::ApplyStyleSheet()
{
    if (const CBrickStyleSheet* styleSheet = GetStyleSheet())
        ShowMarkerLook(*this, styleSheet->GetPrimarySequence());
    if (GetSprite() != nullptr)
        GetSprite()->m_Flags &= ~SPRITE_COLLIDABLE;
}

void CBrickPathPolygon::DrawEditorOverlay(EditorDrawContext& context)
{
    static const CColor kSelectedPath(200, 255, 255, 255);
    DrawPlugInOverlays(context);
    if (context.selected && context.frame != nullptr)
        DrawPath(*context.frame, false, kSelectedPath);
}

bool CBrickPathPolygon::BlocksBricks() const
{
    return false;
}

int32_t CBrickPathPolygon::OnDestroyed(const BrickDestroyInfo&)
{
    return 2;
}

Vector2 CBrickPathPolygon::GetOrigin() const
{
    return GetSprite() != nullptr ? GetSprite()->m_Position : Vector2{0.0f, 0.0f};
}

float CBrickPathPolygon::MeasureEdges(int32_t edgeCount) const
{
    return edgeCount > 0 ? m_Polygon.GetLength(edgeCount) : 0.0f;
}

Vector2 CBrickPathPolygon::CurvePoint(uint32_t edge, float u, bool open) const
{
    const uint32_t count = m_Polygon.GetCount();
    const uint32_t last = count - (open ? 1u : 0u) - 2u;
    const Vector2& a = m_Polygon.GetPoint(edge == 0 ? last : edge - 1);
    const Vector2& b = m_Polygon.GetPoint(edge);
    const Vector2& c = m_Polygon.GetPoint(edge < last ? edge + 1 : 0);
    const Vector2& d = m_Polygon.GetPoint(edge < last ? edge + 2 : 1);
    // The uniform cubic B-spline segment: it passes near the points, not
    // through them.
    auto spline = [u](float pa, float pb, float pc, float pd) {
        return (pa + 4.0f * pb + pc) / 6.0f +
               u * ((3.0f * pc - 3.0f * pa) / 6.0f +
                    u * ((3.0f * pa - 6.0f * pb + 3.0f * pc) / 6.0f + u * (-pa + 3.0f * pb - 3.0f * pc + pd) / 6.0f));
    };
    return Vector2{spline(a.x, b.x, c.x, d.x), spline(a.y, b.y, c.y, d.y)};
}

Vector2 CBrickPathPolygon::GetPointAt(float t, bool open, float length) const
{
    const Vector2 origin = GetOrigin();
    const int32_t count = static_cast<int32_t>(m_Polygon.GetCount());
    if (count == 0)
        return origin;
    if (length < 0.0f)
        length = MeasureEdges(count - (open ? 1 : 0) - 1);
    float remaining = t * length;
    for (int32_t i = 0; i + 1 < count; i++)
    {
        const float edgeLength = m_Polygon.GetEdgeLength(i);
        if (edgeLength >= remaining)
        {
            Vector2 point;
            if (m_CurvedPath && count > 3 && edgeLength > 0.0f)
                point = CurvePoint(static_cast<uint32_t>(i), remaining / edgeLength, open);
            else
                m_Polygon.PointAlongEdge(i, remaining, point);
            return Vector2Add(point, origin);
        }
        remaining -= edgeLength;
    }
    return Vector2Add(m_Polygon.GetPoint(static_cast<uint32_t>(count - 1)), origin);
}

void CBrickPathPolygon::DrawPath(CFrameInterface& frame, bool open, const CColor& colour) const
{
    const Vector2 origin = GetOrigin();
    if (!m_CurvedPath)
    {
        m_Polygon.Draw(frame, origin.x, origin.y, colour, false, open ? 1 : 0);
        return;
    }
    const int32_t count = static_cast<int32_t>(m_Polygon.GetCount());
    if (count < 2)
        return;
    const float length = MeasureEdges(count - 1 - (open ? 1 : 0));
    if (!(length > 0.0f))
        return;
    // Dotted about a pixel apart along the straight-line length.
    const float step = 1.0f / length;
    for (float t = 0.0f; t <= 1.0f; t += step)
    {
        const Vector2 point = GetPointAt(t, open, length);
        frame.SetPixel(static_cast<int32_t>(std::lround(point.x)), static_cast<int32_t>(std::lround(point.y)),
                       colour);
    }
}

void CBrickStyleSheetPathPolygon::RegisterProperties(CClassInfo* classInfo)
{
    ClearMarkerShapeDefaults(classInfo);
    classInfo->AddProperty(new LibraryItemProperty("Primary Sequence", VP_MEMBER(m_PrimarySequence),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
}

CBrickStyleSheetPathPolygon::CBrickStyleSheetPathPolygon()
    : m_PrimarySequence(0)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetPathPolygon::~CBrickStyleSheetPathPolygon()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetPathPolygon::GetBrickClass() const
{
    return CBrickPathPolygon::SGetClassInfo();
}

int32_t CBrickStyleSheetPathPolygon::GetPrimarySequence() const
{
    return m_PrimarySequence;
}
