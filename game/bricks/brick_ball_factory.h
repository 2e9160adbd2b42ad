#pragma once

#include <cstdint>

#include "game/bricks/brick_basic_destructible.h"

// A brick that releases a new ball from its place at each hit, a set
// number of times, and breaks with the last. While its release sequence
// plays, hits only bounce.
class CBrickBallFactory : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickBallFactory)
public:
    CBrickBallFactory();
    ~CBrickBallFactory() override;

    const CString& GetTypeDisplayName() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    // The look, then the balls left from the style sheet.
    void ApplyStyleSheet() override;
    void UpdateAppearance() override;
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;

    // One ball away from the factory, against the contact normal at the
    // speed of the hitting ball (or of the first ball in play).
    void ReleaseBall(CHitterOfBricks* hitter, const Vector2& normal);

    uint32_t GetBallsLeft() const { return m_BallsLeft; }
    bool IsGenerating() const { return m_Generating; }

private:
    uint32_t m_BallsLeft;
    bool m_Generating;
};

class CBrickStyleSheetBallFactory : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetBallFactory)
public:
    CBrickStyleSheetBallFactory();
    ~CBrickStyleSheetBallFactory() override;

    CClassInfo* GetBrickClass() const override;

    uint32_t m_NumberOfBallsToGenerate;
    int32_t m_GenerateSound;
    int32_t m_GenerateSeq;
};
