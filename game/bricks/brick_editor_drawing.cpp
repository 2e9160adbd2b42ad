#include "game/bricks/brick_editor_drawing.h"

#include <cmath>
#include <numbers>

#include "engine/core/color/color.h"
#include "engine/core/geometry/polygon2d.h"
#include "engine/graphics/frame_interface.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/sprite.h"

namespace {

Vector2 Turned(const Vector2& point, float sine, float cosine)
{
    return {point.x * cosine - point.y * sine, point.x * sine + point.y * cosine};
}

} // namespace

void DrawArrow(CFrameInterface& frame, const Vector2& start, const Vector2& vector, const CColor& colour)
{
    const Vector2 tip = Vector2Add(start, vector);
    frame.DrawLineAA(start, tip, colour);
    float angle = std::atan2(vector.y, vector.x);
    if (angle < 0.0f)
        angle += 2.0f * std::numbers::pi_v<float>;
    const float sine = std::sin(angle);
    const float cosine = std::cos(angle);
    for (const Vector2& head : {Vector2{-5.0f, 5.0f}, Vector2{-5.0f, -5.0f}})
        frame.DrawLineAA(tip, Vector2Add(tip, Turned(head, sine, cosine)), colour);
}

void CBrickBase::DrawPlugInOverlays(EditorDrawContext& context)
{
    m_PlugIns.SetOwner(this);
    m_PlugIns.DrawEditorOverlay(context);
}

void CBrickBase::DrawEditorOverlay(EditorDrawContext& context)
{
    static const CColor kSelectedGrid(0, 255, 0, 255);
    static const CColor kGrid(0, 128, 0, 255);
    static const CColor kCollision(155, 0, 0, 255);
    DrawPlugInOverlays(context);
    if (context.frame == nullptr || context.sprite == nullptr)
        return;
    const Vector2& at = context.sprite->m_Position;
    if (const Polygon2D* grid = GetGridPolygon())
        grid->Draw(*context.frame, at.x, at.y, context.selected ? kSelectedGrid : kGrid);
    if (!context.selected)
        return;
    if (const Polygon2D* collision = GetCollisionPolygon(context.sprite))
        collision->Draw(*context.frame, at.x, at.y, kCollision);
}
