#include "game/playfield/power_up_laser_sight.h"

#include "engine/core/maths/maths_tables.h"
#include "engine/graphics/frame_clipping.h"
#include "engine/graphics/frame_interface.h"
#include "engine/object/properties/color_property.h"
#include "engine/object/properties/float_property.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite.h"

VP_IMPLEMENT_CLASS(CPowerUpLaserSight, CBallPlugIn, 0.0f)

namespace {

// Longer than any straight run across the field.
constexpr float kSegmentLength = 600.0f;
// Segments after the first: the sight shows at most six.
constexpr int32_t kReflections = 5;

} // namespace

void CPowerUpLaserSight::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new FloatProperty("OnRange", "Pixels", VP_MEMBER(m_OnRange), EDITOR_EDITABLE, 500.0f,
                                             nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(
        new ColorProperty("Laser Color", VP_MEMBER(m_LaserColor), EDITOR_EDITABLE, 255, 100, 100, 255));
}

CPowerUpLaserSight::CPowerUpLaserSight()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPowerUpLaserSight::~CPowerUpLaserSight()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpLaserSight::OnAttached()
{
}

void CPowerUpLaserSight::DrawOverlay(CFrameInterface* frame)
{
    CBallAI* ball = GetBall();
    const CSprite* sprite = ball->GetSprite();
    const Vector2 velocity = sprite->m_Velocity;
    CSprite* ship = GetPlayfield()->GetShipSprite();
    if (velocity.y < 0.0f || ship == nullptr)
        return;
    if (!(ship->m_Position.y - sprite->m_Position.y < m_OnRange))
        return;
    const float speed = Vector2Length(velocity);
    if (speed != 0.0f)
    {
        TraceDown(sprite->m_Position, Vector2Scale(velocity, 1.0f / speed), kReflections, frame);
        return;
    }
    float sine = 0.0f;
    float cosine = 0.0f;
    FastSinCos(ball->ShipAngle(ship), sine, cosine);
    TraceUp(sprite->m_Position, Vector2{sine, -cosine}, kReflections, frame);
}

void CPowerUpLaserSight::TraceDown(const Vector2& from, const Vector2& direction, int32_t reflectionsLeft,
                                   CFrameInterface* frame)
{
    Trace(from, direction, reflectionsLeft, false, frame);
}

void CPowerUpLaserSight::TraceUp(const Vector2& from, const Vector2& direction, int32_t reflectionsLeft,
                                 CFrameInterface* frame)
{
    Trace(from, direction, reflectionsLeft, true, frame);
}

void CPowerUpLaserSight::Trace(const Vector2& from, const Vector2& direction, int32_t reflectionsLeft, bool upward,
                               CFrameInterface* frame)
{
    CRectF walls{};
    GetBall()->GetWallRect(walls.left, walls.top, walls.right, walls.bottom);
    float x0 = from.x;
    float y0 = from.y;
    float x1 = from.x + kSegmentLength * direction.x;
    float y1 = from.y + kSegmentLength * direction.y;
    if (!ClipLineF(walls, x0, y0, x1, y1))
        return;
    frame->DrawLineAA(x0, y0, x1, y1, m_LaserColor);
    // Ending short of the far edge means the line met a side wall first.
    const bool metSideWall = upward ? y1 > walls.top + 1.0f : y1 < walls.bottom - 1.0f;
    if (metSideWall && reflectionsLeft > 0)
        Trace(Vector2{x1, y1}, Vector2{-direction.x, direction.y}, reflectionsLeft - 1, upward, frame);
}
