#pragma once

#include "game/playfield/ball_ai.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/playfield.h"
#include "game/playfield/power_up_base.h"
#include "game/playfield/sprite_list.h"

class CPlayerShipAI;

// The ship behaviour of whoever collected a power-up: the collector's first
// behaviour when that is a ship; none without a collector or with another
// kind of sprite (menus and demos have no ship).
CPlayerShipAI* ShipBehaviourOf(const PowerUpCollectContext& context);

// Calls the action with the ball behaviour of every ball in play, from the
// head of the list.
template <typename Action>
void ForEachBallInPlay(Action action)
{
    for (CSprite* sprite = GetPlayfield()->m_pBallsInPlay->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        if (CBallAI* ball = FirstBehaviourAs<CBallAI>(sprite))
            action(ball);
    }
}

// The round's last required brick is gone: kinds that change the balls or
// the ship for play that is over leave them alone.
bool IsRoundCleared();
