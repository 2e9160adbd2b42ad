#pragma once

#include <string>

#include "engine/app/sound/sound_list.h"
#include "game/playfield/power_up_base.h"
#include "tests/support/ball_fixtures.h"

class CPlayerShipAI;

// A game in play without balls, with a ship at (300, 560) and the
// "PowerUp" library holding "!None" alone; the sounds "Power Up.wav" and
// "Bomb Falling.wav" are in the sound list.
class PowerUpTest : public PlayfieldTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A kind with its defaults, made the library item of the name.
    template <typename T>
    T* AddKind(const char* name)
    {
        T* kind = Configured<T>();
        kind->m_Name.m_Source = kind->m_Name.m_Shown = name;
        kind->m_ActivationSound = GetSoundList().FindSound("Power Up.wav", -1);
        GetPowerUpLibrary().AddItemWithObject(kind, name);
        return kind;
    }
    // The falling capsules go and the library holds "!None" alone again.
    void ResetKinds();
    // Activates the item as the ship collecting it would.
    void Activate(CPowerUpBase* kind, bool quiet = false);
    // Texts now rising in the front effects.
    int32_t FloatingTexts() const;

    CPlayerShipAI* m_pShip = nullptr;
    CSprite* m_pShipSprite = nullptr;
};
