#pragma once

#include <cstdint>

#include "engine/core/geometry/point.h"
#include "engine/core/geometry/vector2d.h"
#include "game/bricks/script_reference_to_target.h"
#include "game/playfield/sprite_ai_background.h"

class CRandom;
class CSpritePart;
class Polygon2D;

// Debris floating in a random direction. It may start inside the shape of
// a named brick (a wreck it drifts out of); once it leaves the area far
// enough it comes back in at the opposite side with a new speed and
// direction. The round logic's generator drives it.
class CRandomDebrisAI : public CSpriteAIBackground
{
    VP_DECLARE_CLASS(CRandomDebrisAI)
public:
    // Tries for a point inside the brick's shape before taking any point of
    // its bounds.
    static constexpr uint32_t kPlacementTries = 100;

    CRandomDebrisAI();
    ~CRandomDebrisAI() override;

    void OnAttach(CSprite* sprite) override;
    void Update(CSprite* sprite, int32_t argument) override;

    // A point inside the polygon placed at the centre, drawn within its
    // bounds.
    static CPoint PlaceInsidePolygon(const Polygon2D& polygon, const Vector2& centre, CRandom& random);

    int32_t m_Sequence;
    CScriptReferenceToTarget m_PathToConfineTo;
    float m_MinSpeed;
    float m_MaxSpeed;
    float m_MinAngle;
    float m_MaxAngle;

private:
    void ChooseVelocity(CSprite* sprite) const;
    CPoint ChooseStartingPlace() const;

    // Part 0 of the sprite, which owns it.
    CSpritePart* m_pPart;
};
