#pragma once

#include <cstdint>

#include "engine/object/object.h"

// The counters of one game: the running one, a finished one in the
// high-score list, or the sums and bests of many (where "Games Finished"
// counts games). Round numbers are 0-based here and 1-based on screen.
class CGameStats : public CObject
{
    VP_DECLARE_CLASS(CGameStats)
public:
    CGameStats();
    ~CGameStats() override;

    uint32_t m_StartingRoundNumber;
    uint32_t m_EndingRoundNumber;
    uint32_t m_BricksDestroyed;
    // Rings collected, less those spent on extra balls.
    uint32_t m_CoinsCollected;
    uint32_t m_BallsLost;
    uint32_t m_PointsScored;
    float m_SecondsPlayed;
    // System times as 64-bit file times.
    int64_t m_StartTime;
    int64_t m_EndTime;
    // 0 Easy, 1 Normal, 2 Hard, 3 Insane.
    uint32_t m_LevelOfDifficulty;
    bool m_UsedCheat;
    uint32_t m_GamesFinished;

    // Folds a finished game into a record of sums: counts add (wrapping),
    // the furthest round and any cheat are kept; the round it started at,
    // the difficulty and the times mean nothing for many games.
    void MergeSum(const CGameStats& game);
    // Folds a finished game into a record of bests: each count keeps the
    // larger, any cheat is kept for good, and the games are counted.
    void MergeBest(const CGameStats& game);
};

// A game put aside at the start of a round, with the lives to give back.
class CSuspendedGameStats : public CGameStats
{
    VP_DECLARE_CLASS(CSuspendedGameStats)
public:
    CSuspendedGameStats();
    ~CSuspendedGameStats() override;

    uint32_t m_BallsLeft;
};
