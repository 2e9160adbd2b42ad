#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "engine/app/demo_recorder.h"
#include "engine/blit/blit_normal.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/dirty_rect_frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_normal.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite.h"
#include "tests/support/ball_fixtures.h"
#include "tests/support/brick_data.h"
#include "tests/support/playfield_fixtures.h"

// One step of a busy round as the game runs it: the playfield's update
// (every list, the behaviours, the collision passes, the round's tests)
// and its draw into the 800 x 600 16-bit dirty-rectangle frame, with 150
// Normal bricks, 500 live particles and 1, 8 or 32 balls; its share of a
// 60 Hz frame is the counter "frame_share". Beside it the same sprites in
// a flat array, moved and drawn with BlitAt and nothing else (no lists,
// behaviours, collisions or records): the floor the playfield's machinery
// stands on. And the step while the demo recorder records, which adds the
// drawing records.
//
// The balls break bricks and fall past the bottom as play goes on, so the
// scene is built again, untimed, every few seconds of play: every timed
// step sees about the same round.

namespace {

constexpr int32_t kColumns = 15;
constexpr int32_t kBricks = 150;
constexpr uint32_t kParticles = 500;
constexpr int32_t kStepsPerScene = 240;
constexpr double kFrameSeconds = 1.0 / 60.0;

Vector2 BrickPlace(int32_t index)
{
    return {52.0f + 38.0f * static_cast<float>(index % kColumns), 40.0f + 24.0f * static_cast<float>(index / kColumns)};
}

Vector2 BallPlace(int32_t index)
{
    return {40.0f + static_cast<float>((index * 83) % 560), 330.0f + static_cast<float>((index * 37) % 200)};
}

Vector2 BallVelocity(int32_t index)
{
    return {index % 2 == 0 ? 3.0f : -3.0f, -2.0f - static_cast<float>(index % 3)};
}

// The data, the playfield and the frame of one benchmark; Build lays the
// round anew.
class CPlayfieldBenchScene
{
public:
    explicit CPlayfieldBenchScene(int32_t balls)
        : m_Balls(balls)
    {
        AddPlayfieldSequences(m_Sequences);
        AddBallParticleGenerators();
        m_pSpark = m_Sequences.Add("Spark", MakeSolidSequence(64, 3, 3, 0x7BEF, 0.0001f));
        CParticleGeneratorInfo* burst = new CParticleGeneratorInfo;
        burst->SetDefaults();
        burst->m_Particles = kParticles;
        burst->m_Velocity = 120.0f;
        burst->AddType().m_ParticleType = GetSequenceList().IndexOfObject(m_pSpark);
        m_BurstGenerator = GetParticleGeneratorList().AddItemWithObject(burst, "Bench Burst");
        m_Frame.Create(800, 600, 16);
        Build();
    }

    void Build()
    {
        m_pPlayfield.reset();
        GameRandom().SeedFromTick(45);
        m_pPlayfield = std::make_unique<CPlayfield>();
        const int32_t style = ScopedBrickData::StyleIndex("Normal");
        for (int32_t i = 0; i < kBricks; i++)
        {
            CBrickNormal* brick = new CBrickNormal;
            brick->SetDefaults();
            brick->m_StyleSheet = style;
            brick->m_StartPosition = BrickPlace(i);
            CGameSprite* sprite = new CGameSprite;
            brick->AttachToSprite(sprite);
            sprite->SetActive(true);
            m_pPlayfield->m_pBricks->Append(sprite);
        }
        for (int32_t i = 0; i < m_Balls; i++)
            AddTestBall(*m_pPlayfield, BallPlace(i), BallVelocity(i));
        m_pPlayfield->SpawnSparks(Vector2{320.0f, 420.0f}, BURST_DISC, 150.0f, 0.0f, 0.0f, m_BurstGenerator, nullptr,
                                  m_pPlayfield->m_pFrontEffects);
        m_Frame.InvalidateAll();
        m_Steps = 0;
    }

    void Step()
    {
        m_Frame.Clear();
        m_pPlayfield->Update(CPlayfield::kStepSeconds);
        m_pPlayfield->Draw(&m_Frame);
    }

