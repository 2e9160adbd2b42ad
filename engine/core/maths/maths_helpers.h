#pragma once

#include <cstdint>

// Whole-number conversions. Values beyond the 32-bit range saturate and a
// NaN gives 0, so a broken coordinate never becomes undefined behaviour.
int32_t FloorToInt(float x);
float Floor(float x);
int32_t CeilToInt(float x);
float Ceil(float x);
// Ties go to the even neighbour, as the processor rounds by default.
int32_t RoundToInt(float x);

enum IntersectResult {
    INTERSECT_NONE = 0,
    INTERSECT_POINT = 1,
    INTERSECT_PARALLEL = 2
};

// Segment (x1, y1)-(x2, y2) against segment (x3, y3)-(x4, y4); with lines set
// both are taken as endless lines. Touching end points count as meeting. The
// point is written only for INTERSECT_POINT.
IntersectResult IntersectSegments(float x1, float y1, float x2, float y2,
                                  float x3, float y3, float x4, float y4,
                                  float& outX, float& outY, bool lines = false);
IntersectResult IntersectLines(float x1, float y1, float x2, float y2,
                               float x3, float y3, float x4, float y4,
                               float& outX, float& outY);

// Whether the ranges [a1, a2] and [b1, b2] (either end first) share a
// point; touching ranges do.
bool RangesOverlap(float a1, float a2, float b1, float b2);
// Whether num / den lies in [0, 1], tested without dividing.
bool RatioWithinUnit(float num, float den);

// Bits needed to hold n: 0 for 0, 32 from 2^31 on.
uint32_t BitsNeeded(uint32_t n);

// Position in [0, 1] at time t in [0, 1]: accelerating along a quarter sine
// until easeInEnd, constant speed, then decelerating from easeOutStart on;
// the speed is continuous at both joins.
float EaseCurve(float t, float easeInEnd, float easeOutStart);
float EaseCurveSymmetric(float t, float easeFraction);

// from + (to - from) * t rounded to a whole number (ties to even), so that
// interpolated positions land on whole pixels.
float LerpRound(float from, float to, float t);

float Clamp(float x, float low, float high);
