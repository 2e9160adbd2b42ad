#include "game/playfield/playfield.h"

#include "engine/app/sound/sound_list.h"
#include "engine/object/editor_hooks.h"
#include "game/playfield/delayed_call_queue.h"
#include "game/playfield/playfield_hooks.h"
#include "game/playfield/playfield_texts.h"
#include "game/playfield/tessivue_display.h"
#include "game/records/stats.h"

namespace {

constexpr int32_t kShownScoreFrom = 100;
constexpr float kGameOverSeconds = 2.0f;
constexpr uint32_t kRoundsPerCheckPoint = 10;
// From this many game overs in a row at one checkpoint the player is
// offered an easier setting.
constexpr uint32_t kEasierHintGameOvers = 3;

} // namespace

void CPlayfield::AddScore(int32_t points)
{
    CGameStats& game = GetStats().GetCurrentGame();
    // The score never goes below 0: a negative amount larger than the score
    // would wrap the unsigned count to billions.
    const int64_t total = static_cast<int64_t>(game.m_PointsScored) + points;
    game.m_PointsScored = total < 0 ? 0u : total > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(total);
    if (points >= 0 && points < kShownScoreFrom)
        return;
    CTessivueDisplay* box = GetHudDisplay();
    if (box == nullptr)
        return;
    CString amount;
    amount.FormatGrouped(points * GetPlayfieldHooks().GetPointsDisplayFactor());
    CString line;
    line.Format("%s %s", amount.GetText(), g_TextPoints.GetText().GetText());
    box->AddText(line, CTessivueDisplay::kNormalFont);
    box->ExtendTimeout(kMessageSeconds);
}

uint32_t CPlayfield::GetScore() const
{
    return GetStats().GetCurrentGame().m_PointsScored;
}

uint32_t CPlayfield::GetDifficulty() const
{
    return GetStats().GetCurrentGame().m_LevelOfDifficulty;
}

void CPlayfield::AddLife()
{
    m_BallsInReserve++;
    GetPlayfieldHooks().RestartBallCountIndication();
}

void CPlayfield::CheckLostBall()
{
    if (IsNonGameRound() || m_RoundCleared || IsLayingBricks() || m_pBallsInPlay->GetHead() != nullptr)
        return;
    CTessivueDisplay* box = GetHudDisplay();
    if (m_BallsInReserve > 0)
    {
        GetSoundList().PlayByName("Lost Ball.WAV");
        ServeBall(true);
        if (box != nullptr)
            box->ShowText(g_TextOutOfBoundsPenalty.GetText(), CTessivueDisplay::kAlternateFont, kMessageSeconds, false);
        return;
    }
    // A pending scripted event (a ball a brick is about to release) gets its
    // chance first.
    if (GetDelayedCallQueue().IsPending())
        return;
    GetSoundList().PlayByName("Game Over.WAV");
    if (box != nullptr)
        box->ShowText(g_TextGameOver.GetText(), CTessivueDisplay::kAlternateFont, 0.0f, true);
    m_GameOver = true;
    m_GameOverDelay = kGameOverSeconds;
    if (m_EditorTestPlay)
        GetEditorHooks().OpenLevelEditor();
    ShowHintForEasierSetting();
}

void CPlayfield::ShowHintForEasierSetting()
{
    CStats& stats = GetStats();
    if (stats.GetCurrentPlayer()->m_LastSelectedDifficulty == 0)
        return;
    CPlayerStatsForRoundSet* record = stats.GetCurrentRoundSetStats();
    const uint32_t checkPoint = static_cast<uint32_t>(m_RoundIndex) / kRoundsPerCheckPoint;
    if (record->m_LastSelectedCheckPoint != checkPoint ||
        record->m_HighestRoundCompleted >= checkPoint * kRoundsPerCheckPoint + 9)
        return;
    record->m_ConsecutiveGameOversOnSameCheckPoint++;
    if (record->m_ConsecutiveGameOversOnSameCheckPoint > kEasierHintGameOvers)
        GetPlayfieldHooks().ShowTutorialPage("Suggest Easier Setting");
}

void CPlayfield::EndGame(int32_t mode)
{
    m_GameOver = true;
    m_GameOverDelay = mode == 1 ? kGameOverSeconds : 0.0f;
    if (m_EditorTestPlay)
        GetEditorHooks().OpenLevelEditor();
}

