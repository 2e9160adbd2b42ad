#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/maths/maths_helpers.h"
#include "game/bricks/action_multiple_actions.h"
#include "game/bricks/action_play_sound.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_movement_support.h"
#include "game/bricks/brick_plug_in_move_between_points.h"
#include "game/bricks/brick_plug_in_triggers.h"
#include "game/bricks/script_position.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_list.h"

// A round's scripts in one frame: 400 bricks each moving back and forth
// between two points while an every-second trigger fires two sound
// actions, beside the same bricks without scripts and beside a plain loop
// over 400 structs doing the same eased lerp and countdown. Items are
// bricks: ns per brick is the time per item.

namespace {

constexpr int32_t kBricks = 400;

// The least brick: no style, no look.
class CBenchBrick : public CBrickBase
{
public:
    const CString& GetTypeDisplayName() const override { return m_Name; }
    bool MustBeDestroyedToFinish() const override { return false; }
    CClassInfo* GetStyleSheetClass() const override { return nullptr; }
};

CBrickPlugIn* NewBetweenPoints()
{
    auto* move = new CBrickPlugInMoveBetweenPoints();
    move->SetDefaults();
    move->m_TimeToCompleteOneLeg = 1.5f;
    return move;
}

CBrickPlugIn* NewEveryXSecondsOfTwoSounds()
{
    auto* every = new CBrickPlugInTriggerActionEveryXSeconds();
    every->SetDefaults();
    every->m_TimeToWait = 1.0f;
    every->m_RepeatLimit = 0;
    auto* actions = new CActionSimultaneousActions();
    actions->SetDefaults();
    for (int32_t i = 0; i < 2; i++)
    {
        auto* sound = new CActionPlaySound();
        sound->SetDefaults();
        actions->AddAction(sound);
    }
    every->m_pAction = actions;
    return every;
}

std::unique_ptr<CSpriteList> MakeBricks(bool scripted)
{
    auto list = std::make_unique<CSpriteList>();
    for (int32_t i = 0; i < kBricks; i++)
    {
        auto* brick = new CBenchBrick();
        brick->SetDefaults();
        brick->m_StartPosition = Vector2{20.0f + 30.0f * static_cast<float>(i % 20), 20.0f + 25.0f * (i / 20.0f)};
        if (scripted)
        {
            brick->GetPlugIns().AddPlugIn(NewBetweenPoints());
            brick->GetPlugIns().AddPlugIn(NewEveryXSecondsOfTwoSounds());
        }
        auto* sprite = new CGameSprite();
        brick->AttachToSprite(sprite);
        list->Append(sprite);
    }
    return list;
}

void UpdateBricks(benchmark::State& state, bool scripted)
{
    std::unique_ptr<CSpriteList> bricks = MakeBricks(scripted);
    for (auto _ : state)
    {
        bricks->UpdateAndReap();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kBricks);
}

void BM_ScriptedBricks(benchmark::State& state)
{
    UpdateBricks(state, true);
}
BENCHMARK(BM_ScriptedBricks);

void BM_BricksWithoutScripts(benchmark::State& state)
{
    UpdateBricks(state, false);
}
BENCHMARK(BM_BricksWithoutScripts);

struct PlainMover
{
    Vector2 p1;
    Vector2 p2;
    Vector2 position;
    float fraction;
    float direction;
    uint32_t updates;
    uint32_t fired;
};

void BM_PlainLerpAndCountdownLoop(benchmark::State& state)
{
    std::vector<PlainMover> movers(kBricks);
    for (int32_t i = 0; i < kBricks; i++)
    {
        const Vector2 start{54.0f + 30.0f * static_cast<float>(i % 20), 43.0f + 25.0f * (i / 20.0f)};
        movers[static_cast<size_t>(i)] = PlainMover{start, Vector2Add(start, Vector2{100.0f, 0.0f}), start, 0.0f,
                                                    1.0f, 0, 0};
    }
    const float advance = ProgressPerUpdate(1.5f);
    for (auto _ : state)
    {
        for (PlainMover& mover : movers)
        {
            mover.fraction += advance * mover.direction;
            if (mover.fraction <= 0.0f || mover.fraction >= 1.0f)
            {
                mover.fraction = mover.fraction <= 0.0f ? -mover.fraction : 2.0f - mover.fraction;
                mover.direction = -mover.direction;
            }
            mover.position = LerpPointRound(mover.p1, mover.p2, EaseProgress(mover.fraction, 20.0f));
            if (1.0f - static_cast<float>(++mover.updates) * CBrickBase::kPlugInStep <= 0.0f)
            {
                mover.updates = 0;
                mover.fired += 2;
            }
        }
        benchmark::DoNotOptimize(movers.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kBricks);
}
BENCHMARK(BM_PlainLerpAndCountdownLoop);

} // namespace
