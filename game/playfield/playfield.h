#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/geometry/rect.h"
#include "engine/core/strings/ref_string.h"
#include "game/playfield/particle_burst.h"
#include "game/playfield/sprite_list.h"

class CBackgroundDefinition;
class CDirtyRectFrame;
class CMessageStream;
class TextSubstitutionList;
class CBallAI;
class CBrickBase;
class CBrickLayer;
class CBrickLayout;
class CFrame;
class CGameSprite;
class CPlayerShipAI;
class CScriptReferenceToTarget;
class CSequence;
class CSprite;

// The round controller: everything that lives on the playfield during a
// game (nine sprite lists), the look of the current round, which round is
// played, the machine that lays each round, the balls in reserve and the
// countdowns of a round's life: laying, play, cleared, tally, game over.
// The game controller owns the one playfield for the whole run and steps it
// once per fixed update; everything else reaches it through GetPlayfield.
//
// A non-game round (a stand-alone round played behind the menus, or one
// whose background hides the score board) has no ship, no served ball, no
// lost-ball test and no completion: clearing it asks for the next menu
// pattern instead.
class CPlayfield
{
public:
    // The codes by which recorded calls name the lists.
    enum EListCode
    {
        LIST_BACKGROUND_SPRITES = 0,
        LIST_BACK_EFFECTS = 1,
        LIST_FRONT_EFFECTS = 2,
        LIST_FALLING_POWER_UPS = 3,
        LIST_SHOTS = 4,
        LIST_BRICKS = 5,
        LIST_LOOSE_BALLS = 6,
        LIST_SHIP = 7,
        LIST_BALLS_IN_PLAY = 8
    };

    static constexpr float kStepSeconds = 0.016666668f;
    // How long the text box shows the round's messages.
    static constexpr float kMessageSeconds = 4.0f;
    static constexpr uint32_t kLevelEndingSteps = 45;
    static constexpr uint32_t kFirstTallySteps = 120;
    static constexpr uint32_t kTallyStepGap = 19;
    static constexpr uint32_t kTallyEndSteps = 60;
    static constexpr float kResumeGuardSeconds = 2.5f;
    static constexpr uint32_t kPauseMilliseconds = 2100;

    // Registers itself as the one playfield.
    CPlayfield();
    ~CPlayfield();

    CPlayfield(const CPlayfield&) = delete;
    CPlayfield& operator=(const CPlayfield&) = delete;

    // The code of one of the nine lists; 0 for any other list.
    int32_t GetListCode(const CSpriteList* list) const;
    void ClearAllLists();

    // False, with nothing changed, when the round does not exist (a round
    // set without it, or an empty "Rounds" library).
    bool NewGame(int32_t round, int32_t difficulty, bool resuming, bool editorTestPlay, bool showMarkers,
                 bool standAlone);
    bool StartRound(int32_t round, bool standAlone);
    bool NextRound();
    // Called by the brick layer when the round is laid.
    void BeginPlay();
    // A new ball on the ship, taking a life or not.
    void ServeBall(bool takeLife);
    CBallAI* AddBall();
    void SetBackground(CBackgroundDefinition* definition);
    void SetRoundRef(int32_t value, bool standAlone);
    CBrickLayout* GetCurrentRound() const;
    uint32_t GetRoundCount() const;
    bool IsNonGameRound() const;
    bool IsLayingBricks() const;
    // Enter or Space while the round is laid finish the laying; true when
    // the key was used.
    bool HandleKey(int32_t keyCode);

    // The fixed step.
    void Update(float step);
    // Called instead of the step while a window covers the game.
    void SlowBallsAfterPause();
    void TallyRoundBonus();
    void AddSpeedSample(float pixelsPerSecond);

