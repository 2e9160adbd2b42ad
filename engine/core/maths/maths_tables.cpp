#include "engine/core/maths/maths_tables.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "engine/core/maths/maths_helpers.h"

namespace {

const int32_t ANGLE_TABLE_LAST = 4000;
const int32_t ATAN_TABLE_LAST = 1000;
const int32_t SQRT_TABLE_SIZE = 128;

// Entry i is the angle i * step; the step is pi/2000 rounded to single
// precision, so entry 4000 lies a hair beyond 2 pi.
const float ANGLE_TABLE_STEP = 0.0015707964f;
const float ANGLE_TABLE_STEPS_PER_RADIAN = 636.61975f;
const float INVERSE_TWO_PI = 0.15915494f;

float g_SineTable[ANGLE_TABLE_LAST + 1];
float g_CosineTable[ANGLE_TABLE_LAST + 1];
float g_AtanTable[ATAN_TABLE_LAST + 1];
// Top 7 mantissa bits of the roots of [1, 2) and of [2, 4).
uint8_t g_SqrtEvenExponent[SQRT_TABLE_SIZE];
uint8_t g_SqrtOddExponent[SQRT_TABLE_SIZE];
bool g_TablesBuilt = false;

uint8_t TopMantissaBits(float x)
{
    return static_cast<uint8_t>((std::bit_cast<uint32_t>(x) >> 16) & 0x7F);
}

void BuildTables()
{
    for (int32_t i = 0; i <= ANGLE_TABLE_LAST; i++) {
        long double angle = static_cast<long double>(i) * ANGLE_TABLE_STEP;
        g_SineTable[i] = static_cast<float>(sinl(angle));
        g_CosineTable[i] = static_cast<float>(cosl(angle));
    }

    g_AtanTable[0] = 0.0f;
    for (int32_t i = 1; i <= ATAN_TABLE_LAST; i++) {
        float run = (10.0f / static_cast<float>(i)) * 1000.0f;
        g_AtanTable[i] = static_cast<float>(std::atan2(10.0, static_cast<double>(run)));
    }

    for (uint32_t k = 0; k < SQRT_TABLE_SIZE; k++) {
        float oneToTwo = std::bit_cast<float>((0x3F80u + k) << 16);
        float twoToFour = std::bit_cast<float>((0x4000u + k) << 16);
        g_SqrtEvenExponent[k] = TopMantissaBits(std::sqrt(oneToTwo));
        g_SqrtOddExponent[k] = TopMantissaBits(std::sqrt(twoToFour));
    }

    g_TablesBuilt = true;
}

void EnsureTables()
{
    if (!g_TablesBuilt)
        BuildTables();
}

int32_t ClampIndex(int32_t index, int32_t last)
{
    if (index < 0)
        return 0;
    if (index > last)
        return last;
    return index;
}

// Whole turns are removed in single precision exactly as stored motion
// expects; the turn count stays a float so that huge angles cannot overflow
// an integer. A non-finite angle has no place on the circle and reads 0.
int32_t AngleToIndex(float angle)
{
    if (!std::isfinite(angle))
        return 0;

    float h = angle;
    if (h < 0.0f) {
        float turns = Floor(-h * INVERSE_TWO_PI);
        h = (turns + 1.0f) * kTwoPi + h;
    } else if (h > kTwoPi) {
        float turns = Floor(h * INVERSE_TWO_PI);
        h = h - turns * kTwoPi;
    }
    h = Clamp(h, 0.0f, kTwoPi);
    return ClampIndex(FloorToInt(h * ANGLE_TABLE_STEPS_PER_RADIAN), ANGLE_TABLE_LAST);
}

} // namespace

float FastSin(float angle)
{
    EnsureTables();
    return g_SineTable[AngleToIndex(angle)];
}

float FastCos(float angle)
{
    EnsureTables();
    return g_CosineTable[AngleToIndex(angle)];
}

void FastSinCos(float angle, float& outSine, float& outCosine)
{
    EnsureTables();
    int32_t index = AngleToIndex(angle);
    outSine = g_SineTable[index];
    outCosine = g_CosineTable[index];
}

float FastAtan2(float y, float x)
{
    EnsureTables();
    if (y == 0.0f)
        return x > 0.0f ? 0.0f : kPi;
    if (x == 0.0f)
        return y > 0.0f ? kHalfPi : -kHalfPi;

    // The table covers one octant: index by the smaller magnitude over the
    // larger and fold the answer into the quadrant. A NaN ratio reads 0.
    float absY = std::fabs(y);
    float absX = std::fabs(x);
    bool nearerXAxis = absY < absX;
    float ratio = nearerXAxis ? absY / absX : absX / absY;
    float scaled = ratio * 1000.0f;
    int32_t index = std::isnan(scaled) ? 0 : ClampIndex(RoundToInt(scaled), ATAN_TABLE_LAST);
    float a = g_AtanTable[index];

    if (x > 0.0f) {
        if (y > 0.0f)
            return nearerXAxis ? a : kHalfPi - a;
        return nearerXAxis ? -a : a - kHalfPi;
    }
    if (y > 0.0f)
        return nearerXAxis ? kPi - a : kHalfPi + a;
    return nearerXAxis ? a - kPi : -kHalfPi - a;
}

float FastSqrt(float x)
{
    EnsureTables();
    if (x == 0.0f)
        return 0.0f;

    uint32_t bits = std::bit_cast<uint32_t>(x);
    int32_t exponent = static_cast<int32_t>((bits >> 23) & 0xFF) - 127;
    uint32_t top = (bits >> 16) & 0x7F;
    uint32_t mantissa = (exponent & 1) ? g_SqrtOddExponent[top] : g_SqrtEvenExponent[top];
    uint32_t rootExponent = static_cast<uint32_t>((exponent >> 1) + 127);
    return std::bit_cast<float>((rootExponent << 23) | (mantissa << 16));
}
