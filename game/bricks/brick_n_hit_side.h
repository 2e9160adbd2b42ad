#pragma once

#include <cstdint>

#include "game/bricks/brick_basic_destructible.h"

// A brick that takes several hits, showing a new image after each, and
// whose top or bottom edge may be nearly indestructible: hits there only
// count towards 25. A small ball does partial damage, two of its hits
// making one. The three counters are the brick's whole state and are
// saved with the level, so a partly damaged brick comes back as it was.
class CBrickNHitSide : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickNHitSide)
public:
    static constexpr uint32_t kEdgeHitsToDestroy = 25;
    // How far above (below) the brick a hitter must be to hurt a nearly
    // indestructible bottom (top).
    static constexpr float kVulnerableDistance = 30.0f;

    CBrickNHitSide();
    ~CBrickNHitSide() override;

    const CString& GetTypeDisplayName() const override;
    bool MustBeDestroyedToFinish() const override;
    bool IsVulnerableFrom(const Vector2& point) const override;
    CClassInfo* GetStyleSheetClass() const override;
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;

    uint32_t m_HitCount;
    float m_PartialHitAccumulation;
    uint32_t m_IndestructibleHitCount;

private:
    // The image the d-th counted hit shows, drawn among the variations
    // that have as many entries as the hit images.
    int32_t PickHitImage(uint32_t d) const;
};

class CBrickStyleSheetNHitSide : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetNHitSide)
public:
    enum Edge : int32_t
    {
        NORMAL_EDGE = 0,
        NEARLY_INDESTRUCTIBLE_EDGE = 1
    };

    CBrickStyleSheetNHitSide();
    ~CBrickStyleSheetNHitSide() override;

    CClassInfo* GetBrickClass() const override;
    // The old three-hit and one-sided indestructible types; a converted
    // brick needs three hits.
    bool ConvertFromBrickInfo(const CBrickInfo& info) override;

    uint32_t m_HitSequenceCount;
    uint32_t m_HitSequenceCapacity;
    int32_t* m_HitSequenceIndexes;
    uint32_t m_HitSequenceVariationACount;
    uint32_t m_HitSequenceVariationACapacity;
    int32_t* m_HitSequenceVariationAIndexes;
    uint32_t m_HitSequenceVariationBCount;
    uint32_t m_HitSequenceVariationBCapacity;
    int32_t* m_HitSequenceVariationBIndexes;
    int32_t m_Top;
    int32_t m_Bottom;
    int32_t m_DamagedSound;
    int32_t m_IndestructibleSound;
    int32_t m_SmallBallDidPartialDamageSound;
};
