#include "game/playfield/playfield.h"

#include "engine/app/demo_recorder.h"
#include "engine/app/input/keyboard_state.h"
#include "engine/app/sound/sound_list.h"
#include "engine/object/editor_hooks.h"
#include "engine/platform/tick_counter.h"
#include "game/bricks/background_definition.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_layer.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/player_controls.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/playfield_hooks.h"
#include "game/playfield/playfield_texts.h"
#include "game/playfield/power_up_base.h"
#include "game/playfield/shot_ai.h"
#include "game/playfield/sprite.h"
#include "game/playfield/tessivue_display.h"
#include "game/records/stats.h"

namespace {

uint32_t s_LastUpdateTick = 0;

constexpr uint32_t kRoundCompleteBonus = 1000;
constexpr uint32_t kNoShipBonus = 3000;
constexpr float kSlowedSpeedFactor = 0.01f;
constexpr int32_t kSpeedRecoverySteps = 75;
// Past these many rounds from the start on an easy setting, or fewer with
// lives to spare, the player is offered a harder one.
constexpr int32_t kHarderHintRounds = 30;
constexpr int32_t kHarderHintRoundsWithSpareLives = 21;

} // namespace

uint32_t GetLastPlayfieldUpdateTick()
{
    return s_LastUpdateTick;
}

void CPlayfield::Update(float step)
{
    s_LastUpdateTick = GetTickCount();
    const bool playingBack = CDemoRecorder::Get().IsPlaying();
    if (!playingBack)
    {
        if (m_GameOver)
        {
            if (m_GameOverDelay > 0.0f)
                m_GameOverDelay -= step;
            if (m_GameOverDelay <= 0.0f)
                ShowGameOverScore();
            return;
        }
        if (m_ResumeGuard > 0.0f)
        {
            m_ResumeGuard -= step;
            if (m_ResumeGuard <= 0.0f)
                m_ResumeGuard = 0.0f;
            m_pShip->UpdateAndReap();
            return;
        }
        if (m_LevelEndingCountdown != 0 && --m_LevelEndingCountdown == 0)
            RunRoundComplete();
        if (!m_RoundCleared && !IsLayingBricks())
        {
            GetStats().GetCurrentGame().m_SecondsPlayed += kStepSeconds;
            m_RoundTime += kStepSeconds;
        }
    }
    for (CSpriteList* list : {m_pBallsInPlay, m_pLooseBalls, m_pShip, m_pFallingPowerUps, m_pShots, m_pBricks,
                              m_pBackgroundSprites, m_pBackEffects, m_pFrontEffects})
        list->UpdateAndReap();
    if (playingBack)
        return;
    // After the lists moved: the marks the tally leaves are drawn as born,
    // as a replay of their records draws them.
    if (m_TallyCountdown != 0 && --m_TallyCountdown == 0)
        TallyRoundBonus();

    if (m_pBrickLayer != nullptr)
        m_pBrickLayer->Update();
    m_pBricks->AutoCollidePolygons(&OnBallTouchesBrick, *m_pBallsInPlay);
    m_pBricks->AutoCollidePolygons(&OnBallTouchesBrick, *m_pLooseBalls);
    m_pBallsInPlay->CollidePairs(&OnBallTouchesShip, nullptr, *m_pShip, nullptr, nullptr);
    m_pLooseBalls->CollidePairs(&OnBallTouchesShip, nullptr, *m_pShip, nullptr, nullptr);
    m_pBricks->CollidePairs(&OnBrickTouchesShip, nullptr, *m_pShip, nullptr, nullptr);
    m_pFallingPowerUps->CollidePairs(&OnPowerUpTouchesShip, nullptr, *m_pShip, nullptr, nullptr);
    m_pFallingPowerUps->CollidePairs(&OnPowerUpTouchesBall, nullptr, *m_pBallsInPlay, nullptr, nullptr);
    m_pFallingPowerUps->CollidePairs(&OnPowerUpTouchesBall, nullptr, *m_pLooseBalls, nullptr, nullptr);
    m_pShots->CollidePairs(&OnShotTouchesBrick, nullptr, *m_pBricks, nullptr, nullptr);
    m_pShots->CollidePairs(&OnShotTouchesBall, nullptr, *m_pBallsInPlay, nullptr, nullptr);

    if (!m_RoundCleared && !IsLayingBricks())
        TestRoundCleared();
    if (IsLayingBricks())
    {
        CPlayerControls* controls = GetPlayfieldHooks().GetPlayerControls(0);
        const bool shootHeld = controls != nullptr && controls->IsActionDown(CPlayerControls::ACTION_SHOOT);
        const bool noScoreBoard = m_pBackgroundDefinition != nullptr && !m_pBackgroundDefinition->m_ShowScoreboard;
        if (shootHeld || noScoreBoard)
        {
            GetKeyboardState().ClearAll(false);
            m_pBrickLayer->FinishNow();
        }
    }
    CheckLostBall();
}

