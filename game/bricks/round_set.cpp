#include "game/bricks/round_set.h"

#include "game/bricks/brick_layout.h"
#include "game/records/player_stats.h"

VP_IMPLEMENT_CLASS(CRoundSet, CObject, 1.0f)

namespace {

CRoundSet* s_pCurrentRoundSet = nullptr;

} // namespace

void CRoundSet::RegisterProperties(CClassInfo*)
{
}

CRoundSet::CRoundSet()
{
    ConstructProperties(SGetClassInfo());
}

CRoundSet::~CRoundSet()
{
    DestroyProperties(SGetClassInfo());
}

CBrickLayout* CRoundSet::GetRound(int32_t index) const
{
    if (index < 0 || static_cast<uint32_t>(index) >= m_Rounds.GetCount())
        return nullptr;
    return m_Rounds[static_cast<uint32_t>(index)];
}

uint32_t CRoundSet::GetRingTotal() const
{
    const uint32_t total = m_Rounds.GetCount() * CPlayerStatsForRoundSet::kRingsPerRound;
    const CBrickLayout* first = GetRound(0);
    return first != nullptr && first->IsMarkedNoRings() ? total - CPlayerStatsForRoundSet::kRingsPerRound : total;
}

CRoundSet* GetCurrentRoundSet()
{
    return s_pCurrentRoundSet;
}

void SetCurrentRoundSet(CRoundSet* roundSet)
{
    s_pCurrentRoundSet = roundSet;
}
