#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/geometry/polygon2d.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/animate_at_interval.h"
#include "game/playfield/fish_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/plankton_ai.h"
#include "game/playfield/playfield.h"
#include "game/playfield/random_debris_ai.h"
#include "tests/support/object_forms.h"
#include "tests/support/polygon_shapes.h"
#include "tests/support/sprite_fixtures.h"

namespace {

constexpr float kPerStep = 0.016666668f;

template <typename T>
T* Behaviour(const std::string& className, const std::string& lines)
{
    std::unique_ptr<CObject> object = ObjectFromText(className + "\r\n{\r\n" + lines + "}\r\n");
    EXPECT_NE(object, nullptr);
    return static_cast<T*>(object.release());
}

class AmbientTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GameRandom().SeedFromTick(143);
        CosmeticRandom().SeedFromTick(243);
        m_pLeft = m_Sequences.Add("Left", MakeSolidSequence(4, 2, 2, 1));
        m_pRight = m_Sequences.Add("Right", MakeSolidSequence(4, 2, 2, 10));
    }

    // A game sprite with the behaviour attached.
    CGameSprite* Attach(CSpriteAI* behaviour)
    {
        m_Sprites.push_back(std::make_unique<CGameSprite>());
        m_Sprites.back()->AddAI(behaviour);
        return m_Sprites.back().get();
    }

    ListedSequences m_Sequences;
    CSequence* m_pLeft = nullptr;
    CSequence* m_pRight = nullptr;
    std::vector<std::unique_ptr<CGameSprite>> m_Sprites;
};

TEST_F(AmbientTest, FishCrossTheScreenAtTheirSpeedAndComeBackFromASide)
{
    auto* fish = Behaviour<CFishAI>("CFishAI", "\tLeft Sequence=Left\r\n\tRight Sequence=Right\r\n");
    CGameSprite* sprite = Attach(fish);
    ASSERT_EQ(sprite->GetPartCount(), 1);
    // Swim right from x -30.
    const float speed = std::fabs(sprite->m_Velocity.x) / kPerStep;
    EXPECT_GE(speed, 30.0f);
    EXPECT_LT(speed, 50.0f);
    sprite->m_Velocity.x = std::fabs(sprite->m_Velocity.x);
    sprite->SetPosition(Vector2{-30.0f, 200.0f});
    int32_t steps = 0;
    while (sprite->m_Position.x >= -30.0f && steps < 100000)
    {
        sprite->Update();
        steps++;
    }
    const float seconds = static_cast<float>(steps) / 60.0f;
    EXPECT_GE(seconds, 15.0f);
    EXPECT_LE(seconds, 25.3f);
    EXPECT_NEAR(seconds, 756.0f / speed, 0.05f);
}

TEST_F(AmbientTest, FishStartSpreadAndReenterOutsideEitherEdge)
{
    auto* fish = Behaviour<CFishAI>("CFishAI", "\tLeft Sequence=Left\r\n\tRight Sequence=Right\r\n");
    CGameSprite* sprite = Attach(fish);
    int32_t fromLeft = 0;
    for (int32_t i = 0; i < 300; i++)
    {
        fish->Respawn(sprite, true);
        EXPECT_GE(sprite->m_Position.x, -100.0f);
        EXPECT_LT(sprite->m_Position.x, 726.0f);

        fish->Respawn(sprite, false);
        const float x = sprite->m_Position.x;
        const float y = sprite->m_Position.y;
        EXPECT_GE(y, 40.0f);
        EXPECT_LT(y, 500.0f);
        const float speed = std::fabs(sprite->m_Velocity.x) / kPerStep;
        EXPECT_GE(speed, 29.999f);
        EXPECT_LT(speed, 50.001f);
        if (sprite->m_Velocity.x > 0.0f)
        {
            fromLeft++;
            EXPECT_GE(x, -160.0f);
            EXPECT_LT(x, -30.0f);
            EXPECT_EQ(sprite->GetPart(0)->GetSequence(), m_pRight);
        }
        else
        {
            EXPECT_GT(x, 656.0f);
            EXPECT_LE(x, 786.0f);
            EXPECT_EQ(sprite->GetPart(0)->GetSequence(), m_pLeft);
        }
    }
    EXPECT_GT(fromLeft, 100);
    EXPECT_LT(fromLeft, 200);
}

