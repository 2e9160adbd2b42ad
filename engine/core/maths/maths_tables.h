#pragma once

// Table-driven trigonometry and square root for per-frame game code: one
// multiplication, one floor and one table read per call, no interpolation.
// Game motion and recorded demos depend on the exact table values and index
// rules, so these are part of the behaviour, not an approximation detail.
// The tables are built together by the first call that needs one.

constexpr float kPi = 3.1415927f;
constexpr float kHalfPi = 1.5707964f;
constexpr float kTwoPi = 6.2831855f;
constexpr float kTwoOverPi = 0.63661975f;

float FastSin(float angle);
float FastCos(float angle);
void FastSinCos(float angle, float& outSine, float& outCosine);

// An angle in (-pi, pi]; (0, 0) answers pi.
float FastAtan2(float y, float x);

// For non-negative x: the root with only 7 significant mantissa bits.
float FastSqrt(float x);
