#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/app/sound/sound_list.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/platform/tick_counter.h"
#include "game/records/stats.h"
#include "tests/support/recording_frame.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/print_power_up_text_ai.h"
#include "tests/support/power_up_fixtures.h"

namespace {

class PowerUpCapsuleTest : public PowerUpTest
{
protected:
    // A capsule of the kind launched at the point.
    CGameSprite* Launch(CPowerUpBase* kind, const Vector2& at)
    {
        CGameSprite* sprite = new CGameSprite;
        sprite->SetPosition(at);
        m_pPlayfield->m_pFallingPowerUps->Append(sprite);
        static_cast<CPowerUpBase*>(kind->CreateSameClass())->Launch(sprite);
        return sprite;
    }
};

TEST_F(PowerUpCapsuleTest, CapsulesFallAtTheirDropSpeedAsOnePartWithoutDamping)
{
    struct Case
    {
        float dropSpeed;
        float yAfterTenSteps;
    };
    for (const Case& c : {Case{60.0f, 110.0f}, Case{0.0f, 100.0f}, Case{-30.0f, 95.0f}})
    {
        CPowerUpBase* kind = AddKind<CPowerUpBase>("Kind");
        kind->m_DropSpeed = c.dropSpeed;
        CGameSprite* capsule = Launch(kind, Vector2{200.0f, 100.0f});
        EXPECT_EQ(capsule->GetPartCount(), 1);
        EXPECT_EQ(capsule->m_Damping, 1.0f);
        Step(10);
        EXPECT_NEAR(capsule->m_Position.y, c.yAfterTenSteps, 1e-3f) << c.dropSpeed;
        ResetKinds();
    }
}

TEST_F(PowerUpCapsuleTest, ACapsuleLeavesOnlyBelowTheField)
{
    CPowerUpBase* kind = AddKind<CPowerUpBase>("Kind");
    kind->m_DropSpeed = 0.0f;
    CGameSprite* atEdge = Launch(kind, Vector2{100.0f, 600.0f});
    CGameSprite* below = Launch(kind, Vector2{150.0f, 600.01f});
    atEdge->FindAI(CPowerUpBase::SGetClassInfo())->Update(atEdge, 0);
    below->FindAI(CPowerUpBase::SGetClassInfo())->Update(below, 0);
    EXPECT_FALSE(atEdge->IsDead());
    EXPECT_TRUE(below->IsDead());
}

TEST_F(PowerUpCapsuleTest, AStillCapsuleGoesOnceTheRoundIsClearedSoTheRoundCanEnd)
{
    CPowerUpBase* kind = AddKind<CPowerUpBase>("Kind");
    kind->m_DropSpeed = 0.0f;
    CGameSprite* still = Launch(kind, Vector2{100.0f, 300.0f});
    kind->m_DropSpeed = 60.0f;
    CGameSprite* falling = Launch(kind, Vector2{150.0f, 300.0f});
    Step();
    EXPECT_FALSE(still->IsDead());
    m_pPlayfield->m_RoundCleared = true;
    still->FindAI(CPowerUpBase::SGetClassInfo())->Update(still, 0);
    falling->FindAI(CPowerUpBase::SGetClassInfo())->Update(falling, 0);
    EXPECT_TRUE(still->IsDead());
    EXPECT_FALSE(falling->IsDead());
}

TEST_F(PowerUpCapsuleTest, ACapsuleIsACopyOfItsLibraryItem)
{
    CPowerUpBase* kind = AddKind<CPowerUpBase>("Kind");
    m_pPlayfield->m_pShip->DeleteAll();
    CSprite source;
    source.SetPosition(Vector2{50.0f, 60.0f});
    CGameSprite* sprite = m_pPlayfield->SpawnPowerUp(&source, 1, false, nullptr);
    ASSERT_NE(sprite, nullptr);
    CPowerUpBase* capsule = static_cast<CPowerUpBase*>(sprite->FindAI(CPowerUpBase::SGetClassInfo()));
    ASSERT_NE(capsule, kind);
    capsule->m_CollectionScore = 5;
    capsule->m_Name.m_Shown = "Changed";
    EXPECT_EQ(kind->m_CollectionScore, 100);
    EXPECT_STREQ(kind->m_Name.m_Shown.GetText(), "Kind");
    EXPECT_EQ(kind->GetSprite(), nullptr);
    EXPECT_EQ(capsule->GetSprite(), sprite);
}

// The feedback of every combination: whether the kind calls a power-up,
// its score, quiet or not, collected as a capsule or activated directly.
TEST_F(PowerUpCapsuleTest, FeedbackFollowsTheKindsSettings)
{
    for (bool callPowerUp : {true, false})
        for (int32_t score : {0, 100, -50})
            for (bool quiet : {false, true})
                for (bool asCapsule : {true, false})
                {
                    SCOPED_TRACE(std::to_string(callPowerUp) + " " + std::to_string(score) + " " +
                                 std::to_string(quiet) + " " + std::to_string(asCapsule));
                    CPowerUpBase* kind = AddKind<CPowerUpBase>("Gizmo");
                    kind->m_CallAPowerUpInHUD = callPowerUp;
                    kind->m_CollectionScore = score;
                    m_pBox->Clear();
                    m_pPlayfield->m_pFrontEffects->DeleteAll();
                    const uint32_t scoreBefore = m_pPlayfield->GetScore() + 100;
                    GetStats().GetCurrentGame().m_PointsScored = scoreBefore;
                    const int32_t soundsBefore = SoundPlays("Power Up.wav");
                    CGameSprite* capsule = asCapsule ? Launch(kind, Vector2{120.0f, 200.0f}) : nullptr;
                    CPowerUpBase* behaviour = capsule != nullptr ? static_cast<CPowerUpBase*>(capsule->GetAI()) : kind;
                    behaviour->Activate(PowerUpCollectContext{m_pShipSprite, quiet});

                    std::vector<std::string> lines;
                    if (!quiet)
                    {
                        lines.push_back("Gizmo");
                        if (callPowerUp)
                            lines.push_back("Power Up");
                        if (score != 0)
                            lines.push_back(std::to_string(score) + " Points");
                    }
                    EXPECT_EQ(BoxLines(), lines);
                    if (!quiet)
                    {
                        EXPECT_EQ(m_pBox->GetLineFont(0), &m_Fonts[1]);
                        EXPECT_GE(m_pBox->GetTimeout(), 4.0f);
                        if (callPowerUp)
                        {
                            EXPECT_EQ(m_pBox->GetLineFont(1), &m_Fonts[0]);
                        }
                    }
                    EXPECT_EQ(m_pPlayfield->GetScore(), quiet ? scoreBefore : scoreBefore + score);
                    EXPECT_EQ(SoundPlays("Power Up.wav"), soundsBefore + (quiet ? 0 : 1));
                    const bool floats = !quiet && callPowerUp;
                    ASSERT_EQ(FloatingTexts(), floats ? 1 : 0);
                    if (floats)
                    {
                        const Vector2 at = m_pPlayfield->m_pFrontEffects->GetHead()->m_Position;
                        EXPECT_EQ(at.x, asCapsule ? 120.0f : 300.0f);
                        EXPECT_EQ(at.y, asCapsule ? 200.0f : 560.0f);
                    }
                    ResetKinds();
                }
}

TEST_F(PowerUpCapsuleTest, TheSoundModeChoosesTheActivationSoundTheScoreSoundOrNone)
{
    CPowerUpBase* kind = AddKind<CPowerUpBase>("Gizmo");
    struct Case
    {
        int32_t mode;
        int32_t activation;
        int32_t score;
    };
    for (const Case& c : {Case{0, 1, 0}, Case{1, 0, 1}, Case{2, 0, 0}})
    {
        const int32_t activation = SoundPlays("Power Up.wav");
        const int32_t score = SoundPlays("Score.wav");
        kind->GiveFeedback(PowerUpCollectContext{m_pShipSprite, false}, c.mode);
        EXPECT_EQ(SoundPlays("Power Up.wav") - activation, c.activation) << c.mode;
        EXPECT_EQ(SoundPlays("Score.wav") - score, c.score) << c.mode;
    }
}

TEST_F(PowerUpCapsuleTest, WithoutAShipADirectActivationRaisesNoText)
{
    CPowerUpBase* kind = AddKind<CPowerUpBase>("Gizmo");
    m_pPlayfield->m_pShip->DeleteAll();
    kind->Activate(PowerUpCollectContext{nullptr, false});
    EXPECT_EQ(FloatingTexts(), 0);
    EXPECT_EQ(BoxLines().front(), "Gizmo");
}

TEST_F(PowerUpCapsuleTest, CollectingShowsTheTutorialExceptInAttractPlayAndEndsTheCapsule)
{
    for (bool attract : {false, true})
    {
        CPowerUpBase* kind = AddKind<CPowerUpBase>("Gizmo");
        kind->m_Tutorial = 3;
        m_pPlayfield->m_StandAloneRound = attract ? 0 : -1;
        ScopedPlayfieldHooks::s_Calls.clear();
        CGameSprite* capsule = Launch(kind, Vector2{120.0f, 200.0f});
        const uint32_t before = m_pPlayfield->GetScore();
        static_cast<CPowerUpBase*>(capsule->GetAI())->CollectByShip(m_pShipSprite);
        EXPECT_EQ(ScopedPlayfieldHooks::s_Calls,
                  attract ? std::vector<std::string>{} : std::vector<std::string>{"ShowTutorial 3"});
        EXPECT_TRUE(capsule->IsDead());
        EXPECT_EQ(m_pPlayfield->GetScore(), before + 100);
        EXPECT_EQ(BoxLines().front(), "Gizmo");
        ResetKinds();
    }
}

int64_t s_Now = 0;

int64_t ManualClock()
{
    return s_Now;
}

TEST_F(PowerUpCapsuleTest, TheIconShowsTheFrameOfTheWallClock)
{
    const NanosecondClock previous = SetNanosecondClock(&ManualClock);
    CSequence* icon = m_Sequences.Add("Icon", MakeSolidSequence(4, 8, 8, 0x100, 10.0f));
    m_Sequences.Add("Empty", MakeSolidSequence(0, 8, 8, 0x200, 10.0f));
    CPowerUpBase* kind = AddKind<CPowerUpBase>("Gizmo");
    kind->m_PrimarySequence = GetSequenceList().Find("Icon", -1);
    struct Case
    {
        int64_t milliseconds;
        uint32_t frame;
    };
    for (const Case& c : {Case{0, 0}, Case{140, 1}, Case{250, 2}, Case{260, 3}, Case{390, 0}, Case{1010, 2}})
    {
        s_Now = c.milliseconds * 1000000;
        CRecordingFrame frame;
        kind->DrawIcon(40, 50, &frame);
        ASSERT_EQ(frame.calls.size(), 1u) << c.milliseconds;
        EXPECT_EQ(frame.calls[0].source, icon->GetFrame(c.frame)) << c.milliseconds;
    }
    kind->m_PrimarySequence = GetSequenceList().Find("Empty", -1);
    CRecordingFrame nothing;
    kind->DrawIcon(40, 50, &nothing);
    EXPECT_TRUE(nothing.calls.empty());
    SetNanosecondClock(previous);
}

} // namespace
