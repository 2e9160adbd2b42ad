#pragma once

#include <cstdint>

#include "engine/core/lists/named_value_list.h"
#include "engine/object/libraries/resource_library.h"
#include "engine/object/properties/string_pair.h"
#include "game/playfield/sprite_ai.h"

class CBallAI;
class CFrameInterface;
class CGameSprite;

// Who collected a power-up; quiet runs the effect without any text, score,
// sound or floating name.
struct PowerUpCollectContext
{
    CSprite* pCollector;
    bool quiet;
};

// What a power-up does to the player, for the level's chances.
enum EPowerUpKarma
{
    POWER_UP_KARMA_NEUTRAL = 0,
    POWER_UP_KARMA_GOOD = 1,
    POWER_UP_KARMA_BAD = 2
};

// One power-up kind. As a "PowerUp" library item it is data: name, look,
// sound, score, karma and how often it drops. As a behaviour it is the
// falling capsule: the playfield launches a copy of the item on a fresh
// sprite, so whatever a capsule changes in itself never reaches the
// library. Each kind overrides Activate with its effect; the base only
// gives the feedback.
class CPowerUpBase : public CSpriteAI
{
    VP_DECLARE_CLASS(CPowerUpBase)
public:
    // Sound modes of GiveFeedback.
    static constexpr int32_t kActivationSound = 0;
    static constexpr int32_t kScoreSound = 1;

    CPowerUpBase();
    ~CPowerUpBase() override;

    // The capsule's step: animates and falls out below the field.
    void Update(CSprite* sprite, int32_t argument) override;

    // Joins a fresh capsule sprite, which owns it from then on, and starts
    // its fall.
    virtual void Launch(CGameSprite* sprite);
    virtual void CollectByShip(CSprite* shipSprite);
    // The ball behaviour, or none when the ball's sprite has no ball
    // behaviour first.
    virtual void HitByBall(CBallAI* ball);
    // The kind's effect; the base gives the feedback only. Library items
    // are activated directly too (automatic power-ups, menu buttons).
    virtual void Activate(const PowerUpCollectContext& context);
    // The kind's picture at the current wall-clock frame of its sequence.
    virtual void DrawIcon(int32_t x, int32_t y, CFrameInterface* frame);
    virtual int32_t GetKarmaType() const;

    // Text box lines, score, sound (by mode: activation sound, "Score.wav",
    // or none) and the floating name.
    void GiveFeedback(const PowerUpCollectContext& context, int32_t soundMode);

    CGameSprite* GetSprite() const { return m_pSprite; }

    CStringPair m_Name;
    CStringPair m_Description;
    // A kind that can destroy bricks that are otherwise indestructible.
    bool m_IsALevelBreaker;
    CString m_ForceFeedbackEffectName;
    int32_t m_PrimarySequence;
    int32_t m_ActivationSound;
    int32_t m_CollectionScore;
    // A row of GetPowerUpKarmaTable.
    int32_t m_KarmaType;
    // Pixels per second.
    float m_DropSpeed;
    // Adds the "Power Up" line and the floating name.
    bool m_CallAPowerUpInHUD;
    // A "Tutorial" entry; 0 shows nothing.
    int32_t m_Tutorial;
    // The kind's chance among the kinds of its karma.
    uint32_t m_OccurrenceFrequencyWeighting;
    // The "PowerUp" entry a capsule's copy was made from; -1 for none.
    int32_t m_LibraryIndex = -1;

protected:
    // None in library items.
    CGameSprite* m_pSprite = nullptr;
};

// "Neutral Effect", "Good Effect", "Bad Effect".
CNamedValueList& GetPowerUpKarmaTable();

// "PowerUp": every power-up kind; entry 0 ("!None", alias "No Power-Up")
// is no power-up.
CResourceLibrary<CPowerUpBase>& GetPowerUpLibrary();
