#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/app/demo_recorder.h"
#include "engine/app/input/mouse_state.h"
#include "engine/core/maths/maths_helpers.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/platform/tick_counter.h"
#include "game/playfield/accessory_gun_basic_dual.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/shot_stinger_missile.h"
#include "game/records/stats.h"
#include "tests/support/ball_fixtures.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/colour_recording_frame.h"
#include "tests/support/fnv1a.h"

namespace {

constexpr int32_t kSteps = 600;

// The platform clock of the game, moved one step at a time.
int64_t s_Nanoseconds = 0;

int64_t SteppedClock()
{
    return s_Nanoseconds;
}

// Everything a step leaves behind: each ball, the ship, each shot and each
// brick, by position, velocity and frame.
class CStepLog
{
public:
    void Add(const CSpriteList* list)
    {
        for (const CSprite* sprite = list->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        {
            const float values[] = {sprite->m_Position.x, sprite->m_Position.y, sprite->m_Velocity.x,
                                    sprite->m_Velocity.y};
            Append(values, sizeof values);
            Append(&sprite->m_FrameIndex, sizeof sprite->m_FrameIndex);
        }
        const int32_t separator = -1;
        Append(&separator, sizeof separator);
    }

    uint64_t Hash() const { return Fnv1a(FNV1A_START, m_Bytes.data(), m_Bytes.size()); }
    bool operator==(const CStepLog& other) const { return m_Bytes == other.m_Bytes; }

private:
    void Append(const void* data, size_t size)
    {
        const auto* bytes = static_cast<const uint8_t*>(data);
        m_Bytes.insert(m_Bytes.end(), bytes, bytes + size);
    }

    std::vector<uint8_t> m_Bytes;
};

// Each bolt the frame shows, as its two ends and colour: a bolt is a chain
// of line pieces, each starting where the one before ended.
struct Bolt
{
    float x0, y0, x1, y1;
    uint16_t colour;
    bool operator==(const Bolt&) const = default;
};

std::vector<Bolt> Bolts(const CColourRecordingFrame& frame)
{
    std::vector<Bolt> bolts;
    size_t colours = 0;
    for (const CRecordingFrame::Call& piece : frame.calls)
    {
        if (piece.kind != CRecordingFrame::LINE_AA)
            continue;
        const uint16_t colour = frame.colours[colours++];
        if (!bolts.empty() && bolts.back().x1 == piece.x0 && bolts.back().y1 == piece.y0 &&
            bolts.back().colour == colour)
        {
            bolts.back().x1 = piece.x1;
            bolts.back().y1 = piece.y1;
            continue;
        }
        bolts.push_back(Bolt{piece.x0, piece.y0, piece.x1, piece.y1, colour});
    }
    return bolts;
}

// A whole game without a window: three balls over a wall of bricks, the
// ship catching and firing stinger missiles, the mouse sweeping to and fro
// and Shoot held in bursts, from seed 1 on a clock that moves one step at a
// time.
class ScriptedGameTest : public BrickTestField
{
protected:
    void SetUp() override
    {
        BrickTestField::SetUp();
        InitPixelFormatTables(nullptr, nullptr);
        AddBallParticleGenerators();
        GetStats().GetCurrentGame().m_LevelOfDifficulty = 1;
        m_pPreviousClock = SetNanosecondClock(SteppedClock);
    }

    void TearDown() override
    {
        SetNanosecondClock(m_pPreviousClock);
        BrickTestField::TearDown();
    }

    void StartGame()
    {
        s_Nanoseconds = 1000000000;
        GameRandom().SeedFromTick(1);
        CosmeticRandom().SeedFromTick(1);
        m_pPlayfield = std::make_unique<CPlayfield>();
        // Lost balls are served again from the reserve: the game never ends.
        m_pPlayfield->m_BallsInReserve = 50;
        CPlayerControls& controls = ScopedPlayfieldHooks::s_Controls;
        controls.SetActionDown(CPlayerControls::ACTION_SHOOT, false);
        controls.BeginStep();
        for (int32_t i = 0; i < 30; i++)
        {
            auto* brick = static_cast<CScriptedBrick*>(
                AddBrick(new CScriptedBrick, "Normal",
                         {60.0f + 40.0f * static_cast<float>(i % 15), 80.0f + 24.0f * static_cast<float>(i / 15)}));
            // Every third brick takes hits without breaking.
            brick->m_HitAnswer = i % 3 == 0 ? 0 : 2;
        }
        m_pShip = AddTestShip(*m_pPlayfield, {320.0f, 560.0f});
        m_pShip->EnableCatch();
        auto* gun = Configured<CAccessoryStingerMissileGun>();
        gun->m_pShotType = Configured<CShotStingerMissile>();
        m_pShip->SetAccessory(gun);
        gun->AttachToShip(static_cast<CGameSprite*>(m_pPlayfield->GetShipSprite()));
        AddTestBall(*m_pPlayfield, {200.0f, 400.0f}, {3.0f, -4.0f});
        AddTestBall(*m_pPlayfield, {420.0f, 450.0f}, {-2.5f, -4.5f});
        AddTestBall(*m_pPlayfield, {320.0f, 500.0f}, {1.0f, 5.0f});
    }

