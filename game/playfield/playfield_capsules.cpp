// Falling power-up capsules: a fresh sprite carrying a copy of a "PowerUp"
// entry, so that what a kind changes in itself while it falls never
// reaches the library.

#include <algorithm>

#include "engine/core/maths/random_r250.h"
#include "game/bricks/brick_layout.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/playfield/power_up_base.h"

namespace {

// Picks that a round may refuse before the last one is taken as it is.
constexpr int32_t kPickAttempts = 20;
// With more balls than this in reserve, a round with the conditional extra
// life drops no "Extra Ball".
constexpr uint32_t kExtraBallReserveLimit = 2;

bool IsExcluded(int32_t kind, const CDynamicArray<int32_t>* excluded)
{
    if (excluded == nullptr)
        return false;
    for (uint32_t i = 0; i < excluded->GetCount(); i++)
    {
        if ((*excluded)[i] == kind)
            return true;
    }
    return false;
}

bool IsKindFalling(CSpriteList& capsules, int32_t kind)
{
    for (CSprite* sprite = capsules.GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        const CPowerUpBase* powerUp = static_cast<CPowerUpBase*>(sprite->FindAI(CPowerUpBase::SGetClassInfo()));
        if (powerUp != nullptr && powerUp->m_LibraryIndex == kind && !sprite->IsDead())
            return true;
    }
    return false;
}

} // namespace

CGameSprite* CPlayfield::SpawnPowerUp(CSprite* source, int32_t kind, bool noLevelBreakers,
                                      const CDynamicArray<int32_t>* excluded)
{
    CResourceLibrary<CPowerUpBase>& library = GetPowerUpLibrary();
    if (kind == 0)
    {
        const CBrickLayout* round = GetCurrentRound();
        const uint32_t total = round != nullptr ? round->TotalPowerUpWeight() : 0;
        // A round without chances picks entry 0, which is no power-up:
        // nothing falls.
        if (total == 0)
            return nullptr;
        const int32_t extraBall = library.Find("Extra Ball", -1);
        const bool extraLifeIsConditional = round->m_AdditionalChanceOfConditionalExtraLife != 0;
        for (int32_t attempt = 0; attempt < kPickAttempts; attempt++)
        {
            kind = round->PickPowerUp(GameRandom().Below(total));
            const CPowerUpBase* item = library.GetItemObject(static_cast<uint32_t>(kind));
            const bool refused =
                (noLevelBreakers && item != nullptr && item->m_IsALevelBreaker) || IsExcluded(kind, excluded) ||
                (kind == extraBall && extraLifeIsConditional &&
                 (IsKindFalling(*m_pFallingPowerUps, extraBall) || m_BallsInReserve > kExtraBallReserveLimit));
            if (!refused)
                break;
        }
    }
    // Entry 0, and any index that reads as entry 0, is no power-up.
    const bool isKind = kind > 0 && static_cast<uint32_t>(kind) < library.GetCount();
    CPowerUpBase* item = isKind ? library.GetItemObject(static_cast<uint32_t>(kind)) : nullptr;
    if (item == nullptr)
        return nullptr;

    CGameSprite* sprite = new CGameSprite;
    sprite->m_Position = source->m_Position;
    sprite->m_DrawnPosition = source->m_DrawnPosition;
    m_pFallingPowerUps->Append(sprite);
    CPowerUpBase* capsule = static_cast<CPowerUpBase*>(item->CreateSameClass());
    capsule->m_LibraryIndex = kind;
    capsule->Launch(sprite);
    return sprite;
}
