#include "game/playfield/playfield.h"

#include "engine/platform/file_time.h"
#include "game/playfield/playfield_hooks.h"
#include "game/playfield/playfield_texts.h"
#include "game/playfield/tessivue_display.h"
#include "game/records/stats.h"

namespace {

// A game reaches the high-score list among the best of everyone or among
// the player's own best, at its difficulty.
constexpr uint32_t kAllPlayersPlaces = 50;
constexpr uint32_t kOwnPlaces = 25;

} // namespace

void CPlayfield::ShowGameOverScore()
{
    CPlayfieldHooks& hooks = GetPlayfieldHooks();
    CStats& stats = GetStats();
    CGameStats& game = stats.GetCurrentGame();
    if (game.m_PointsScored == 0)
    {
        hooks.GoToMainMenu();
        return;
    }
    game.m_EndingRoundNumber = static_cast<uint32_t>(m_RoundIndex);
    game.m_EndTime = static_cast<int64_t>(GetFileTimeNow());
    stats.FinishGame();

    const uint32_t points = game.m_PointsScored;
    const uint32_t difficulty = game.m_LevelOfDifficulty;
    const uint32_t overallPlace = stats.CountHigherScoresAllPlayers(points, difficulty) + 1;
    const uint32_t ownPlace = stats.GetCurrentRoundSetStats()->CountHigherScores(points, difficulty) + 1;

    CString grouped;
    grouped.FormatGrouped(static_cast<int32_t>(points));
    CString message;
    CGameStats* archived = nullptr;
    if (game.m_UsedCheat)
        message.Format(g_TextScoreCheated.GetText().GetText(), grouped.GetText());
    else if (overallPlace > kAllPlayersPlaces && ownPlace > kOwnPlaces)
        message.Format(g_TextScoreNotHighEnough.GetText().GetText(), grouped.GetText());
    else
    {
        archived = stats.ArchiveCurrentGame();
        stats.Save();
        message.Format(g_TextScoreRanks.GetText().GetText(), grouped.GetText(), static_cast<int32_t>(overallPlace));
        if (ownPlace == 1)
            message += g_TextPersonalBest.GetText();
        message += ".";
    }
    hooks.LeavePlay();
    hooks.OpenStatisticsWindow(difficulty, archived, message);
}

void CPlayfield::MarkCheatUsed(bool showMessage)
{
    // A cheat after the game is over cannot buy the score it already has.
    if (GetPlayfieldHooks().IsInPlayState() && !m_GameOver)
    {
        CGameStats& game = GetStats().GetCurrentGame();
        game.m_PointsScored = 0;
        game.m_UsedCheat = true;
    }
    if (!showMessage)
        return;
    if (CTessivueDisplay* box = GetHudDisplay())
        box->ShowText(g_TextYouAreCheating.GetText(), CTessivueDisplay::kAlternateFont, kMessageSeconds, false);
}
