#pragma once

#include <cmath>

// A point or a vector of the plane, in screen orientation: y grows downwards.
struct Vector2 {
    float x;
    float y;
};

inline void Vector2Assign(Vector2& to, const Vector2& from)
{
    to.x = from.x;
    to.y = from.y;
}

inline Vector2 Vector2Add(const Vector2& a, const Vector2& b)
{
    return Vector2{a.x + b.x, a.y + b.y};
}

inline Vector2 Vector2Subtract(const Vector2& a, const Vector2& b)
{
    return Vector2{a.x - b.x, a.y - b.y};
}

inline Vector2 Vector2Scale(const Vector2& v, float s)
{
    return Vector2{v.x * s, v.y * s};
}

inline float Vector2Dot(const Vector2& a, const Vector2& b)
{
    return a.x * b.x + a.y * b.y;
}

inline float Vector2Length(const Vector2& v)
{
    return std::sqrt(v.x * v.x + v.y * v.y);
}

inline void Vector2Negate(Vector2& v)
{
    v.x = -v.x;
    v.y = -v.y;
}

// A point leaves start and travels length along the unit direction; the
// circle has the given centre and radius. On a hit, travelled is how far the
// point got (its closest approach, or 0 when it starts inside, or the whole
// length when only the end lies inside), distance is how far the centre then
// lies from it, and normal is the unit vector from the point towards the
// centre. Each output is optional.
bool SweepPointAgainstCircle(const Vector2& start, float length, const Vector2& direction,
                             const Vector2& centre, float radius,
                             Vector2* outNormal, float* outDistance, float* outTravelled);
