#include "engine/core/maths/maths_helpers.h"

#include <bit>
#include <cmath>

#include "engine/core/maths/maths_tables.h"

namespace {

// 2^31 is exact in single precision; every float below it fits an int32_t.
const float INT32_LIMIT = 2147483648.0f;

int32_t SaturateToInt(float whole)
{
    if (std::isnan(whole))
        return 0;
    if (whole >= INT32_LIMIT)
        return INT32_MAX;
    if (whole < -INT32_LIMIT)
        return INT32_MIN;
    return static_cast<int32_t>(whole);
}

} // namespace

int32_t FloorToInt(float x)
{
    return SaturateToInt(std::floor(x));
}

float Floor(float x)
{
    return std::floor(x);
}

int32_t CeilToInt(float x)
{
    return SaturateToInt(std::ceil(x));
}

float Ceil(float x)
{
    return std::ceil(x);
}

int32_t RoundToInt(float x)
{
    return SaturateToInt(std::nearbyint(x));
}

bool RangesOverlap(float a1, float a2, float b1, float b2)
{
    return !(std::fmax(a1, a2) < std::fmin(b1, b2) || std::fmax(b1, b2) < std::fmin(a1, a2));
}

bool RatioWithinUnit(float num, float den)
{
    if (den > 0.0f)
        return num >= 0.0f && num <= den;
    return num <= 0.0f && num >= den;
}

IntersectResult IntersectSegments(float x1, float y1, float x2, float y2,
                                  float x3, float y3, float x4, float y4,
                                  float& outX, float& outY, bool lines)
{
    if (!lines) {
        if (!RangesOverlap(x1, x2, x3, x4) || !RangesOverlap(y1, y2, y3, y4))
            return INTERSECT_NONE;
    }

    float den = (x3 - x4) * (y2 - y1) - (x2 - x1) * (y3 - y4);
    float num = (y3 - y4) * (x1 - x3) - (x3 - x4) * (y1 - y3);

    if (!lines) {
        if (!RatioWithinUnit(num, den))
            return INTERSECT_NONE;
        float num2 = (x2 - x1) * (y1 - y3) - (y2 - y1) * (x1 - x3);
        if (!RatioWithinUnit(num2, den))
            return INTERSECT_NONE;
    }

    if (den > -0.01f && den < 0.01f)
        return INTERSECT_PARALLEL;

    outX = x1 + (x2 - x1) * num / den;
    outY = y1 + (y2 - y1) * num / den;
    return INTERSECT_POINT;
}

IntersectResult IntersectLines(float x1, float y1, float x2, float y2,
                               float x3, float y3, float x4, float y4,
                               float& outX, float& outY)
{
    return IntersectSegments(x1, y1, x2, y2, x3, y3, x4, y4, outX, outY, true);
}

uint32_t BitsNeeded(uint32_t n)
{
    return static_cast<uint32_t>(std::bit_width(n));
}

float EaseCurve(float t, float easeInEnd, float easeOutStart)
{
    float a = easeInEnd;
    float b = easeOutStart;
    float easeIn = a * kTwoOverPi;
    float easeOut = (1.0f - b) * kTwoOverPi;
    float cruise = b - a;

    float position;
    if (t < a)
        position = easeIn * (1.0f + FastSin(t / a * kHalfPi - kHalfPi));
    else if (t > b)
        position = easeIn + cruise + easeOut * FastSin((t - b) / (1.0f - b) * kHalfPi);
    else
        position = t + easeIn - a;
    // Summed in the order of the last branch so that t = 1 gives exactly 1.
    return position / (easeIn + cruise + easeOut);
}

float EaseCurveSymmetric(float t, float easeFraction)
{
    return EaseCurve(t, easeFraction, 1.0f - easeFraction);
}

float LerpRound(float from, float to, float t)
{
    return std::nearbyint(from + (to - from) * t);
}

float Clamp(float x, float low, float high)
{
    if (x < low)
        return low;
    if (x > high)
        return high;
    return x;
}
