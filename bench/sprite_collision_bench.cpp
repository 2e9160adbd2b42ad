#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "engine/core/geometry/polygon_collision.h"
#include "engine/core/maths/maths_tables.h"
#include "game/playfield/bounce_rule.h"
#include "game/playfield/collision_contact.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_list.h"
#include "bench/support/bare_sweep.h"
#include "tests/support/sprite_fixtures.h"

// One step of the playfield's ball physics: the update pass of the balls
// and bricks and the polygon pass of the balls against the bricks, beside a
// bare loop that sweeps the same polygons with the same moves against each
// other and bounces the earliest hit inline. Bricks stand in a round's grid
// inside four walls, so the balls bounce about for ever and every step
// looks alike. Items are ball-brick pairs: ns per pair is the time per item.

namespace {

const float BALL_SPEED = 6.0f;

struct Arena
{
    Polygon2D ball = MakeOctagon(8.0f);
    Polygon2D brick = MakeBox(19.75f, 11.0f);
    Polygon2D wallSide = MakeBox(5.0f, 320.0f);
    Polygon2D wallTop = MakeBox(330.0f, 5.0f);
    // Bricks first, then the walls: every obstacle the balls meet.
    std::vector<SweptObstacle> obstacles;
    std::vector<Vector2> ballStarts;
    std::vector<Vector2> ballVelocities;

    Arena(int32_t balls, int32_t bricks)
    {
        for (int32_t i = 0; i < bricks; i++)
            obstacles.push_back(SweptObstacle{&brick, Vector2{30.0f + 40.0f * static_cast<float>(i % 15),
                                                              30.0f + 24.0f * static_cast<float>(i / 15)}});
        obstacles.push_back(SweptObstacle{&wallSide, Vector2{5.0f, 300.0f}});
        obstacles.push_back(SweptObstacle{&wallSide, Vector2{631.0f, 300.0f}});
        obstacles.push_back(SweptObstacle{&wallTop, Vector2{318.0f, 5.0f}});
        obstacles.push_back(SweptObstacle{&wallTop, Vector2{318.0f, 595.0f}});
        std::mt19937 random(7);
        std::uniform_real_distribution<float> x(30.0f, 600.0f);
        std::uniform_real_distribution<float> y(530.0f, 575.0f);
        std::uniform_real_distribution<float> angle(0.3f, 2.8f);
        for (int32_t i = 0; i < balls; i++)
        {
            ballStarts.push_back(Vector2{x(random), y(random)});
            float sine;
            float cosine;
            FastSinCos(-angle(random), sine, cosine);
            ballVelocities.push_back(Vector2{BALL_SPEED * cosine, BALL_SPEED * sine});
        }
    }
};

CGameSprite* MakeSprite(const Polygon2D* polygon, Vector2 position, Vector2 velocity)
{
    CGameSprite* sprite = new CGameSprite;
    sprite->AddAI(new CPolygonAI(polygon));
    sprite->m_Damping = 1.0f;
    sprite->SetPosition(position);
    sprite->m_Velocity = velocity;
    return sprite;
}

void CountContact(CSprite*, CSprite*, int32_t, CollisionContact&)
{
}

void BM_SpriteListStep(benchmark::State& state)
{
    const Arena arena(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    CSpriteList balls;
    CSpriteList bricks;
    for (const SweptObstacle& obstacle : arena.obstacles)
        bricks.Append(MakeSprite(obstacle.polygon, obstacle.position, Vector2{0.0f, 0.0f}));
    for (size_t i = 0; i < arena.ballStarts.size(); i++)
        balls.Append(MakeSprite(&arena.ball, arena.ballStarts[i], arena.ballVelocities[i]));
    for (auto _ : state)
    {
        bricks.UpdateAndReap();
        balls.UpdateAndReap();
        bricks.AutoCollidePolygons(CountContact, balls);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

// The same step without the lists: positions in arrays, every ball swept
// against every obstacle, the earliest hit taken and bounced once.
void BM_BareSweepLoop(benchmark::State& state)
{
    const Arena arena(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    std::vector<Vector2> positions = arena.ballStarts;
    std::vector<Vector2> velocities = arena.ballVelocities;
    for (auto _ : state)
    {
        SweepAndBounceOnce(arena.ball, arena.obstacles, positions, velocities);
        benchmark::DoNotOptimize(positions.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    for (int64_t balls : {1, 10, 100})
        for (int64_t bricks : {50, 300})
            benchmark->Args({balls, bricks});
}

} // namespace

BENCHMARK(BM_SpriteListStep)->Apply(Sizes);
BENCHMARK(BM_BareSweepLoop)->Apply(Sizes);
