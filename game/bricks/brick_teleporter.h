#pragma once

#include "engine/core/strings/ref_string.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"

class CGameSprite;

// A brick that moves balls instead of breaking. An Entrance sends a ball
// that touches it to a random Exit of its group (names alike but for ASCII
// case) and the ball flies on from there, same velocity, same offset from
// the teleporter's centre, so it leaves the Exit as it entered the
// Entrance. An Exit only shows its activated look when a ball arrives.
// Teleporters let every hitter pass, never break and are not needed to
// finish the round.
class CBrickTeleporter : public CBrickBase
{
    VP_DECLARE_CLASS(CBrickTeleporter)
public:
    CBrickTeleporter();
    ~CBrickTeleporter() override;

    void OnAcidHit(AcidHitQuery& query) override;
    const CString& GetTypeDisplayName() const override;
    bool LetsBallPassThrough(CHitterOfBricks* hitter) const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    void ApplyStyleSheet() override;
    void UpdateAppearance() override;
    int32_t OnHit(CHitterOfBricks* hitter, const Vector2& normal) override;
    bool BlocksBricks() const override;
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;

    // The sprite of a random Exit of this teleporter's group; none when
    // the group has no Exit.
    CGameSprite* PickExitInGroup() const;
    // The sprite of a random Exit of the playfield, of any group; none
    // when there is none. The main menu launches its balls from one.
    static CGameSprite* PickAnyExit();
    // Plays the activated sequence once from its start, then the primary
    // sequence again.
    void ShowActivated();

    bool IsActivated() const { return m_Activated; }

private:
    bool IsExit() const;
    const CString* GetGroupName() const;

    bool m_Activated;
};

class CBrickStyleSheetTeleporter : public CBrickStyleSheet
{
    VP_DECLARE_CLASS(CBrickStyleSheetTeleporter)
public:
    enum TeleporterType : int32_t
    {
        ENTRANCE = 0,
        EXIT = 1
    };

    CBrickStyleSheetTeleporter();
    ~CBrickStyleSheetTeleporter() override;

    CClassInfo* GetBrickClass() const override;
    int32_t GetPrimarySequence() const override { return m_PrimarySequence; }

    int32_t m_Type;
    CString m_TeleporterGroupName;
    int32_t m_PrimarySequence;
    int32_t m_ActivatedSequence;
    int32_t m_TeleportSound;
    // Kept for the files that name it; teleporting shows no particles.
    int32_t m_TeleportParticleGen;
};
