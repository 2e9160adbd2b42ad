#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"
#include "game/bricks/brick_basic_destructible.h"

// A magnet a hit switches on. Two switched-on magnets pair up and fly
// together (same group name) or apart (different names), destroying what
// they meet; two that touch destroy each other. The last magnet standing
// switched on destroys itself, so it cannot hold up the round.
class CBrickMagnetic : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickMagnetic)
public:
    enum State : int32_t
    {
        OFF = 0,
        SWITCHED_ON = 1,
        ATTRACTING = 2,
        REPELLING = 3
    };
    // An attracting pair starts at this share of the speed and speeds up
    // by the growth each frame until the magnets meet.
    static constexpr float kAttractShare = 0.15f;
    static constexpr float kAttractGrowth = 1.1f;

    CBrickMagnetic();
    ~CBrickMagnetic() override;

    const CString& GetTypeDisplayName() const override;
    bool CanBeMovedByPlugIns() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    void ApplyStyleSheet() override;
    // The flight step, the animation, then the last-magnet rule.
    void UpdateAppearance() override;
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;
    // Another magnet driven into this one takes it along in destruction.
    void OnPushedByBrick(CBrickBase* pusher, const Vector2& motion, bool hard) override;
    // A flying magnet destroys what it runs into.
    void PushBrick(CBrickBase* other, Vector2& allowed, bool hard) override;
    void OnCountdownExpired() override;
    // No destruction effects.
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;

    // Starts the flight of the state (attracting or repelling) towards or
    // away from the target point.
    void SetState(State state, const Vector2& target);

    State GetState() const { return m_State; }
    const Vector2& GetFlightVelocity() const { return m_FlightVelocity; }
    bool IsFlying() const { return m_State == ATTRACTING || m_State == REPELLING; }

    float m_MoveSpeed;
    bool m_Activated;

private:
    // The first other switched-on magnet of the brick list.
    CBrickMagnetic* FindPartner() const;
    bool IsLastMagnet() const;

    State m_State;
    Vector2 m_FlightVelocity;
};

class CBrickStyleSheetMagnetic : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetMagnetic)
public:
    CBrickStyleSheetMagnetic();
    ~CBrickStyleSheetMagnetic() override;

    CClassInfo* GetBrickClass() const override;

    int32_t m_ActivatedSequence;
    int32_t m_ActivatedSound;
    int32_t m_StartAttractingSound;
    int32_t m_AttractingSequence;
    int32_t m_StartRepellingSound;
    int32_t m_RepellingSequence;
    int32_t m_MovingParticleGen;
    int32_t m_DeactivatedSound;
    CString m_MagneticGroupName;
};
