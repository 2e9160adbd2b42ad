#include "game/records/game_stats.h"

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
