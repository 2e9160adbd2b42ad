#pragma once

#include <cstdint>

#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"

// A brick balls fly through, changing their speed for a while: the speed
// jumps to the style sheet's multiple of the ball's base speed and eases
// back over the brick's boost time, the ball trailing particles for half
// of it. A ball still inside it touches it frame after frame, so after
// each boost the brick rests 20 frames. It never breaks, shows from the
// start of the round and the round does not wait for it.
class CBrickSpeedChange : public CBrickBase
{
    VP_DECLARE_CLASS(CBrickSpeedChange)
public:
    static constexpr uint32_t kCooldownFrames = 20;
    static constexpr int32_t kLongestBoostFrames = 3600;

    CBrickSpeedChange();
    ~CBrickSpeedChange() override;

    void OnAcidHit(AcidHitQuery& query) override;
    const CString& GetTypeDisplayName() const override;
    bool AppearsWithoutBrickLayer() const override;
    bool LetsBallPassThrough(CHitterOfBricks* hitter) const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    // The primary sequence at a random progress; the brick is ready.
    void ApplyStyleSheet() override;
    // The rest counts down; the look loops.
    void UpdateAppearance() override;
    // Boosts a ball, unless resting; answers 0.
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;
    bool BlocksBricks() const override;
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;

    // The boost's length: the whole seconds of the boost time (the fraction
    // is dropped) in frames, 1 to 3600.
    int32_t GetBoostFrames() const;
    uint32_t GetCooldown() const { return m_Cooldown; }

    float m_SpeedBoostTime;

private:
    uint32_t m_Cooldown;
};

class CBrickStyleSheetSpeedChange : public CBrickStyleSheet
{
    VP_DECLARE_CLASS(CBrickStyleSheetSpeedChange)
public:
    CBrickStyleSheetSpeedChange();
    ~CBrickStyleSheetSpeedChange() override;

    CClassInfo* GetBrickClass() const override;
    int32_t GetPrimarySequence() const override { return m_PrimarySequence; }

    // Indices of "Sequences", the sound list and "Particle Generators";
    // generator 0 stands for none.
    int32_t m_PrimarySequence;
    int32_t m_Sound;
    float m_Multiplier;
    int32_t m_BallTrailParticleGen;
    int32_t m_ActivationParticleGen;
};