    // Builds the round again, untimed, once it has played a while.
    void RenewWhenWornOut(benchmark::State& state)
    {
        if (++m_Steps < kStepsPerScene)
            return;
        state.PauseTiming();
        CDemoRecorder& recorder = CDemoRecorder::Get();
        const bool recording = recorder.IsRecording();
        if (recording)
            recorder.StopRecording();
        Build();
        if (recording)
            recorder.StartRecording();
        state.ResumeTiming();
    }

    CPlayfield& Playfield() { return *m_pPlayfield; }
    CDirtyRectFrame& Frame() { return m_Frame; }

private:
    ScopedBrickDataFolder m_Data;
    int32_t m_Balls;
    ListedSequences m_Sequences;
    CSequence* m_pSpark = nullptr;
    int32_t m_BurstGenerator = 0;
    std::unique_ptr<CPlayfield> m_pPlayfield;
    CDirtyRectFrame m_Frame;
    int32_t m_Steps = 0;
};

void ReportFrameShare(benchmark::State& state)
{
    // Seconds per step over the seconds of a frame.
    state.counters["frame_share"] = benchmark::Counter(static_cast<double>(state.iterations()) * kFrameSeconds,
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_PlayfieldStep(benchmark::State& state)
{
    CPlayfieldBenchScene scene(static_cast<int32_t>(state.range(0)));
    for (auto _ : state)
    {
        scene.Step();
        scene.RenewWhenWornOut(state);
    }
    ReportFrameShare(state);
}

void BM_PlayfieldStepRecording(benchmark::State& state)
{
    CPlayfieldBenchScene scene(static_cast<int32_t>(state.range(0)));
    CDemoRecorder& recorder = CDemoRecorder::Get();
    recorder.StartRecording();
    for (auto _ : state)
    {
        scene.Step();
        recorder.EndFrame();
        scene.RenewWhenWornOut(state);
    }
    recorder.StopRecording();
    ReportFrameShare(state);
}

// A sprite reduced to what moving and drawing it needs.
struct CBareSprite
{
    Vector2 position;
    Vector2 velocity;
    float damping;
    CFrame* picture;
};

// The scene's sprites as they stand after it is built.
std::vector<CBareSprite> CopySprites(CPlayfield& playfield)
{
    std::vector<CBareSprite> sprites;
    for (CSpriteList* list : {playfield.m_pBricks, playfield.m_pBallsInPlay, playfield.m_pFrontEffects})
    {
        for (CSprite* sprite = list->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        {
            CFrame* picture = sprite->GetImage();
            if (picture != nullptr)
                sprites.push_back(CBareSprite{sprite->m_Position, sprite->m_Velocity, sprite->m_Damping, picture});
        }
    }
    return sprites;
}

// Walls at the play area's edges turn a sprite back; nothing else meets.
void MoveAndDraw(std::vector<CBareSprite>& sprites, CDirtyRectFrame& frame)
{
    frame.Clear();
    for (CBareSprite& sprite : sprites)
    {
        sprite.velocity = Vector2Scale(sprite.velocity, sprite.damping);
        sprite.position = Vector2Add(sprite.position, sprite.velocity);
        if (sprite.position.x < 11.0f || sprite.position.x > 626.0f)
            sprite.velocity.x = -sprite.velocity.x;
        if (sprite.position.y < 10.0f || sprite.position.y > 600.0f)
            sprite.velocity.y = -sprite.velocity.y;
        frame.BlitAt(sprite.picture, static_cast<int32_t>(sprite.position.x), static_cast<int32_t>(sprite.position.y),
                     &GetBlitNormal());
    }
}

void BM_BareSpriteLoop(benchmark::State& state)
{
    CPlayfieldBenchScene scene(static_cast<int32_t>(state.range(0)));
    std::vector<CBareSprite> sprites = CopySprites(scene.Playfield());
    for (auto _ : state)
        MoveAndDraw(sprites, scene.Frame());
    state.counters["sprites"] = static_cast<double>(sprites.size());
    ReportFrameShare(state);
}

} // namespace

BENCHMARK(BM_PlayfieldStep)->Arg(1)->Arg(8)->Arg(32);
BENCHMARK(BM_BareSpriteLoop)->Arg(1)->Arg(8)->Arg(32);
BENCHMARK(BM_PlayfieldStepRecording)->Arg(1)->Arg(8)->Arg(32);
