#pragma once

#include <cstdint>

#include "game/bricks/brick_basic_destructible.h"

// A brick that a hit sets sliding, in a fixed direction or one worked out
// from the hit, until it leaves the play area or is destroyed; while it
// slides it destroys the bricks it meets (or shoves them, as its style
// says). The round waits for it.
class CBrickRail : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickRail)
public:
    // How far one brick step is, across and down.
    static constexpr float kBrickStepX = 39.5f;
    static constexpr float kBrickStepY = 22.0f;

    CBrickRail();
    ~CBrickRail() override;

    // Slides as if struck from below; the acid still attaches.
    void OnAcidHit(AcidHitQuery& query) override;
    // The arrows of the slide direction on a selected brick.
    void DrawEditorOverlay(EditorDrawContext& context) override;
    const CString& GetTypeDisplayName() const override;
    bool CanBeMovedByPlugIns() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    void ApplyStyleSheet() override;
    // The slide step, then the animation.
    void UpdateAppearance() override;
    // Starts (or turns) the slide; the hitter bounces.
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;
    void OnPushedByBrick(CBrickBase* pusher, const Vector2& motion, bool hard) override;
    void PushBrick(CBrickBase* other, Vector2& allowed, bool hard) override;
    // A sliding brick outlives the countdown.
    void OnCountdownExpired() override;

    // Starts sliding along the style's direction; q is the contact normal
    // (or the direction a pusher came from) for the computed directions.
    void StartMoving(const Vector2& q);

    bool IsSliding() const { return m_Sliding; }
    const Vector2& GetSlideVelocity() const { return m_SlideVelocity; }

    float m_MoveSpeed;

private:
    // The unit direction the style's "Move Direction" gives for q.
    Vector2 SlideDirection(const Vector2& q) const;

    bool m_Sliding;
    Vector2 m_SlideVelocity;
};

class CBrickStyleSheetRail : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetRail)
public:
    enum MoveDirection : int32_t
    {
        MOVE_LEFT = 0,
        MOVE_RIGHT = 1,
        MOVE_UP = 2,
        MOVE_DOWN = 3,
        MOVE_BY_SIDE_HIT = 4,
        MOVE_BY_COLLISION_NORMAL = 5,
        MOVE_IN_DIRECTION_ART_IS_FACING = 6
    };

    CBrickStyleSheetRail();
    ~CBrickStyleSheetRail() override;

    CClassInfo* GetBrickClass() const override;

    int32_t m_MovingParticleGen;
    int32_t m_MovingSequence;
    int32_t m_StartMoveSound;
    int32_t m_MoveDirection;
    bool m_ShoveBricks;
};
