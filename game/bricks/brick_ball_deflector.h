#pragma once

#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"

class CSpritePart;

// An obstacle that never breaks: balls bounce off it with a sound, it
// shows before the round is laid, and a brick driven into it is destroyed.
// The round does not wait for it.
class CBrickBallDeflector : public CBrickBase
{
    VP_DECLARE_CLASS(CBrickBallDeflector)
public:
    CBrickBallDeflector();
    ~CBrickBallDeflector() override;

    void OnAcidHit(AcidHitQuery& query) override;
    const CString& GetTypeDisplayName() const override;
    bool IsIndestructible() const override;
    bool AppearsWithoutBrickLayer() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    void ApplyStyleSheet() override;
    void UpdateAppearance() override;
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;
    void OnPushedByBrick(CBrickBase* pusher, const Vector2& motion, bool hard) override;
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;
};

class CBrickStyleSheetBallDeflector : public CBrickStyleSheet
{
    VP_DECLARE_CLASS(CBrickStyleSheetBallDeflector)
public:
    CBrickStyleSheetBallDeflector();
    ~CBrickStyleSheetBallDeflector() override;

    CClassInfo* GetBrickClass() const override;
    int32_t GetPrimarySequence() const override { return m_PrimarySequence; }
    // Old obstacles become deflectors.
    bool ConvertFromBrickInfo(const CBrickInfo& info) override;

    int32_t m_PrimarySequence;
    int32_t m_IndestructibleSound;
};