TEST_F(AmbientTest, PlanktonWrapsToTheOppositeEdgeKeepingItsSpeeds)
{
    auto* plankton = Behaviour<CPlanktonAI>("CPlanktonAI", "\tMin Speed=10\r\n\tMax Speed=20\r\n");
    CGameSprite* sprite = Attach(plankton);
    const Vector2 velocity = sprite->m_Velocity;
    EXPECT_GE(velocity.x, 10.0f * kPerStep);
    EXPECT_LT(velocity.y, 20.0f * kPerStep);
    EXPECT_LE(sprite->m_Position.x, 626.0f);
    EXPECT_LE(sprite->m_Position.y, 480.0f);
    for (int32_t i = 0; i < 50; i++)
    {
        sprite->SetPosition(Vector2{626.5f, 100.0f});
        plankton->Update(sprite, 0);
        EXPECT_EQ(sprite->m_Position.x, 0.0f);
        EXPECT_GE(sprite->m_Position.y, 0.0f);
        EXPECT_LE(sprite->m_Position.y, 480.0f);
        sprite->SetPosition(Vector2{100.0f, 480.5f});
        plankton->Update(sprite, 0);
        EXPECT_EQ(sprite->m_Position.y, 0.0f);
        EXPECT_GE(sprite->m_Position.x, 0.0f);
        EXPECT_LE(sprite->m_Position.x, 626.0f);
    }
    EXPECT_EQ(sprite->m_Velocity.x, velocity.x);
    EXPECT_EQ(sprite->m_Velocity.y, velocity.y);
}

// A wreck shaped like an L: a 40 x 40 square with its upper right quarter
// missing.
class CWreckBrick : public CBrickBase
{
public:
    CWreckBrick()
        : m_Shape(MakePolygon({{-20, -20}, {0, -20}, {0, 0}, {20, 0}, {20, 20}, {-20, 20}}, true))
    {
        m_Name = "Wreck";
    }
    Polygon2D* GetCollisionPolygon(CSprite*) override { return &m_Shape; }
    const CString& GetTypeDisplayName() const override { return m_Name; }
    bool MustBeDestroyedToFinish() const override { return true; }
    CClassInfo* GetStyleSheetClass() const override { return CBrickStyleSheet::SGetClassInfo(); }

    Polygon2D m_Shape;
};

TEST_F(AmbientTest, DebrisStartsInsideTheNamedBrickOrAnywhere)
{
    CPlayfield playfield;
    auto* wreckSprite = new CGameSprite();
    auto* wreck = new CWreckBrick();
    wreckSprite->AddAI(wreck);
    // The level put the brick's centre at (300, 200); its sprite has moved
    // away since, and the debris still gathers where the level put it.
    wreck->m_StartPosition = Vector2{266.0f, 177.0f};
    wreckSprite->SetPosition(Vector2{500.0f, 400.0f});
    playfield.m_pBricks->Append(wreckSprite);

    int32_t inLowerHalf = 0;
    for (int32_t i = 0; i < 200; i++)
    {
        CGameSprite* sprite = Attach(Behaviour<CRandomDebrisAI>(
            "CRandomDebrisAI", "\tPath To Confine To=CScriptReferenceToTarget\r\n\t{\r\n\t\tName=wreck\r\n\t}\r\n"));
        const CPoint at = sprite->m_DrawnPosition;
        EXPECT_TRUE(wreck->m_Shape.ContainsPoint(static_cast<float>(at.x - 300), static_cast<float>(at.y - 200)))
            << at.x << "," << at.y;
        inLowerHalf += at.y > 200 ? 1 : 0;
    }
    EXPECT_GT(inLowerHalf, 100);

    for (int32_t i = 0; i < 50; i++)
    {
        CGameSprite* sprite = Attach(Behaviour<CRandomDebrisAI>(
            "CRandomDebrisAI", "\tPath To Confine To=CScriptReferenceToTarget\r\n\t{\r\n\t\tName=Missing\r\n\t}\r\n"));
        EXPECT_GE(sprite->m_Position.x, 0.0f);
        EXPECT_LE(sprite->m_Position.x, 626.0f);
        EXPECT_GE(sprite->m_Position.y, 0.0f);
        EXPECT_LE(sprite->m_Position.y, 480.0f);
    }
}

