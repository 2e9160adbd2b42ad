#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"
#include "engine/object/object.h"
#include "game/records/game_stats.h"

// One player's record for one round set, keyed by the set's file name.
class CPlayerStatsForRoundSet : public CObject
{
    VP_DECLARE_CLASS(CPlayerStatsForRoundSet)
public:
    // What a round holds, and so the most of it a player can find.
    static constexpr uint32_t kRingsPerRound = 5;

    CPlayerStatsForRoundSet();
    ~CPlayerStatsForRoundSet() override;

    // Round 0 counts as completed from the start, so its checkpoint is open.
    bool HasCompletedRound(uint32_t round) const { return m_HighestRoundCompleted >= round; }
    void RaiseHighestRound(uint32_t round);
    // Rings found over the set: each round counts at most the five it
    // holds.
    uint32_t TotalRingsFound() const;
    // The most rings found in the round (0-based); 0 for a round never
    // played.
    uint32_t GetRingsFound(uint32_t round) const;
    // Keeps the larger of the best so far and the count, growing the list
    // with zeros up to the round.
    void RecordRingsFound(uint32_t round, uint32_t count);
    // Every ring of the round was found at least once.
    bool AllRingsFound(uint32_t round) const { return GetRingsFound(round) >= kRingsPerRound; }
    // Archived games at the difficulty with more points (ties do not count).
    uint32_t CountHigherScores(uint32_t points, uint32_t difficulty) const;
    // A copy of the game at the end of the high-score list.
    CGameStats* ArchiveGame(const CGameStats& game);

    CString m_RoundSetName;
    uint32_t m_LastSelectedCheckPoint;
    uint32_t m_ConsecutiveGameOversOnSameCheckPoint;
    uint32_t m_LastSelectedStartingRound;
    CSuspendedGameStats* m_pSuspendedGame;
    CGameStats m_CareerTotals;
    CGameStats m_CareerBest;
    uint32_t m_AllGamesPlayedCount;
    uint32_t m_AllGamesPlayedCapacity;
    CGameStats** m_AllGamesPlayed;
    uint32_t m_HighestRoundCompleted;
    uint32_t m_MostRingsFoundCount;
    uint32_t m_MostRingsFoundCapacity;
    uint32_t* m_MostRingFoundPerRound;
};

// One player profile.
class CPlayerStats : public CObject
{
    VP_DECLARE_CLASS(CPlayerStats)
public:
    CPlayerStats();
    ~CPlayerStats() override;

    // The record for the named set (ASCII case ignored), made, named and
    // appended when the player has none yet.
    CPlayerStatsForRoundSet* GetRoundSetStats(const CString& roundSetName);

    CString m_Name;
    uint32_t m_LastSelectedDifficulty;
    uint32_t m_RoundSetCount;
    uint32_t m_RoundSetCapacity;
    CPlayerStatsForRoundSet** m_RoundSets;
};
