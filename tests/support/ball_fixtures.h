#pragma once

#include "engine/core/geometry/vector2d.h"
#include "tests/support/playfield_fixtures.h"

class CBallAI;
class CGameSprite;
class CPlayerShipAI;

// A configured object as a library gives it: its properties at their
// defaults.
template <typename T>
T* Configured()
{
    T* object = new T;
    object->SetDefaults();
    return object;
}

// A launched ball in the playfield's balls in play, its step begun (its
// previous position is where it stands).
CBallAI* AddTestBall(CPlayfield& playfield, const Vector2& at, const Vector2& velocity, bool small = false);

// A ship of player 0's controls at the point in the playfield's ship list.
CPlayerShipAI* AddTestShip(CPlayfield& playfield, const Vector2& at);

// The bursts balls and the ship name, each of one particle, added to the
// "Particle Generators" list.
void AddBallParticleGenerators();

// One ball step as the sprite runs it, without moving: the step begins and
// the behaviour decides the velocity.
void RunBallStep(CBallAI* ball);
