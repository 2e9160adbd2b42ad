#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

#include "engine/core/geometry/polygon_collision.h"
#include "engine/core/maths/random_r250.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_list.h"
#include "tests/support/brick_data.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/playfield_fixtures.h"
#include "tests/support/polygon_shapes.h"

// A brick's answer to a hit as the game runs it, in a field of 400 bricks
// (27 rows of 15, 5 left out, as closely packed as the play area holds):
// the hit message to two plug-ins, the kind's answer, the destruction with
// its sound, and the reaping of a broken brick, which a fresh brick of the
// same kind replaces so the field stays full. Beside it the collision work
// a ball does against the same field without any hit handling: one sweep of
// a ball-sized square against every brick's polygon with the polygon
// collision the playfield uses. Items are hits and sweeps.
//
// A brick's move with and without the collision (the play-area test and
// the visit of every brick of the field), and area damage over the field
// (arming countdowns) beside a flat loop doing the same ellipse test over a
// vector of positions; beside them the worst frame of a field of Exploders
// all armed at once.

namespace {

constexpr int32_t kColumns = 15;
constexpr int32_t kRows = 27;
constexpr int32_t kBricks = 400;

// Each kind's brick class, style and benchmark name.
const char* const kKinds[][3] = {{"CBrickNormal", "Quiet", "BM_BrickHit/Normal"},
                                 {"CBrickOptional", "Optional", "BM_BrickHit/Optional"},
                                 {"CBrickNearlyIndestructible", "Indestructible", "BM_BrickHit/Indestructible"},
                                 {"CBrickShredder", "Shredder", "BM_BrickHit/Shredder"},
                                 {"CBrickBallDeflector", "Ball Deflector", "BM_BrickHit/BallDeflector"},
                                 {"CBrickBallFactory", "Ball Factory", "BM_BrickHit/BallFactory"},
                                 {"CBrickFloatingBall", "Floating Ball", "BM_BrickHit/FloatingBall"},
                                 {"CBrickFactory", "Factory", "BM_BrickHit/Factory"},
                                 {"CBrickFactoryShutdown", "Factory Shutdown", "BM_BrickHit/FactoryShutdown"},
                                 {"CBrickNHitSide", "N Hit", "BM_BrickHit/NHitSide"},
                                 {"CBrickNudge", "Nudge", "BM_BrickHit/Nudge"},
                                 {"CBrickRail", "Rail", "BM_BrickHit/Rail"},
                                 {"CBrickMagnetic", "Magnet North", "BM_BrickHit/Magnetic"},
                                 {"CBrickOnOff", "Detonator Without Radius", "BM_BrickHit/OnOff"},
                                 {"CBrickSwitch", "Switch", "BM_BrickHit/Switch"},
                                 {"CBrickPathPolygon", "Path", "BM_BrickHit/PathPolygon"},
                                 {"CBrickPositionMarker", "Position Marker", "BM_BrickHit/PositionMarker"},
                                 {"CBrickPowerup", "Power-Up", "BM_BrickHit/Powerup"},
                                 {"CBrickSplitN", "Splitter", "BM_BrickHit/SplitN"},
                                 {"CBrickSpeedChange", "Speed Changer", "BM_BrickHit/SpeedChange"},
                                 {"CBrickTeleporter", "Teleporter Entrance", "BM_BrickHit/Teleporter"},
                                 {"CBrickTrappedBall", "Trapped Ball", "BM_BrickHit/TrappedBall"},
                                 {"CBrickCoin", "Coin", "BM_BrickHit/Coin"},
                                 {"CBrickChangeArea", "Change Area", "BM_BrickHit/ChangeArea"},
                                 {"CBrickConcussion", "Concussion", "BM_BrickHit/Concussion"},
                                 {"CBrickExploder", "Exploder", "BM_BrickHit/Exploder"},
                                 {"CBrickStarfishGoal", "Starfish Goal", "BM_BrickHit/StarfishGoal"}};

Vector2 PlaceOf(int32_t index)
{
    return {32.0f + 40.5f * static_cast<float>(index % kColumns), 22.0f + 22.5f * static_cast<float>(index / kColumns)};
}

// A data folder, a playfield and a test hitter for one benchmark.
class CBrickBenchField
{
public:
    explicit CBrickBenchField(int32_t kind)
        : m_Kind(kind)
    {
        // Ball bricks release balls, which show the game's ball pictures.
        AddPlayfieldSequences(m_Sequences);
        m_pPlayfield = std::make_unique<CPlayfield>();
        GameRandom().SeedFromTick(99);
        m_pHitter = new CTestHitter;
        m_pHitter->m_pSprite = &m_HitterSprite;
        m_HitterSprite.AddAI(m_pHitter);
        for (int32_t i = 0; i < kBricks; i++)
            m_Bricks.push_back(MakeBrick(i));
    }

