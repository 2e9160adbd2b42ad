#pragma once

#include <cstdint>

#include "game/playfield/power_up_base.h"

// Raises a brick from below the field into the gap under the bricks, where
// it guards the bottom for a while.
class CPowerUpSaftyBumper : public CPowerUpBase
{
    VP_DECLARE_CLASS(CPowerUpSaftyBumper)
public:
    CPowerUpSaftyBumper();
    ~CPowerUpSaftyBumper() override;
    void Activate(const PowerUpCollectContext& context) override;

    // A "BrickStyleSheet" entry.
    int32_t m_BrickToSpawn;
};
