#pragma once

#include <cstdint>

#include "engine/core/geometry/point.h"
#include "game/playfield/sprite_ai_background.h"

class CSpritePart;

// A picture of the background that stands on its first frame and plays its
// animation once every so often: after "Time Between Animations" give or
// take up to "Time Variation" seconds. The running countdown is saved with
// the object.
class CAnimateAtInterval : public CSpriteAIBackground
{
    VP_DECLARE_CLASS(CAnimateAtInterval)
public:
    CAnimateAtInterval();
    ~CAnimateAtInterval() override;

    void OnAttach(CSprite* sprite) override;
    void Update(CSprite* sprite, int32_t argument) override;

    int32_t m_Sequence;
    CPoint m_Position;
    float m_TimeBetweenAnimations;
    float m_TimeVariation;
    float m_TimeUntilNextAnimation;

private:
    float RandomVariation() const;

    // Part 0 of the sprite, which owns it.
    CSpritePart* m_pPart;
};
