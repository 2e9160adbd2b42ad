#include "game/playfield/playfield.h"

#include "engine/app/demo_recorder.h"
#include "engine/app/input/keyboard_state.h"
#include "engine/graphics/sequence_list.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "game/bricks/background_definition.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_layer.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/named_object_table.h"
#include "game/bricks/round_set_library.h"
#include "game/bricks/round_library.h"
#include "game/bricks/script_reference_to_target.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/music_mixer.h"
#include "game/playfield/player_ship_ai.h"
#include "game/playfield/playfield_hooks.h"
#include "game/playfield/sprite.h"

namespace {

CPlayfield* s_pPlayfield = nullptr;

constexpr CRect kScoreBoardClip = {11, 10, 626, 600};
constexpr CRect kWholeScreenClip = {0, 0, 800, 600};

constexpr int32_t kKeyEnter = 13;
constexpr int32_t kKeySpace = 32;

} // namespace

CPlayfield::CPlayfield()
    : m_pBallsInPlay(new CSpriteList)
    , m_pLooseBalls(new CSpriteList)
    , m_pShots(new CSpriteList)
    , m_pShip(new CSpriteList)
    , m_pFallingPowerUps(new CSpriteList)
    , m_pBricks(new CSpriteList)
    , m_pBackgroundSprites(new CSpriteList)
    , m_pBackEffects(new CSpriteList)
    , m_pFrontEffects(new CSpriteList)
    , m_pForegroundImage(nullptr)
    , m_pMidgroundSequence(nullptr)
    , m_pBackgroundImage(nullptr)
    , m_ScoreBoardShown(true)
    , m_pBackgroundDefinition(nullptr)
    , m_RoundIndex(0)
    , m_StandAloneRound(-1)
    , m_pBrickLayer(nullptr)
    , m_BallsInReserve(0)
    , m_GameOver(false)
    , m_GameOverDelay(0.0f)
    , m_RoundTime(0.0f)
    , m_RingsThisRound(0)
    , m_RingsPromised(0)
    , m_LevelEndingCountdown(0)
    , m_TallyCountdown(0)
    , m_BonusTitlePending(false)
    , m_RoundCleared(false)
    , m_FirstCompletion(false)
    , m_SpeedSamples(0.0f)
    , m_SpeedSum(0.0f)
    , m_LastSpeed(0.0f)
    , m_ClipRect(kScoreBoardClip)
    , m_ResumeGuard(0.0f)
    , m_EditorTestPlay(false)
    , m_ShowMarkers(false)
    , m_RoundStarted(false)
    , m_BrickLayerIndex(-1)
{
    s_pPlayfield = this;
}

CPlayfield::~CPlayfield()
{
    ClearAllLists();
    for (CSpriteList* list : {m_pBallsInPlay, m_pLooseBalls, m_pShots, m_pShip, m_pFallingPowerUps, m_pBricks,
                              m_pBackgroundSprites, m_pBackEffects, m_pFrontEffects})
        delete list;
    if (s_pPlayfield == this)
        s_pPlayfield = nullptr;
}

int32_t CPlayfield::GetListCode(const CSpriteList* list) const
{
    for (int32_t code = 0; code < 9; code++)
    {
        if (GetListByCode(code) == list)
            return code;
    }
    return 0;
}

CSpriteList* CPlayfield::GetListByCode(int32_t code) const
{
    CSpriteList* const byCode[] = {m_pBackgroundSprites, m_pBackEffects, m_pFrontEffects,
                                   m_pFallingPowerUps,   m_pShots,       m_pBricks,
                                   m_pLooseBalls,        m_pShip,        m_pBallsInPlay};
    return code >= 0 && code < 9 ? byCode[code] : nullptr;
}

void CPlayfield::ClearAllLists()
{
    for (CSpriteList* list : {m_pBallsInPlay, m_pLooseBalls, m_pShots, m_pShip, m_pFallingPowerUps, m_pBricks,
                              m_pBackgroundSprites, m_pBackEffects, m_pFrontEffects})
        list->DeleteAll();
}

void CPlayfield::SetRoundRef(int32_t value, bool standAlone)
{
    m_StandAloneRound = standAlone ? value : -1;
    m_RoundIndex = standAlone ? -1 : value;
}

CBrickLayout* CPlayfield::FetchRound(int32_t round, bool standAlone) const
{
    if (!standAlone)
    {
        const CRoundSet* set = GetCurrentRoundSet();
        return set != nullptr && round >= 0 ? set->GetRound(static_cast<uint32_t>(round)) : nullptr;
    }
    CResourceLibrary<CBrickLayout>& rounds = GetRoundLibrary();
    const uint32_t count = rounds.GetCount();
    if (count == 0)
        return nullptr;
    // An index past the library's end plays its first round.
    const uint32_t index = round >= 0 && static_cast<uint32_t>(round) < count ? static_cast<uint32_t>(round) : 0;
    return rounds.GetItemObject(index);
}

