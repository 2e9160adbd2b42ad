#pragma once

#include <cstdint>

#include "game/playfield/sprite_ai.h"

class CGameSprite;
class CPlayerControls;
class CShipAccessory;
class CSound;

// The player's ship. It sits under the mouse or the joystick along the
// bottom of the field, tilts and fires its thrusters as it moves, and keeps
// the shield that balls bounce off: the shield lags behind the ship and
// dips when a ball hits it. It catches and holds balls while catching is
// on, lets them go when the player fires, sets off bomb balls, fires its
// accessory, and draws the ship's electricity.
//
// A ship without controls (the preview of the player-details dialog) only
// sways and draws.
class CPlayerShipAI : public CSpriteAI
{
public:
    static constexpr int32_t kLargestShield = 4;

    // The art is an index into "Sequences"; the controls may be none.
    CPlayerShipAI(CSprite* sprite, CPlayerControls* controls, int32_t shipArt);
    ~CPlayerShipAI() override;

    void Update(CSprite* sprite, int32_t argument) override;
    // The catching field, the bomb charger and the arcs to the shield.
    void AfterDraw(CSprite* sprite, CFrameInterface* frame) override;

    void SetShipArt(int32_t sequenceIndex);
    // Without keep ball the held ball is let go of (not launched) and the
    // shield and tilt settle; catching, shield size and accessory always go.
    void Reset(CSprite* shipSprite, bool keepBall);
    void GrowShield();
    void ShrinkShield();
    // Answers whether the ship caught balls before.
    bool EnableCatch();
    void SetBombCharge(int32_t powerUpIndex) { m_BombCharge = powerUpIndex; }
    // Deletes the mounted accessory; the caller attaches the new one.
    void SetAccessory(CShipAccessory* accessory);
    CShipAccessory* GetAccessory() const { return m_pAccessory; }
    void ClearPendingStarfish() { m_PendingStarfish = 0; }
    void AddPendingStarfish() { m_PendingStarfish++; }
    int32_t GetPendingStarfish() const { return m_PendingStarfish; }

    float GetShieldCentreX(CSprite* shipSprite) const;
    // A ball hit the shield: it dips.
    void Recoil(CSprite* shipSprite, CSprite* ballSprite);
    // Whether the ship catches the ball now.
    bool TryCatch(CSprite* shipSprite, CSprite* ballSprite);
    void HoldBall(CSprite* shipSprite, CSprite* ballSprite, bool onTop);
    // Launches the held ball, if any.
    void ReleaseBall(CSprite* shipSprite);

    CSprite* GetHeldBall() const { return m_pHeldBall; }
    CPlayerControls* GetControls() const { return m_pControls; }
    int32_t GetShieldSize() const { return m_ShieldSize; }
    float GetTilt() const { return m_Tilt; }
    bool IsCatching() const { return m_Catching; }
    int32_t GetBombCharge() const { return m_BombCharge; }
    bool m_Reversed;

private:
    void FollowControls(CSprite* sprite);
    void Fire(CSprite* sprite);
    void AnimateShield(CSprite* sprite);
    void BurstFromThruster(int32_t partIndex, float x, float sizeA, float countFactor, float direction);
    void PlaceHeldBall();
    void SetHeldBall(CSprite* ballSprite);
    void DrawCatchingField(CFrameInterface* frame);
    void DrawBombCharger(CFrameInterface* frame);
    float ShieldHalfWidth() const;
    static void StartSound(CSound* sound);
    static void StopSound(CSound* sound);

    CGameSprite* m_pShip;
    CPlayerControls* m_pControls;
    float m_LastX;
    int32_t m_ShieldSize;
    float m_Tilt;
    bool m_Catching;
    int32_t m_BombCharge;
    CSprite* m_pHeldBall;
    float m_HeldOffsetX;
    float m_HeldOffsetY;
    CShipAccessory* m_pAccessory;
    int32_t m_PendingStarfish;
    int32_t m_CanCatchSoundIndex;
    int32_t m_HoldSoundIndex;
    CSound* m_pCanCatchSound;
    CSound* m_pHoldSound;
};

// The ship behaviour of the playfield's ship; none without a ship.
CPlayerShipAI* GetPlayerShipAI();
