#pragma once

#include "engine/core/geometry/point.h"
#include "game/bricks/brick_basic_destructible.h"

// A brick that hits push a set distance instead of breaking, a few pixels
// a frame, driving the bricks in its way along. The round does not wait
// for it. A nudge saved half done finishes when the level is played.
class CBrickNudge : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickNudge)
public:
    static constexpr float kNudgeStep = 5.0f;

    CBrickNudge();
    ~CBrickNudge() override;

    // The nudge step, then the common update: a nudge brick keeps its
    // script, its countdown and its appearing like every brick.
    void Update(CSprite* sprite, int32_t argument) override;
    const CString& GetTypeDisplayName() const override;
    // Scripts leave the brick alone while a nudge is under way.
    bool CanBeMovedByPlugIns() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    // Starts a nudge unless one is under way; never destroys.
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;

    Vector2 m_NudgeMovementLeftOver;

private:
    void NudgeStep();
};

class CBrickStyleSheetNudge : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetNudge)
public:
    CBrickStyleSheetNudge();
    ~CBrickStyleSheetNudge() override;

    CClassInfo* GetBrickClass() const override;
    // The four old nudge types, each with its own direction.
    bool ConvertFromBrickInfo(const CBrickInfo& info) override;

    int32_t m_NudgeSound;
    // Pixels one hit carries the brick.
    CPoint m_Movement;
};
