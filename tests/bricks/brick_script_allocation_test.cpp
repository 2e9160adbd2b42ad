#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/core/memory/memory_pools.h"
#include "game/bricks/action_multiple_actions.h"
#include "game/bricks/action_play_sound.h"
#include "game/bricks/brick_movement_support.h"
#include "game/bricks/brick_path_polygon.h"
#include "game/bricks/brick_plug_in_blend_positions.h"
#include "game/bricks/brick_plug_in_move_along_path.h"
#include "game/bricks/brick_plug_in_move_between_points.h"
#include "game/bricks/brick_plug_in_orbit.h"
#include "game/bricks/brick_plug_in_sequence.h"
#include "game/bricks/brick_plug_in_triggers.h"
#include "game/bricks/brick_plug_in_waits.h"
#include "game/bricks/script_position.h"
#include "tests/support/brick_script_field.h"

// Every allocation through operator new in this program is counted while
// the test looks.
namespace {

std::atomic<bool> g_Counting{false};
std::atomic<int64_t> g_Allocations{0};

} // namespace

void* operator new(size_t size)
{
    if (g_Counting.load(std::memory_order_relaxed))
        g_Allocations.fetch_add(1, std::memory_order_relaxed);
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

// GCC takes the free below for a mismatch with the operator new it cannot
// see is this file's own.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, size_t) noexcept
{
    std::free(block);
}

namespace {

uint32_t PoolBlocksInUse()
{
    const CMemoryPools& pools = GetMemoryPools();
    uint32_t total = 0;
    for (uint32_t i = 0; i < pools.GetClassCount(); i++)
        total += pools.GetPool(i).GetBlocksInUse();
    return total;
}

class BrickScriptAllocationTest : public BrickScriptFieldTest
{
};

// The per-frame path keeps records and messages on the stack: a round of
// scripted bricks allocates nothing once it runs.
TEST_F(BrickScriptAllocationTest, ThreeHundredScriptedUpdatesAllocateNothing)
{
    auto* path = new CBrickPathPolygon();
    path->SetDefaults();
    path->m_Name = "Loop";
    for (const Vector2& point : {Vector2{0.0f, 0.0f}, Vector2{80.0f, 0.0f}, Vector2{80.0f, 80.0f}, Vector2{0.0f, 0.0f}})
        path->m_Polygon.InsertPoint(point.x, point.y, -1);
    AddBrick(path, "Normal", Vector2{300.0f, 300.0f});

    CBrickBase* mover = AddNamedBrick("Mover", 100.0f, 100.0f);
    auto* sequence = new CBrickPlugInSequence();
    sequence->SetDefaults();
    sequence->AddStep(new CBrickPlugInMoveBetweenPoints());
    sequence->GetChild(0)->SetDefaults();
    auto* wait = new CBrickPlugInWaitXSeconds();
    wait->m_TimeToWait = 0.5f;
    sequence->AddStep(wait);
    Script(mover, sequence);
    auto* every = new CBrickPlugInTriggerActionEveryXSeconds();
    every->m_TimeToWait = 0.25f;
    every->m_RepeatLimit = 0;
    auto* actions = new CActionSimultaneousActions();
    for (int32_t i = 0; i < 2; i++)
    {
        auto* sound = new CActionPlaySound();
        // Past the list: the sound device's own allocations are not the
        // script's.
        sound->m_Sound = 1000;
        actions->AddAction(sound);
    }
    every->m_pAction = actions;
    Script(mover, every);

    CBrickBase* orbiter = AddNamedBrick("Orbiter", 200.0f, 100.0f);
    auto* orbit = new CBrickPlugInOrbit();
    orbit->SetDefaults();
    Script(orbiter, orbit);

    CBrickBase* follower = AddNamedBrick("Follower", 250.0f, 150.0f);
    auto* blend = new CBrickPlugInBlendPositions();
    blend->SetDefaults();
    static_cast<CScriptPositionNamedObject*>(blend->m_pPoint1)->m_Position.m_Name = "Mover";
    static_cast<CScriptPositionNamedObject*>(blend->m_pPoint2)->m_Position.m_Name = "Orbiter";
    Script(follower, blend);

    CBrickBase* traveller = AddNamedBrick("Traveller", 300.0f, 300.0f);
    auto* along = new CBrickPlugInMoveAlongPath();
    along->SetDefaults();
    along->m_Path.m_Name = "Loop";
    Script(traveller, along);

    // The first frame starts the scripts and fills the name cache.
    Run();
    const uint32_t poolBlocks = PoolBlocksInUse();
    g_Allocations = 0;
    g_Counting = true;
    Run(300);
    g_Counting = false;
    EXPECT_EQ(g_Allocations.load(), 0);
    EXPECT_EQ(PoolBlocksInUse(), poolBlocks);
    EXPECT_NE(PositionOf(traveller).x, 300.0f);
}

} // namespace