    CBrickBase* MakeBrick(int32_t index)
    {
        auto* brick = static_cast<CBrickBase*>(GetClassRegistry().CreateByName(kKinds[m_Kind][0]));
        brick->m_StyleSheet = ScopedBrickData::StyleIndex(kKinds[m_Kind][1]);
        const Vector2 at = PlaceOf(index);
        brick->m_StartPosition = {at.x - CBrickBase::kCentreOffsetX, at.y - CBrickBase::kCentreOffsetY};
        brick->GetPlugIns().AddPlugIn(new CRecordingPlugIn);
        brick->GetPlugIns().AddPlugIn(new CRecordingPlugIn);
        CGameSprite* sprite = new CGameSprite;
        brick->AttachToSprite(sprite);
        sprite->SetActive(true);
        m_pPlayfield->m_pBricks->Append(sprite);
        return brick;
    }

    // The brick at the index is hit; a broken one is reaped and replaced.
    void Hit(int32_t index)
    {
        CBrickBase*& brick = m_Bricks[static_cast<size_t>(index)];
        brick->HitByBallOrShot(m_pHitter, {0.0f, 1.0f});
        if (!brick->IsDestroyed())
            return;
        CGameSprite* sprite = brick->GetSprite();
        m_pPlayfield->m_pBricks->Unlink(sprite);
        delete sprite;
        // Balls a broken brick released and bricks it left behind (at the
        // list's end) go with it, so the field stays the same size.
        m_pPlayfield->m_pBallsInPlay->DeleteAll();
        CSpriteList& bricks = *m_pPlayfield->m_pBricks;
        while (bricks.Count() > kBricks - 1)
        {
            CSprite* leftBehind = bricks.GetTail();
            bricks.Unlink(leftBehind);
            delete leftBehind;
        }
        brick = MakeBrick(index);
    }

    CBrickBase* GetBrick(int32_t index) const { return m_Bricks[static_cast<size_t>(index)]; }
    CSpriteList& GetBrickList() const { return *m_pPlayfield->m_pBricks; }

