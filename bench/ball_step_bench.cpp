#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "bench/support/bare_sweep.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/core/maths/random_r250.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/records/stats.h"
#include "tests/support/ball_fixtures.h"
#include "tests/support/brick_data.h"
#include "tests/support/brick_test_field.h"

// The whole step of the balls as the playfield runs it: each ball's
// behaviour (plug-ins, speed easing, walls), its move, the polygon pass
// against 300 bricks and the brick callback of every contact, with 1, 10
// and 100 balls. Beside it the bare collision work of the same moves: each
// ball's polygon swept by the polygon collision alone against every brick,
// the earliest hit bounced inline. Bricks stand in 19 rows of 15 (one left
// out) under the top wall with a floor of 16 more, and never break, so the balls bounce
// about for ever and every step looks alike. Items are ball-steps.

namespace {

constexpr int32_t kColumns = 15;
constexpr int32_t kGridRows = 19;
constexpr int32_t kFloorBricks = 16;
constexpr float kBallSpeed = 6.0f;

std::vector<Vector2> BrickPlaces()
{
    std::vector<Vector2> places;
    // The grid less one brick, so that with the floor's 16 the field holds
    // 300.
    for (int32_t i = 0; i < kColumns * kGridRows - 1; i++)
        places.push_back(
            {40.0f + 40.0f * static_cast<float>(i % kColumns), 40.0f + 22.0f * static_cast<float>(i / kColumns)});
    // The floor reaches past both walls: a ball must find no slot beside it.
    for (int32_t i = 0; i < kFloorBricks; i++)
        places.push_back({30.0f + 40.0f * static_cast<float>(i), 590.0f});
    return places;
}

// Where each ball starts and how it moves: below the grid, heading up.
void BallStarts(int32_t balls, std::vector<Vector2>& positions, std::vector<Vector2>& velocities)
{
    CRandom random;
    random.SeedFromTick(7);
    for (int32_t i = 0; i < balls; i++)
    {
        positions.push_back({random.BetweenFloat(40.0f, 580.0f), random.BetweenFloat(480.0f, 560.0f)});
        float sine;
        float cosine;
        FastSinCos(-random.BetweenFloat(0.3f, 2.8f), sine, cosine);
        velocities.push_back({kBallSpeed * cosine, kBallSpeed * sine});
    }
}

// A data folder, a playfield, its never-breaking bricks and the balls.
class CBallBenchField
{
public:
    explicit CBallBenchField(int32_t balls)
    {
        AddPlayfieldSequences(m_Sequences);
        AddBallParticleGenerators();
        m_pPlayfield = std::make_unique<CPlayfield>();
        m_pPlayfield->m_ScoreBoardShown = true;
        GetStats().GetCurrentGame().m_LevelOfDifficulty = 1;
        GameRandom().SeedFromTick(99);
        for (const Vector2& at : BrickPlaces())
        {
            auto* brick = new CScriptedBrick;
            brick->m_HitAnswer = 0;
            brick->m_StyleSheet = ScopedBrickData::StyleIndex("Normal");
            brick->m_StartPosition = {at.x - CBrickBase::kCentreOffsetX, at.y - CBrickBase::kCentreOffsetY};
            CGameSprite* sprite = new CGameSprite;
            brick->AttachToSprite(sprite);
            sprite->SetActive(true);
            sprite->StorePreviousPosition();
            m_pPlayfield->m_pBricks->Append(sprite);
            m_Bricks.push_back(brick);
        }
        std::vector<Vector2> positions;
        std::vector<Vector2> velocities;
        BallStarts(balls, positions, velocities);
        for (size_t i = 0; i < positions.size(); i++)
            AddTestBall(*m_pPlayfield, positions[i], velocities[i]);
    }

    void Step()
    {
        m_pPlayfield->m_pBallsInPlay->UpdateAndReap();
        m_pPlayfield->m_pBricks->AutoCollidePolygons(&CPlayfield::OnBallTouchesBrick, *m_pPlayfield->m_pBallsInPlay);
    }

    int32_t BallsInPlay() const { return m_pPlayfield->m_pBallsInPlay->Count(); }
    const std::vector<CBrickBase*>& GetBricks() const { return m_Bricks; }
    Polygon2D* GetBallPolygon() const
    {
        CSprite* ball = m_pPlayfield->m_pBallsInPlay->GetHead();
        return ball->GetAI()->GetCollisionPolygon(ball);
    }

private:
    ScopedBrickDataFolder m_Data;
    ListedSequences m_Sequences;
    std::unique_ptr<CPlayfield> m_pPlayfield;
    std::vector<CBrickBase*> m_Bricks;
};

void BM_BallStep(benchmark::State& state)
{
    CBallBenchField field(static_cast<int32_t>(state.range(0)));
    for (auto _ : state)
        field.Step();
    if (field.BallsInPlay() != state.range(0))
        state.SkipWithError("a ball was lost");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The same moves with the polygon collision alone: positions in arrays,
// every ball swept against every brick, the earliest hit bounced once.
void BM_CollideOnly(benchmark::State& state)
{
    CBallBenchField field(1);
    const Polygon2D* ball = field.GetBallPolygon();
    std::vector<SweptObstacle> bricks;
    for (CBrickBase* brick : field.GetBricks())
        bricks.push_back(SweptObstacle{brick->GetCollisionPolygon(brick->GetSprite()), brick->GetSprite()->m_Position});
    std::vector<Vector2> positions;
    std::vector<Vector2> velocities;
    BallStarts(static_cast<int32_t>(state.range(0)), positions, velocities);
    for (auto _ : state)
    {
        SweepAndBounceOnce(*ball, bricks, positions, velocities);
        benchmark::DoNotOptimize(positions.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

// A fixed run from the same start for both: every bounce speeds the real
// balls up, so a run as long as the timer likes would measure balls of
// another speed (and, at the speed ceiling, some lost past the bricks).
BENCHMARK(BM_BallStep)->Arg(1)->Arg(10)->Arg(100)->Iterations(3000);
BENCHMARK(BM_CollideOnly)->Arg(1)->Arg(10)->Arg(100)->Iterations(3000);
