#pragma once

#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"

// An indestructible brick that plays its switching animation when its own
// hit trigger fires. The hit that fired it stays silent; every other hit
// plays the indestructible sound. The round does not wait for it.
class CBrickSwitch : public CBrickBase
{
    VP_DECLARE_CLASS(CBrickSwitch)
public:
    CBrickSwitch();
    ~CBrickSwitch() override;

    void OnAcidHit(AcidHitQuery& query) override;
    // Takes "Triggered" for itself while idle; everything else goes on to
    // the plug-ins.
    void SendToPlugIns(CMessage& message) override;
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

    bool IsSwitching() const { return m_Switching; }

private:
    bool m_Switching;
    // The hit that fired the switch comes after the trigger's message.
    bool m_JustSwitched;
};

class CBrickStyleSheetSwitch : public CBrickStyleSheet
{
    VP_DECLARE_CLASS(CBrickStyleSheetSwitch)
public:
    CBrickStyleSheetSwitch();
    ~CBrickStyleSheetSwitch() override;

    CClassInfo* GetBrickClass() const override;
    int32_t GetPrimarySequence() const override { return m_IdleSequence; }

    int32_t m_IdleSequence;
    int32_t m_SwitchingSequence;
    int32_t m_SwitchingSound;
    int32_t m_IndestructibleSound;
};
