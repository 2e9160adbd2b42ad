#pragma once

#include "game/bricks/brick_basic_destructible.h"
#include "game/bricks/brick_counted_hits.h"

// A brick that takes hits as the Indestructible kind does and destroys any
// brick that drives itself into it; the round does not wait for it.
class CBrickShredder : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickShredder)
public:
    CBrickShredder();
    ~CBrickShredder() override;

    const CString& GetTypeDisplayName() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    // Starts the hit count again, then builds the look.
    void ApplyStyleSheet() override;
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;
    // A pusher that drives itself (a hard move) is destroyed.
    void OnPushedByBrick(CBrickBase* pusher, const Vector2& motion, bool hard) override;

    const CBrickCountedHits& GetCountedHits() const { return m_CountedHits; }

private:
    CBrickCountedHits m_CountedHits;
};

class CBrickStyleSheetShredder : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetShredder)
public:
    CBrickStyleSheetShredder();
    ~CBrickStyleSheetShredder() override;

    CClassInfo* GetBrickClass() const override;
    // Old shredder bricks, keeping their bounce sound.
    bool ConvertFromBrickInfo(const CBrickInfo& info) override;

    // The sound list's entry played by the bouncing hits; the first entry
    // plays nothing.
    int32_t m_IndestructibleSound;
};
