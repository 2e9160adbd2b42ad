#pragma once

#include "game/bricks/brick_basic_destructible.h"

// A ball held in a brick: breaking the brick releases the ball into play,
// away from the hitting ball's contact, or straight up when something else
// broke it.
class CBrickFloatingBall : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickFloatingBall)
public:
    CBrickFloatingBall();
    ~CBrickFloatingBall() override;

    void OnAcidHit(AcidHitQuery& query) override;
    const CString& GetTypeDisplayName() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;

    const Vector2& GetReleaseVelocity() const { return m_ReleaseVelocity; }

private:
    Vector2 m_ReleaseVelocity;
};

class CBrickStyleSheetFloatingBall : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetFloatingBall)
public:
    CBrickStyleSheetFloatingBall();
    ~CBrickStyleSheetFloatingBall() override;

    CClassInfo* GetBrickClass() const override;
};
