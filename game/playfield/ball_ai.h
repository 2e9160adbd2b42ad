#pragma once

#include <cstdint>

#include "engine/core/geometry/vector2d.h"
#include "engine/core/memory/dynamic_array.h"
#include "game/playfield/hitter_of_bricks.h"

class CBallPlugIn;
class CClassInfo;
class CGameSprite;
class CMessage;
struct CollisionContact;

// A ball's behaviour. The sprite moves the ball; this decides what its
// velocity becomes: the bounces off the walls and the ship (with the aim
// rule), the loss below the bottom edge, the speed rules (a base speed by
// difficulty, a small gain per bounce, timed changes, a ceiling on
// multiplications), the turn of a ball that flies too flat for too long and
// the answer to a brick contact, which its plug-ins shape. It owns its
// plug-ins and may split or shrink.
class CBallAI : public CHitterOfBricks
{
    VP_DECLARE_CLASS(CBallAI)
public:
    // A ball whose speed would pass this many pixels per step is fast
    // enough: faster, the ship's pixel test at step positions misses it.
    static constexpr float kSpeedCeiling = 50.0f;
    static constexpr float kMultiplyRefusedFrom = 25.0f;
    static constexpr uint32_t kMostBallsBeforeSplit = 100;
    static constexpr float kOutOfPlayY = 620.0f;
    // How far round a fire ball's brick the explosion reaches.
    static constexpr float kFireFactor = 1.1f;
    static constexpr float kSmallFireFactor = 0.75f;

    CBallAI();
    ~CBallAI() override;

    bool PassesThrough(CSprite* sprite, CSprite* other, const CollisionMotion& motion) override;
    void Update(CSprite* sprite, int32_t argument) override;
    void AfterDraw(CSprite* sprite, CFrameInterface* frame) override;
    Polygon2D* GetCollisionPolygon(CSprite* sprite) override;
    float GetHitStrength() const override;
    CSprite* GetSprite() const override;

    // Binds the behaviour to a ball sprite without parts yet; copies of the
    // given ball's plug-ins join it. The velocity is the caller's.
    void Launch(CGameSprite* sprite, const CBallAI* plugInsToCopy, bool small);
    void BroadcastMessage(CMessage& message);

    // True when the hit damaged or destroyed the brick or dissolves it, and
    // always for a loose ball.
    virtual bool HitBrick(CSprite* ballSprite, CSprite* brickSprite, int32_t passesThrough,
                          const CollisionContact& contact);
    virtual void HitShip(CSprite* ballSprite, CSprite* shipSprite);
    // The angle off straight up at which the ship sends the ball.
    float ShipAngle(CSprite* shipSprite) const;
    float LaunchFromShip(CSprite* shipSprite);

    float GetRadius() const;
    // The walls the ball bounces off, on a field with the score board.
    void GetWallRect(float& left, float& top, float& right, float& bottom) const;

    // The velocity becomes factor times the base speed and eases back to it
    // over the steps.
    void SetSpeedChange(float factor, int32_t steps);
    void MultiplySpeed(float factor);
    void SetTrailParticles(int32_t generator, int32_t steps);
    // The bookkeeping of every bounce: the gain in speed and, with the
    // check, the anti-stall turn.
    void PreventStall(bool check);
    void SplitBall(uint32_t count, int32_t trailGenerator, int32_t trailSteps);
    // Turned by a shot's push; the speed stays.
    void PushedByShot(CSprite* shotSprite);

    // Ownership passes.
    void AddPlugIn(CBallPlugIn* plugIn);
    void RemovePlugIn(CBallPlugIn* plugIn);
    void RemoveAllPlugIns();
    // The first plug-in of the class or a derived one.
    CBallPlugIn* FindPlugIn(const CClassInfo* classInfo) const;
    uint32_t GetPlugInCount() const { return m_PlugIns.GetCount(); }
    CBallPlugIn* GetPlugIn(uint32_t index) const { return m_PlugIns[index]; }
    void MakeSmall();
    void ApplySize();
    // A small ball or one carrying plug-ins: worth more in the round's tally.
    bool IsSpecial() const { return m_Small || m_PlugIns.GetCount() != 0; }

    bool IsSmall() const { return m_Small; }
    bool IsLoose() const { return m_Loose; }
    void SetLoose(bool loose) { m_Loose = loose; }
    bool HasBounced() const { return m_HasBounced; }
    void SetHasBounced(bool bounced) { m_HasBounced = bounced; }
    float GetBaseSpeed() const { return m_BaseSpeed; }
    void SetBaseSpeed(float speed) { m_BaseSpeed = speed; }
    float GetSpeedChangeFactor() const { return m_SpeedChangeFactor; }
    int32_t GetSpeedChangeSteps() const { return m_SpeedChangeLength; }
    int32_t GetTrailSteps() const { return m_TrailSteps; }
    int32_t GetTrailGenerator() const { return m_TrailGenerator; }

    // Set when the round's end stops the balls: no trails while set.
    bool m_Stopped;

private:
    // Contact margin: how far inside the walls the ball turns.
    float GetMargin() const;
    void UpdateSpeedChange();
    void BounceOffWall(bool vertical, float limit, float direction);
    void SpawnHitSparksNamed(const char* normalName, const char* smallName, float direction);
    void DeletePlugIn(uint32_t index);

    CGameSprite* m_pSprite;
    float m_BaseSpeed;
    bool m_Small;
    bool m_HasBounced;
    bool m_Loose;
    uint32_t m_StallStart;
    int32_t m_SpeedChangeLeft;
    int32_t m_SpeedChangeLength;
    float m_SpeedChangeFactor;
    int32_t m_TrailSteps;
    int32_t m_TrailGenerator;
    CDynamicArray<CBallPlugIn*> m_PlugIns;
};

// The launch speed and the gain per bounce of the difficulty (0 .. 3), in
// pixels per step.
float BallLaunchSpeed(uint32_t difficulty);
float BallBounceIncrease(uint32_t difficulty);