    void AddScore(int32_t points);
    uint32_t GetScore() const;
    uint32_t GetDifficulty() const;
    void AddLife();
    void CheckLostBall();
    // Mode 1 waits two seconds before the game-over screen.
    void EndGame(int32_t mode);
    // The finished game goes into the records and the statistics window
    // opens with where it ranks; a game of 0 points goes back to the menu.
    void ShowGameOverScore();
    // The completion picture of a round set finished for the first time.
    void CompleteGame();
    // What a completion shows: its tune (by name), the standard set's
    // picture and overlays, the overlays other sets write on "Splash", and
    // how long the picture stays unless a key or button is pressed.
    struct CompletionPicture
    {
        const char* sound;
        const char* standardPicture;
        const char* standardOverlays;
        const char* otherOverlays;
        float seconds;
    };
    // Plays the tune and shows the picture with the end screens' tags,
    // keeps the screen as a "Vantrell Win Screen" screenshot and waits;
    // without its picture only the tune plays.
    void ShowCompletionPicture(const CompletionPicture& completion);
    // Zeroes the score of a game in play and marks it cheated; the message
    // shows whenever asked.
    void MarkCheatUsed(bool showMessage);
    // The game as it stood when the current round started goes into the
    // round set's record; answers whether the records file was written.
    bool SuspendGame();
    // Starts the round set's suspended game again; false, with nothing
    // changed, when there is none or it names a round or difficulty the
    // game does not have.
    bool ResumeGame();
    // The end screens' tags and their values.
    void FillStatsTags(TextSubstitutionList& list) const;

    // Drawing (playfield_draw.cpp): the round's layers clipped to the
    // playfield, the static layers of a repaint, and the overlays above the
    // score board.
    void Draw(CDirtyRectFrame* frame);
    void DrawBackground(CDirtyRectFrame* frame);
    void DrawOverlays(CDirtyRectFrame* frame);
    // The mid-ground sequence's current frame, at the full detail level.
    void DrawMidLayer(CDirtyRectFrame* frame);
    // The drawing records (playfield_draw_records.cpp).
    void RecordDrawSpriteList(CMessageStream& stream, CSpriteList* list);
    void RecordClipRect(CMessageStream& stream, bool on);
    void RecordDrawMidLayer(CMessageStream& stream);
    // The recorder's stream while it records; none otherwise.
    static CMessageStream* GetRecordingStream();

    // Effects (playfield_effects.cpp). Generators are indices of the
    // "Particle Generators" list; particle types given replace the
    // generator's own (a brick style sheet's).
    //
    // An animation of the sequence that plays once and goes: in the front
    // effects unless a list is given, at the speed factor times the
    // sequence's own rate (0 shows its first frame for ever).
    CSprite* SpawnAnimatedEffectSprite(bool replaying, CSequence* sequence, const Vector2& position,
                                       CSpriteList* list, const Vector2* velocity, const Vector2* acceleration,
                                       float speedFactor);
    // An animation of the "Sequences" entry at the sprite, in front of all.
    void SpawnEffectAtSprite(CSprite* sprite, int32_t sequenceIndex);
    void SpawnSparks(const Vector2& position, int32_t shape, float sizeA, float sizeB, float angle,
                     int32_t generator, const CParticleTypeArray* types, CSpriteList* list);
    // A disc burst where something hit the sprite; with sound, all from the
    // one point the radius back against the angle.
    void SpawnHitSparks(CSprite* sprite, int32_t radius, bool withSound, float angle, int32_t generator);
    // A burst over a brick's box.
    void SpawnBreakParticles(CSprite* sprite, int32_t generator, const CParticleTypeArray* types);
    void SpawnSparksInList(const Vector2& position, float halfWidth, float halfHeight, float angle,
                           int32_t generator, CSpriteList* list);
    // A falling capsule of the power-up kind (0: one picked by the round's
    // chances, refusing level breakers under the flag and the excluded
    // kinds); null when the round gives none.
    CGameSprite* SpawnPowerUp(CSprite* source, int32_t kind, bool noLevelBreakers,
                              const CDynamicArray<int32_t>* excluded);
    // The records a recording keeps of effects (effect_records.cpp).
    void RecordEffectSprite(CSequence* sequence, const Vector2& position, CSpriteList* list, const Vector2* velocity,
                            const Vector2* acceleration, float speedFactor);
    void RecordSparks(const Vector2& position, int32_t shape, float sizeA, float sizeB, float angle,
                      int32_t generator, const CParticleTypeArray* types, CSpriteList* list);
    // The list of a code; null for a code of no list.
    CSpriteList* GetListByCode(int32_t code) const;

