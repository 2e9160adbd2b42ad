#include "tests/support/test_round_set.h"

#include <algorithm>
#include <utility>

#include "game/bricks/brick_layout.h"
#include "game/bricks/round_set_library.h"

VP_IMPLEMENT_CLASS(CTestRoundSet, CRoundSet, 0.0f)

void CTestRoundSet::RegisterProperties(CClassInfo*)
{
}

CTestRoundSet::CTestRoundSet()
{
    ConstructProperties(SGetClassInfo());
}

CTestRoundSet::~CTestRoundSet()
{
    DestroyProperties(SGetClassInfo());
}

CBrickLayout* CTestRoundSet::GetRound(uint32_t index) const
{
    return index < m_Rounds.size() ? m_Rounds[index] : nullptr;
}

CObject* CTestRoundSet::GetSaveObject(uint32_t index)
{
    return GetRound(index);
}

void CTestRoundSet::SwapRounds(uint32_t first, uint32_t second)
{
    std::swap(m_Rounds[first], m_Rounds[second]);
}

void CTestRoundSet::InsertRound(uint32_t index)
{
    if (!m_Rounds.empty())
        m_Rounds.insert(m_Rounds.begin() + std::min<size_t>(index, m_Rounds.size()), m_Rounds[0]);
}

void CTestRoundSet::RemoveRound(uint32_t index)
{
    if (index < m_Rounds.size())
        m_Rounds.erase(m_Rounds.begin() + index);
}

CTestRoundSet* MakeCurrentTestRoundSet(const char* name)
{
    CTestRoundSet* set = new CTestRoundSet;
    const int32_t index = GetRoundSetLibrary().AddItemWithObject(set, name);
    SelectRoundSet(static_cast<uint32_t>(index));
    return set;
}
