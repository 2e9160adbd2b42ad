#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "engine/core/maths/maths_helpers.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "game/playfield/effect_sprite_ai.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite.h"
#include "tests/support/sprite_fixtures.h"

// A particle burst as the playfield runs it: one burst of n particles, then
// per step the effect list's update pass and its draw into an 800 x 600
// 16-bit frame. Beside it the same particles in a plain std::vector, moved
// with the same arithmetic (acceleration, damping, a fractional frame
// position) and drawn with the same BlitAt calls; and the two updates
// alone. Items are particles: the time per item is ns per particle per
// step. The particles' animation is slow enough that none dies while a
// benchmark runs, so every step handles all n.

namespace {

constexpr float kDamping = 0.95f;
// 64 frames at a ten-thousandth of a frame a second: the frame position
// creeps on (and stops creeping once floats round the step away) but never
// reaches the end, however many steps a benchmark runs.
constexpr uint32_t kFrames = 64;
constexpr float kFramesPerSecond = 0.0001f;

struct CBurstScene
{
    ListedSequences sequences;
    CSequence* spark;
    CFrame frame;
    std::unique_ptr<CPlayfield> playfield;

    explicit CBurstScene(uint32_t particles)
    {
        sequences.Add("!None", MakeSolidSequence(0, 1, 1, 0));
        spark = sequences.Add("Spark", MakeSolidSequence(kFrames, 5, 5, 0x7BEF, kFramesPerSecond));
        GetParticleGeneratorList().DeleteAllItems();
        CParticleGeneratorInfo* generator = new CParticleGeneratorInfo;
        generator->SetDefaults();
        generator->m_Particles = particles;
        generator->m_Velocity = 120.0f;
        generator->AddType().m_ParticleType = 1;
        GetParticleGeneratorList().AddItemWithObject(generator, "Burst");
        frame.Create(800, 600, 16);
        playfield = std::make_unique<CPlayfield>();
        GameRandom().SeedFromTick(7);
        playfield->SpawnSparks(Vector2{400.0f, 300.0f}, BURST_DISC, 200.0f, 0.0f, 0.0f, 0, nullptr, nullptr);
    }

    ~CBurstScene()
    {
        playfield.reset();
        GetParticleGeneratorList().DeleteAllItems();
    }
};

// The bare form of one particle: what the sprite and its animation keep.
struct CBareParticle
{
    Vector2 position;
    Vector2 velocity;
    Vector2 acceleration;
    float framePosition;
    float speed;
    int32_t frameIndex;
    int32_t x;
    int32_t y;
    bool dead;
};

std::vector<CBareParticle> CopyParticles(const CSpriteList& list)
{
    std::vector<CBareParticle> particles;
    for (const CSprite* sprite = list.GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        const float speed = static_cast<const CEffectSpriteAI*>(sprite->GetAI())->GetSpeed();
        particles.push_back(CBareParticle{sprite->m_Position, sprite->m_Velocity, sprite->m_Acceleration, 0.0f, speed,
                                          0, sprite->m_DrawnPosition.x, sprite->m_DrawnPosition.y, false});
    }
    return particles;
}

void UpdateBare(std::vector<CBareParticle>& particles)
{
    for (CBareParticle& particle : particles)
    {
        particle.framePosition += particle.speed;
        particle.frameIndex = FloorToInt(particle.framePosition);
        if (particle.frameIndex < 0 || static_cast<uint32_t>(particle.frameIndex) >= kFrames)
            particle.dead = true;
        particle.velocity = Vector2Scale(Vector2Add(particle.velocity, particle.acceleration), kDamping);
        particle.position = Vector2Add(particle.position, particle.velocity);
        particle.x = static_cast<int32_t>(std::nearbyint(particle.position.x));
        particle.y = static_cast<int32_t>(std::nearbyint(particle.position.y));
    }
}

void DrawBare(const std::vector<CBareParticle>& particles, const CSequence& sequence, CFrame& frame)
{
    CBlitType* blitType = sequence.GetBlitType();
    for (const CBareParticle& particle : particles)
    {
        if (!particle.dead)
            frame.BlitAt(sequence.GetFrame(static_cast<uint32_t>(particle.frameIndex)), particle.x, particle.y,
                         blitType);
    }
}

void BM_ParticleBurst(benchmark::State& state)
{
    CBurstScene scene(static_cast<uint32_t>(state.range(0)));
    CSpriteList& effects = *scene.playfield->m_pFrontEffects;
    for (auto _ : state)
    {
        effects.UpdateAndReap();
        effects.Draw(&scene.frame);
    }
    state.SetItemsProcessed(state.iterations() * effects.Count());
}

void BM_BareParticleArray(benchmark::State& state)
{
    CBurstScene scene(static_cast<uint32_t>(state.range(0)));
    std::vector<CBareParticle> particles = CopyParticles(*scene.playfield->m_pFrontEffects);
    for (auto _ : state)
    {
        UpdateBare(particles);
        DrawBare(particles, *scene.spark, scene.frame);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(particles.size()));
}

void BM_ParticleUpdate(benchmark::State& state)
{
    CBurstScene scene(static_cast<uint32_t>(state.range(0)));
    CSpriteList& effects = *scene.playfield->m_pFrontEffects;
    for (auto _ : state)
        effects.UpdateAndReap();
    state.SetItemsProcessed(state.iterations() * effects.Count());
}

void BM_BareParticleUpdate(benchmark::State& state)
{
    CBurstScene scene(static_cast<uint32_t>(state.range(0)));
    std::vector<CBareParticle> particles = CopyParticles(*scene.playfield->m_pFrontEffects);
    for (auto _ : state)
    {
        UpdateBare(particles);
        benchmark::DoNotOptimize(particles.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(particles.size()));
}

} // namespace

BENCHMARK(BM_ParticleBurst)->Arg(100)->Arg(500)->Arg(1000);
BENCHMARK(BM_BareParticleArray)->Arg(100)->Arg(500)->Arg(1000);
BENCHMARK(BM_ParticleUpdate)->Arg(100)->Arg(500)->Arg(1000);
BENCHMARK(BM_BareParticleUpdate)->Arg(100)->Arg(500)->Arg(1000);
