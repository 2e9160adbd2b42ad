#pragma once

#include <cstdint>

#include "game/bricks/brick_basic_destructible.h"
#include "game/bricks/brick_counted_hits.h"

// The goal of a starfish round: only a ball that brings a starfish breaks
// it. Other hits bounce, the first 24 with the style sheet's sound and the
// rest in silence; from then on each hit asks for the brick's destruction
// and is refused, as are explosions, area damage and the ship. The round
// waits for it.
class CBrickStarfishGoal : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStarfishGoal)
public:
    CBrickStarfishGoal();
    ~CBrickStarfishGoal() override;

    void OnAcidHit(AcidHitQuery& query) override;
    const CString& GetTypeDisplayName() const override;
    bool AppearsWithoutBrickLayer() const override;
    bool MustBeDestroyedToFinish() const override;
    // Homing shots never choose it.
    bool IsVulnerableFrom(const Vector2& point) const override;
    CClassInfo* GetStyleSheetClass() const override;
    // Starts the hit count and the delivery afresh, then builds the look.
    void ApplyStyleSheet() override;
    // A ball carrying a starfish hands it over and breaks the goal.
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;
    // Refused unless a starfish was delivered.
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;

    const CBrickCountedHits& GetCountedHits() const { return m_CountedHits; }
    bool IsCompleted() const { return m_Completed; }

private:
    CBrickCountedHits m_CountedHits;
    bool m_Completed;
};

class CBrickStyleSheetStarfishGoal : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetStarfishGoal)
public:
    CBrickStyleSheetStarfishGoal();
    ~CBrickStyleSheetStarfishGoal() override;

    CClassInfo* GetBrickClass() const override;

    // Sound-list entries; the first entry plays nothing.
    int32_t m_IndestructibleSound;
    int32_t m_CompletedSound;
};
