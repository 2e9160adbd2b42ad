#pragma once

#include <cstdint>

#include "game/bricks/round_set.h"

// A set whose rounds are level files of the "Rounds" library, shared with
// every other user of that library; the set stores their library indices.
class CRoundSetSeparateFiles : public CRoundSet
{
    VP_DECLARE_CLASS(CRoundSetSeparateFiles)
public:
    CRoundSetSeparateFiles();
    ~CRoundSetSeparateFiles() override;

    uint32_t GetRoundCount() const override { return m_RoundCount; }
    CBrickLayout* GetRound(uint32_t index) const override;
    CObject* GetSaveObject(uint32_t index) override;
    void SwapRounds(uint32_t first, uint32_t second) override;
    // The new entry repeats the set's first round (the designer then picks
    // another); a set without rounds has none to repeat and stays empty.
    void InsertRound(uint32_t index) override;
    void RemoveRound(uint32_t index) override;

    // The "Rounds" library index of entry i.
    int32_t GetRoundIndex(uint32_t index) const { return m_pRoundIndices[index]; }
    void AppendRoundIndex(int32_t roundIndex);

private:
    uint32_t m_RoundCount;
    uint32_t m_RoundCapacity;
    int32_t* m_pRoundIndices;
};
