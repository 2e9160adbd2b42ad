#pragma once

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

    CString m_DisplayName;
    // The theme the round is laid with; not owned, none for no theme.
    CBackgroundDefinition* m_pBackground = nullptr;
};
