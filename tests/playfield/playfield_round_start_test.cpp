#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <string>
#include <vector>

#include "engine/app/demo_recorder.h"
#include "engine/app/input/keyboard_state.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/on_screen_message.h"
#include "game/bricks/brick_optional.h"
#include "game/bricks/round_library.h"
#include "game/bricks/round_set_library.h"
#include "game/bricks/script_reference_to_target.h"
#include "game/playfield/animate_sprite_ai.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/music_mixer.h"
#include "game/playfield/player_ship_ai.h"
#include "game/records/stats.h"
#include "tests/support/playfield_fixtures.h"
#include "tests/support/scoped_temp_folder.h"

namespace {

using Lines = std::vector<std::string>;

TEST_F(PlayfieldTest, NewGameGivesReservesByDifficultyAndResetsTheGameUnlessResuming)
{
    struct Case
    {
        int32_t difficulty;
        bool resuming;
        uint32_t reserves;
        uint32_t pointsAfter;
    };
    for (const Case& c : {Case{0, false, 4, 0}, Case{1, false, 2, 0}, Case{2, true, 2, 77}, Case{3, false, 2, 0}})
    {
        CGameStats& game = GetStats().GetCurrentGame();
        game.m_PointsScored = 77;
        game.m_UsedCheat = true;
        game.m_LevelOfDifficulty = 9;
        ASSERT_TRUE(m_pPlayfield->NewGame(1, c.difficulty, c.resuming, false, false, false));
        EXPECT_EQ(m_pPlayfield->m_BallsInReserve, c.reserves);
        EXPECT_EQ(game.m_PointsScored, c.pointsAfter);
        EXPECT_EQ(game.m_UsedCheat, c.resuming);
        EXPECT_EQ(game.m_LevelOfDifficulty, c.resuming ? 9u : static_cast<uint32_t>(c.difficulty));
        if (!c.resuming)
        {
            EXPECT_EQ(game.m_StartingRoundNumber, 1u);
            EXPECT_NE(game.m_StartTime, 0);
        }
        EXPECT_EQ(m_pPlayfield->m_RoundIndex, 1);
        EXPECT_FALSE(m_pPlayfield->m_GameOver);
    }
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, true));
    EXPECT_EQ(GetStats().GetCurrentGame().m_StartingRoundNumber, 0u);
    EXPECT_EQ(m_pPlayfield->m_StandAloneRound, 0);
    EXPECT_EQ(m_pPlayfield->m_RoundIndex, -1);
}

TEST_F(PlayfieldTest, TheShipStandsAtItsStartAndLastsFromRoundToRound)
{
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    ASSERT_EQ(m_pPlayfield->m_pShip->Count(), 1);
    CSprite* ship = m_pPlayfield->GetShipSprite();
    CPlayerShipAI* shipAI = m_pPlayfield->GetShipAI();
    ASSERT_NE(shipAI, nullptr);
    EXPECT_EQ(ship->m_Position.x, 320.0f);
    EXPECT_EQ(ship->m_Position.y, 560.0f);
    EXPECT_EQ(ship->m_DrawnPosition.x, 320);
    EXPECT_EQ(ship->m_DrawnPosition.y, 560);
    EXPECT_EQ(shipAI->GetControls(), &ScopedPlayfieldHooks::s_Controls);
    shipAI->AddPendingStarfish();
    ASSERT_TRUE(m_pPlayfield->NextRound());
    EXPECT_EQ(m_pPlayfield->GetShipSprite(), ship);
    EXPECT_EQ(m_pPlayfield->GetShipAI(), shipAI);
    EXPECT_EQ(shipAI->GetPendingStarfish(), 0);
    EXPECT_EQ(m_pPlayfield->m_RoundIndex, 1);
}

