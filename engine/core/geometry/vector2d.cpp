#include "engine/core/geometry/vector2d.h"

namespace {

// The unit vector of v, or the fallback when v has no length.
Vector2 UnitOr(const Vector2& v, float length, const Vector2& fallback)
{
    if (length == 0.0f)
        return fallback;
    return Vector2{v.x / length, v.y / length};
}

} // namespace

bool SweepPointAgainstCircle(const Vector2& start, float length, const Vector2& direction,
                             const Vector2& centre, float radius,
                             Vector2* outNormal, float* outDistance, float* outTravelled)
{
    Vector2 toCentre = Vector2Subtract(centre, start);
    float along = Vector2Dot(toCentre, direction);
    float startSquared = Vector2Dot(toCentre, toCentre);
    float offLineSquared = startSquared - along * along;
    float radiusSquared = radius * radius;

    if (!(along > -radius && along < length + radius && offLineSquared < radiusSquared))
        return false;

    Vector2 normal;
    float distance;
    float travelled;
    if (along >= 0.0f && along < length) {
        travelled = along;
        Vector2 closest = Vector2Add(start, Vector2Scale(direction, along));
        if (offLineSquared > 0.0001f) {
            Vector2 towards = Vector2Subtract(centre, closest);
            distance = Vector2Length(towards);
            normal = UnitOr(towards, distance, Vector2{1.0f, 0.0f});
        } else {
            // Straight through the centre: no side to prefer, so take the
            // right-hand perpendicular of the path.
            Vector2 side{direction.y, -direction.x};
            distance = 0.0f;
            normal = UnitOr(side, Vector2Length(side), Vector2{0.0f, 1.0f});
        }
    } else if (startSquared < radiusSquared) {
        travelled = 0.0f;
        distance = std::sqrt(startSquared);
        normal = UnitOr(toCentre, distance, Vector2{0.0f, 0.0f});
    } else {
        Vector2 end = Vector2Add(start, Vector2Scale(direction, length));
        Vector2 towards = Vector2Subtract(centre, end);
        float endSquared = Vector2Dot(towards, towards);
        if (!(endSquared < radiusSquared))
            return false;
        travelled = length;
        distance = std::sqrt(endSquared);
        normal = UnitOr(towards, distance, Vector2{1.0f, 0.0f});
    }

    if (outNormal)
        *outNormal = normal;
    if (outDistance)
        *outDistance = distance;
    if (outTravelled)
        *outTravelled = travelled;
    return true;
}
