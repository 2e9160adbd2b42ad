#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/core/maths/random_r250.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/ball_plug_in_type1.h"
#include "game/playfield/game_sprite.h"
#include "game/records/stats.h"
#include "tests/support/ball_fixtures.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/polygon_shapes.h"

namespace {

// Destructions of thin bricks, counted outside them: a destroyed brick is
// reaped with its sprite.
int32_t s_ThinBrickDestructions = 0;

// A brick 40 px wide and only 4 px thick, far thinner than one step of a
// fast ball, counting the hits it takes.
class CThinBrick : public CScriptedBrick
{
public:
    CThinBrick()
        : m_Thin(MakeBox(20.0f, 2.0f))
    {
    }

    Polygon2D* GetCollisionPolygon(CSprite*) override { return &m_Thin; }
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override
    {
        m_Hits++;
        return CScriptedBrick::OnHit(hitter, normal);
    }
    int32_t OnDestroyed(const BrickDestroyInfo& info) override
    {
        s_ThinBrickDestructions++;
        return CScriptedBrick::OnDestroyed(info);
    }

    Polygon2D m_Thin;
    int32_t m_Hits = 0;
};

const float kSpeeds[] = {6.0f, 24.0f, 50.0f};
const int32_t kDirections = 64;
const Vector2 kStart = {320.0f, 300.0f};

class BallTunnellingTest : public BrickTestField
{
protected:
    void SetUp() override
    {
        BrickTestField::SetUp();
        AddBallParticleGenerators();
        GetStats().GetCurrentGame().m_LevelOfDifficulty = 1;
        GameRandom().SeedFromTick(1);
    }

    void Clear()
    {
        m_pPlayfield->m_pBallsInPlay->DeleteAll();
        m_pPlayfield->m_pBricks->DeleteAll();
        m_pPlayfield->m_pShots->DeleteAll();
        s_ThinBrickDestructions = 0;
        // A required brick out of every ball's reach, so that destroying the
        // thin one never clears the round.
        AddBrick(new CScriptedBrick, "Normal", {600.0f, 580.0f});
    }

    // A thin brick on the ball's line, clear of the ball at the start and
    // one and a half steps beyond its reach, so that a move that only tested
    // where it ends would jump it.
    CThinBrick* BrickAhead(const Vector2& direction, float speed, float ballRadius)
    {
        const float halfExtent = 20.0f * std::fabs(direction.x) + 2.0f * std::fabs(direction.y);
        const float distance = ballRadius + halfExtent + 1.5f * speed;
        auto* brick = static_cast<CThinBrick*>(
            AddBrick(new CThinBrick, "Normal", Vector2Add(kStart, Vector2Scale(direction, distance))));
        brick->m_HitAnswer = 0;
        brick->GetSprite()->StorePreviousPosition();
        return brick;
    }

    // Enough steps for the ball to have passed the brick twice over.
    static int32_t StepsToPass(float speed) { return static_cast<int32_t>(std::ceil(60.0f / speed)) + 3; }

    static Vector2 Direction()
    {
        const float angle = GameRandom().BetweenFloat(0.0f, 6.2831855f);
        return Vector2{std::cos(angle), std::sin(angle)};
    }

    // Whether the ball's centre went through the brick on its way from one
    // point to the other: a ball that meets the brick keeps its centre a
    // radius away, so only a ball that tunnelled crosses the brick's box.
    static bool CrossesBrick(const Vector2& from, const Vector2& to, const CThinBrick* brick)
    {
        const Vector2 centre = brick->GetSprite()->m_Position;
        const float delta[2] = {to.x - from.x, to.y - from.y};
        const float low[2] = {centre.x - 20.0f - from.x, centre.y - 2.0f - from.y};
        const float high[2] = {centre.x + 20.0f - from.x, centre.y + 2.0f - from.y};
        float enter = 0.0f;
        float leave = 1.0f;
        for (int32_t axis = 0; axis < 2; axis++)
        {
            if (delta[axis] == 0.0f)
            {
                if (low[axis] > 0.0f || high[axis] < 0.0f)
                    return false;
                continue;
            }
            float t0 = low[axis] / delta[axis];
            float t1 = high[axis] / delta[axis];
            if (t0 > t1)
                std::swap(t0, t1);
            enter = std::max(enter, t0);
            leave = std::min(leave, t1);
        }
        return enter <= leave;
    }
};

TEST_F(BallTunnellingTest, PlainBallsMeetEveryThinBrickAndNeverEndAStepBeyondIt)
{
    for (float speed : kSpeeds)
        for (int32_t i = 0; i < kDirections; i++)
        {
            Clear();
            const Vector2 direction = Direction();
            CBallAI* ball = AddTestBall(*m_pPlayfield, kStart, Vector2Scale(direction, speed));
            CThinBrick* brick = BrickAhead(direction, speed, ball->GetRadius());
            for (int32_t step = 0; step < StepsToPass(speed) && !ball->GetSprite()->IsDead(); step++)
            {
                const Vector2 from = ball->GetSprite()->m_Position;
                Step();
                EXPECT_FALSE(CrossesBrick(from, ball->GetSprite()->m_Position, brick))
                    << speed << " px/step, direction " << i << ", step " << step;
            }
            EXPECT_GE(brick->m_Hits, 1) << speed << " px/step, direction " << i;
        }
}

TEST_F(BallTunnellingTest, RailBallsDestroyEveryThinBrickTheyCross)
{
    for (float speed : kSpeeds)
        for (int32_t i = 0; i < kDirections; i++)
        {
            Clear();
            const Vector2 direction = Direction();
            CBallAI* ball = AddTestBall(*m_pPlayfield, kStart, Vector2Scale(direction, speed));
            BrickAhead(direction, speed, ball->GetRadius());
            ball->AddPlugIn(Configured<CBallPlugInRailBall>());
            for (int32_t step = 0; step < StepsToPass(speed); step++)
                Step();
            EXPECT_EQ(s_ThinBrickDestructions, 1) << speed << " px/step, direction " << i;
        }
}

TEST_F(BallTunnellingTest, AtFiftyAStepEveryWallPutsTheBallBackInsideByTheNextUpdate)
{
    m_pPlayfield->m_ScoreBoardShown = true;
    for (int32_t i = 0; i < kDirections; i++)
    {
        Clear();
        const Vector2 direction = Direction();
        CBallAI* ball = AddTestBall(*m_pPlayfield, kStart, Vector2Scale(direction, 50.0f));
        CSprite* sprite = ball->GetSprite();
        float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;
        ball->GetWallRect(left, top, right, bottom);
        // Moved by hand between the updates, so a step may end past a wall;
        // the update after it must bring the ball back.
        for (int32_t step = 0; step < 30; step++)
        {
            RunBallStep(ball);
            if (sprite->IsDead())
                break;
            EXPECT_GE(sprite->m_Position.x, left) << "direction " << i << ", step " << step;
            EXPECT_LE(sprite->m_Position.x, right) << "direction " << i << ", step " << step;
            EXPECT_GE(sprite->m_Position.y, top) << "direction " << i << ", step " << step;
            sprite->SetPosition(Vector2Add(sprite->m_Position, sprite->m_Velocity));
        }
    }
}

} // namespace
