#pragma once

#include <cstdint>

#include "game/bricks/round_set.h"

// A set made by a player in the round-set screens: its levels live inside
// its own file, so one file carries the whole set, and a changed round is
// saved by saving the set. Its file is stored compressed.
class CRoundSetUserMade : public CRoundSet
{
    VP_DECLARE_CLASS(CRoundSetUserMade)
public:
    static constexpr uint32_t kTemplateRounds = 10;

    CRoundSetUserMade();
    ~CRoundSetUserMade() override;

    uint32_t GetSaveFlags() const override;

    uint32_t GetRoundCount() const override { return m_RoundCount; }
    CBrickLayout* GetRound(uint32_t index) const override;
    CObject* GetSaveObject(uint32_t index) override;
    void SwapRounds(uint32_t first, uint32_t second) override;
    // A fresh copy of the level "Template".
    void InsertRound(uint32_t index) override;
    // Deletes the level.
    void RemoveRound(uint32_t index) override;

    // Ten fresh copies of "Template" at the end: a new set to edit.
    void FillWithTemplates();
    // The set owns the level from now on.
    void AppendRound(CBrickLayout* round);

private:
    uint32_t m_RoundCount;
    uint32_t m_RoundCapacity;
    CBrickLayout** m_pRounds;
};

// Makes a player-made set of ten template rounds named by the chosen file
// name less its ".VantrellZK", saves it (in "./Rounds" for a name chosen
// there) and opens all its rounds to the current player, whose records
// are saved. False, with the
// set taken out of the library again and the records untouched, when its
// file could not be written or the library already holds that name.
bool CreateUserRoundSet(const char* fileName);
