#pragma once

#include <cstdint>

#include "game/playfield/point_mass_rule.h"

class CColor;

// Holds two points at a rest length. Each relaxation pass moves both ends
// along the line between them, in proportion to their inverse masses, so a
// pinned end stays put and a free one takes the whole correction.
class CDistanceConstraint : public CPointMassRule
{
public:
    CDistanceConstraint(uint32_t first, uint32_t second, float restLength);

    // A pair that no correction can separate (both ends pinned, or the two
    // at one place) is left alone for the pass rather than dividing by zero.
    void Apply(CPointMassArray& points) override;
    // The strain view, a debugging aid: the line between the ends, blue
    // when compressed, red when stretched, white near the rest length.
    void Draw(CFrameInterface* frame, const CPointMassArray& points) override;

    // The colour of the strain view for a length minus the rest length.
    static CColor GetStrainColor(float excess);

private:
    uint32_t m_First;
    uint32_t m_Second;
    float m_RestLength;
};
