#include "game/bricks/starfish_attach.h"

#include "game/bricks/ball_plug_in_starfish.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/playfield.h"
#include "game/playfield/power_up_targets.h"

bool AttachStarfishToNearestBall(const Vector2& point)
{
    if (GetPlayfield() == nullptr)
        return false;
    CBallAI* nearest = nullptr;
    float nearestDistance = 1e14f;
    ForEachBallInPlay([&](CBallAI* ball) {
        // A ball lost earlier in this update is still listed until the list
        // reaps it; a starfish given to it would go with it.
        const CSprite* sprite = ball->GetSprite();
        if (sprite->IsDead() || ball->FindPlugIn(CBallPlugInStarFish::SGetClassInfo()) != nullptr)
            return;
        const Vector2 offset = Vector2Subtract(sprite->m_Position, point);
        const float distance = Vector2Dot(offset, offset);
        if (distance < nearestDistance)
        {
            nearest = ball;
            nearestDistance = distance;
        }
    });
    if (nearest == nullptr)
        return false;
    CBallPlugInStarFish* starfish = new CBallPlugInStarFish;
    starfish->SetDefaults();
    nearest->AddPlugIn(starfish);
    return true;
}

void HandOverStarfish(const Vector2& point)
{
    if (AttachStarfishToNearestBall(point))
        return;
    CPlayfield* playfield = GetPlayfield();
    CPlayerShipAI* ship = playfield != nullptr ? playfield->GetShipAI() : nullptr;
    if (ship != nullptr)
        ship->AddPendingStarfish();
}