    void CollectBricksByReference(const CScriptReferenceToTarget& reference, CDynamicArray<CBrickBase*>& out);
    CBrickBase* FindBrickByReference(const CScriptReferenceToTarget& reference);
    void FindBricksByName(const CString& name, CDynamicArray<CBrickBase*>& out);

    CSprite* GetShipSprite() const { return m_pShip->GetHead(); }
    CPlayerShipAI* GetShipAI() const;
    CBrickLayer* GetBrickLayer() const { return m_pBrickLayer; }

    CSpriteList* m_pBallsInPlay;
    CSpriteList* m_pLooseBalls;
    CSpriteList* m_pShots;
    CSpriteList* m_pShip;
    CSpriteList* m_pFallingPowerUps;
    CSpriteList* m_pBricks;
    CSpriteList* m_pBackgroundSprites;
    CSpriteList* m_pBackEffects;
    CSpriteList* m_pFrontEffects;
    CFrame* m_pForegroundImage;
    CSequence* m_pMidgroundSequence;
    CFrame* m_pBackgroundImage;
    bool m_ScoreBoardShown;
    CBackgroundDefinition* m_pBackgroundDefinition;
    int32_t m_RoundIndex;
    int32_t m_StandAloneRound;
    CBrickLayer* m_pBrickLayer;
    uint32_t m_BallsInReserve;
    bool m_GameOver;
    float m_GameOverDelay;
    float m_RoundTime;
    uint32_t m_RingsThisRound;
    // Rings of the game that extra balls being redeemed will still take,
    // one at each step of their count-down: they buy no further ball.
    uint32_t m_RingsPromised;
    uint32_t m_LevelEndingCountdown;
    uint32_t m_TallyCountdown;
    bool m_BonusTitlePending;
    bool m_RoundCleared;
    bool m_FirstCompletion;
    float m_SpeedSamples;
    float m_SpeedSum;
    float m_LastSpeed;
    CRect m_ClipRect;
    float m_ResumeGuard;
    bool m_EditorTestPlay;
    bool m_ShowMarkers;
    bool m_RoundStarted;

    // The passes' callbacks: each hands the contact to the behaviour that
    // answers it and skips sprites of the wrong kind.
    static void OnBallTouchesBrick(CSprite* ball, CSprite* brick, int32_t passesThrough, CollisionContact& contact);
    static void OnBallTouchesShip(CSprite* ball, CSprite* ship, void* data);
    static void OnBrickTouchesShip(CSprite* brick, CSprite* ship, void* data);
    static void OnPowerUpTouchesShip(CSprite* capsule, CSprite* ship, void* data);
    static void OnPowerUpTouchesBall(CSprite* capsule, CSprite* ball, void* data);
    static void OnShotTouchesBrick(CSprite* shot, CSprite* brick, void* data);
    static void OnShotTouchesBall(CSprite* shot, CSprite* ball, void* data);

private:
    CBrickLayout* FetchRound(int32_t round, bool standAlone) const;
    void ResetRoundFields();
    void RunRoundComplete();
    void TestRoundCleared();
    void EnterGameOver();
    void ShowHintForEasierSetting();
    bool IsGameRoundWithScoreBoard() const;
    void DrawList(CDirtyRectFrame* frame, CSpriteList* list);
    void DrawGameOverPicture(CDirtyRectFrame* frame);
    void DrawResumeCountDown(CDirtyRectFrame* frame);

    // The general object "Brick Layer", looked up once.
    int32_t m_BrickLayerIndex;
};

// The one playfield; none before the game controller makes it.
CPlayfield* GetPlayfield();

// The round's number for the player: "%d" of index + 1.
void FormatRoundNumber(CString& out, int32_t roundIndex);

// The playfield-wide values: when the playfield last stepped (tick-counter
// milliseconds, 0 for never).
uint32_t GetLastPlayfieldUpdateTick();