TEST_F(AmbientTest, DebrisWithEqualAnglesAlwaysMovesOneWay)
{
    for (int32_t i = 0; i < 20; i++)
    {
        CGameSprite* sprite =
            Attach(Behaviour<CRandomDebrisAI>("CRandomDebrisAI", "\tMin Speed=30\r\n\tMin Angle=1\r\n\tMax Angle=1\r\n"));
        EXPECT_NEAR(std::atan2(sprite->m_Velocity.y, sprite->m_Velocity.x), 1.0f, 0.01f);
    }
}

// Each re-entry draws the new place, then a speed, then an angle.
TEST_F(AmbientTest, DebrisReentersAtTheOppositeEdgeWithANewDrift)
{
    auto* debris = Behaviour<CRandomDebrisAI>("CRandomDebrisAI", "\tMin Speed=30\r\n\tMax Speed=60\r\n");
    CGameSprite* sprite = Attach(debris);
    const struct
    {
        Vector2 from;
        bool fixedX;
        float fixed;
        int32_t range;
    } cases[] = {{{726.5f, 10.0f}, true, -100.0f, 480},
                 {{-100.5f, 10.0f}, true, 726.0f, 480},
                 {{10.0f, 580.5f}, false, -100.0f, 626},
                 {{10.0f, -100.5f}, false, 580.0f, 626}};
    for (const auto& c : cases)
    {
        sprite->SetPosition(c.from);
        GameRandom().SeedFromTick(77);
        const float drawn = static_cast<float>(GameRandom().Between(0, c.range));
        const float speed = GameRandom().BetweenFloat(30.0f * kPerStep, 60.0f * kPerStep);
        const float angle = GameRandom().BetweenFloat(0.0f, kTwoPi);
        GameRandom().SeedFromTick(77);
        debris->Update(sprite, 0);
        EXPECT_EQ(c.fixedX ? sprite->m_Position.x : sprite->m_Position.y, c.fixed);
        EXPECT_EQ(c.fixedX ? sprite->m_Position.y : sprite->m_Position.x, drawn);
        EXPECT_FLOAT_EQ(sprite->m_Velocity.x, speed * FastCos(angle));
        EXPECT_FLOAT_EQ(sprite->m_Velocity.y, speed * FastSin(angle));
    }
}

// With no variation the picture plays after the first step, then every
// interval plus the animation's own length.
TEST_F(AmbientTest, AnIntervalAnimationPlaysAfterItsFirstStepThenEveryIntervalPlusItsLength)
{
    // Four frames at 20 a second: 12 steps.
    m_Sequences.Add("Blink", MakeSolidSequence(4, 2, 2, 1, 20.0f));
    auto* blink = Behaviour<CAnimateAtInterval>(
        "CAnimateAtInterval", "\tSequence=Blink\r\n\tPosition=40,50\r\n\tTime Between Animations=1\r\n");
    CGameSprite* sprite = Attach(blink);
    EXPECT_EQ(sprite->m_DrawnPosition.x, 40);
    EXPECT_EQ(sprite->m_DrawnPosition.y, 50);
    EXPECT_EQ(sprite->GetPart(0)->GetProgress(), 0.0);
    std::vector<int32_t> starts;
    double previous = 0.0;
    for (int32_t step = 1; step <= 250; step++)
    {
        sprite->Update();
        const double progress = sprite->GetPart(0)->GetProgress();
        if (previous == 0.0 && progress > 0.0)
            starts.push_back(step);
        previous = progress;
    }
    ASSERT_GE(starts.size(), 3u);
    EXPECT_EQ(starts[0], 2);
    // 60 steps of waiting (plus the one that goes below 0) after 12 of play.
    for (size_t i = 1; i < starts.size(); i++)
        EXPECT_NEAR(starts[i] - starts[i - 1], 60 + 12, 1) << i;
    EXPECT_EQ(starts[2] - starts[1], starts[1] - starts[0]);
}

} // namespace
