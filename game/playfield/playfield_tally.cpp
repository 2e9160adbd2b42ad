#include "game/playfield/playfield.h"

#include "engine/graphics/sequence_list.h"
#include "engine/object/editor_hooks.h"
#include "game/bricks/brick_optional.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/playfield_texts.h"
#include "game/playfield/sprite.h"
#include "game/playfield/sprite_sound.h"
#include "game/playfield/tessivue_display.h"

namespace {

constexpr uint32_t kOptionalBrickBonus = 500;
constexpr uint32_t kBallBonus = 500;
constexpr uint32_t kSpecialBallBonus = 1000;

// The first sprite of the list that is not dead and whose first behaviour
// is of the class: a sprite killed since the lists were last reaped (its
// score already paid) is not cashed again.
template <typename T>
CSprite* FirstLive(CSpriteList& list)
{
    for (CSprite* sprite = list.GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        if (!sprite->IsDead() && FirstBehaviourAs<T>(sprite) != nullptr)
            return sprite;
    }
    return nullptr;
}

// Whether a live sprite stands from this one on.
bool HasLiveSpriteFrom(const CSprite* sprite)
{
    for (; sprite != nullptr; sprite = sprite->GetNext())
    {
        if (!sprite->IsDead())
            return true;
    }
    return false;
}

void CashIn(CPlayfield& playfield, CSprite* sprite, uint32_t points)
{
    playfield.AddScore(static_cast<int32_t>(points));
    playfield.SpawnEffectAtSprite(sprite, GetSequenceList().Find("Small Gore", -1));
    PlaySpriteSound("Score.WAV");
    sprite->Kill();
}

} // namespace

void CPlayfield::TallyRoundBonus()
{
    if (m_BonusTitlePending)
    {
        if (CTessivueDisplay* box = GetHudDisplay())
            box->ShowText(g_TextBonusPoints.GetText(), CTessivueDisplay::kAlternateFont, kMessageSeconds, false);
        m_BonusTitlePending = false;
    }
    if (CSprite* brick = FirstLive<CBrickOptional>(*m_pBricks))
    {
        CashIn(*this, brick, kOptionalBrickBonus);
        m_TallyCountdown = kTallyStepGap;
        return;
    }
    if (CSprite* ballSprite = FirstLive<CBallAI>(*m_pBallsInPlay))
    {
        CPlayerShipAI* shipAI = GetShipAI();
        if (shipAI != nullptr && shipAI->GetHeldBall() == ballSprite)
            shipAI->ReleaseBall(GetShipSprite());
        const CBallAI* ball = static_cast<const CBallAI*>(ballSprite->GetAI());
        m_TallyCountdown = HasLiveSpriteFrom(ballSprite->GetNext()) ? kTallyStepGap : kTallyEndSteps;
        CashIn(*this, ballSprite, ball->IsSpecial() ? kSpecialBallBonus : kBallBonus);
        return;
    }
    if (HasLiveSpriteFrom(m_pFallingPowerUps->GetHead()))
    {
        m_TallyCountdown = 1;
        return;
    }
    if (static_cast<uint32_t>(m_RoundIndex + 1) < GetRoundCount())
    {
        StartRound(m_RoundIndex + 1, false);
        return;
    }
    if (m_FirstCompletion)
        CompleteGame();
    m_GameOver = true;
    m_GameOverDelay = 0.0f;
    if (m_EditorTestPlay)
        GetEditorHooks().OpenLevelEditor();
}
