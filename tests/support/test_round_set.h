#pragma once

#include <cstdint>
#include <vector>

#include "game/bricks/round_set.h"

// A round set of the tests over rounds the test keeps: it owns none.
class CTestRoundSet : public CRoundSet
{
    VP_DECLARE_CLASS(CTestRoundSet)
public:
    CTestRoundSet();
    ~CTestRoundSet() override;

    uint32_t GetRoundCount() const override { return static_cast<uint32_t>(m_Rounds.size()); }
    CBrickLayout* GetRound(uint32_t index) const override;
    CObject* GetSaveObject(uint32_t index) override;
    void SwapRounds(uint32_t first, uint32_t second) override;
    void InsertRound(uint32_t index) override;
    void RemoveRound(uint32_t index) override;

    void AddRound(CBrickLayout* round) { m_Rounds.push_back(round); }

    std::vector<CBrickLayout*> m_Rounds;
};

// A new empty test set in the "Round Sets" library (which owns it) under
// the name, made the current set.
CTestRoundSet* MakeCurrentTestRoundSet(const char* name);
