#pragma once

#include "game/bricks/brick_basic_destructible.h"

// The ordinary brick: one hit breaks it, and the round waits for it.
class CBrickNormal : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickNormal)
public:
    CBrickNormal();
    ~CBrickNormal() override;

    const CString& GetTypeDisplayName() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
};

class CBrickStyleSheetNormal : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetNormal)
public:
    CBrickStyleSheetNormal();
    ~CBrickStyleSheetNormal() override;

    CClassInfo* GetBrickClass() const override;
    // Old normal bricks, which need nothing beyond the shared looks.
    bool ConvertFromBrickInfo(const CBrickInfo& info) override;
};
