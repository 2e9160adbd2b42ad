#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "game/bricks/brick_layer_plotter.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/brick_normal.h"
#include "game/playfield/playfield.h"
#include "tests/support/brick_data.h"
#include "tests/support/sprite_fixtures.h"

// The plotter laying a round of 150 bricks from start to the beginning of
// play: every update looks at each brick of the list, and every placed
// brick starts a search for the nearest hidden one. Beside it the bare
// arithmetic of the searches: 150 nearest-point searches, with the same
// weighting, over a vector of 150 points, each found point taken out.
// Items are rounds laid and search runs.

namespace {

constexpr int32_t kBricks = 150;

Vector2 PlaceOf(int32_t index)
{
    return {40.0f + 40.0f * static_cast<float>(index % 15), 30.0f + 24.0f * static_cast<float>(index / 15)};
}

// A data folder with the bricks' data and the plotter's pictures, a
// playfield and a round of 150 bricks.
class CLayerBenchField
{
public:
    CLayerBenchField()
    {
        for (const char* part :
             {"Brick Layer/Left Gears", "Brick Layer/Right Gears", "Brick Layer/Bar", "Brick Layer/Carriage"})
            m_Sequences.Add(part, MakeSolidSequence(4, 6, 6, 10, 60.0f));
        m_pPlayfield = std::make_unique<CPlayfield>();
        // A round outside the game: beginning play serves no ball, which
        // would need the ball's pictures.
        m_pPlayfield->m_StandAloneRound = 0;
        m_pLevel = std::make_unique<CBrickLayout>();
        for (int32_t i = 0; i < kBricks; i++)
        {
            CBrickNormal* brick = new CBrickNormal;
            brick->m_StyleSheet = ScopedBrickData::StyleIndex("Normal");
            brick->m_StartPosition = PlaceOf(i);
            m_pLevel->AppendBrick(brick);
        }
    }

    CBrickLayout* GetLevel() const { return m_pLevel.get(); }

private:
    ScopedBrickDataFolder m_Data;
    ListedSequences m_Sequences;
    std::unique_ptr<CPlayfield> m_pPlayfield;
    std::unique_ptr<CBrickLayout> m_pLevel;
};

void BM_PlotterLaysARound(benchmark::State& state)
{
    CLayerBenchField field;
    CBrickLayerVorpanPloter plotter;
    int64_t steps = 0;
    for (auto _ : state)
    {
        plotter.Start(field.GetLevel());
        while (plotter.IsLaying())
        {
            plotter.Update();
            steps++;
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["steps"] = benchmark::Counter(static_cast<double>(steps) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_PlotterLaysARound);

void BM_NearestPointSearches(benchmark::State& state)
{
    std::vector<Vector2> points;
    for (int32_t i = 0; i < kBricks; i++)
        points.push_back(PlaceOf(i));
    std::vector<bool> taken(points.size());
    for (auto _ : state)
    {
        std::fill(taken.begin(), taken.end(), false);
        Vector2 from{318.0f, 400.0f};
        for (int32_t search = 0; search < kBricks; search++)
        {
            size_t nearest = points.size();
            float best = 0.0f;
            for (size_t i = 0; i < points.size(); i++)
            {
                const float dx = points[i].x - from.x;
                const float dy = 1.6666666f * (points[i].y - from.y);
                const float distance = dx * dx + dy * dy;
                if (!taken[i] && (nearest == points.size() || distance < best))
                {
                    nearest = i;
                    best = distance;
                }
            }
            taken[nearest] = true;
            from = points[nearest];
        }
        benchmark::DoNotOptimize(from);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NearestPointSearches);

} // namespace