TEST_F(PlayfieldTest, RoundStartEmptiesEveryListButTheShipAndNamesTheRound)
{
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    Step();
    for (CSpriteList* list :
         {m_pPlayfield->m_pLooseBalls, m_pPlayfield->m_pShots, m_pPlayfield->m_pFallingPowerUps,
          m_pPlayfield->m_pBackgroundSprites, m_pPlayfield->m_pBackEffects, m_pPlayfield->m_pFrontEffects})
    {
        CSprite* dying = new CSprite;
        dying->AddAI(new CAnimateSpriteAI(1.0f));
        dying->Kill();
        list->Append(dying);
    }
    m_pPlayfield->m_RoundCleared = true;
    m_pPlayfield->m_TallyCountdown = 7;
    m_pPlayfield->m_RoundTime = 12.0f;
    const int32_t startSounds = SoundPlays("Start Round.wav");
    GetStats().GetCurrentGame().m_PointsScored = 1234;
    m_pPlayfield->m_BallsInReserve = 3;
    ASSERT_TRUE(m_pPlayfield->StartRound(0, false));

    for (CSpriteList* list : {m_pPlayfield->m_pBallsInPlay, m_pPlayfield->m_pLooseBalls, m_pPlayfield->m_pShots,
                              m_pPlayfield->m_pFallingPowerUps, m_pPlayfield->m_pBackgroundSprites,
                              m_pPlayfield->m_pBackEffects, m_pPlayfield->m_pFrontEffects})
        EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(m_pPlayfield->m_pBricks->Count(), 2);
    EXPECT_EQ(m_pPlayfield->m_pShip->Count(), 1);
    EXPECT_FALSE(m_pPlayfield->m_RoundCleared);
    EXPECT_EQ(m_pPlayfield->m_TallyCountdown, 0u);
    EXPECT_EQ(m_pPlayfield->m_RoundTime, 0.0f);
    EXPECT_EQ(SoundPlays("Start Round.wav"), startSounds + 1);
    EXPECT_EQ(BoxLines(), (Lines{"Round 1", "Gates"}));
    EXPECT_EQ(m_pBox->GetLineFont(0), &m_Fonts[1]);
    EXPECT_EQ(m_pBox->GetLineFont(1), &m_Fonts[0]);
    EXPECT_EQ(m_pBox->GetTimeout(), 0.0f);
    EXPECT_TRUE(m_pPlayfield->IsLayingBricks());

    // The round-start copy of the game that suspending keeps.
    const CSuspendedGameStats& scratch = GetStats().GetSuspendScratch();
    EXPECT_EQ(scratch.m_BallsLeft, 3u);
    EXPECT_EQ(scratch.m_PointsScored, 1234u);
    EXPECT_EQ(scratch.m_LevelOfDifficulty, 1u);
    EXPECT_EQ(std::count(ScopedPlayfieldHooks::s_Calls.begin(), ScopedPlayfieldHooks::s_Calls.end(),
                         std::string("SetRoundBanner")),
              2);
}

TEST_F(PlayfieldTest, StartSoundOnlyInAGameRoundWithTheEditorClosed)
{
    struct Case
    {
        bool editorOpen;
        bool standAlone;
        int32_t round;
        int32_t plays;
    };
    for (const Case& c : {Case{false, false, 0, 1}, Case{true, false, 0, 0}, Case{false, true, 0, 0}})
    {
        ScopedPlayfieldHooks::s_EditorOpen = c.editorOpen;
        const int32_t before = SoundPlays("Start Round.wav");
        ASSERT_TRUE(m_pPlayfield->NewGame(c.round, 1, false, false, false, c.standAlone));
        EXPECT_EQ(SoundPlays("Start Round.wav") - before, c.plays);
    }
}

