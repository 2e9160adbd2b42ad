#include <benchmark/benchmark.h>

#include <vector>

#include "engine/core/maths/maths_tables.h"
#include "engine/core/geometry/polygon_collision.h"
#include "tests/support/polygon_shapes.h"

// The cost of one polygon sweep, for sizing the playfield's collision pass:
// every moving ball is swept against every brick it may touch, every step.
// Items per second are Collide calls per second.

namespace {

// The default collision outline of a brick.
Polygon2D MakeBrick()
{
    Polygon2D brick;
    brick.InsertPoint(-19.75f, -11.0f, -1);
    brick.InsertPoint(19.75f, -11.0f, -1);
    brick.InsertPoint(19.75f, 11.0f, -1);
    brick.InsertPoint(-19.75f, 11.0f, -1);
    brick.Close();
    return brick;
}

CollisionMotion MakeMotion(float x, float y)
{
    CollisionMotion motion;
    motion.SetVector(Vector2{x, y});
    return motion;
}

// One sweep of a ball against one brick from a given start; the scenario is
// checked once so that a change of geometry cannot silently measure another
// path.
void CollideOnce(benchmark::State& state, Vector2 ballStart, Vector2 move, bool expectHit)
{
    Polygon2D ball = MakeOctagon(8.0f);
    Polygon2D brick = MakeBrick();
    const Vector2 brickAt{300.0f, 200.0f};
    CollisionMotion motion = MakeMotion(move.x, move.y);
    CollisionResult check;
    if (ball.Collide(ballStart, brick, brickAt, motion, check) != expectHit) {
        state.SkipWithError("the scenario does not give the expected answer");
        return;
    }
    for (auto _ : state) {
        CollisionResult result;
        bool hit = ball.Collide(ballStart, brick, brickAt, motion, result);
        benchmark::DoNotOptimize(hit);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_CollideHittingABrick(benchmark::State& state)
{
    // Rising into the brick's underside at a slant.
    CollideOnce(state, Vector2{295.0f, 225.0f}, Vector2{3.0f, -6.0f}, true);
}
BENCHMARK(BM_CollideHittingABrick);

void BM_CollidePassingCloseToABrick(benchmark::State& state)
{
    // Slipping past the brick's lower right corner: the swept bounds
    // overlap, so the vertex and edge sweeps run, but nothing is touched.
    CollideOnce(state, Vector2{327.0f, 218.0f}, Vector2{4.0f, -4.0f}, false);
}
BENCHMARK(BM_CollidePassingCloseToABrick);

void BM_CollideFarFromABrick(benchmark::State& state)
{
    CollideOnce(state, Vector2{100.0f, 500.0f}, Vector2{3.0f, -6.0f}, false);
}
BENCHMARK(BM_CollideFarFromABrick);

// One ball step tested against a full field of 14 x 8 bricks laid on the
// 40 x 24 grid, as the playfield's pass does.
void BM_CollideBallAgainstBrickField(benchmark::State& state)
{
    Polygon2D ball = MakeOctagon(8.0f);
    Polygon2D brick = MakeBrick();
    std::vector<Vector2> bricks;
    for (int row = 0; row < 8; row++) {
        for (int column = 0; column < 14; column++)
            bricks.push_back(Vector2{50.0f + 40.0f * static_cast<float>(column), 40.0f + 24.0f * static_cast<float>(row)});
    }
    const Vector2 ballStart{215.0f, 232.0f};
    CollisionMotion motion = MakeMotion(2.5f, -5.5f);
    for (auto _ : state) {
        CollisionResult result;
        for (const Vector2& at : bricks)
            benchmark::DoNotOptimize(ball.Collide(ballStart, brick, at, motion, result));
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(bricks.size()));
}
BENCHMARK(BM_CollideBallAgainstBrickField);

} // namespace