    // A fresh field once the list has emptied.
    void Refill()
    {
        for (int32_t i = 0; i < kBricks; i++)
            m_Bricks[static_cast<size_t>(i)] = MakeBrick(i);
    }

private:
    ScopedBrickDataFolder m_Data;
    ListedSequences m_Sequences;
    int32_t m_Kind;
    std::unique_ptr<CPlayfield> m_pPlayfield;
    CGameSprite m_HitterSprite;
    CTestHitter* m_pHitter = nullptr;
    std::vector<CBrickBase*> m_Bricks;
};

void BM_BrickHit(benchmark::State& state, int32_t kind)
{
    CBrickBenchField field(kind);
    int32_t next = 0;
    for (auto _ : state)
    {
        field.Hit(next);
        next = (next + 7) % kBricks;
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

void BM_SweepOnly(benchmark::State& state)
{
    CBrickBenchField field(0);
    const Polygon2D ball = MakeOctagon(6.0f);
    CollisionMotion motion;
    motion.SetVector({2.0f, -3.0f});
    int32_t next = 0;
    for (auto _ : state)
    {
        const Vector2 from = PlaceOf(next);
        CollisionResult result;
        result.m_Time = 1.0f;
        for (int32_t i = 0; i < kBricks; i++)
        {
            const CBrickBase* brick = field.GetBrick(i);
            const Polygon2D* polygon = const_cast<CBrickBase*>(brick)->GetCollisionPolygon(brick->GetSprite());
            ball.Collide({from.x, from.y + 14.0f}, *polygon, brick->GetSprite()->m_Position, motion, result);
        }
        benchmark::DoNotOptimize(result.m_Time);
        next = (next + 7) % kBricks;
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

// A brick in the middle of the field moves a pixel right and back.
void BM_MovePush(benchmark::State& state)
{
    CBrickBenchField field(0);
    const bool collide = state.range(0) != 0;
    CBrickBase* brick = field.GetBrick(kBricks / 2);
    float step = 0.25f;
    for (auto _ : state)
    {
        brick->Move({step, 0.0f}, false, collide);
        step = -step;
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
    state.SetLabel(collide ? "collide" : "no collision");
}

void BM_DamageArea(benchmark::State& state)
{
    CBrickBenchField field(0);
    CSprite* centre = field.GetBrick(kBricks / 2)->GetSprite();
    for (auto _ : state)
        DamageArea(centre, 80.0f, 48.0f, 0.5f);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kBricks);
}

void BM_DamageAreaFlatLoop(benchmark::State& state)
{
    std::vector<Vector2> positions;
    std::vector<uint32_t> countdowns(kBricks, 0);
    for (int32_t i = 0; i < kBricks; i++)
        positions.push_back(PlaceOf(i));
    const Vector2 centre = PlaceOf(kBricks / 2);
    const float radiusX = 80.0f;
    const float stretch = radiusX / 48.0f;
    for (auto _ : state)
    {
        for (size_t i = 0; i < positions.size(); i++)
        {
            const float dx = centre.x - positions[i].x;
            const float dy = stretch * (centre.y - positions[i].y);
            if (dx * dx + dy * dy <= radiusX * radiusX)
                countdowns[i] = 30;
        }
        benchmark::DoNotOptimize(countdowns.data());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kBricks);
}

int32_t KindIndex(const char* className)
{
    for (int32_t kind = 0; kind < static_cast<int32_t>(std::size(kKinds)); kind++)
    {
        if (std::strcmp(kKinds[kind][0], className) == 0)
            return kind;
    }
    return 0;
}

// The whole field armed at once: the chain reaction's worst frame (the
// brick list's update and reaping), measured by hand, per chain.
void BM_ExploderChain(benchmark::State& state)
{
    CBrickBenchField field(KindIndex("CBrickExploder"));
    CSpriteList& bricks = field.GetBrickList();
    for (auto _ : state)
    {
        for (int32_t i = 0; i < kBricks; i++)
            field.GetBrick(i)->ArmCountdown(0.1f);
        double worst = 0.0;
        while (bricks.GetHead() != nullptr)
        {
            const auto start = std::chrono::steady_clock::now();
            bricks.UpdateAndReap();
            worst = std::max(worst, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        state.SetIterationTime(worst);
        field.Refill();
    }
}

[[maybe_unused]] const bool s_BrickHitsRegistered = [] {
    for (int32_t kind = 0; kind < static_cast<int32_t>(std::size(kKinds)); kind++)
        benchmark::RegisterBenchmark(kKinds[kind][2], BM_BrickHit, kind);
    return true;
}();

} // namespace

BENCHMARK(BM_SweepOnly);
BENCHMARK(BM_MovePush)->Arg(0)->Arg(1);
BENCHMARK(BM_DamageArea)->Arg(kBricks);
BENCHMARK(BM_DamageAreaFlatLoop)->Arg(kBricks);
BENCHMARK(BM_ExploderChain)->Arg(kBricks)->UseManualTime()->Iterations(100);
