#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"
#include "engine/object/object.h"
#include "game/records/game_stats.h"
#include "game/records/player_stats.h"

// The player records: the profiles (the last one is always the guest), the
// totals and bests of everyone, and the counters of the game being played.
// Everything that keeps a score, a checkpoint or a profile goes through
// GetStats.
class CStats : public CObject
{
    VP_DECLARE_CLASS(CStats)
public:
    CStats();
    ~CStats() override;

    uint32_t GetPlayerCount() const { return m_PlayerCount; }
    // The index is not checked: callers pass one below the count.
    CPlayerStats* GetPlayer(uint32_t index) { return m_Players[index]; }
    CPlayerStats* GetCurrentPlayer() { return m_Players[m_CurrentPlayer]; }
    CPlayerStatsForRoundSet* GetCurrentRoundSetStats();

    CGameStats& GetCurrentGame() { return m_CurrentGame; }
    void ResetCurrentGame() { m_CurrentGame.SetDefaults(); }
    // The copy of the current game taken at each round start, with the
    // lives of that moment: what suspending a game keeps. Never saved.
    CSuspendedGameStats& GetSuspendScratch() { return m_SuspendScratch; }

    // The current round set: its index in the "Round Sets" library, and
    // its name there, whose file-name part keys the records
    // GetCurrentRoundSetStats answers.
    int32_t GetRoundSet() const { return m_RoundSet; }
    const CString& GetRoundSetName() const { return m_RoundSetName; }
    void SetRoundSet(int32_t index, const CString& name)
    {
        m_RoundSet = index;
        m_RoundSetName = name;
    }

    // Gives an empty list its guest profile and brings "Current Player"
    // back into the list.
    void ApplyPlayerRules();

    // The records file in the program folder (stats_file.cpp). Reload
    // takes the file only when it reads whole; a damaged one is kept aside
    // under "Stats.dat.bad-N", untouched, the records start afresh and the
    // player is told once. Save answers whether the file was written; it
    // never writes over a damaged file it could not keep aside.
    void Reload();
    bool Save();

    // The end of a game that scored (stats_merge.cpp): the current game is
    // finished, folded into the player's and everyone's sums and bests and
    // saved.
    bool FinishGame();
    // A copy of the current game in the current player's high-score list.
    CGameStats* ArchiveCurrentGame();
    // Every player's archived games of the current round set at the
    // difficulty with more points.
    uint32_t CountHigherScoresAllPlayers(uint32_t points, uint32_t difficulty);

    uint32_t m_PlayerCount;
    uint32_t m_PlayerCapacity;
    CPlayerStats** m_Players;
    uint32_t m_CurrentPlayer;
    uint32_t m_ProgramLaunchesSinceVersionCheck;
    CGameStats m_AllPlayersTotals;
    CGameStats m_AllPlayersBest;
    CGameStats m_CurrentGame;

private:
    CSuspendedGameStats m_SuspendScratch;
    int32_t m_RoundSet = 0;
    CString m_RoundSetName;
    // Set while a damaged records file could not be kept aside.
    bool m_SavesRefused = false;
};

// The records file's name, in the program folder.
extern const char* const kStatsFileName;

// The one record set, built with its guest profile on first use.
CStats& GetStats();