TEST_F(PlayfieldTest, BeginPlayServesABallOnTheShipAndTellsEveryBrick)
{
    CBlockFont* bigWhite = new CBlockFont(2);
    StoreBlockGlyphs(*bigWhite, 32, 126, 1, 2);
    ASSERT_NE(GetFontLibrary().AddItemWithObject(bigWhite, "Big White"), -1);
    GetOnScreenMessage()->SetClipRect(CRect{0, 0, 800, 600});
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    const int32_t servedSounds = SoundPlays("Ball In Play.wav");
    Step();
    EXPECT_FALSE(m_pPlayfield->IsLayingBricks());
    ASSERT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 1);
    EXPECT_EQ(m_pPlayfield->GetShipAI()->GetHeldBall(), m_pPlayfield->m_pBallsInPlay->GetHead());
    EXPECT_TRUE(m_pPlayfield->GetShipSprite()->IsActive());
    EXPECT_EQ(SoundPlays("Ball In Play.wav"), servedSounds + 1);
    EXPECT_TRUE(m_pPlayfield->m_RoundStarted);
    EXPECT_EQ(m_pPlayfield->m_BallsInReserve, 2u);
    for (CBrickBase* brick : Bricks())
        EXPECT_EQ(static_cast<CTestBrick*>(brick)->m_RoundStarts, 1);
    EXPECT_EQ(BoxLines(), (Lines{"Round 1", "Gates", "Begin"}));
    EXPECT_EQ(m_pBox->GetLineFont(2), &m_Fonts[1]);
    EXPECT_EQ(m_pBox->GetTimeout(), 4.0f);
    EXPECT_STREQ(GetOnScreenMessage()->GetText().GetText(), "Gates");
    EXPECT_EQ(GetOnScreenMessage()->GetTimeLeft(), 4.0f);
    GetOnScreenMessage()->Show(CString());
    GetFontLibrary().DeleteAllItems();
}

TEST_F(PlayfieldTest, StandAloneRoundHidesTheShipAndServesNothing)
{
    const int32_t sounds = SoundPlays("Start Round.wav") + SoundPlays("Ball In Play.wav");
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, true, false, false, true));
    Step();
    EXPECT_TRUE(m_pPlayfield->IsNonGameRound());
    EXPECT_FALSE(m_pPlayfield->GetShipSprite()->IsActive());
    EXPECT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 0);
    EXPECT_EQ(SoundPlays("Start Round.wav") + SoundPlays("Ball In Play.wav"), sounds);
    EXPECT_FALSE(m_pPlayfield->m_GameOver);
    // A stand-alone index past the library's end plays its first round.
    ASSERT_TRUE(m_pPlayfield->StartRound(9, true));
    EXPECT_EQ(m_pPlayfield->GetCurrentRound(), GetRoundLibrary().GetItemObject(0));
}

TEST_F(PlayfieldTest, BackgroundWithoutScoreBoardWidensTheClipAndMakesANonGameRound)
{
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    m_pPlayfield->SetBackground(&m_WithScoreBoard);
    EXPECT_EQ(m_pPlayfield->m_ClipRect.left, 11);
    EXPECT_EQ(m_pPlayfield->m_ClipRect.top, 10);
    EXPECT_EQ(m_pPlayfield->m_ClipRect.right, 626);
    EXPECT_EQ(m_pPlayfield->m_ClipRect.bottom, 600);
    EXPECT_FALSE(m_pPlayfield->IsNonGameRound());
    m_pPlayfield->SetBackground(&m_NoScoreBoard);
    EXPECT_EQ(m_pPlayfield->m_ClipRect.left, 0);
    EXPECT_EQ(m_pPlayfield->m_ClipRect.right, 800);
    EXPECT_FALSE(m_pPlayfield->m_ScoreBoardShown);
    EXPECT_TRUE(m_pPlayfield->IsNonGameRound());
    // None keeps the score-board flag of the last background.
    m_pPlayfield->SetBackground(nullptr);
    EXPECT_FALSE(m_pPlayfield->m_ScoreBoardShown);
    EXPECT_EQ(m_pPlayfield->m_ClipRect.right, 626);
    EXPECT_FALSE(m_pPlayfield->IsNonGameRound());
    EXPECT_EQ(std::count(ScopedPlayfieldHooks::s_Calls.begin(), ScopedPlayfieldHooks::s_Calls.end(),
                         std::string("InvalidateScreen")),
              4);

    // A round of the set with that background is laid at once and plays
    // like attract play.
    m_Rounds[1]->m_pBackground = &m_NoScoreBoard;
    ASSERT_TRUE(m_pPlayfield->StartRound(1, false));
    Step();
    EXPECT_FALSE(m_pPlayfield->IsLayingBricks());
    EXPECT_FALSE(m_pPlayfield->GetShipSprite()->IsActive());
    EXPECT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 0);
}

TEST_F(PlayfieldTest, InsaneBallsAreSmall)
{
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 3, false, false, false, false));
    Step();
    const CBallAI* served = static_cast<CBallAI*>(m_pPlayfield->m_pBallsInPlay->GetHead()->GetAI());
    EXPECT_TRUE(served->IsSmall());
    EXPECT_TRUE(m_pPlayfield->AddBall()->IsSmall());
    GetStats().GetCurrentGame().m_LevelOfDifficulty = 2;
    EXPECT_FALSE(m_pPlayfield->AddBall()->IsSmall());
    EXPECT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 3);
}

