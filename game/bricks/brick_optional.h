#pragma once

#include "game/bricks/brick_basic_destructible.h"

// A brick the round does not wait for: one hit breaks it, the ship never
// does, and the acid ball leaves it alone. Whatever of it stands when the
// round is cleared is cashed in by the bonus tally.
class CBrickOptional : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickOptional)
public:
    CBrickOptional();
    ~CBrickOptional() override;

    void OnAcidHit(AcidHitQuery& query) override;
    const CString& GetTypeDisplayName() const override;
    bool MustBeDestroyedToFinish() const override;
    bool DestroyedByShip() const override;
    CClassInfo* GetStyleSheetClass() const override;
};

class CBrickStyleSheetOptional : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetOptional)
public:
    CBrickStyleSheetOptional();
    ~CBrickStyleSheetOptional() override;

    CClassInfo* GetBrickClass() const override;
};
