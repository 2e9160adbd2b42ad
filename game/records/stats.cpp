#include "game/records/stats.h"

#include "engine/core/localization/localized_string.h"
#include "engine/core/settings/paths.h"
#include "engine/object/properties/array_property.h"
#include "engine/object/properties/nested_object_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/unsigned_int_property.h"

VP_IMPLEMENT_CLASS(CStats, CObject, 1.0f)

namespace {

CLocalizedString s_GuestName("Anonymous Guest");

const char* const kStandardRoundSet = "Vantrell Pellucine Standard";

} // namespace

void CStats::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new ArrayProperty(
        "Players", VP_MEMBER(m_PlayerCount), VP_MEMBER(m_PlayerCapacity), VP_MEMBER(m_Players), "m_Players", true,
        new ObjectPointerProperty("Player", ArrayElementMember<CObject*>(), CPlayerStats::SGetClassInfo(),
                                  EDITOR_EDITABLE, nullptr),
        EDITOR_EDITABLE));
    classInfo->AddProperty(
        new UnsignedIntProperty("Current Player", VP_MEMBER(m_CurrentPlayer), EDITOR_EDITABLE, 0, nullptr, 0, 0));
    classInfo->AddProperty(new UnsignedIntProperty("Program Launches Since Version Check",
                                                   VP_MEMBER(m_ProgramLaunchesSinceVersionCheck), EDITOR_EDITABLE, 3,
                                                   nullptr, 0, 0));
    classInfo->AddProperty(
        new NestedObjectProperty("All Players Totals", VP_MEMBER(m_AllPlayersTotals), EDITOR_EDITABLE));
    classInfo->AddProperty(new NestedObjectProperty("All Players Best", VP_MEMBER(m_AllPlayersBest), EDITOR_EDITABLE));
    classInfo->AddProperty(new NestedObjectProperty("Current Game", VP_MEMBER(m_CurrentGame), EDITOR_EDITABLE));
}

CStats::CStats()
    : m_RoundSetName(kStandardRoundSet)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CStats::~CStats()
{
    DestroyProperties(SGetClassInfo());
}

CPlayerStatsForRoundSet* CStats::GetCurrentRoundSetStats()
{
    return GetCurrentPlayer()->GetRoundSetStats(CString(GetFileNamePart(m_RoundSetName.GetText())));
}

void CStats::ApplyPlayerRules()
{
    // A hand-edited file may leave a player slot empty; every user of the
    // list expects a profile in each.
    uint32_t kept = 0;
    for (uint32_t i = 0; i < m_PlayerCount; i++)
    {
        if (m_Players[i] != nullptr)
            m_Players[kept++] = m_Players[i];
    }
    m_PlayerCount = kept;
    if (m_PlayerCount == 0)
    {
        CPlayerStats* guest = new CPlayerStats;
        guest->m_Name = s_GuestName.GetText();
        const ArrayProperty* players = static_cast<const ArrayProperty*>(SGetClassInfo()->FindProperty("Players"));
        *static_cast<CObject**>(players->AppendElement(this)) = guest;
    }
    if (m_CurrentPlayer >= m_PlayerCount)
        m_CurrentPlayer = m_PlayerCount - 1;
}

CStats& GetStats()
{
    static CStats* stats = [] {
        CStats* made = new CStats;
        made->Reload();
        return made;
    }();
    return *stats;
}