TEST_F(PlayfieldTest, RoundsTheSetDoesNotHoldStartNothing)
{
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    GetStats().GetCurrentGame().m_PointsScored = 300;
    const int32_t testSet = GetStats().GetRoundSet();
    MakeCurrentTestRoundSet("Empty");
    const int32_t emptySet = GetStats().GetRoundSet();
    struct Case
    {
        int32_t set;
        int32_t round;
    };
    for (const Case& c : {Case{emptySet, 0}, Case{testSet, 5}, Case{testSet, -1}})
    {
        SelectRoundSet(static_cast<uint32_t>(c.set));
        EXPECT_FALSE(m_pPlayfield->NewGame(c.round, 0, false, false, false, false));
        EXPECT_FALSE(m_pPlayfield->StartRound(c.round, false));
        EXPECT_EQ(m_pPlayfield->m_RoundIndex, 0);
        EXPECT_EQ(m_pPlayfield->m_BallsInReserve, 2u);
        EXPECT_EQ(GetStats().GetCurrentGame().m_PointsScored, 300u);
        EXPECT_EQ(m_pPlayfield->m_pBricks->Count(), 2);
        EXPECT_EQ(Layer()->m_Starts, 1);
    }
    SelectRoundSet(static_cast<uint32_t>(testSet));
    GetRoundLibrary().DeleteAllItems();
    EXPECT_FALSE(m_pPlayfield->StartRound(0, true));
}

TEST_F(PlayfieldTest, LookUpsByNameIgnoreCaseAndCacheMisses)
{
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    std::vector<CBrickBase*> bricks = Bricks();
    bricks[1]->m_Name = "Gate";
    CScriptReferenceToTarget reference;
    for (const char* name : {"gate", "Gate", "GATE"})
    {
        reference.m_Name = name;
        EXPECT_EQ(m_pPlayfield->FindBrickByReference(reference), bricks[1]) << name;
        CDynamicArray<CBrickBase*> found;
        m_pPlayfield->CollectBricksByReference(reference, found);
        m_pPlayfield->FindBricksByName(reference.m_Name, found);
        ASSERT_EQ(found.GetCount(), 2u);
        EXPECT_EQ(found[0], bricks[1]);
        EXPECT_EQ(found[1], bricks[1]);
    }
    reference.m_Name = "";
    CDynamicArray<CBrickBase*> none;
    m_pPlayfield->CollectBricksByReference(reference, none);
    m_pPlayfield->FindBricksByName(reference.m_Name, none);
    EXPECT_EQ(m_pPlayfield->FindBrickByReference(reference), nullptr);
    EXPECT_EQ(none.GetCount(), 0u);

    // A miss stays cached while no brick is made or deleted.
    reference.m_Name = "Tower";
    EXPECT_EQ(m_pPlayfield->FindBrickByReference(reference), nullptr);
    bricks[0]->m_Name = "Tower";
    EXPECT_EQ(m_pPlayfield->FindBrickByReference(reference), nullptr);
    CTestImageSprite* another = new CTestImageSprite;
    another->AddAI(new CTestBrick(true, "Wall"));
    m_pPlayfield->m_pBricks->Append(another);
    EXPECT_EQ(m_pPlayfield->FindBrickByReference(reference), bricks[0]);
}

TEST_F(PlayfieldTest, EnterOrSpaceWhileLayingFinishItAndAreConsumed)
{
    CTestBrickLayer::s_Stepped = true;
    struct Case
    {
        int32_t key;
        bool consumed;
    };
    for (const Case& c : {Case{'A', false}, Case{13, true}, Case{32, true}})
    {
        ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
        GetKeyboardState().PutTypedChar('x');
        EXPECT_EQ(m_pPlayfield->HandleKey(c.key), c.consumed);
        EXPECT_EQ(m_pPlayfield->IsLayingBricks(), !c.consumed);
        EXPECT_EQ(GetKeyboardState().GetTypedChar(), c.consumed ? 0 : 'x');
        EXPECT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), c.consumed ? 1 : 0);
    }
    // Nothing is being laid: the key is someone else's.
    EXPECT_FALSE(m_pPlayfield->HandleKey(13));
}