    // The player's hands at the step: the mouse sweeps the screen in 320
    // steps, Shoot is held 40 steps out of every 120.
    static void ScriptControls(int32_t step)
    {
        const int32_t sweep = (step * 5) % 1600;
        GetMouseState().SetPosition(sweep < 800 ? sweep : 1599 - sweep, 300);
        CPlayerControls& controls = ScopedPlayfieldHooks::s_Controls;
        controls.BeginStep();
        controls.SetActionDown(CPlayerControls::ACTION_SHOOT, step % 120 < 40);
    }

    // Plays the game, drawing the ship's lightning into one frame a step.
    CStepLog Play(std::vector<CColourRecordingFrame>* frames = nullptr)
    {
        StartGame();
        CStepLog log;
        for (int32_t step = 0; step < kSteps; step++)
        {
            ScriptControls(step);
            Step();
            s_Nanoseconds += 16666667;
            for (const CSpriteList* list :
                 {m_pPlayfield->m_pBallsInPlay, m_pPlayfield->m_pShip, m_pPlayfield->m_pShots, m_pPlayfield->m_pBricks})
                log.Add(list);
            m_HeldABall |= m_pShip->GetHeldBall() != nullptr;
            m_MostShots = std::max(m_MostShots, m_pPlayfield->m_pShots->Count());
            if (frames != nullptr)
            {
                frames->emplace_back();
                CSprite* ship = m_pPlayfield->GetShipSprite();
                ship->GetAI()->AfterDraw(ship, &frames->back());
                CDemoRecorder::Get().EndFrame();
            }
        }
        return log;
    }

    CPlayerShipAI* m_pShip = nullptr;
    // What the script made happen: a catch, and missiles in flight.
    bool m_HeldABall = false;
    int32_t m_MostShots = 0;
    NanosecondClock m_pPreviousClock = nullptr;
};

TEST_F(ScriptedGameTest, TwoRunsLogTheSameStepsAndTheLogKeepsItsHash)
{
    const CStepLog first = Play();
    const CStepLog second = Play();
    EXPECT_TRUE(first == second);
    EXPECT_TRUE(m_HeldABall);
    EXPECT_GE(m_MostShots, 4);
    EXPECT_EQ(first.Hash(), 0x394E874555C4055Du);
}

TEST_F(ScriptedGameTest, ReplayDrawsTheSameLightningFrameByFrame)
{
    std::vector<CColourRecordingFrame> live;
    CDemoRecorder::Get().StartRecording();
    Play(&live);
    const std::vector<CColourRecordingFrame> replayed =
        SaveAndReplayRecording(m_Folder.Path() + "Game.Demo", live.size());

    // The replay draws each arc anew, with bolts of its own shape, between
    // ends the recording keeps to whole pixels: what must match is every
    // bolt's ends and colour, in order.
    size_t bolts = 0;
    for (size_t frame = 0; frame < live.size(); frame++)
    {
        SCOPED_TRACE(frame);
        std::vector<Bolt> recorded = Bolts(live[frame]);
        for (Bolt& bolt : recorded)
            for (float* end : {&bolt.x0, &bolt.y0, &bolt.x1, &bolt.y1})
                *end = static_cast<float>(RoundToInt(*end));
        EXPECT_EQ(Bolts(replayed[frame]), recorded);
        bolts += recorded.size();
    }
    // The game drew lightning at all: the shield's two arcs every frame.
    EXPECT_GE(bolts, static_cast<size_t>(2 * kSteps));
}

} // namespace
