#pragma once

#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"

// A named point for scripts: placed, named and moved like a brick, yet
// shown only with the markers, passed by balls and bricks, never destroyed
// and never holding up the round. Its name and position are all it offers.
class CBrickPositionMarker : public CBrickBase
{
    VP_DECLARE_CLASS(CBrickPositionMarker)
public:
    CBrickPositionMarker();
    ~CBrickPositionMarker() override;

    void OnAcidHit(AcidHitQuery& query) override;
    const CString& GetTypeDisplayName() const override;
    const char* GetDefaultNamePrefix() const override;
    bool AppearsWithoutBrickLayer() const override;
    bool LetsBallPassThrough(CHitterOfBricks* hitter) const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    // Shown only with the markers.
    void ApplyStyleSheet() override;
    bool BlocksBricks() const override;
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;
};

class CBrickStyleSheetPositionMarker : public CBrickStyleSheet
{
    VP_DECLARE_CLASS(CBrickStyleSheetPositionMarker)
public:
    CBrickStyleSheetPositionMarker();
    ~CBrickStyleSheetPositionMarker() override;

    CClassInfo* GetBrickClass() const override;
    int32_t GetPrimarySequence() const override { return m_PrimarySequence; }

    int32_t m_PrimarySequence;
};
