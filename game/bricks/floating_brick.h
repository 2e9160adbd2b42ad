#pragma once

#include <cstdint>

#include "engine/object/object.h"

// One brick of an old level, from before bricks carried their own
// properties. Registered only so that files holding such records still
// read; nothing plays them.
class CFloatingBrick : public CObject
{
    VP_DECLARE_CLASS(CFloatingBrick)
public:
    CFloatingBrick();
    ~CFloatingBrick() override;

    float m_PositionX;
    float m_PositionY;
    float m_Speed;
    bool m_CanMoveThroughOtherBricks;
    float m_Range1;
    float m_Range2;
    // Degrees.
    float m_Direction;
    uint32_t m_PaletteIndex;
    // "Brick Info" indices.
    int32_t m_BrickToChangeFrom;
    int32_t m_BrickToChangeTo;
    int32_t m_BrickToLookLike;
    // A "PowerUp" index.
    int32_t m_ForcedPowerUp;
};
