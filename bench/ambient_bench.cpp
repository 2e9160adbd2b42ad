#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/maths/maths_tables.h"
#include "engine/core/maths/random_r250.h"
#include "game/playfield/constraint_system.h"
#include "game/playfield/distance_constraint.h"
#include "game/playfield/flocking_simulation.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/point_mass_forces.h"
#include "game/playfield/sprite_ai.h"
#include "tests/support/object_forms.h"
#include "tests/support/sprite_fixtures.h"

// The background life's share of a game step, and its two costly
// simulations beside plain loops doing the same arithmetic: the flock's
// quadratic neighbour search with the standard library's trigonometry, and
// the seaweed's relaxation moving each point in place over a std::vector.

namespace {

constexpr float kStep = 0.011111111f;

std::unique_ptr<CFlockingSimulation> MakeFlock(int64_t count)
{
    GetSharedRandom().SeedFromTick(5);
    SetFlockScreenHeight(600);
    auto flock = std::make_unique<CFlockingSimulation>();
    flock->SpawnBoids(static_cast<uint32_t>(count), CPoint{400, 300}, 300.0f, 125.0f, 20.0f, 0.5f, kTwoPi);
    return flock;
}

void FlockUpdate(benchmark::State& state)
{
    std::unique_ptr<CFlockingSimulation> flock = MakeFlock(state.range(0));
    for (auto _ : state)
    {
        flock->Update(kStep);
        benchmark::DoNotOptimize(flock->GetBoids()[0]);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The same rules over a std::vector with std::atan2, std::cos and std::sin.
struct PlainBoid
{
    float x, y, heading, speed, desired;
};

float PlainWrap(float angle)
{
    return std::remainder(angle, kTwoPi);
}

void PlainFlockStep(std::vector<PlainBoid>& boids, std::vector<size_t>& near, float dt)
{
    for (PlainBoid& b : boids)
    {
        near.clear();
        for (size_t i = 0; i < boids.size(); i++)
        {
            const PlainBoid& n = boids[i];
            const float dx = n.x - b.x;
            const float dy = n.y - b.y;
            if ((dx == 0.0f && dy == 0.0f) || dx * dx + dy * dy >= 2500.0f)
                continue;
            if (std::fabs(PlainWrap(std::atan2(dy, dx) - b.heading)) <= 1.8326f)
                near.push_back(i);
        }
        if (near.empty())
        {
            b.desired = GetSharedRandom().BetweenFloat(0.0f, kTwoPi);
        }
        else
        {
            float sx = 0.0f, sy = 0.0f, sh = 0.0f, best = 100.0f;
            const PlainBoid* nearest = nullptr;
            for (size_t i : near)
            {
                const PlainBoid& n = boids[i];
                sx += n.x;
                sy += n.y;
                sh += n.heading;
                const float d2 = (n.x - b.x) * (n.x - b.x) + (n.y - b.y) * (n.y - b.y);
                if (d2 < best)
                {
                    best = d2;
                    nearest = &n;
                }
            }
            const float count = static_cast<float>(near.size());
            float ax = sx / count - b.x, ay = sy / count - b.y;
            if (nearest != nullptr)
            {
                ax = b.x - nearest->x;
                ay = b.y - nearest->y;
            }
            const float length = std::sqrt(ax * ax + ay * ay);
            if (length != 0.0f)
            {
                ax /= length;
                ay /= length;
            }
            const float m = sh / count;
            b.desired = std::atan2(std::sin(m) + ay, std::cos(m) + ax);
        }
        if ((b.x - 400.0f) * (b.x - 400.0f) + (b.y - 300.0f) * (b.y - 300.0f) > 90000.0f)
            b.desired = std::atan2(300.0f - b.y, 400.0f - b.x);
        if (b.y > 500.0f)
            b.desired = std::atan2(-1.0f, 0.0f);
        const float limit = kTwoPi * dt;
        const float turn = std::fmax(-limit, std::fmin(limit, PlainWrap(b.desired - b.heading)));
        b.heading = b.heading + turn;
        if (b.heading < 0.0f)
            b.heading += kTwoPi;
        b.desired = b.heading;
        b.x += std::cos(b.heading) * b.speed * dt;
        b.y += std::sin(b.heading) * b.speed * dt;
    }
}

void PlainFlockLoop(benchmark::State& state)
{
    std::unique_ptr<CFlockingSimulation> flock = MakeFlock(state.range(0));
    std::vector<PlainBoid> boids;
    for (const auto& b : flock->GetBoids())
        boids.push_back(PlainBoid{b.x, b.y, b.heading, b.speed, b.desiredHeading});
    std::vector<size_t> near;
    near.reserve(boids.size());
    for (auto _ : state)
    {
        PlainFlockStep(boids, near, kStep);
        benchmark::DoNotOptimize(boids[0]);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A seaweed chain with a tolerance of 0, so every step relaxes all 100
// passes.
std::unique_ptr<CConstraintSystem> MakeChain(uint32_t points)
{
    auto system = std::make_unique<CConstraintSystem>();
    system->Init(points, 0.0f, 100);
    system->AddForce(new CInertiaForce());
    system->AddForce(new CLiftForce(-0.2f, 1));
    system->AddForce(new CDragForce(0.001f));
    system->AddForce(new CCurrentForce(0.03f, 0.0f, 1));
    for (uint32_t i = 0; i < points; i++)
    {
        PointMass& point = system->GetPoints()[i];
        point.x = 300.0f;
        point.y = 500.0f - 10.0f * static_cast<float>(i);
        point.previousX = point.x;
        point.previousY = point.y;
        point.inverseMass = i == 0 ? 0.0f : 1.0f;
        if (i > 0)
            system->AddConstraint(new CDistanceConstraint(i - 1, i, 10.0f));
    }
    // The first sixtieth only fills the accumulator.
    system->Update(1.0f / 60.0f);
    return system;
}

void ChainUpdate(benchmark::State& state)
{
    std::unique_ptr<CConstraintSystem> system = MakeChain(static_cast<uint32_t>(state.range(0)));
    for (auto _ : state)
    {
        system->Update(1.0f / 60.0f);
        benchmark::DoNotOptimize(system->GetPoints()[1]);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

struct PlainPoint
{
    float x, y, px, py, vx, vy, w;
};

// The same forces, then each distance relaxed in place, 100 passes.
void PlainVerletLoop(benchmark::State& state)
{
    const size_t count = static_cast<size_t>(state.range(0));
    std::vector<PlainPoint> points(count);
    for (size_t i = 0; i < count; i++)
    {
        const float y = 500.0f - 10.0f * static_cast<float>(i);
        points[i] = PlainPoint{300.0f, y, 300.0f, y, 0.0f, 0.0f, i == 0 ? 0.0f : 1.0f};
    }
    for (auto _ : state)
    {
        for (size_t i = 0; i < count; i++)
        {
            PlainPoint& p = points[i];
            p.x += p.vx;
            p.y += p.vy;
            p.x -= 0.001f * p.vx;
            p.y -= 0.001f * p.vy;
            if (i > 0)
            {
                p.y -= 0.2f;
                p.x += 0.03f;
            }
        }
        for (int pass = 0; pass < 100; pass++)
        {
            for (size_t i = 1; i < count; i++)
            {
                PlainPoint& a = points[i - 1];
                PlainPoint& b = points[i];
                const float dx = b.x - a.x;
                const float dy = b.y - a.y;
                const float length = std::sqrt(dx * dx + dy * dy);
                const float c = (length - 10.0f) / (length * (a.w + b.w));
                a.x += dx * a.w * c;
                a.y += dy * a.w * c;
                b.x -= dx * b.w * c;
                b.y -= dy * b.w * c;
            }
        }
        for (PlainPoint& p : points)
        {
            p.vx = p.x - p.px;
            p.vy = p.y - p.py;
            p.px = p.x;
            p.py = p.y;
        }
        benchmark::DoNotOptimize(points[1]);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The default background's simulations: a 20-boid flock, a 6-piece seaweed
// and four smoke generators, one game step each. Compare with a step of
// 16.7 ms.
void DefaultBackgroundStep(benchmark::State& state)
{
    GetSharedRandom().SeedFromTick(5);
    CosmeticRandom().SeedFromTick(6);
    SetFlockScreenHeight(600);
    ListedSequences sequences;
    sequences.Add("Puff", MakeSolidSequence(10, 8, 8, 1, 15.0f));
    std::vector<std::string> texts = {
        "CFlockingSimulationAI\r\n{\r\n\tFlacking Simulation Generator=CFlockingSimulation\r\n\t{\r\n\t}\r\n}\r\n",
        "CSeaWeedAI\r\n{\r\n\tSea Weed=CSeaWeed\r\n\t{\r\n\t\tPosition=300,470\r\n\t}\r\n}\r\n"};
    for (int i = 0; i < 4; i++)
        texts.push_back("CSmokeGeneratorAI\r\n{\r\n\tSmoke Generator=CSmokeGeneratorCollection\r\n\t{\r\n"
                        "\t\tPosition=" +
                        std::to_string(100 + 100 * i) +
                        ",470\r\n\t\tSmoke Generator=Array\r\n\t\t{\r\n\t\t\tArray Item=CSmokeGenerator\r\n"
                        "\t\t\t{\r\n\t\t\t\tStarting Velocity=0,-40\r\n\t\t\t\tVelocity Variance=20,5\r\n"
                        "\t\t\t}\r\n\t\t}\r\n\t}\r\n}\r\n");
    std::vector<std::unique_ptr<CGameSprite>> sprites;
    for (const std::string& text : texts)
    {
        std::unique_ptr<CObject> prototype = ObjectFromText(text);
        sprites.push_back(std::make_unique<CGameSprite>());
        sprites.back()->AddAI(static_cast<CSpriteAI*>(prototype->CreateSameClass()));
    }
    // Past the smoke's build-up.
    for (int step = 0; step < 120; step++)
        for (auto& sprite : sprites)
            sprite->Update();
    for (auto _ : state)
    {
        for (auto& sprite : sprites)
            sprite->Update();
    }
    sprites.clear();
}

} // namespace

BENCHMARK(FlockUpdate)->Arg(20)->Arg(100)->Arg(500);
BENCHMARK(PlainFlockLoop)->Arg(20)->Arg(100)->Arg(500);
BENCHMARK(ChainUpdate)->Arg(6)->Arg(100)->Arg(600);
BENCHMARK(PlainVerletLoop)->Arg(6)->Arg(100)->Arg(600);
BENCHMARK(DefaultBackgroundStep)->Unit(benchmark::kMicrosecond);
