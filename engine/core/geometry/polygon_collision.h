#pragma once

#include <cstdint>

#include "engine/core/geometry/polygon2d.h"
#include "engine/core/geometry/rect.h"
#include "engine/core/geometry/vector2d.h"

// The move of one step. The sweep reads the vector, direction and length;
// the rest rides along for the bounce that follows a contact.
struct CollisionMotion {
    Vector2 m_Vector = {0.0f, 0.0f};
    // Unit direction; the vector itself when it has no length.
    Vector2 m_Direction = {0.0f, 0.0f};
    float m_Length = 0.0f;
    Vector2 m_Velocity = {0.0f, 0.0f};
    float m_BounceFactor = 0.0f;
    float m_MinimumBounceSpeed = 0.0f;
    float m_Friction = 0.0f;
    float m_StopSpeed = 0.0f;

    // Both answer false for a move of length 0.
    bool SetFromPoints(const Vector2& from, const Vector2& to);
    bool SetVector(const Vector2& vector);
    void SetExtra(const Vector2& velocity, float bounceFactor, float minimumBounceSpeed,
                  float friction, float stopSpeed);
    // Widens the rectangle to cover everything the move sweeps over.
    void ExtendBounds(CRect& rect) const;
};

// The answer of a sweep. Callers may derive from it to carry more.
struct CollisionResult {
    // Fraction of the motion at the first contact. A sweep takes only a hit
    // strictly earlier than the time held, so a fresh result (1.0) takes
    // hits within the whole motion. At or below 0 the polygons touch or
    // overlap at the start, by as much as the size says (at most 1).
    float m_Time;
    // How far the moving polygon gets before the contact.
    Vector2 m_Offset;
    // Unit, pointing from the resting polygon towards the moving one.
    Vector2 m_Normal;
    // The moving vertex at the contact, or a resting corner that touched,
    // moved one unit along the normal.
    Vector2 m_Contact;

    CollisionResult();
    // Turns an answer found with the roles swapped into the mover's view.
    void Flip();
};

// Real roots of x^2 + b x + c, the larger first; a double root (within a
// small tolerance) is written to both places and counts once. Answers how
// many there are.
int32_t SolveMonicQuadratic(float c, float b, float outRoots[2]);

// The smallest of count values; 0 for none.
float MinOfFloats(const float* values, int32_t count);
