// The ring game: every collected coin is a ring of the running game and of
// the round. All the rings of a round pay a bonus, counted up one ring per
// period; every "Coins Needed For Extra Life" rings are counted down again,
// one per period, and buy an extra ball when the count-down is over.
//
// The count-downs take their rings slowly, so while one runs the ring
// counter still shows rings already spent. Those rings are promised
// (CPlayfield::m_RingsPromised): a redemption promises its whole price when
// it starts, each count-down step releases one, and the test for a further
// ball sees only the rings nobody was promised. Without that, a bonus
// counted up during a count-down would start a redemption (and a ball) at
// every step. A pickup first fires everything queued, which settles every
// promise before it counts.
//
// Across the round set the player's records keep the best count of each
// round; the ring game is won the moment the last round becomes whole, and
// only then: later bests change nothing.

#include <algorithm>
#include <climits>

#include "engine/app/sound/sound_list.h"
#include "game/bricks/brick_coin.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/ring_game_steps.h"
#include "game/bricks/round_set_library.h"
#include "game/playfield/delayed_call_queue.h"
#include "game/playfield/playfield.h"
#include "game/playfield/playfield_hooks.h"
#include "game/playfield/print_power_up_text_ai.h"
#include "game/playfield/tessivue_display.h"
#include "game/records/stats.h"

namespace {

// The picture stays until a key or a button is pressed.
constexpr float kCompletionPictureSeconds = 3000.0f;

// The message in the player's language with the token replaced by the
// amount.
CString FillAmount(const CStringPair& message, const char* token, uint32_t amount)
{
    CString number;
    number.Format("%u", amount);
    CString text = message.m_Shown;
    text.ReplaceAll(CString(token), number);
    return text;
}

void ShowMessages(const CString& first, const CString& second)
{
    CTessivueDisplay* box = GetHudDisplay();
    if (box == nullptr)
        return;
    box->ShowText(first, CTessivueDisplay::kAlternateFont, CPlayfield::kMessageSeconds, false);
    box->AddText(second, CTessivueDisplay::kAlternateFont);
}

// Every round of the current set has had all its rings found, the first
// also when it is a round without rings: marked so in its "Note 1", as the
// set's ring total reads it, or in its name.
bool EveryRoundHasAllRings(const CPlayerStatsForRoundSet& record)
{
    const CRoundSet* roundSet = GetCurrentRoundSet();
    if (roundSet == nullptr)
        return false;
    for (uint32_t round = 0; round < roundSet->GetRoundCount(); round++)
    {
        if (record.AllRingsFound(round))
            continue;
        const CBrickLayout* level = round == 0 ? roundSet->GetRound(0) : nullptr;
        if (level == nullptr ||
            !(BeginsWithNoRingsMarker(level->m_Note1) || BeginsWithNoRingsMarker(level->m_DisplayName.m_Source)))
            return false;
    }
    return true;
}

} // namespace

void CBrickStyleSheetCoin::OnCoinCollected(const Vector2& position) const
{
    CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr || playfield->IsNonGameRound())
        return;
    CStats& stats = GetStats();
    CGameStats& game = stats.GetCurrentGame();
    CPlayfieldHooks& hooks = GetPlayfieldHooks();
    game.m_CoinsCollected++;
    hooks.FlashRingCounter();
    playfield->m_RingsThisRound++;

    const uint32_t round = static_cast<uint32_t>(playfield->m_RoundIndex);
    CPlayerStatsForRoundSet& record = *stats.GetCurrentRoundSetStats();
    if (!game.m_UsedCheat && record.GetRingsFound(round) < playfield->m_RingsThisRound)
    {
        const bool wonBefore = EveryRoundHasAllRings(record);
        record.RecordRingsFound(round, playfield->m_RingsThisRound);
        if (!wonBefore && EveryRoundHasAllRings(record))
            CompleteRingGame();
    }
    hooks.FlashRoundRingCount();

    GetDelayedCallQueue().FireAll();
    CheckAllRingsOnLevel(position);
    CheckExtraLife(position);
}

void CBrickStyleSheetCoin::CheckAllRingsOnLevel(const Vector2& position) const
{
    CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr || playfield->m_RingsThisRound != m_CoinsPerLevel)
        return;
    const char* const token = "%d[BonusAmount]";
    const CString bonusLine = FillAmount(m_AllCoinsMessage2, token, m_BonusCoins);
    ShowMessages(FillAmount(m_AllCoinsMessage1, token, m_BonusCoins), bonusLine);
    GetSoundList().PlayByIndex(m_AllCoinsSound);
    if (!playfield->IsNonGameRound())
        GetPlayfieldHooks().ShowTutorial(m_AllCoinsTutorial, false);
    GetDelayedCallQueue().Add(new CBonusCountUpStep(*this, position), m_BonusCountUpSeconds,
                              static_cast<int32_t>(m_BonusCoins));
    playfield->AddScore(static_cast<int32_t>(std::min<uint32_t>(m_BonusPoints, INT32_MAX)));
    SpawnFloatingText(position, bonusLine);
}

void CBrickStyleSheetCoin::CheckExtraLife(const Vector2& position) const
{
    CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr)
        return;
    const uint32_t rings = GetStats().GetCurrentGame().m_CoinsCollected;
    const uint32_t unpromised = rings > playfield->m_RingsPromised ? rings - playfield->m_RingsPromised : 0;
    // A price of nothing would hand out a ball at every ring.
    if (m_CoinsForExtraLife == 0 || unpromised < m_CoinsForExtraLife)
        return;
    const char* const token = "%d[Quantity]";
    const CString redeemedLine = FillAmount(m_ExtraLifeMessage2, token, m_CoinsForExtraLife);
    ShowMessages(FillAmount(m_ExtraLifeMessage1, token, m_CoinsForExtraLife), redeemedLine);
    GetSoundList().PlayByIndex(m_ExtraLifeSound);
    if (!playfield->IsNonGameRound())
        GetPlayfieldHooks().ShowTutorial(m_ExtraLifeTutorial, false);
    playfield->m_RingsPromised += m_CoinsForExtraLife;
    CDelayedCallQueue& queue = GetDelayedCallQueue();
    queue.Add(new CRedeemCountDownStep(*this), m_RedeemCountDownSeconds, static_cast<int32_t>(m_CoinsForExtraLife));
    queue.Add(new CReceiveExtraBallStep(*this),
              (static_cast<float>(m_CoinsForExtraLife) + 2.0f) * m_RedeemCountDownSeconds, 1);
    SpawnFloatingText(position, redeemedLine);
}

void CBrickStyleSheetCoin::CompleteRingGame() const
{
    GetPlayfieldHooks().OpenPauseMenu();
    if (CPlayfield* playfield = GetPlayfield())
        playfield->ShowCompletionPicture({"Completed Ring Game.wav", "Completed Ring Game", "Completed Ring Game",
                                          "Completed Ring Generic", kCompletionPictureSeconds});
}
