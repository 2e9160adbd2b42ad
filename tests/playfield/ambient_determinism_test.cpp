#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/maths/random_r250.h"
#include "game/playfield/constraint_system.h"
#include "game/playfield/flocking_simulation_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sea_weed_ai.h"
#include "game/playfield/smoke_generator.h"
#include "game/playfield/smoke_generator_ai.h"
#include "tests/support/fnv1a.h"
#include "tests/support/object_forms.h"
#include "tests/support/sprite_fixtures.h"

namespace {

// One behaviour of every kind, as a background's generators give them.
const char* const kBehaviours[] = {
    "CFishAI\r\n{\r\n\tLeft Sequence=Swim\r\n\tRight Sequence=Swim\r\n}\r\n",
    "CPlanktonAI\r\n{\r\n\tSequence=Swim\r\n\tMax Speed=20\r\n}\r\n",
    "CRandomDebrisAI\r\n{\r\n\tSequence=Swim\r\n\tMin Speed=40\r\n\tMax Speed=90\r\n}\r\n",
    "CAnimateAtInterval\r\n{\r\n\tSequence=Swim\r\n\tTime Between Animations=2\r\n\tTime Variation=1\r\n}\r\n",
    "CFlockingSimulationAI\r\n{\r\n\tFlacking Simulation Generator=CFlockingSimulation\r\n\t{\r\n"
    "\t\tCenter Position=300,250\r\n\t\tMax Dist From Center=120\r\n\t}\r\n}\r\n",
    "CSeaWeedAI\r\n{\r\n\tSea Weed=CSeaWeed\r\n\t{\r\n\t\tPosition=200,470\r\n\t\tRandom Current Strength=0.3\r\n"
    "\t}\r\n}\r\n",
    "CSmokeGeneratorAI\r\n{\r\n\tSmoke Generator=CSmokeGeneratorCollection\r\n\t{\r\n\t\tPosition=500,460\r\n"
    "\t\tSmoke Generator=Array\r\n\t\t{\r\n\t\t\tArray Item=CSmokeGenerator\r\n\t\t\t{\r\n"
    "\t\t\t\tStarting Velocity=0,-40\r\n\t\t\t\tVelocity Variance=30,10\r\n\t\t\t\tSpawnRate Variance=5\r\n"
    "\t\t\t}\r\n\t\t}\r\n\t}\r\n}\r\n",
};

template <typename T>
void HashValue(uint64_t& hash, const T& value)
{
    hash = Fnv1a(hash, reinterpret_cast<const uint8_t*>(&value), sizeof(value));
}

// 600 steps of every kind from fixed seeds; the hash of where every
// sprite, boid, point and puff ended.
uint64_t RunBackground()
{
    GameRandom().SeedFromTick(1001);
    CosmeticRandom().SeedFromTick(2002);
    GetSharedRandom().SeedFromTick(3003);
    SetFlockScreenHeight(600);
    std::vector<std::unique_ptr<CGameSprite>> sprites;
    for (const char* text : kBehaviours)
    {
        std::unique_ptr<CObject> prototype = ObjectFromText(text);
        EXPECT_NE(prototype, nullptr) << text;
        sprites.push_back(std::make_unique<CGameSprite>());
        sprites.back()->m_Flags |= SPRITE_NOT_RECORDED;
        sprites.back()->AddAI(static_cast<CSpriteAI*>(prototype->CreateSameClass()));
    }
    for (int32_t step = 0; step < 600; step++)
    {
        for (auto& sprite : sprites)
            sprite->Update();
    }

    uint64_t hash = FNV1A_START;
    uint32_t boids = 0;
    uint32_t puffs = 0;
    for (auto& sprite : sprites)
    {
        HashValue(hash, sprite->m_Position);
        HashValue(hash, sprite->m_Velocity);
        CSpriteAI* behaviour = sprite->GetAI();
        if (auto* flock = dynamic_cast<CFlockingSimulationAI*>(behaviour))
        {
            for (const auto& boid : flock->m_FlockingSimulation.GetBoids())
                HashValue(hash, boid);
            boids += flock->m_FlockingSimulation.GetBoids().GetCount();
        }
        if (auto* weed = dynamic_cast<CSeaWeedAI*>(behaviour))
        {
            for (const PointMass& point : weed->m_SeaWeed.GetSystem().GetPoints())
                HashValue(hash, point);
        }
        if (auto* smoke = dynamic_cast<CSmokeGeneratorAI*>(behaviour))
        {
            for (const auto& puff : smoke->m_SmokeGenerator.GetGenerator(0)->GetPuffs())
                HashValue(hash, puff);
            puffs += smoke->m_SmokeGenerator.GetGenerator(0)->GetPuffs().GetCount();
        }
    }
    EXPECT_EQ(boids, 20u);
    EXPECT_GT(puffs, 0u);
    return hash;
}

TEST(AmbientDeterminism, SixHundredSeededStepsOfEveryKindRepeatExactly)
{
    ListedSequences sequences;
    sequences.Add("Swim", MakeSolidSequence(6, 2, 2, 1, 12.0f));
    const uint64_t first = RunBackground();
    const uint64_t second = RunBackground();
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, 0xA2D2002100428B01u) << std::hex << first;
}

} // namespace
