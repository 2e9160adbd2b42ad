#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"
#include "engine/object/object.h"

class CBrickLayout;

// A round set's first round may be one without rings (a tutorial): its
// "Note 1" begins with "No Rings", in any letter case.
bool BeginsWithNoRingsMarker(const CString& text);

// The rounds of a game in the order they are played, with a checkpoint at
// every tenth round. Sets whose rounds are level files of their own refer
// into the "Rounds" library; player-made sets hold their levels inside
// their own file. The round-set screens and the editor's round list work on
// either kind through the six operations below.
class CRoundSet : public CObject
{
    VP_DECLARE_CLASS(CRoundSet)
public:
    static constexpr uint32_t kRoundsPerCheckpoint = 10;

    CRoundSet();
    ~CRoundSet() override;

    virtual uint32_t GetRoundCount() const = 0;
    // None for an index the set does not hold: a hand-edited or shared set
    // may have no rounds, and a suspended game may name a round since
    // removed.
    virtual CBrickLayout* GetRound(uint32_t index) const = 0;
    // What the editor saves when the round changed: the level's own file,
    // or the whole set that holds it.
    virtual CObject* GetSaveObject(uint32_t index) = 0;
    virtual void SwapRounds(uint32_t first, uint32_t second) = 0;
    // At the index, clamped to the count.
    virtual void InsertRound(uint32_t index) = 0;
    // Nothing for an index beyond the count.
    virtual void RemoveRound(uint32_t index) = 0;

    // "Display Name", or the file name of the set's library item; empty for
    // a set the library does not hold.
    void GetDisplayName(CString& out);
    // Five rings a round, less the five of a first round whose "Note 1"
    // starts with "No Rings" (a tutorial); 0 for a set without rounds.
    uint32_t GetRingTotal() const;
    // Round 10 k opens checkpoint k.
    uint32_t GetCheckpointCount() const;

    CString m_DisplayName;
    CString m_Author;
};
