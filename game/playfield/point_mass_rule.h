#pragma once

#include "game/playfield/point_mass.h"

class CFrameInterface;

// What a constraint system applies to its points each step: a force moves
// them once per step, a constraint proposes corrections in every
// relaxation pass. Only constraints have something to show.
class CPointMassRule
{
public:
    virtual ~CPointMassRule() = default;

    virtual void Apply(CPointMassArray& points) = 0;
    // Nothing by default.
    virtual void Draw(CFrameInterface* frame, const CPointMassArray& points);
};
