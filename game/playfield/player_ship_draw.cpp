// The ship's electricity: the catching field, the bomb charger, the arcs
// from the hull to the shield's ends, and the two looping sounds the field
// makes. The field's ends lie 16 pixels above the shield, at the half-width
// of its size.

#include "engine/app/sound/sound.h"
#include "engine/core/color/color.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/ball_plug_in.h"
#include "game/playfield/ball_plug_in_bomb.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/playfield.h"
#include "game/playfield/power_up_bomb_ball.h"
#include "game/playfield/sprite_list.h"
#include "game/playfield/sprite_part.h"
#include "game/playfield/ship_lightning.h"

namespace {

const float FIELD_ABOVE_SHIELD = 16.0f;
const float NEAR_BALL_DISTANCE_SQUARED = 8100.0f;
const int32_t BALL_ARC_BOLTS = 2;
const int32_t FIELD_ARC_BOLTS = 4;
const int32_t SHIELD_ARC_BOLTS = 1;
const float HULL_ARC_SIDE = 12.0f;
const float HULL_ARC_ABOVE = 10.0f;

CColor ElectricityColour()
{
    CColor colour;
    colour.SetRGBA(140, 140, 255, 255);
    return colour;
}

} // namespace

void CPlayerShipAI::StartSound(CSound* sound)
{
    if (sound != nullptr && !sound->IsPlaying())
        sound->PlayBuffer(0);
}

void CPlayerShipAI::StopSound(CSound* sound)
{
    if (sound != nullptr && sound->IsPlaying())
        sound->StopBuffer();
}

void CPlayerShipAI::AfterDraw(CSprite*, CFrameInterface* frame)
{
    DrawCatchingField(frame);
    DrawBombCharger(frame);
    const CColor colour = ElectricityColour();
    const Vector2 shield = m_pShip->GetPart(1)->GetOffset();
    const Vector2 ship = m_pShip->m_Position;
    for (float side : {-1.0f, 1.0f})
        DrawLightning(frame, Vector2{ship.x + HULL_ARC_SIDE * side, ship.y - HULL_ARC_ABOVE},
                      Vector2{ship.x + shield.x + side * ShieldHalfWidth(), ship.y + shield.y - FIELD_ABOVE_SHIELD},
                      colour, SHIELD_ARC_BOLTS);
}

// The charger's look comes from the "Bomb Ball" item the charge names.
void CPlayerShipAI::DrawBombCharger(CFrameInterface* frame)
{
    if (m_BombCharge < 0)
        return;
    const CPowerUpBombBall* charger =
        dynamic_cast<CPowerUpBombBall*>(GetPowerUpLibrary().GetItemObject(static_cast<uint32_t>(m_BombCharge)));
    if (charger == nullptr)
        return;
    const Vector2 shield = m_pShip->GetPart(1)->GetOffset();
    const Vector2 at{m_pShip->m_Position.x + static_cast<float>(charger->m_ShipOverlayPosition.x) + shield.x,
                     m_pShip->m_Position.y + static_cast<float>(charger->m_ShipOverlayPosition.y) + shield.y};
    DrawSequenceOverlay(frame, charger->m_ChargerOverlayForShip, static_cast<int32_t>(at.x),
                        static_cast<int32_t>(at.y));
    const float reach = charger->m_ChargingEffectLength * charger->m_ChargingEffectLength;
    for (CSprite* sprite = GetPlayfield()->m_pBallsInPlay->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        const CBallAI* ball = FirstBehaviourAs<CBallAI>(sprite);
        const CBallPlugIn* bomb = ball != nullptr ? ball->FindPlugIn(CBallPlugInBombBall::SGetClassInfo()) : nullptr;
        if (bomb == nullptr || static_cast<const CBallPlugInBombBall*>(bomb)->IsArmed() ||
            !(sprite->DistanceSquared(m_pShip) < reach))
            continue;
        DrawLightning(frame, at, sprite->m_Position, charger->m_ChargingEffectColor,
                      static_cast<int32_t>(charger->m_ChargingEffectLines));
    }
}

void CPlayerShipAI::DrawCatchingField(CFrameInterface* frame)
{
    if (!m_Catching)
    {
        StopSound(m_pCanCatchSound);
        StopSound(m_pHoldSound);
        return;
    }
    const CColor colour = ElectricityColour();
    const Vector2 shield = m_pShip->GetPart(1)->GetOffset();
    const float y = m_pShip->m_Position.y + shield.y - FIELD_ABOVE_SHIELD;
    const float centre = m_pShip->m_Position.x + shield.x;
    const Vector2 left{centre - ShieldHalfWidth(), y};
    const Vector2 right{centre + ShieldHalfWidth(), y};
    bool anyNear = false;
    for (CSprite* ball = GetPlayfield()->m_pBallsInPlay->GetHead(); ball != nullptr; ball = ball->GetNext())
    {
        if (!(ball->DistanceSquared(m_pShip) < NEAR_BALL_DISTANCE_SQUARED))
            continue;
        anyNear = true;
        DrawLightning(frame, left, ball->m_Position, colour, BALL_ARC_BOLTS);
        DrawLightning(frame, right, ball->m_Position, colour, BALL_ARC_BOLTS);
    }
    if (anyNear)
    {
        StopSound(m_pCanCatchSound);
        StartSound(m_pHoldSound);
        return;
    }
    StartSound(m_pCanCatchSound);
    StopSound(m_pHoldSound);
    DrawLightning(frame, right, left, colour, FIELD_ARC_BOLTS);
}
