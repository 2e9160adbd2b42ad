#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/geometry/vector2d.h"
#include "game/bricks/brick_layout.h"
#include "tests/support/brick_test_field.h"

class CBrickLayer;
class CSequence;

// The brick test field with what the brick-laying machines look up: the
// sound "Brick Placed.WAV", the plotter's four sequences (gears of four
// frames at 8 a second, a bar, a carriage of four frames at 60 a second),
// an arm of four poses holding bricks at (100, 50), (300, 50), (100, 250)
// and (300, 250) with its gear, and the burst "brick layer" of three
// particles. The machine under test is the playfield's for the test.
class BrickLayerField : public BrickTestField
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a "Normal" brick to the level whose sprite will stand at the
    // point.
    static void AddLevelBrick(CBrickLayout& level, const Vector2& at, bool spawnedByLayer = true);
    // The playfield's laying machine from now on.
    void UseLayer(CBrickLayer* layer) { m_pPlayfield->m_pBrickLayer = layer; }
    // How often play has begun in a round with a score board since the
    // set-up: each serves a ball.
    int32_t BeginPlays() { return SoundPlays("Ball In Play.wav"); }
    int32_t BricksPlaced() { return SoundPlays("Brick Placed.WAV"); }
    // Shown sprites of the brick list.
    int32_t ShownBricks() const;

    CSequence* m_pLeftGears = nullptr;
    CSequence* m_pRightGears = nullptr;
    CSequence* m_pBar = nullptr;
    CSequence* m_pCarriage = nullptr;
    CSequence* m_pArm = nullptr;
    CSequence* m_pGear = nullptr;
    std::unique_ptr<CBrickLayout> m_pLevel;
};
