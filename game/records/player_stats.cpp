#include "game/records/player_stats.h"

#include <algorithm>

#include "engine/object/properties/array_property.h"
#include "engine/object/properties/nested_object_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/text_property.h"
#include "engine/object/properties/unsigned_int_property.h"

VP_IMPLEMENT_CLASS(CPlayerStatsForRoundSet, CObject, 1.0f)
VP_IMPLEMENT_CLASS(CPlayerStats, CObject, 1.0f)

namespace {

void AddCounter(CClassInfo* classInfo, const char* name, CPropertyMember<uint32_t> member, uint32_t initial = 0)
{
    classInfo->AddProperty(new UnsignedIntProperty(name, member, EDITOR_EDITABLE, initial, nullptr, 0, 0));
}

} // namespace

void CPlayerStatsForRoundSet::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new TextProperty("Round Set Name", VP_MEMBER(m_RoundSetName), EDITOR_EDITABLE, ""));
    AddCounter(classInfo, "Last Selected Check Point", VP_MEMBER(m_LastSelectedCheckPoint));
    AddCounter(classInfo, "Consecutive Game Overs On Same Check Point",
               VP_MEMBER(m_ConsecutiveGameOversOnSameCheckPoint));
    AddCounter(classInfo, "Last Selected Starting Round", VP_MEMBER(m_LastSelectedStartingRound));
    classInfo->AddProperty(new ObjectPointerProperty("Suspended Game", VP_MEMBER(m_pSuspendedGame),
                                                     CSuspendedGameStats::SGetClassInfo(), EDITOR_EDITABLE, nullptr));
    classInfo->AddProperty(new NestedObjectProperty("Career Totals", VP_MEMBER(m_CareerTotals), EDITOR_EDITABLE));
    classInfo->AddProperty(new NestedObjectProperty("Career Best", VP_MEMBER(m_CareerBest), EDITOR_EDITABLE));
    classInfo->AddProperty(
        new ArrayProperty("All Games Played", VP_MEMBER(m_AllGamesPlayedCount), VP_MEMBER(m_AllGamesPlayedCapacity),
                          VP_MEMBER(m_AllGamesPlayed), "m_AllGamesPlayed", true,
                          new ObjectPointerProperty("Game Stats", ArrayElementMember<CObject*>(),
                                                    CGameStats::SGetClassInfo(), EDITOR_EDITABLE, nullptr),
                          EDITOR_EDITABLE));
    AddCounter(classInfo, "Highest Round Completed", VP_MEMBER(m_HighestRoundCompleted));
    classInfo->AddProperty(new ArrayProperty(
        "Most Rings Found Each Round", VP_MEMBER(m_MostRingsFoundCount), VP_MEMBER(m_MostRingsFoundCapacity),
        VP_MEMBER(m_MostRingFoundPerRound), "m_MostRingFoundPerRound", true,
        new UnsignedIntProperty("Most Rings Found", ArrayElementMember<uint32_t>(), EDITOR_EDITABLE, 0, nullptr, 0, 0),
        EDITOR_EDITABLE));
}

CPlayerStatsForRoundSet::CPlayerStatsForRoundSet()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPlayerStatsForRoundSet::~CPlayerStatsForRoundSet()
{
    DestroyProperties(SGetClassInfo());
}

void CPlayerStatsForRoundSet::RaiseHighestRound(uint32_t round)
{
    m_HighestRoundCompleted = std::max(m_HighestRoundCompleted, round);
}

uint32_t CPlayerStatsForRoundSet::TotalRingsFound() const
{
    uint32_t total = 0;
    for (uint32_t i = 0; i < m_MostRingsFoundCount; i++)
        total += std::min(m_MostRingFoundPerRound[i], kRingsPerRound);
    return total;
}

uint32_t CPlayerStatsForRoundSet::GetRingsFound(uint32_t round) const
{
    return round < m_MostRingsFoundCount ? m_MostRingFoundPerRound[round] : 0;
}

void CPlayerStatsForRoundSet::RecordRingsFound(uint32_t round, uint32_t count)
{
    // New entries come defaulted to 0.
    if (round >= m_MostRingsFoundCount)
        static_cast<const ArrayProperty*>(SGetClassInfo()->FindProperty("Most Rings Found Each Round"))
            ->SetCount(this, round + 1);
    m_MostRingFoundPerRound[round] = std::max(m_MostRingFoundPerRound[round], count);
}

uint32_t CPlayerStatsForRoundSet::CountHigherScores(uint32_t points, uint32_t difficulty) const
{
    uint32_t count = 0;
    for (uint32_t i = 0; i < m_AllGamesPlayedCount; i++)
    {
        const CGameStats* game = m_AllGamesPlayed[i];
        if (game != nullptr && game->m_PointsScored > points && game->m_LevelOfDifficulty == difficulty)
            count++;
    }
    return count;
}

CGameStats* CPlayerStatsForRoundSet::ArchiveGame(const CGameStats& game)
{
    CGameStats* copy = new CGameStats;
    copy->CopyFrom(game);
    const ArrayProperty* games = static_cast<const ArrayProperty*>(SGetClassInfo()->FindProperty("All Games Played"));
    *static_cast<CObject**>(games->AppendElement(this)) = copy;
    return copy;
}

void CPlayerStats::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new TextProperty("Name", VP_MEMBER(m_Name), EDITOR_EDITABLE, ""));
    AddCounter(classInfo, "Last Selected Difficulty", VP_MEMBER(m_LastSelectedDifficulty), 1);
    classInfo->AddProperty(
        new ArrayProperty("Stats For Round Sets", VP_MEMBER(m_RoundSetCount), VP_MEMBER(m_RoundSetCapacity),
                          VP_MEMBER(m_RoundSets), "m_RoundSets", true,
                          new ObjectPointerProperty("Round Set", ArrayElementMember<CObject*>(),
                                                    CPlayerStatsForRoundSet::SGetClassInfo(), EDITOR_EDITABLE, nullptr),
                          EDITOR_EDITABLE));
}

CPlayerStats::CPlayerStats()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPlayerStats::~CPlayerStats()
{
    DestroyProperties(SGetClassInfo());
}

CPlayerStatsForRoundSet* CPlayerStats::GetRoundSetStats(const CString& roundSetName)
{
    for (uint32_t i = 0; i < m_RoundSetCount; i++)
    {
        if (m_RoundSets[i] != nullptr && m_RoundSets[i]->m_RoundSetName.CompareNoCase(roundSetName) == 0)
            return m_RoundSets[i];
    }
    CPlayerStatsForRoundSet* record = new CPlayerStatsForRoundSet;
    record->m_RoundSetName = roundSetName;
    const ArrayProperty* sets =
        static_cast<const ArrayProperty*>(SGetClassInfo()->FindProperty("Stats For Round Sets"));
    *static_cast<CObject**>(sets->AppendElement(this)) = record;
    return record;
}
