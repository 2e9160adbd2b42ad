#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/object/object.h"

class CBrickLayout;

// The rounds of a game in the order they are played.
class CRoundSet : public CObject
{
    VP_DECLARE_CLASS(CRoundSet)
public:
    CRoundSet();
    ~CRoundSet() override;

    uint32_t GetRoundCount() const { return m_Rounds.GetCount(); }
    // None for an index the set does not hold: a player-made set may be
    // empty, and a suspended game may name a round since removed.
    CBrickLayout* GetRound(int32_t index) const;
    // The rings the set holds: five a round, but none in a first round
    // marked as having none.
    uint32_t GetRingTotal() const;
    // The set keeps a reference; rounds belong to the "Rounds" library.
    void AddRound(CBrickLayout* round) { m_Rounds.Add(round); }

private:
    CDynamicArray<CBrickLayout*> m_Rounds;
};

// The set being played; none until the round sets are chosen.
CRoundSet* GetCurrentRoundSet();
void SetCurrentRoundSet(CRoundSet* roundSet);
