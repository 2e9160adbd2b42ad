#include "game/bricks/brick_stepped_move.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kDoneBelow = 0.1f;

float DropTiny(float value)
{
    return std::fabs(value) < kDoneBelow ? 0.0f : value;
}

} // namespace

Vector2 LimitPerAxis(const Vector2& vector, float limit)
{
    return {std::clamp(vector.x, -limit, limit), std::clamp(vector.y, -limit, limit)};
}

Vector2 RemainingAfterStep(const Vector2& leftOver, const Vector2& step)
{
    return {DropTiny(leftOver.x - step.x), DropTiny(leftOver.y - step.y)};
}
