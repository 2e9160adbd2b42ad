#include "game/playfield/bounce_rule.h"

void BounceOffNormal(Vector2& v, const Vector2& n, float bounceFactor, float minimumBounceSpeed, float friction,
                     float stopSpeed)
{
    const float d = Vector2Dot(v, n);
    if (d >= 0.0f)
        return;
    const Vector2 into = Vector2Scale(n, d);
    const Vector2 along = Vector2Scale(Vector2Subtract(v, into), 1.0f - friction);
    v = along;
    if (stopSpeed * stopSpeed > Vector2Dot(along, along))
        v = Vector2{0.0f, 0.0f};
    const Vector2 bounced = Vector2Scale(into, bounceFactor);
    if (Vector2Dot(bounced, bounced) > minimumBounceSpeed * minimumBounceSpeed)
        v = Vector2Subtract(v, bounced);
}