void CPlayfield::TestRoundCleared()
{
    for (CSprite* sprite = m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        CBrickBase* brick = FirstBehaviourAs<CBrickBase>(sprite);
        if (!sprite->IsDead() && brick != nullptr && brick->MustBeDestroyedToFinish())
            return;
    }
    if (IsNonGameRound())
    {
        GetPlayfieldHooks().ShowNextMenuPattern();
        return;
    }
    CStats& stats = GetStats();
    const CGameStats& game = stats.GetCurrentGame();
    if (!game.m_UsedCheat)
    {
        m_FirstCompletion = false;
        CPlayerStatsForRoundSet* record = stats.GetCurrentRoundSetStats();
        const uint32_t round = static_cast<uint32_t>(m_RoundIndex);
        if (!record->HasCompletedRound(round))
        {
            m_FirstCompletion = true;
            record->RaiseHighestRound(round);
        }
    }
    const uint32_t lastDifficulty = stats.GetCurrentPlayer()->m_LastSelectedDifficulty;
    const int32_t played = m_RoundIndex - static_cast<int32_t>(game.m_StartingRoundNumber);
    if (lastDifficulty <= 1 &&
        (played > kHarderHintRounds || (played > kHarderHintRoundsWithSpareLives && m_BallsInReserve > 2)))
        GetPlayfieldHooks().ShowTutorialPage("Suggest Harder Setting");
    m_RoundCleared = true;
    m_LevelEndingCountdown = kLevelEndingSteps;
    if (m_EditorTestPlay)
        GetEditorHooks().OpenLevelEditor();
}

void CPlayfield::RunRoundComplete()
{
    for (CSprite* sprite = m_pBallsInPlay->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        sprite->m_Velocity = {0.0f, 0.0f};
        if (CBallAI* ball = FirstBehaviourAs<CBallAI>(sprite))
            ball->m_Stopped = true;
    }
    CTessivueDisplay* box = GetHudDisplay();
    if (box != nullptr)
        box->ShowText(g_TextRoundComplete.GetText(), CTessivueDisplay::kAlternateFont, kMessageSeconds, false);
    AddScore(kRoundCompleteBonus);
    GetSoundList().PlayByName("Level Ending Tune.WAV");
    CSprite* ship = GetShipSprite();
    if (ship == nullptr || !ship->IsActive())
    {
        if (box != nullptr)
            box->AddText(g_TextNoShipBonus.GetText(), CTessivueDisplay::kAlternateFont);
        AddScore(kNoShipBonus);
    }
    m_TallyCountdown = kFirstTallySteps;
    m_BonusTitlePending = true;
}

void CPlayfield::SlowBallsAfterPause()
{
    // The tick difference in 32 bits stays right across the counter's wrap
    // and after any uptime.
    if (s_LastUpdateTick == 0 || GetTickCount() - s_LastUpdateTick < kPauseMilliseconds)
        return;
    bool anyMoving = false;
    for (CSprite* sprite = m_pBallsInPlay->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        const Vector2& v = sprite->m_Velocity;
        if (v.x * v.x + v.y * v.y <= kSlowedSpeedFactor * kSlowedSpeedFactor)
            continue;
        anyMoving = true;
        CBallAI* ball = FirstBehaviourAs<CBallAI>(sprite);
        if (m_ResumeGuard == 0.0f && ball != nullptr)
            ball->SetSpeedChange(kSlowedSpeedFactor, kSpeedRecoverySteps);
    }
    if (anyMoving)
        m_ResumeGuard = kResumeGuardSeconds;
}

void CPlayfield::AddSpeedSample(float pixelsPerSecond)
{
    if (pixelsPerSecond <= 1.0f || m_RoundCleared)
        return;
    m_SpeedSamples += 1.0f;
    m_LastSpeed = pixelsPerSecond;
    m_SpeedSum += pixelsPerSecond;
}

void CPlayfield::OnBallTouchesBrick(CSprite* ball, CSprite* brick, int32_t passesThrough, CollisionContact& contact)
{
    if (CBallAI* ballAI = FirstBehaviourAs<CBallAI>(ball))
        ballAI->HitBrick(ball, brick, passesThrough, contact);
}

void CPlayfield::OnBallTouchesShip(CSprite* ball, CSprite* ship, void*)
{
    CPlayerShipAI* shipAI = dynamic_cast<CPlayerShipAI*>(ship->GetAI());
    if (shipAI != nullptr && (shipAI->GetHeldBall() == ball || shipAI->TryCatch(ship, ball)))
        return;
    if (CBallAI* ballAI = FirstBehaviourAs<CBallAI>(ball))
        ballAI->HitShip(ball, ship);
}

void CPlayfield::OnBrickTouchesShip(CSprite* brick, CSprite* ship, void*)
{
    if (CBrickBase* brickAI = FirstBehaviourAs<CBrickBase>(brick))
        brickAI->OnTouchedByShip(ship);
}

void CPlayfield::OnPowerUpTouchesShip(CSprite* capsule, CSprite* ship, void*)
{
    if (CPowerUpBase* powerUp = FirstBehaviourAs<CPowerUpBase>(capsule))
        powerUp->CollectByShip(ship);
}

void CPlayfield::OnPowerUpTouchesBall(CSprite* capsule, CSprite* ball, void*)
{
    if (CPowerUpBase* powerUp = FirstBehaviourAs<CPowerUpBase>(capsule))
        powerUp->HitByBall(FirstBehaviourAs<CBallAI>(ball));
}

void CPlayfield::OnShotTouchesBrick(CSprite* shot, CSprite* brick, void*)
{
    if (CShotAI* shotAI = FirstBehaviourAs<CShotAI>(shot))
        shotAI->HitBrick(FirstBehaviourAs<CBrickBase>(brick));
}

void CPlayfield::OnShotTouchesBall(CSprite* shot, CSprite* ball, void*)
{
    if (CShotAI* shotAI = FirstBehaviourAs<CShotAI>(shot))
        shotAI->HitBall(FirstBehaviourAs<CBallAI>(ball));
}
