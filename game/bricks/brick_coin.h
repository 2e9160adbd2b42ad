#pragma once

#include <cstdint>

#include "engine/core/geometry/vector2d.h"
#include "engine/object/properties/string_pair.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"

// A ring: a pickup placed like a brick that balls fly through. The ball's
// touch collects it, and only that: explosions, countdowns, plug-ins and
// pushes cannot remove it, and the round never waits for it.
class CBrickCoin : public CBrickBase
{
    VP_DECLARE_CLASS(CBrickCoin)
public:
    CBrickCoin();
    ~CBrickCoin() override;

    void OnAcidHit(AcidHitQuery& query) override;
    const CString& GetTypeDisplayName() const override;
    bool LetsBallPassThrough(CHitterOfBricks* hitter) const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    void ApplyStyleSheet() override;
    void UpdateAppearance() override;
    // Collects the coin: the ring bookkeeping, the pickup effects, then the
    // coin's own destruction, which the hit flow finds done.
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;
    bool BlocksBricks() const override;
    // Refused unless the coin was collected.
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;

    bool IsCollected() const { return m_Collected; }

private:
    // Not saved: every placed coin starts uncollected.
    bool m_Collected;
};

// A coin's look and pickup, and the ring game's rules: the bonus for every
// ring of a round and the extra ball ("Quellorb") rings are redeemed for.
// Each coin style sheet carries its own messages, sounds and amounts; the
// counts live in the player records and the playfield (ring_game.cpp).
class CBrickStyleSheetCoin : public CBrickStyleSheet
{
    VP_DECLARE_CLASS(CBrickStyleSheetCoin)
public:
    CBrickStyleSheetCoin();
    ~CBrickStyleSheetCoin() override;

    CClassInfo* GetBrickClass() const override;
    int32_t GetPrimarySequence() const override { return m_PrimarySequence; }

    // The ring bookkeeping of a coin collected at the position: counted in
    // the game and the round, the round's best recorded (the ring game
    // completed when that made every round of the set whole), whatever the
    // queue still holds finished, then the round bonus and the extra ball
    // tested. A non-game round counts nothing.
    void OnCoinCollected(const Vector2& position) const;
    // Pays the bonus when the round's count reaches "Coins Per Level".
    void CheckAllRingsOnLevel(const Vector2& position) const;
    // Starts a redemption when the rings not yet promised to one reach
    // "Coins Needed For Extra Life".
    void CheckExtraLife(const Vector2& position) const;
    // The picture of every ring of the set found, kept as a screenshot.
    void CompleteRingGame() const;

    int32_t m_PrimarySequence;
    int32_t m_PickupSound;
    int32_t m_PickupSequence;
    int32_t m_PickupParticleGenerator;
    uint32_t m_CoinsPerLevel;
    uint32_t m_BonusCoins;
    float m_BonusCountUpSeconds;
    int32_t m_BonusCountUpSound;
    uint32_t m_BonusPoints;
    CStringPair m_AllCoinsMessage1;
    CStringPair m_AllCoinsMessage2;
    int32_t m_AllCoinsSound;
    int32_t m_AllCoinsTutorial;
    uint32_t m_CoinsForExtraLife;
    CStringPair m_ExtraLifeMessage1;
    CStringPair m_ExtraLifeMessage2;
    int32_t m_ExtraLifeSound;
    int32_t m_ExtraLifeTutorial;
    float m_RedeemCountDownSeconds;
    int32_t m_RedeemCountDownSound;
    int32_t m_ReceivedExtraLifeSound;
};
