#pragma once

#include "game/bricks/brick_basic_destructible.h"

// A detonator that hits switch on and off. Once no detonator of the round
// is left switched off, every switched-on one explodes, each with its own
// radii. The round waits for them.
class CBrickOnOff : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickOnOff)
public:
    CBrickOnOff();
    ~CBrickOnOff() override;

    void OnAcidHit(AcidHitQuery& query) override;
    const CString& GetTypeDisplayName() const override;
    // A level whose detonators all start switched on sets them off.
    void OnRoundStart() override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    void ApplyStyleSheet() override;
    // Toggles; never destroys.
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;
    // Effects, the chain for the others when something else destroyed
    // this one, then the explosion.
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;

    bool m_Activated;

private:
    // When no live detonator of the round is switched off, every live
    // switched-on one but the excepted brick is marked detonated, then
    // destroyed: all are marked first, so that one destroyed by another's
    // explosion does not start the chain again.
    static void DetonateWhenAllOn(const CBrickOnOff* except);

    bool m_Detonated;
};

class CBrickStyleSheetOnOff : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetOnOff)
public:
    CBrickStyleSheetOnOff();
    ~CBrickStyleSheetOnOff() override;

    CClassInfo* GetBrickClass() const override;
    // Old Off/On and On/Off bricks, with the switching sounds found by name.
    bool ConvertFromBrickInfo(const CBrickInfo& info) override;

    int32_t m_ActivatedSequence;
    int32_t m_ActivatedSound;
    int32_t m_DeactivatedSound;
    float m_ExplosionXRadius;
    float m_ExplosionYRadius;
    float m_ExplosionDelay;
};
