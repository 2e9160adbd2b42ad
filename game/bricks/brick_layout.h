#pragma once

#include <cstdint>
#include <vector>

#include "engine/core/strings/ref_string.h"
#include "engine/object/object.h"

class CBackgroundDefinition;
class CSprite;

// A round: its name for the player and its theme. The brick-laying machine
// turns it into bricks on the playfield.
class CBrickLayout : public CObject
{
    VP_DECLARE_CLASS(CBrickLayout)
public:
    CBrickLayout();
    ~CBrickLayout() override;

    // The power-ups the round gives the ship with every served ball.
    void GiveAutomaticPowerUps(CSprite* shipSprite);

    // The chances of the "PowerUp" entries 1 .. n-1 summed (0 below two
    // entries; saturating); entry 0, no power-up, never takes part.
    uint32_t TotalPowerUpWeight() const;
    // The entry whose share of the total holds r (drawn below the total):
    // walking entries 1, 2, ..., the first whose running sum exceeds r; 0
    // for none.
    int32_t PickPowerUp(uint32_t r) const;
    // Keeps a small picture of the round as it stands on screen, for the
    // round choosers; unforced, a round that has one keeps it.
    virtual void CaptureThumbnail(bool force);

    CString m_DisplayName;
    CString m_Author;
    // Free texts; "Note 1" of a set's first round also carries the ring
    // marker.
    CString m_Note1;
    CString m_Note2;
    CString m_Note3;
    CString m_Note4;
    CString m_Note5;
    uint32_t m_AdditionalChanceOfConditionalExtraLife;
    // The chance of each "PowerUp" entry by index; missing entries have 0.
    std::vector<uint32_t> m_PowerUpChances;
    // The theme the round is laid with; not owned, none for no theme.
    CBackgroundDefinition* m_pBackground = nullptr;
};
