#pragma once

#include <cstdint>
#include <vector>

#include "engine/core/geometry/vector2d.h"
#include "engine/object/properties/object_array_property.h"

class CParticleGeneratorInfo;
class CParticleType;
class CRandom;

// A particle burst worked out before its sprites are made: how many
// particles, of which types, where and how fast. Random values come from
// the generator given, in a fixed order per particle (animation factor,
// position, speed, direction), so a seed repeats a burst exactly.

using CParticleTypeArray = CObjectValueArray<CParticleType>;

enum EBurstShape
{
    // Half width and half height round the centre.
    BURST_BOX = 0,
    // A radius round the centre.
    BURST_DISC = 1
};

// Where a burst is and how it spreads.
struct CBurstPlace
{
    Vector2 centre;
    int32_t shape;
    float sizeA;
    float sizeB;
    // Radians; the cone opens round it.
    float angle;
};

// One particle to make.
struct CParticleSpec
{
    int32_t sequenceIndex;
    Vector2 position;
    Vector2 velocity;
    Vector2 acceleration;
    float animationFactor;
};

// The live effect count at which bursts stop spawning anything: no burst
// makes more particles than this, whatever its file says.
constexpr uint32_t kMaxBurstParticles = 1000;

// The particle count of a burst with that many effects alive: from 501 on,
// 0.2 % fewer per effect above 500, rounded halves to even; 0 drops the
// burst.
uint32_t ThinnedParticleCount(uint32_t particles, uint32_t liveEffects);

// The sum of the types' weights, in 64 bits: weights are unsigned 32-bit
// numbers from files.
uint64_t TotalTypeWeight(const CParticleTypeArray& types);

// Shares n particles out to the types in list order, in proportion to
// their weights: particle k (1..n) takes the type whose share of the total
// the fraction k / n falls into. Answers the type index of each particle;
// nothing when no type has weight.
void ChooseParticleTypes(const CParticleTypeArray& types, uint32_t n, std::vector<uint32_t>& out);

// The particles of one burst of the generator (its own types unless types
// is given) with that many effects alive; none when it makes none.
void PlanParticleBurst(const CParticleGeneratorInfo& generator, const CParticleTypeArray* types,
                       const CBurstPlace& place, uint32_t liveEffects, CRandom& random,
                       std::vector<CParticleSpec>& out);
