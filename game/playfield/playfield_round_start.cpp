#include "game/playfield/playfield.h"

#include "engine/app/sound/sound_list.h"
#include "engine/graphics/on_screen_message.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/libraries/general_objects.h"
#include "engine/platform/file_time.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_layer.h"
#include "game/bricks/brick_layout.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/playfield_hooks.h"
#include "game/playfield/playfield_texts.h"
#include "game/playfield/tessivue_display.h"
#include "game/records/stats.h"

namespace {

const Vector2 kShipStart = {320.0f, 560.0f};

// "Round" and the round's number: the first line of the box at a round's
// start and when its play begins.
CString RoundLine(int32_t roundIndex)
{
    CString number;
    FormatRoundNumber(number, roundIndex);
    CString line = g_TextRound.GetText();
    line.Append(" ");
    line.Append(number);
    return line;
}

} // namespace

bool CPlayfield::NewGame(int32_t round, int32_t difficulty, bool resuming, bool editorTestPlay, bool showMarkers,
                         bool standAlone)
{
    if (FetchRound(round, standAlone) == nullptr)
        return false;
    m_EditorTestPlay = editorTestPlay;
    m_ShowMarkers = showMarkers;
    m_BallsInReserve = difficulty == 0 ? 4 : 2;
    m_GameOver = false;
    if (!resuming)
    {
        CStats& stats = GetStats();
        stats.ResetCurrentGame();
        CGameStats& game = stats.GetCurrentGame();
        game.m_PointsScored = 0;
        game.m_LevelOfDifficulty = static_cast<uint32_t>(difficulty);
        game.m_StartingRoundNumber = standAlone ? 0 : static_cast<uint32_t>(round);
        game.m_StartTime = static_cast<int64_t>(GetFileTimeNow());
        game.m_SecondsPlayed = 0.0f;
        game.m_UsedCheat = false;
    }
    m_pShip->DeleteAll();
    if (m_pBrickLayer == nullptr)
        m_pBrickLayer = static_cast<CBrickLayer*>(
            GetCheckedGeneralObject("Brick Layer", CBrickLayer::SGetClassInfo(), m_BrickLayerIndex));
    CGameSprite* ship = new CGameSprite;
    ship->SetPosition(kShipStart);
    ship->AddAI(new CPlayerShipAI(ship, GetPlayfieldHooks().GetPlayerControls(0), 0));
    m_pShip->Append(ship);
    return StartRound(round, standAlone);
}

void CPlayfield::ResetRoundFields()
{
    m_ResumeGuard = 0.0f;
    m_SpeedSamples = 0.0f;
    m_SpeedSum = 0.0f;
    m_LastSpeed = 0.0f;
    m_RoundStarted = false;
    m_LevelEndingCountdown = 0;
    m_TallyCountdown = 0;
    m_RoundCleared = false;
    m_FirstCompletion = false;
    m_RoundTime = 0.0f;
    m_RingsThisRound = 0;
}

bool CPlayfield::StartRound(int32_t round, bool standAlone)
{
    CBrickLayout* layout = FetchRound(round, standAlone);
    if (layout == nullptr)
        return false;
    ResetRoundFields();
    SetRoundRef(round, standAlone);
    for (CSpriteList* list : {m_pBallsInPlay, m_pLooseBalls, m_pFallingPowerUps, m_pShots, m_pBricks,
                              m_pBackgroundSprites, m_pBackEffects, m_pFrontEffects})
        list->DeleteAll();
    if (m_pBrickLayer != nullptr)
        m_pBrickLayer->Start(layout);
    if (!IsNonGameRound() && !GetEditorHooks().IsLevelEditorOpen())
        GetSoundList().PlayByName("Start Round.wav");

    CSprite* ship = GetShipSprite();
    CPlayerShipAI* shipAI = GetShipAI();
    if (ship != nullptr && IsNonGameRound())
        ship->SetActive(false);
    else if (shipAI != nullptr)
        shipAI->Reset(ship, false);
    if (shipAI != nullptr)
        shipAI->ClearPendingStarfish();

    if (CTessivueDisplay* box = GetHudDisplay())
    {
        box->ShowText(RoundLine(round), CTessivueDisplay::kAlternateFont, 0.0f, false);
        box->AddText(layout->m_DisplayName.m_Shown, CTessivueDisplay::kNormalFont);
    }
    GetPlayfieldHooks().SetRoundBanner();

    CStats& stats = GetStats();
    stats.GetSuspendScratch().CopyFrom(stats.GetCurrentGame());
    stats.GetSuspendScratch().m_BallsLeft = m_BallsInReserve;
    return true;
}

bool CPlayfield::NextRound()
{
    return StartRound(m_RoundIndex + 1, false);
}

void CPlayfield::BeginPlay()
{
    if (!IsNonGameRound())
    {
        ServeBall(false);
        GetSoundList().PlayByName("Ball In Play.wav");
        m_RoundStarted = true;
    }
    // A brick may add sprites when told; the walk reads the next link first.
    for (CSprite* sprite = m_pBricks->GetHead(); sprite != nullptr;)
    {
        CSprite* next = sprite->GetNext();
        if (CBrickBase* brick = FirstBehaviourAs<CBrickBase>(sprite))
            brick->OnRoundStart();
        sprite = next;
    }
    const int32_t roundIndex = m_StandAloneRound != -1 ? m_StandAloneRound : m_RoundIndex;
    CBrickLayout* layout = GetCurrentRound();
    const CString name = layout != nullptr ? layout->m_DisplayName.m_Shown : CString();
    if (CTessivueDisplay* box = GetHudDisplay())
    {
        box->ShowText(RoundLine(roundIndex), CTessivueDisplay::kAlternateFont, kMessageSeconds, false);
        box->AddText(name, CTessivueDisplay::kNormalFont);
        box->AddText(g_TextBegin.GetText(), CTessivueDisplay::kAlternateFont);
    }
    GetOnScreenMessage()->Show(name);
}

void CPlayfield::ServeBall(bool takeLife)
{
    if (takeLife)
    {
        GetStats().GetCurrentGame().m_BallsLost++;
        m_BallsInReserve--;
    }
    m_pBallsInPlay->DeleteAll();
    AddBall();
    CSprite* ship = GetShipSprite();
    if (ship == nullptr)
        return;
    ship->SetActive(true);
    if (CPlayerShipAI* shipAI = GetShipAI())
    {
        shipAI->Reset(ship, false);
        shipAI->HoldBall(ship, m_pBallsInPlay->GetTail(), true);
    }
    if (CBrickLayout* layout = GetCurrentRound())
        layout->GiveAutomaticPowerUps(ship);
}

CBallAI* CPlayfield::AddBall()
{
    CGameSprite* sprite = new CGameSprite;
    sprite->m_Velocity = {0.0f, 0.0f};
    CBallAI* ball = new CBallAI;
    ball->Launch(sprite, nullptr, false);
    if (GetDifficulty() == 3)
        ball->MakeSmall();
    m_pBallsInPlay->Append(sprite);
    return ball;
}
