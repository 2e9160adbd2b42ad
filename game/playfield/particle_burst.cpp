#include "game/playfield/particle_burst.h"

#include <algorithm>
#include <cmath>

#include "engine/core/maths/maths_tables.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence_list.h"
#include "game/playfield/particle_generator.h"

namespace {

constexpr uint32_t kThinningStart = 500;
constexpr float kThinningPerEffect = 0.002f;
constexpr float kStep = 0.016666668f;
constexpr float kTwoPi = 6.2831855f;
// Cones this wide fly every particle straight away from the centre.
constexpr float kRadialCone = 6.2657323f;

// Two pictures of bubbles rise instead of flying on.
struct CRisingSequence
{
    const char* name;
    float acceleration;
};
const CRisingSequence kRisingSequences[] = {
    {"UnderwaterBlueSmall", -0.04f},
    {"UnderwaterBlueParticle", -0.066f},
};

Vector2 AccelerationOf(int32_t sequenceIndex, const int32_t (&risingIndices)[2])
{
    for (uint32_t i = 0; i < 2; i++)
    {
        if (risingIndices[i] == sequenceIndex)
            return Vector2{0.0f, kRisingSequences[i].acceleration};
    }
    return Vector2{0.0f, 0.0f};
}

Vector2 PlaceParticle(const CBurstPlace& place, CRandom& random)
{
    if (place.shape == BURST_DISC)
    {
        const float radius = random.BetweenFloat(0.0f, place.sizeA);
        const float direction = random.BetweenFloat(0.0f, kTwoPi);
        float sine = 0.0f;
        float cosine = 0.0f;
        FastSinCos(direction, sine, cosine);
        return Vector2{place.centre.x + radius * cosine, place.centre.y + radius * sine};
    }
    const float x = place.centre.x + random.BetweenFloat(-place.sizeA, place.sizeA);
    const float y = place.centre.y + random.BetweenFloat(-place.sizeB, place.sizeB);
    return Vector2{x, y};
}

Vector2 LaunchParticle(const CBurstPlace& place, const Vector2& position, float speed, float cone, CRandom& random)
{
    if (speed <= 0.0f)
        return Vector2{0.0f, 0.0f};
    const float s = random.BetweenFloat(0.75f, 1.25f) * speed;
    if (cone >= kRadialCone)
    {
        const Vector2 away = Vector2Subtract(position, place.centre);
        const float length = Vector2Length(away);
        return length > 0.0f ? Vector2Scale(away, s / length) : Vector2{0.0f, 0.0f};
    }
    const float direction = place.angle + random.BetweenFloat(-cone * 0.5f, cone * 0.5f);
    float sine = 0.0f;
    float cosine = 0.0f;
    FastSinCos(direction, sine, cosine);
    return Vector2{s * cosine, s * sine};
}

} // namespace

uint32_t ThinnedParticleCount(uint32_t particles, uint32_t liveEffects)
{
    float n = static_cast<float>(particles);
    if (liveEffects > kThinningStart)
    {
        n *= 1.0f - static_cast<float>(liveEffects - kThinningStart) * kThinningPerEffect;
        if (n <= 0.0f)
            return 0;
        n = std::nearbyint(n);
    }
    return n >= static_cast<float>(kMaxBurstParticles) ? kMaxBurstParticles : static_cast<uint32_t>(n);
}

uint64_t TotalTypeWeight(const CParticleTypeArray& types)
{
    uint64_t total = 0;
    for (uint32_t i = 0; i < types.m_Count; i++)
        total += types.m_pItems[i].m_Weight;
    return total;
}

void ChooseParticleTypes(const CParticleTypeArray& types, uint32_t n, std::vector<uint32_t>& out)
{
    out.clear();
    const uint64_t total = TotalTypeWeight(types);
    if (total == 0 || n == 0)
        return;
    // Particle k reaches a type once the weights up to it make k / n of the
    // total. Compared as whole numbers (k x W <= sum x n): summed float
    // shares fall short (twelve shares of 1/12 reach 0.99999988), which
    // skips types and leaves the last particles past the last one.
    using Wide = unsigned __int128;
    const uint32_t last = types.m_Count - 1;
    uint32_t type = 0;
    uint64_t reached = types.m_pItems[0].m_Weight;
    for (uint32_t k = 1; k <= n; k++)
    {
        while (static_cast<Wide>(reached) * n < static_cast<Wide>(total) * k && type < last)
        {
            type++;
            reached += types.m_pItems[type].m_Weight;
        }
        out.push_back(type);
    }
}

void PlanParticleBurst(const CParticleGeneratorInfo& generator, const CParticleTypeArray* types,
                       const CBurstPlace& place, uint32_t liveEffects, CRandom& random,
                       std::vector<CParticleSpec>& out)
{
    out.clear();
    const CParticleTypeArray& used = types != nullptr ? *types : generator.m_ParticleTypes;
    const uint32_t n = ThinnedParticleCount(generator.m_Particles, liveEffects);
    if (n == 0 || used.m_Count == 0)
        return;
    std::vector<uint32_t> chosen;
    ChooseParticleTypes(used, n, chosen);

    CSequenceList& sequences = GetSequenceList();
    const int32_t risingIndices[2] = {sequences.FindWithAlias(kRisingSequences[0].name, -1),
                                      sequences.FindWithAlias(kRisingSequences[1].name, -1)};
    const float speed = generator.m_Velocity * kStep;
    for (const uint32_t type : chosen)
    {
        const int32_t sequenceIndex = used.m_pItems[type].m_ParticleType;
        if (sequenceIndex == 0)
            continue;
        CParticleSpec particle;
        particle.sequenceIndex = sequenceIndex;
        particle.animationFactor = random.BetweenFloat(0.75f, 1.25f);
        particle.position = PlaceParticle(place, random);
        particle.velocity = LaunchParticle(place, particle.position, speed, generator.m_ConeAngle, random);
        particle.acceleration = AccelerationOf(sequenceIndex, risingIndices);
        out.push_back(particle);
    }
}
