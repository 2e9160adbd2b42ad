#include "game/records/stats.h"

#include "engine/core/settings/paths.h"

bool CStats::FinishGame()
{
    m_CurrentGame.m_GamesFinished = 1;
    CPlayerStatsForRoundSet* record = GetCurrentRoundSetStats();
    record->m_CareerTotals.MergeSum(m_CurrentGame);
    record->m_CareerBest.MergeBest(m_CurrentGame);
    m_AllPlayersTotals.MergeSum(m_CurrentGame);
    m_AllPlayersBest.MergeBest(m_CurrentGame);
    return Save();
}

CGameStats* CStats::ArchiveCurrentGame()
{
    return GetCurrentRoundSetStats()->ArchiveGame(m_CurrentGame);
}

uint32_t CStats::CountHigherScoresAllPlayers(uint32_t points, uint32_t difficulty)
{
    const CString setName(GetFileNamePart(m_RoundSetName.GetText()));
    uint32_t count = 0;
    for (uint32_t i = 0; i < m_PlayerCount; i++)
        count += m_Players[i]->GetRoundSetStats(setName)->CountHigherScores(points, difficulty);
    return count;
}
