#include <gtest/gtest.h>

#include <map>

#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence_list.h"
#include "game/bricks/brick_teleporter.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_list.h"
#include "game/playfield/sprite_part.h"
#include "tests/support/ball_fixtures.h"
#include "tests/support/brick_test_field.h"

namespace {

const Vector2 kEntranceAt = {200.0f, 300.0f};
const Vector2 kExitAt = {450.0f, 180.0f};
const Vector2 kSecondExitAt = {100.0f, 500.0f};
const Vector2 kRedExitAt = {500.0f, 450.0f};

class TeleporterTest : public BrickTestField
{
protected:
    CBrickTeleporter* Teleporter(const char* style, const Vector2& at)
    {
        return static_cast<CBrickTeleporter*>(AddBrick("CBrickTeleporter", style, at));
    }

    // Puts the test hitter at the point with the velocity and lets it touch
    // the teleporter; answers where the hitter is afterwards.
    Vector2 Touch(CBrickTeleporter* teleporter, const Vector2& at, const Vector2& velocity = {3.25f, -1.5f})
    {
        CSprite* sprite = Hitter()->GetSprite();
        sprite->SetPosition(at);
        sprite->m_Velocity = velocity;
        EXPECT_FALSE(teleporter->HitByBallOrShot(Hitter(), {0.0f, -1.0f}));
        return sprite->m_Position;
    }

