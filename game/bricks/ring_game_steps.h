#pragma once

#include "engine/core/geometry/vector2d.h"
#include "game/playfield/delayed_call_queue.h"

class CBrickStyleSheetCoin;

// The ring game's paced steps, queued on the delayed-call queue: each holds
// the coin style sheet whose sounds and rules it follows (a library item
// that outlives the queue's entries) and fires once per period.

// One bonus ring counted up, then a test for an extra ball at the pickup.
class CBonusCountUpStep : public CDelayedCallback
{
public:
    CBonusCountUpStep(const CBrickStyleSheetCoin& styleSheet, const Vector2& position);
    void Fire() override;

private:
    const CBrickStyleSheetCoin& m_StyleSheet;
    Vector2 m_Position;
};

// One ring taken for the extra ball being redeemed; none below 0. Every
// step releases one ring of the promise its redemption made.
class CRedeemCountDownStep : public CDelayedCallback
{
public:
    explicit CRedeemCountDownStep(const CBrickStyleSheetCoin& styleSheet);
    void Fire() override;

private:
    const CBrickStyleSheetCoin& m_StyleSheet;
};

// The redeemed ball joins the balls in reserve.
class CReceiveExtraBallStep : public CDelayedCallback
{
public:
    explicit CReceiveExtraBallStep(const CBrickStyleSheetCoin& styleSheet);
    void Fire() override;

private:
    const CBrickStyleSheetCoin& m_StyleSheet;
};