CBrickLayout* CPlayfield::GetCurrentRound() const
{
    return m_StandAloneRound != -1 ? FetchRound(m_StandAloneRound, true) : FetchRound(m_RoundIndex, false);
}

uint32_t CPlayfield::GetRoundCount() const
{
    const CRoundSet* set = GetCurrentRoundSet();
    return set != nullptr ? set->GetRoundCount() : 0;
}

bool CPlayfield::IsNonGameRound() const
{
    return m_StandAloneRound != -1 ||
           (m_pBackgroundDefinition != nullptr && !m_pBackgroundDefinition->m_ShowScoreboard);
}

bool CPlayfield::IsLayingBricks() const
{
    return m_pBrickLayer != nullptr && m_pBrickLayer->IsLaying();
}

bool CPlayfield::HandleKey(int32_t keyCode)
{
    if ((keyCode != kKeyEnter && keyCode != kKeySpace) || !IsLayingBricks())
        return false;
    m_pBrickLayer->FinishNow();
    GetKeyboardState().ClearAll(false);
    return true;
}

void CPlayfield::SetBackground(CBackgroundDefinition* definition)
{
    m_pBackgroundDefinition = definition;
    m_ClipRect = kScoreBoardClip;
    if (definition != nullptr)
    {
        CStandAloneFrameList& frames = GetFrameList();
        m_pForegroundImage = definition->m_ForegroundImage != 0
                                 ? frames.GetItemObject(static_cast<uint32_t>(definition->m_ForegroundImage))
                                 : nullptr;
        m_pMidgroundSequence =
            definition->m_MidgroundImage != 0
                ? GetSequenceList().GetItemObject(static_cast<uint32_t>(definition->m_MidgroundImage))
                : nullptr;
        m_pBackgroundImage = definition->m_BackgroundImage != 0
                                 ? frames.GetItemObject(static_cast<uint32_t>(definition->m_BackgroundImage))
                                 : nullptr;
        m_ScoreBoardShown = definition->m_ShowScoreboard;
        // A replayed demo keeps the music of the game that shows it.
        if (!CDemoRecorder::Get().IsPlaying())
            GetMusicMixer().SetSongs(definition->m_MusicTracks);
        if (!m_ScoreBoardShown)
            m_ClipRect = kWholeScreenClip;
    }
    else
    {
        m_pForegroundImage = nullptr;
        m_pMidgroundSequence = nullptr;
        m_pBackgroundImage = nullptr;
    }
    GetPlayfieldHooks().InvalidateScreen();
}

CPlayerShipAI* CPlayfield::GetShipAI() const
{
    CSprite* ship = GetShipSprite();
    return ship != nullptr ? dynamic_cast<CPlayerShipAI*>(ship->GetAI()) : nullptr;
}

void CPlayfield::CollectBricksByReference(const CScriptReferenceToTarget& reference, CDynamicArray<CBrickBase*>& out)
{
    if (reference.m_Name.IsEmpty())
        return;
    for (CSprite* sprite = m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        CBrickBase* brick = FirstBehaviourAs<CBrickBase>(sprite);
        if (brick != nullptr && reference.Matches(brick))
            out.Add(brick);
    }
}

CBrickBase* CPlayfield::FindBrickByReference(const CScriptReferenceToTarget& reference)
{
    if (reference.m_Name.IsEmpty())
        return nullptr;
    CBrickBase* found = nullptr;
    if (GetNamedObjectTable().Find(reference.m_Name, found))
        return found;
    for (CSprite* sprite = m_pBricks->GetHead(); sprite != nullptr && found == nullptr; sprite = sprite->GetNext())
    {
        CBrickBase* brick = FirstBehaviourAs<CBrickBase>(sprite);
        if (brick != nullptr && reference.Matches(brick))
            found = brick;
    }
    GetNamedObjectTable().Add(reference.m_Name, found);
    return found;
}

void CPlayfield::FindBricksByName(const CString& name, CDynamicArray<CBrickBase*>& out)
{
    if (name.IsEmpty())
        return;
    for (CSprite* sprite = m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        CBrickBase* brick = FirstBehaviourAs<CBrickBase>(sprite);
        if (brick != nullptr && brick->GetName().CompareNoCase(name) == 0)
            out.Add(brick);
    }
}

CPlayfield* GetPlayfield()
{
    return s_pPlayfield;
}

void FormatRoundNumber(CString& out, int32_t roundIndex)
{
    out.Format("%d", roundIndex + 1);
}
