#include "game/bricks/ring_game_steps.h"

#include "engine/app/sound/sound_list.h"
#include "game/bricks/brick_coin.h"
#include "game/playfield/playfield.h"
#include "game/playfield/playfield_hooks.h"
#include "game/records/stats.h"

CBonusCountUpStep::CBonusCountUpStep(const CBrickStyleSheetCoin& styleSheet, const Vector2& position)
    : m_StyleSheet(styleSheet)
    , m_Position(position)
{
}

void CBonusCountUpStep::Fire()
{
    GetStats().GetCurrentGame().m_CoinsCollected++;
    GetPlayfieldHooks().FlashRingCounter();
    GetSoundList().PlayByIndex(m_StyleSheet.m_BonusCountUpSound);
    m_StyleSheet.CheckExtraLife(m_Position);
}

CRedeemCountDownStep::CRedeemCountDownStep(const CBrickStyleSheetCoin& styleSheet)
    : m_StyleSheet(styleSheet)
{
}

void CRedeemCountDownStep::Fire()
{
    if (CPlayfield* playfield = GetPlayfield(); playfield != nullptr && playfield->m_RingsPromised > 0)
        playfield->m_RingsPromised--;
    uint32_t& rings = GetStats().GetCurrentGame().m_CoinsCollected;
    if (rings == 0)
        return;
    rings--;
    GetPlayfieldHooks().FlashRingCounter();
    GetSoundList().PlayByIndex(m_StyleSheet.m_RedeemCountDownSound);
}

CReceiveExtraBallStep::CReceiveExtraBallStep(const CBrickStyleSheetCoin& styleSheet)
    : m_StyleSheet(styleSheet)
{
}

void CReceiveExtraBallStep::Fire()
{
    GetSoundList().PlayByIndex(m_StyleSheet.m_ReceivedExtraLifeSound);
    if (CPlayfield* playfield = GetPlayfield())
        playfield->AddLife();
    GetPlayfieldHooks().FlashReserveCounter();
}
