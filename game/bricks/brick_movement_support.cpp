#include "game/bricks/brick_movement_support.h"

#include <cmath>

#include "engine/blit/antialiased_lines.h"
#include "engine/core/maths/maths_helpers.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/graphics/frame_interface.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/properties/float_property.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_plug_in.h"
#include "game/bricks/script_position.h"
#include "game/playfield/game_sprite.h"

float ProjectOntoSegment(const Vector2& p1, const Vector2& p2, const Vector2& s, float* outAngle)
{
    const float dx = p2.x - p1.x;
    const float dy = p2.y - p1.y;
    const float angle = WrapAngle(std::atan2(dy, dx));
    if (outAngle != nullptr)
        *outAngle = angle;
    float sine = 0.0f;
    float cosine = 0.0f;
    FastSinCos(angle, sine, cosine);
    const float along = (s.y - p1.y) * sine + (s.x - p1.x) * cosine;
    if (along < 0.0f)
        return 0.0f;
    const float length = dy * sine + dx * cosine;
    if (along > length)
        return 1.0f;
    if (std::fabs(length) <= 1.0f)
        return 0.0f;
    return along / length;
}

float ProgressPerUpdate(float seconds)
{
    return (1.0f / seconds) * CBrickBase::kPlugInStep;
}

float EaseProgress(float fraction, float easePercent)
{
    return EaseCurveSymmetric(fraction, easePercent * 0.005f);
}

Vector2 LerpPointRound(const Vector2& a, const Vector2& b, float fraction)
{
    return Vector2{LerpRound(a.x, b.x, fraction), LerpRound(a.y, b.y, fraction)};
}

void KeepMoveTimePositive(float& seconds)
{
    if (!(seconds > 0.0f))
        seconds = 0.0001f;
}

Property* NewStopProperty(const char* unitText, CPropertyMember<float> member, bool withAtEnd)
{
    auto* stop = new FloatProperty("Stop", unitText, member, EDITOR_EDITABLE, STOP_NEVER, nullptr, 0.0f, 999999.0f,
                                   0.25f);
    if (withAtEnd)
        stop->AddNamedValue(STOP_AT_END, "At End");
    stop->AddNamedValue(STOP_NEVER, "Never");
    stop->SetOmitWhenDefault(true);
    return stop;
}

Property* NewEaseProperty(CPropertyMember<float> member, bool omitWhenDefault)
{
    auto* ease = new FloatProperty("Ease InOut", "%", member, EDITOR_EDITABLE, 20.0f, nullptr, 0.0f, 100.0f, 1.0f);
    ease->SetHelpText(
        "The Ease In/Out % defines what percent of the time the brick is accelerating and decelerating.  With the "
        "default value of 20%, the brick quickly accelerates for 10% of the time at the start of the path, moves at "
        "a constant speed 80% of the time, and decelerates the remaining 10% of the time at the end of the path.  A "
        "setting of 0% causes a jerky motion and the end points and a setting of 100% causes the brick to be always "
        "either accelerating or decelerating.");
    ease->SetOmitWhenDefault(omitWhenDefault);
    return ease;
}

void ReplacePosition(CScriptPosition*& slot, CScriptPosition* position)
{
    if (slot != nullptr)
    {
        GetEditorHooks().ForgetObjectInPropertyHistory(slot);
        delete slot;
    }
    slot = position;
}

namespace {

uint8_t Scaled(float channel, float k)
{
    return static_cast<uint8_t>(std::lround(channel * k));
}

} // namespace

OverlayColours GetOverlayColours(const EditorDrawContext& context)
{
    const float k = static_cast<float>(context.intensity) / 255.0f;
    return OverlayColours{CColor(Scaled(255, k), Scaled(100, k), Scaled(100, k), 255),
                          CColor(Scaled(100, k), Scaled(100, k), Scaled(255, k), 255),
                          CColor(Scaled(100, k), Scaled(255, k), Scaled(100, k), 255)};
}

void DrawOverlayDot(CFrameInterface& frame, const Vector2& point, const CColor& colour)
{
    DrawEllipse(frame, point, 2.0f, colour);
}

void DrawOverlayLine(CFrameInterface& frame, const Vector2& from, const Vector2& to, const CColor& colour)
{
    frame.DrawLineAA(from.x, from.y, to.x, to.y, colour);
}

Vector2 GetBrickPosition(const CBrickBase* brick)
{
    return brick->GetSprite()->m_Position;
}

void MoveBrickByScript(CBrickBase* brick, const Vector2& target)
{
    brick->MoveTo(target, false, false);
}

bool MayMoveByScript(const CBrickBase* brick)
{
    return brick != nullptr && brick->GetSprite() != nullptr && brick->CanBeMovedByPlugIns();
}
