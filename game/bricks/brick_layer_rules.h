#pragma once

#include <cstdint>

#include "engine/object/properties/pointer_to_be_nulled_array.h"
#include "game/bricks/brick_base.h"

class CFrame;
class CFrameInterface;
class CSequence;
class CSprite;
class CSpriteList;

// What every brick-laying machine shares: which bricks it lays, how it
// shows the rest when it is done, and the brick it is carrying.

// What a machine (or one arm) is doing.
enum ELayingState
{
    LAYING_IDLE = 0,
    LAYING_MOVING = 1,
    LAYING_PLACING = 2
};

// The speed after one more step: machines speed up once they have placed
// a few bricks (the first ramp, to 7) and again after twenty (to 11).
float RampedLayingSpeed(float speed, uint32_t placed, uint32_t firstRampFrom, float firstRampStep);

// A brick of the list still waiting for the machine: its sprite inactive,
// its kind one that waits for the machine, and marked as laid by it.
bool IsHiddenMachineBrick(const CSprite* sprite);
// Shows every inactive brick of the list marked as laid by the machine,
// in list order; sprites without a brick are left alone.
void RevealAllLaidBricks(CSpriteList& bricks);
// Shows one laid brick with the machine's sound.
void ShowPlacedBrick(CSprite* sprite);

// The gears turn with the height the machine moves to: the fraction of
// their sequence to show there. Gears without frames or without a positive
// rate stand still on their first frame.
float TurningGearFraction(const CSequence* gears, float height);
// The sequence's frame at the fraction; none without a sequence or frames.
CFrame* FrameAtFraction(const CSequence* sequence, float fraction);
// Draws a part of a machine at its position rounded, with the shared
// "Transparent Mask"; nothing for a missing frame.
void DrawMachinePart(CFrameInterface* frame, CFrame* picture, float x, float y);

// The brick a machine is carrying. It is held through its behaviour so
// that a brick list emptied under the machine (a replayed record, leaving
// play) leaves it none instead of a dangling sprite.
class CLaidBrickTarget
{
public:
    void Set(CSprite* sprite);
    void Clear() { m_Brick.Set(nullptr); }
    // None once the brick is gone.
    CSprite* GetSprite() const;

private:
    CWeakPointer<CBrickBase> m_Brick;
};
