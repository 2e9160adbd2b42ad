// A game put aside and taken up again. The suspended game is the copy
// taken when the current round started, so resuming replays that round
// from its start, with the points of that moment and never more lives than
// the player has now.

#include <algorithm>

#include "engine/platform/file_time.h"
#include "game/playfield/playfield.h"
#include "game/records/stats.h"

namespace {

constexpr uint32_t kHardestDifficulty = 3;

// Deletes the round set record's suspended game, if any.
void DeleteSuspendedGame(CPlayerStatsForRoundSet& record)
{
    delete record.m_pSuspendedGame;
    record.m_pSuspendedGame = nullptr;
}

} // namespace

bool CPlayfield::SuspendGame()
{
    CStats& stats = GetStats();
    CSuspendedGameStats& scratch = stats.GetSuspendScratch();
    scratch.m_EndingRoundNumber = static_cast<uint32_t>(m_RoundIndex);
    scratch.m_EndTime = static_cast<int64_t>(GetFileTimeNow());

    CPlayerStatsForRoundSet& record = *stats.GetCurrentRoundSetStats();
    DeleteSuspendedGame(record);
    CSuspendedGameStats* suspended = new CSuspendedGameStats;
    suspended->CopyFrom(scratch);
    suspended->m_BallsLeft = std::min(scratch.m_BallsLeft, m_BallsInReserve);
    record.m_pSuspendedGame = suspended;
    return stats.Save();
}

bool CPlayfield::ResumeGame()
{
    CStats& stats = GetStats();
    CPlayerStatsForRoundSet& record = *stats.GetCurrentRoundSetStats();
    const CSuspendedGameStats* suspended = record.m_pSuspendedGame;
    // The record may name a round removed from the set since, or come from
    // a hand-edited file: nothing starts that the game cannot play.
    if (suspended == nullptr || suspended->m_LevelOfDifficulty > kHardestDifficulty ||
        FetchRound(static_cast<int32_t>(suspended->m_EndingRoundNumber), false) == nullptr)
        return false;

    stats.GetCurrentGame().CopyFrom(*suspended);
    const uint32_t ballsLeft = suspended->m_BallsLeft;
    NewGame(static_cast<int32_t>(suspended->m_EndingRoundNumber), static_cast<int32_t>(suspended->m_LevelOfDifficulty),
            true, false, false, false);
    m_BallsInReserve = ballsLeft;

    CSuspendedGameStats& scratch = stats.GetSuspendScratch();
    scratch.CopyFrom(stats.GetCurrentGame());
    scratch.m_BallsLeft = m_BallsInReserve;
    DeleteSuspendedGame(record);
    stats.Save();
    return true;
}
