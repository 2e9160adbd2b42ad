#include "game/bricks/brick_editor_drawing.h"

#include <cmath>
#include <iterator>
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

// Full size holds this many frames of every preview cycle.
constexpr int32_t kHoldFrames = 60;
// Where the octagon's diagonal corners lie, as a share of the radii.
constexpr float kDiagonal = 0.707f;

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

float GrowThenHoldScale(int32_t counter, int32_t growFrames)
{
    const int32_t cycle = growFrames + kHoldFrames;
    const int32_t inCycle = ((counter % cycle) + cycle) % cycle;
    return inCycle < growFrames ? static_cast<float>(inCycle) / static_cast<float>(growFrames) : 1.0f;
}

void DrawAreaOctagon(CFrameInterface& frame, const Vector2& centre, float radiusX, float radiusY,
                     const CColor& colour)
{
    const float dx = kDiagonal * radiusX;
    const float dy = kDiagonal * radiusY;
    const Vector2 corners[] = {{radiusX, 0.0f}, {dx, dy},   {0.0f, radiusY},  {-dx, dy},
                               {-radiusX, 0.0f}, {-dx, -dy}, {0.0f, -radiusY}, {dx, -dy}};
    constexpr size_t kCorners = std::size(corners);
    for (size_t i = 0; i < kCorners; i++)
        frame.DrawLineAA(Vector2Add(centre, corners[i]), Vector2Add(centre, corners[(i + 1) % kCorners]), colour);
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
