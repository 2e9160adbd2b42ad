#pragma once

#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"

// Marks where a free ball waits in a round. When the round starts the
// marker turns into a small loose ball leaving at its own angle (degrees,
// 0 right, 90 down) and speed, and is gone without breaking: no score, no
// "BrickDestroyed". The round does not wait for it.
class CBrickTrappedBall : public CBrickBase
{
    VP_DECLARE_CLASS(CBrickTrappedBall)
public:
    CBrickTrappedBall();
    ~CBrickTrappedBall() override;

    const CString& GetTypeDisplayName() const override;
    void OnRoundStart() override;
    bool LetsBallPassThrough(CHitterOfBricks* hitter) const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    void ApplyStyleSheet() override;
    bool BlocksBricks() const override;

    // The released ball's velocity in pixels per step.
    Vector2 GetReleaseVelocity() const;

    float m_StartingAngle;
    int32_t m_StartingSpeed;
};

class CBrickStyleSheetTrappedBall : public CBrickStyleSheet
{
    VP_DECLARE_CLASS(CBrickStyleSheetTrappedBall)
public:
    CBrickStyleSheetTrappedBall();
    ~CBrickStyleSheetTrappedBall() override;

    CClassInfo* GetBrickClass() const override;
    int32_t GetPrimarySequence() const override { return m_EditorSequence; }
    // Old trapped balls keep their look as the waiting ball's.
    bool ConvertFromBrickInfo(const CBrickInfo& info) override;

    int32_t m_EditorSequence;
};
