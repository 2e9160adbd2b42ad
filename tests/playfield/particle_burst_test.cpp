#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/core/maths/random_r250.h"
#include "game/playfield/particle_burst.h"
#include "game/playfield/particle_generator.h"
#include "tests/support/sprite_fixtures.h"

namespace {

CParticleGeneratorInfo MakeGenerator(uint32_t particles, const std::vector<std::pair<int32_t, uint32_t>>& types,
                                     float velocity = 60.0f, float cone = 6.2831855f)
{
    CParticleGeneratorInfo generator;
    generator.SetDefaults();
    generator.m_Particles = particles;
    generator.m_Velocity = velocity;
    generator.m_ConeAngle = cone;
    for (const auto& [sequence, weight] : types)
    {
        CParticleType& type = generator.AddType();
        type.m_ParticleType = sequence;
        type.m_Weight = weight;
    }
    return generator;
}

std::vector<CParticleSpec> Plan(const CParticleGeneratorInfo& generator, const CBurstPlace& place,
                                uint32_t liveEffects = 0)
{
    CRandom random;
    random.SeedFromTick(1234);
    std::vector<CParticleSpec> particles;
    PlanParticleBurst(generator, nullptr, place, liveEffects, random, particles);
    return particles;
}

TEST(ParticleBurst, ManyLiveEffectsThinBurstsAndNoBurstExceedsTheLimit)
{
    const struct
    {
        uint32_t particles;
        uint32_t live;
        uint32_t expected;
    } cases[] = {
        {20, 0, 20},  {20, 500, 20}, {20, 750, 10}, {20, 999, 0},         {20, 1000, 0},
        {20, 5000, 0}, {3, 750, 2},  {1, 501, 1},   {4000000000u, 0, 1000}, {4000000000u, 750, 1000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ThinnedParticleCount(c.particles, c.live), c.expected) << c.particles << " at " << c.live;
}

TEST(ParticleBurst, TypesShareTheParticlesByWeightInListOrder)
{
    const struct
    {
        std::vector<uint32_t> weights;
        uint32_t n;
        std::vector<uint32_t> expected;
    } cases[] = {
        {{30, 10}, 8, {0, 0, 0, 0, 0, 0, 1, 1}},
        {{10, 30}, 8, {0, 0, 1, 1, 1, 1, 1, 1}},
        {{0, 5}, 3, {1, 1, 1}},
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {{0, 0}, 4, {}},
        {{}, 4, {}},
        {{0xFFFFFFFFu, 0xFFFFFFFFu}, 2, {0, 1}},
    };
    for (const auto& c : cases)
    {
        CParticleGeneratorInfo generator = MakeGenerator(c.n, {});
        for (uint32_t weight : c.weights)
            generator.AddType().m_Weight = weight;
        std::vector<uint32_t> chosen;
        ChooseParticleTypes(generator.m_ParticleTypes, c.n, chosen);
        EXPECT_EQ(chosen, c.expected) << testing::PrintToString(c.weights);
    }
}

TEST(ParticleBurst, ATypeWithoutSequenceTakesItsShareAndMakesNothing)
{
    const CParticleGeneratorInfo generator = MakeGenerator(8, {{3, 30}, {0, 10}});
    const std::vector<CParticleSpec> particles = Plan(generator, {{100.0f, 100.0f}, BURST_BOX, 5.0f, 5.0f, 0.0f});
    ASSERT_EQ(particles.size(), 6u);
    for (const CParticleSpec& particle : particles)
    {
        EXPECT_EQ(particle.sequenceIndex, 3);
        EXPECT_GE(particle.animationFactor, 0.75f);
        EXPECT_LE(particle.animationFactor, 1.25f);
    }
}

TEST(ParticleBurst, GeneratorsThatMakeNothing)
{
    const CBurstPlace place{{100.0f, 100.0f}, BURST_DISC, 5.0f, 0.0f, 0.0f};
    EXPECT_TRUE(Plan(MakeGenerator(8, {}), place).empty());
    EXPECT_TRUE(Plan(MakeGenerator(8, {{3, 0}, {4, 0}}), place).empty());
    EXPECT_TRUE(Plan(MakeGenerator(0, {{3, 1}}), place).empty());
    EXPECT_TRUE(Plan(MakeGenerator(20, {{3, 1}}), place, 1000).empty());
    EXPECT_EQ(Plan(MakeGenerator(4000000000u, {{3, 1}}), place).size(), 1000u);
}

TEST(ParticleBurst, BoxesAndDiscsKeepTheirParticlesWithinTheirSizes)
{
    const CParticleGeneratorInfo generator = MakeGenerator(200, {{3, 1}});
    for (const CParticleSpec& particle : Plan(generator, {{300.0f, 200.0f}, BURST_BOX, 19.75f, 11.0f, 0.0f}))
    {
        EXPECT_LE(std::fabs(particle.position.x - 300.0f), 19.75f);
        EXPECT_LE(std::fabs(particle.position.y - 200.0f), 11.0f);
    }
    float farthest = 0.0f;
    for (const CParticleSpec& particle : Plan(generator, {{300.0f, 200.0f}, BURST_DISC, 8.0f, 0.0f, 0.0f}))
        farthest = std::max(farthest, std::hypot(particle.position.x - 300.0f, particle.position.y - 200.0f));
    EXPECT_LE(farthest, 8.01f);
    EXPECT_GT(farthest, 6.0f);
}

TEST(ParticleBurst, AFullConeFliesAwayFromTheCentreAndNoConeFliesAtTheAngle)
{
    const CBurstPlace place{{300.0f, 200.0f}, BURST_DISC, 8.0f, 0.0f, 1.0f};
    // 60 pixels a second: one a step, times 0.75 .. 1.25.
    for (const CParticleSpec& particle : Plan(MakeGenerator(50, {{3, 1}}), place))
    {
        const float dx = particle.position.x - 300.0f;
        const float dy = particle.position.y - 200.0f;
        const float speed = std::hypot(particle.velocity.x, particle.velocity.y);
        EXPECT_GE(speed, 0.74f);
        EXPECT_LE(speed, 1.26f);
        EXPECT_NEAR(dx * particle.velocity.y - dy * particle.velocity.x, 0.0f, 1e-3f);
        EXPECT_GT(dx * particle.velocity.x + dy * particle.velocity.y, 0.0f);
    }
    for (const CParticleSpec& particle : Plan(MakeGenerator(50, {{3, 1}}, 60.0f, 0.0f), place))
        EXPECT_NEAR(std::atan2(particle.velocity.y, particle.velocity.x), 1.0f, 0.005f);
    for (const CParticleSpec& particle : Plan(MakeGenerator(5, {{3, 1}}, 0.0f), place))
        EXPECT_EQ(particle.velocity.x == 0.0f && particle.velocity.y == 0.0f, true);
}

TEST(ParticleBurst, BubblePicturesRise)
{
    ListedSequences sequences;
    sequences.Add("!None", MakeSolidSequence(0, 1, 1, 0));
    sequences.Add("Spark", MakeSolidSequence(2, 5, 5, 1));
    sequences.Add("UnderwaterBlueSmall", MakeSolidSequence(2, 5, 5, 3));
    sequences.Add("UnderwaterBlueParticle", MakeSolidSequence(2, 5, 5, 5));
    const CParticleGeneratorInfo generator = MakeGenerator(3, {{1, 1}, {2, 1}, {3, 1}});
    const std::vector<CParticleSpec> particles = Plan(generator, {{300.0f, 200.0f}, BURST_BOX, 1.0f, 1.0f, 0.0f});
    ASSERT_EQ(particles.size(), 3u);
    EXPECT_EQ(particles[0].acceleration.y, 0.0f);
    EXPECT_EQ(particles[1].acceleration.y, -0.04f);
    EXPECT_EQ(particles[2].acceleration.y, -0.066f);
    for (const CParticleSpec& particle : particles)
        EXPECT_EQ(particle.acceleration.x, 0.0f);
}

TEST(ParticleBurst, ASeedRepeatsABurst)
{
    const CParticleGeneratorInfo generator = MakeGenerator(30, {{3, 2}, {4, 1}}, 90.0f, 1.0f);
    const CBurstPlace place{{300.0f, 200.0f}, BURST_BOX, 10.0f, 4.0f, 2.0f};
    const std::vector<CParticleSpec> first = Plan(generator, place);
    const std::vector<CParticleSpec> second = Plan(generator, place);
    ASSERT_EQ(first.size(), 30u);
    ASSERT_EQ(second.size(), first.size());
    for (size_t i = 0; i < first.size(); i++)
    {
        EXPECT_EQ(first[i].position.x, second[i].position.x);
        EXPECT_EQ(first[i].velocity.y, second[i].velocity.y);
        EXPECT_EQ(first[i].animationFactor, second[i].animationFactor);
    }
}

} // namespace
