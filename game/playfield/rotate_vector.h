#pragma once

#include "engine/core/geometry/vector2d.h"

// Turns the vector by the angle with the engine's table sine and cosine.
// With y growing downward a positive angle turns clockwise on screen.
Vector2 RotateVector(const Vector2& v, float angle);

// The vector's direction times the length; a zero vector stays zero, so a
// held or stopped ball is never given a direction it did not have.
Vector2 WithLength(const Vector2& v, float length);

// The angle brought into [0, 2 pi).
float WrapAngle(float angle);
