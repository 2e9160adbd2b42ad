#pragma once

#include "engine/core/color/color.h"
#include "engine/core/geometry/vector2d.h"
#include "game/playfield/rotate_vector.h"

class CFrameInterface;
class CScriptPosition;
class Property;
template <typename T>
struct CPropertyMember;
struct EditorDrawContext;

// What the movement plug-ins share: progress per update, easing, the
// "Stop", "Ease InOut" and position properties, and the overlay colours.

// "Stop" counts legs, loops or rotations; these two are named.
constexpr float STOP_AT_END = -1.0f;
constexpr float STOP_NEVER = -2.0f;

// The blend fraction of the point of the segment p1 to p2 nearest to s; the
// segment's angle in [0, 2 pi) goes out when asked. A segment of a pixel or
// less answers 0.
float ProjectOntoSegment(const Vector2& p1, const Vector2& p2, const Vector2& s, float* outAngle = nullptr);

// The fraction one update adds to a move taking the seconds.
float ProgressPerUpdate(float seconds);

// The fraction eased by "Ease InOut" (a percentage).
float EaseProgress(float fraction, float easePercent);

// The point at the fraction between a and b, in whole pixels.
Vector2 LerpPointRound(const Vector2& a, const Vector2& b, float fraction);

// A move or leg time of zero or less would never end (or run away from its
// end); it becomes a ten-thousandth of a second, stored.
void KeepMoveTimePositive(float& seconds);

// "Stop" in the unit given, default "Never", written only when it differs.
Property* NewStopProperty(const char* unitText, CPropertyMember<float> member, bool withAtEnd);
// "Ease InOut" in per cent, default 20.
Property* NewEaseProperty(CPropertyMember<float> member, bool omitWhenDefault);
// Replaces the position a defaults operation made by another.
void ReplacePosition(CScriptPosition*& slot, CScriptPosition* position);

// The overlay colours at the context's intensity: A marks a start, B an
// end, C the line between (all black on an unselected brick).
struct OverlayColours
{
    CColor a;
    CColor b;
    CColor c;
};
OverlayColours GetOverlayColours(const EditorDrawContext& context);
// A ring of radius 2 round the point.
void DrawOverlayDot(CFrameInterface& frame, const Vector2& point, const CColor& colour);
void DrawOverlayLine(CFrameInterface& frame, const Vector2& from, const Vector2& to, const CColor& colour);

class CBrickBase;

// The float position of the brick's sprite.
Vector2 GetBrickPosition(const CBrickBase* brick);
// Scripted moves go exactly where asked: no pushing, no play-area limits.
void MoveBrickByScript(CBrickBase* brick, const Vector2& target);
// The owner exists, has its sprite and lets plug-ins move it now.
bool MayMoveByScript(const CBrickBase* brick);