TEST_F(PlayfieldTest, SteppedLayingFinishesEarlyWhenShootIsHeld)
{
    CTestBrickLayer::s_Stepped = true;
    m_Rounds[0]->m_Bricks.assign(4, TestBrickKind::Required);
    ASSERT_TRUE(m_pPlayfield->NewGame(0, 1, false, false, false, false));
    Step();
    EXPECT_TRUE(m_pPlayfield->IsLayingBricks());
    EXPECT_EQ(m_pPlayfield->m_RoundTime, 0.0f);
    ScopedPlayfieldHooks::s_Controls.m_Shoot = true;
    Step();
    EXPECT_FALSE(m_pPlayfield->IsLayingBricks());
    EXPECT_EQ(Layer()->m_FinishedNow, 1);
    ScopedPlayfieldHooks::s_Controls.m_Shoot = false;

    // Without shoot it lays one brick per step.
    ASSERT_TRUE(m_pPlayfield->NextRound());
    Step();
    EXPECT_TRUE(m_pPlayfield->IsLayingBricks());
    Step();
    EXPECT_FALSE(m_pPlayfield->IsLayingBricks());
    EXPECT_EQ(Layer()->m_FinishedNow, 1);
}

} // namespace

namespace {

TEST_F(PlayfieldTest, ListCodesRoundNumbersAndTheOnePlayfield)
{
    CPlayfield& playfield = *m_pPlayfield;
    EXPECT_EQ(GetPlayfield(), &playfield);
    const std::pair<CSpriteList*, int32_t> codes[] = {
        {playfield.m_pBackgroundSprites, 0}, {playfield.m_pBackEffects, 1}, {playfield.m_pFrontEffects, 2},
        {playfield.m_pFallingPowerUps, 3},   {playfield.m_pShots, 4},       {playfield.m_pBricks, 5},
        {playfield.m_pLooseBalls, 6},        {playfield.m_pShip, 7},        {playfield.m_pBallsInPlay, 8}};
    for (const auto& [list, code] : codes)
        EXPECT_EQ(playfield.GetListCode(list), code);
    CSpriteList stranger;
    EXPECT_EQ(playfield.GetListCode(&stranger), 0);

    for (const auto& [index, text] : {std::pair<int32_t, const char*>{0, "1"}, {9, "10"}, {-1, "0"}})
    {
        CString number;
        FormatRoundNumber(number, index);
        EXPECT_STREQ(number.GetText(), text);
    }

    ASSERT_TRUE(playfield.NewGame(0, 1, false, false, false, false));
    Step();
    playfield.ClearAllLists();
    for (const auto& [list, code] : codes)
        EXPECT_EQ(list->Count(), 0) << code;

    m_pPlayfield.reset();
    EXPECT_EQ(GetPlayfield(), nullptr);
}

} // namespace

TEST_F(PlayfieldTest, BackgroundHandsItsMusicTracksToTheMixerUnlessADemoPlays)
{
    CBackgroundDefinition theme;
    theme.m_MusicTracks.m_NumSecondsToSwitch = 7.5f;
    m_pPlayfield->SetBackground(&theme);
    EXPECT_FLOAT_EQ(GetMusicMixer().GetMixerData().m_NumSecondsToSwitch, 7.5f);

    ScopedTempFolder folder;
    const std::string demo = folder.Path() + "Empty.Demo";
    CDemoRecorder& recorder = CDemoRecorder::Get();
    recorder.StartRecording();
    recorder.EndFrame();
    recorder.StopRecording();
    recorder.Save(demo.c_str(), 0);
    recorder.PlayFile(demo.c_str(), 0);
    ASSERT_TRUE(recorder.IsPlaying());
    theme.m_MusicTracks.m_NumSecondsToSwitch = 2.0f;
    m_pPlayfield->SetBackground(&theme);
    recorder.StopPlaying();
    EXPECT_FLOAT_EQ(GetMusicMixer().GetMixerData().m_NumSecondsToSwitch, 7.5f);
}
