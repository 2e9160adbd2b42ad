#include "game/playfield/rotate_vector.h"

#include <cmath>

#include "engine/core/maths/maths_tables.h"


Vector2 RotateVector(const Vector2& v, float angle)
{
    float sine = 0.0f;
    float cosine = 0.0f;
    FastSinCos(angle, sine, cosine);
    return Vector2{v.x * cosine - v.y * sine, v.x * sine + v.y * cosine};
}

Vector2 WithLength(const Vector2& v, float length)
{
    const float current = std::sqrt(v.x * v.x + v.y * v.y);
    if (current == 0.0f)
        return Vector2{0.0f, 0.0f};
    return Vector2{v.x / current * length, v.y / current * length};
}

float WrapAngle(float angle)
{
    if (!std::isfinite(angle))
        return 0.0f;
    angle = std::fmod(angle, kTwoPi);
    if (angle < 0.0f)
        angle += kTwoPi;
    return angle >= kTwoPi ? 0.0f : angle;
}
