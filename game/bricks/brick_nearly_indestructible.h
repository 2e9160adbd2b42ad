#pragma once

#include "game/bricks/brick_basic_destructible.h"
#include "game/bricks/brick_counted_hits.h"

// A brick that bounces 24 hits with a sound and breaks at the 25th; the
// round does not wait for it.
class CBrickNearlyIndestructible : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickNearlyIndestructible)
public:
    CBrickNearlyIndestructible();
    ~CBrickNearlyIndestructible() override;

    const CString& GetTypeDisplayName() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    // Starts the hit count again, then builds the look.
    void ApplyStyleSheet() override;
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;

    const CBrickCountedHits& GetCountedHits() const { return m_CountedHits; }

private:
    CBrickCountedHits m_CountedHits;
};

class CBrickStyleSheetNearlyIndestructible : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetNearlyIndestructible)
public:
    CBrickStyleSheetNearlyIndestructible();
    ~CBrickStyleSheetNearlyIndestructible() override;

    CClassInfo* GetBrickClass() const override;
    // Old indestructible bricks, keeping their bounce sound.
    bool ConvertFromBrickInfo(const CBrickInfo& info) override;

    // The sound list's entry played by the bouncing hits; the first entry
    // plays nothing.
    int32_t m_IndestructibleSound;
};
