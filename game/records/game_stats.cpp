#include "game/records/game_stats.h"

#include <algorithm>

#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/int64_property.h"
#include "engine/object/properties/unsigned_int_property.h"

VP_IMPLEMENT_CLASS(CGameStats, CObject, 1.0f)
VP_IMPLEMENT_CLASS(CSuspendedGameStats, CGameStats, 1.0f)

namespace {

void AddCounter(CClassInfo* classInfo, const char* name, CPropertyMember<uint32_t> member)
{
    classInfo->AddProperty(new UnsignedIntProperty(name, member, EDITOR_EDITABLE, 0, nullptr, 0, 0));
}

} // namespace

void CGameStats::RegisterProperties(CClassInfo* classInfo)
{
    AddCounter(classInfo, "Starting Round Number", VP_MEMBER(m_StartingRoundNumber));
    AddCounter(classInfo, "Ending Round Number", VP_MEMBER(m_EndingRoundNumber));
    AddCounter(classInfo, "Bricks Destroyed", VP_MEMBER(m_BricksDestroyed));
    AddCounter(classInfo, "Coins Collected", VP_MEMBER(m_CoinsCollected));
    AddCounter(classInfo, "Balls Lost", VP_MEMBER(m_BallsLost));
    AddCounter(classInfo, "Points Scored", VP_MEMBER(m_PointsScored));
    classInfo->AddProperty(new FloatProperty("Seconds Played", VP_MEMBER(m_SecondsPlayed), EDITOR_EDITABLE, 0.0f,
                                             nullptr, 0.0f, 0.0f, 0.0f));
    classInfo->AddProperty(
        new Int64Property("Start Time", VP_MEMBER(m_StartTime), EDITOR_EDITABLE, 0, nullptr, 0, 0, 1));
    classInfo->AddProperty(new Int64Property("End Time", VP_MEMBER(m_EndTime), EDITOR_EDITABLE, 0, nullptr, 0, 0, 1));
    AddCounter(classInfo, "Level Of Difficulty", VP_MEMBER(m_LevelOfDifficulty));
    classInfo->AddProperty(new BoolProperty("Used Cheat", VP_MEMBER(m_UsedCheat), EDITOR_EDITABLE, false, nullptr));
    AddCounter(classInfo, "Games Finished", VP_MEMBER(m_GamesFinished));
}

CGameStats::CGameStats()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CGameStats::~CGameStats()
{
    DestroyProperties(SGetClassInfo());
}

void CGameStats::MergeSum(const CGameStats& game)
{
    m_StartingRoundNumber = 0;
    m_EndingRoundNumber = std::max(m_EndingRoundNumber, game.m_EndingRoundNumber);
    m_BricksDestroyed += game.m_BricksDestroyed;
    m_CoinsCollected += game.m_CoinsCollected;
    m_BallsLost += game.m_BallsLost;
    m_PointsScored += game.m_PointsScored;
    m_GamesFinished += game.m_GamesFinished;
    m_SecondsPlayed += game.m_SecondsPlayed;
    m_LevelOfDifficulty = 0;
    m_UsedCheat = m_UsedCheat || game.m_UsedCheat;
}

void CGameStats::MergeBest(const CGameStats& game)
{
    m_StartingRoundNumber = 0;
    m_EndingRoundNumber = std::max(m_EndingRoundNumber, game.m_EndingRoundNumber);
    m_BricksDestroyed = std::max(m_BricksDestroyed, game.m_BricksDestroyed);
    m_CoinsCollected = std::max(m_CoinsCollected, game.m_CoinsCollected);
    m_BallsLost = std::max(m_BallsLost, game.m_BallsLost);
    m_PointsScored = std::max(m_PointsScored, game.m_PointsScored);
    m_LevelOfDifficulty = std::max(m_LevelOfDifficulty, game.m_LevelOfDifficulty);
    m_SecondsPlayed = std::max(m_SecondsPlayed, game.m_SecondsPlayed);
    m_UsedCheat = m_UsedCheat || game.m_UsedCheat;
    m_GamesFinished += game.m_GamesFinished;
}

void CSuspendedGameStats::RegisterProperties(CClassInfo* classInfo)
{
    AddCounter(classInfo, "Balls Left", VP_MEMBER(m_BallsLeft));
}

CSuspendedGameStats::CSuspendedGameStats()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CSuspendedGameStats::~CSuspendedGameStats()
{
    DestroyProperties(SGetClassInfo());
}
