#include "game/playfield/power_up_targets.h"

#include "game/playfield/player_ship_ai.h"
#include "game/playfield/sprite.h"

CPlayerShipAI* ShipBehaviourOf(const PowerUpCollectContext& context)
{
    return context.pCollector != nullptr ? dynamic_cast<CPlayerShipAI*>(context.pCollector->GetAI()) : nullptr;
}

bool IsRoundCleared()
{
    return GetPlayfield()->m_RoundCleared;
}