    static CSequence* Sequence(const char* name)
    {
        return GetSequenceList().GetItemObject(static_cast<uint32_t>(GetSequenceList().Find(name, -1)));
    }
};

TEST_F(TeleporterTest, ATouchedEntranceMovesTheHitterByTheDistanceToTheExitKeepingItsVelocityExactly)
{
    CBrickTeleporter* entrance = Teleporter("Teleporter Entrance", kEntranceAt);
    CBrickTeleporter* exit = Teleporter("Teleporter Exit", kExitAt);
    const int32_t sounds = SoundPlays("Clink.wav");

    // Off-centre in, off-centre out by the same amount.
    const Vector2 offset = {-7.25f, 4.75f};
    const Vector2 velocity = {3.1415927f, -2.7182817f};
    const Vector2 arrived = Touch(entrance, Vector2Add(kEntranceAt, offset), velocity);
    EXPECT_EQ(arrived.x, kExitAt.x + offset.x);
    EXPECT_EQ(arrived.y, kExitAt.y + offset.y);
    EXPECT_EQ(Hitter()->GetSprite()->m_DrawnPosition.x, 443);
    EXPECT_EQ(Hitter()->GetSprite()->m_DrawnPosition.y, 185);
    EXPECT_EQ(Hitter()->GetSprite()->m_Velocity.x, velocity.x);
    EXPECT_EQ(Hitter()->GetSprite()->m_Velocity.y, velocity.y);
    EXPECT_EQ(SoundPlays("Clink.wav"), sounds + 1);
    EXPECT_TRUE(exit->IsActivated());
    EXPECT_FALSE(entrance->IsActivated());
    EXPECT_FALSE(entrance->IsDestroyed());
}

TEST_F(TeleporterTest, AnEntranceWithoutAnExitOfItsGroupAndAnExitLetTheHitterPass)
{
    CBrickTeleporter* entrance = Teleporter("Teleporter Entrance", kEntranceAt);
    CBrickTeleporter* redExit = Teleporter("Teleporter Exit Red", kRedExitAt);
    const int32_t sounds = SoundPlays("Clink.wav");

    const Vector2 atEntrance = Vector2Add(kEntranceAt, {2.0f, 3.0f});
    const Vector2 afterEntrance = Touch(entrance, atEntrance);
    EXPECT_EQ(afterEntrance.x, atEntrance.x);
    EXPECT_EQ(afterEntrance.y, atEntrance.y);
    EXPECT_FALSE(redExit->IsActivated());

    // An Exit sends nothing back, even with an Entrance of its group there.
    CBrickTeleporter* blueExit = Teleporter("Teleporter Exit", kExitAt);
    const Vector2 afterExit = Touch(blueExit, kExitAt);
    EXPECT_EQ(afterExit.x, kExitAt.x);
    EXPECT_EQ(afterExit.y, kExitAt.y);
    EXPECT_FALSE(blueExit->IsActivated());
    EXPECT_EQ(SoundPlays("Clink.wav"), sounds);
}

TEST_F(TeleporterTest, OverManySeededTeleportsEveryExitOfTheGroupIsUsedAndNoOtherGroupsExit)
{
    GameRandom().SeedFromTick(41);
    CBrickTeleporter* entrance = Teleporter("Teleporter Entrance", kEntranceAt);
    Teleporter("Teleporter Exit Red", kRedExitAt);
    Teleporter("Teleporter Exit", kExitAt);
    Teleporter("Teleporter Exit", kSecondExitAt);

    std::map<std::pair<float, float>, int32_t> arrivals;
    for (int32_t i = 0; i < 1000; i++)
    {
        const Vector2 arrived = Touch(entrance, kEntranceAt);
        arrivals[{arrived.x, arrived.y}]++;
    }
    ASSERT_EQ(arrivals.size(), 2u);
    const int32_t first = arrivals[{kExitAt.x, kExitAt.y}];
    const int32_t second = arrivals[{kSecondExitAt.x, kSecondExitAt.y}];
    EXPECT_EQ(first + second, 1000);
    // An even draw: each exit far from never.
    EXPECT_GT(first, 400);
    EXPECT_GT(second, 400);
}

TEST_F(TeleporterTest, PickersAnswerExitsOnlyAndAnyExitIgnoresTheGroup)
{
    EXPECT_EQ(CBrickTeleporter::PickAnyExit(), nullptr);
    CBrickTeleporter* entrance = Teleporter("Teleporter Entrance", kEntranceAt);
    EXPECT_EQ(entrance->PickExitInGroup(), nullptr);
    EXPECT_EQ(CBrickTeleporter::PickAnyExit(), nullptr);

    CBrickTeleporter* redExit = Teleporter("Teleporter Exit Red", kRedExitAt);
    EXPECT_EQ(CBrickTeleporter::PickAnyExit(), redExit->GetSprite());
    EXPECT_EQ(entrance->PickExitInGroup(), nullptr);
    EXPECT_EQ(redExit->PickExitInGroup(), redExit->GetSprite());

    // "Blue" and "bLUE" are one group.
    CBrickTeleporter* blueExit = Teleporter("Teleporter Exit", kExitAt);
    EXPECT_EQ(entrance->PickExitInGroup(), blueExit->GetSprite());
}

TEST_F(TeleporterTest, TheActivatedSequencePlaysOnceAndThePrimaryLoopsAgain)
{
    CBrickTeleporter* exit = Teleporter("Teleporter Exit", kExitAt);
    CSpritePart* part = exit->GetSprite()->GetPart(0);
    ASSERT_EQ(part->GetSequence(), Sequence("Brick"));
    exit->ShowActivated();
    EXPECT_TRUE(exit->IsActivated());
    EXPECT_EQ(part->GetSequence(), Sequence("!None"));
    EXPECT_EQ(part->GetProgress(), 0.0);

    int32_t steps = 0;
    while (exit->IsActivated() && steps < 600)
    {
        exit->UpdateAppearance();
        steps++;
    }
    EXPECT_FALSE(exit->IsActivated());
    EXPECT_EQ(part->GetSequence(), Sequence("Brick"));
    EXPECT_EQ(part->GetProgress(), 0.0);

    // Looping from now on: the primary sequence never ends the part.
    for (int32_t i = 0; i < 100; i++)
        exit->UpdateAppearance();
    EXPECT_EQ(part->GetSequence(), Sequence("Brick"));
    EXPECT_FALSE(exit->IsActivated());
}

TEST_F(TeleporterTest, NeverBreaksAndNeverHoldsUpTheRound)
{
    CBrickTeleporter* entrance = Teleporter("Teleporter Entrance", kEntranceAt);
    EXPECT_FALSE(entrance->Destroy({nullptr, false}));
    EXPECT_FALSE(entrance->DestroyByExplosion(1.0f, 0.0f));
    entrance->ArmCountdown(0.05f);
    for (int32_t i = 0; i < 10; i++)
        entrance->Update(entrance->GetSprite(), 0);
    entrance->OnTouchedByShip(nullptr);
    entrance->Update(entrance->GetSprite(), 0);
    AcidHitQuery acid{nullptr, false};
    entrance->OnAcidHit(acid);
    EXPECT_TRUE(acid.refuse);
    EXPECT_FALSE(entrance->IsDestroyed());
    EXPECT_FALSE(entrance->MustBeDestroyedToFinish());
    EXPECT_FALSE(entrance->BlocksBricks());
    EXPECT_TRUE(entrance->LetsBallPassThrough(Hitter()));
    EXPECT_STREQ(entrance->GetTypeDisplayName().GetText(), "Teleporter");
    EXPECT_TRUE(entrance->IsStyleSheetCompatible(entrance->GetStyleSheet()));
}

// A ball flying into an Entrance in play comes out of the Exit, moving on
// as before.
TEST_F(TeleporterTest, ABallInPlayFliesIntoTheEntranceAndOnFromTheExit)
{
    AddBallParticleGenerators();
    AddBrick(new CScriptedBrick, "Normal", {600.0f, 580.0f});
    Teleporter("Teleporter Entrance", kEntranceAt);
    Teleporter("Teleporter Exit", kExitAt);
    const Vector2 velocity = {0.0f, 4.0f};
    CBallAI* ball = AddTestBall(*m_pPlayfield, {kEntranceAt.x, kEntranceAt.y - 40.0f}, velocity);
    CSprite* sprite = ball->GetSprite();

    int32_t steps = 0;
    while (sprite->m_Position.x == kEntranceAt.x && steps < 30)
    {
        Step();
        steps++;
    }
    EXPECT_EQ(sprite->m_Position.x, kExitAt.x);
    EXPECT_NEAR(sprite->m_Position.y, kExitAt.y, 30.0f);
    EXPECT_EQ(sprite->m_Velocity.x, velocity.x);
    EXPECT_EQ(sprite->m_Velocity.y, velocity.y);

    // Flying on through the Exit, it is not sent back.
    const float leftExitAt = sprite->m_Position.y;
    Step(10);
    EXPECT_EQ(sprite->m_Position.x, kExitAt.x);
    EXPECT_EQ(sprite->m_Position.y, leftExitAt + 40.0f);
}

} // namespace
