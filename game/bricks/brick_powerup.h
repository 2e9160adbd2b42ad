#pragma once

#include <cstdint>

#include "game/bricks/brick_basic_destructible.h"

// A brick that drops a falling power-up capsule, once: when it breaks, or
// 20 frames after an acid ball starts dissolving it, so the capsule falls
// while the player can still catch it rather than when the slow dissolve
// ends. A level may force the kind (one of a list, picked at random) or
// keep kinds and level breakers out of the round's random pick. The round
// waits for it.
class CBrickPowerup : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickPowerup)
public:
    static constexpr uint32_t kAcidReleaseFrames = 20;

    CBrickPowerup();
    ~CBrickPowerup() override;

    // Old levels named their one forced kind under "Which Power-up".
    void ReadCustomProperties(const char* name, const char* value, CObjectStream& stream) override;
    // Arms the release countdown; the acid still dissolves the brick.
    void OnAcidHit(AcidHitQuery& query) override;
    // An old floating brick's forced kind joins the forced list.
    void AddForcedPowerUpFrom(CObject* source) override;
    // The common marks, then the forced kinds' icons taking turns every
    // half second, and a black cross when kinds are kept out.
    void DrawEditorOverlay(EditorDrawContext& context) override;
    const CString& GetTypeDisplayName() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    // The animation, then the acid's countdown.
    void UpdateAppearance() override;
    // The breaking effects, then the release unless it came already.
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;

    // Drops the capsule: a forced kind, or the round's random pick under
    // this brick's restrictions.
    void Release();
    bool HasReleased() const { return m_Released; }
    uint32_t GetReleaseCountdown() const { return m_ReleaseCountdown; }

    // "PowerUp" indices.
    uint32_t m_ForcedCount;
    uint32_t m_ForcedCapacity;
    int32_t* m_pForced;
    bool m_DisallowLevelBreakers;
    uint32_t m_DisallowedCount;
    uint32_t m_DisallowedCapacity;
    int32_t* m_pDisallowed;

private:
    bool m_Released;
    uint32_t m_ReleaseCountdown;
};

class CBrickStyleSheetPowerup : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetPowerup)
public:
    CBrickStyleSheetPowerup();
    ~CBrickStyleSheetPowerup() override;

    CClassInfo* GetBrickClass() const override;
    // Old power-up bricks, which need nothing beyond the shared looks.
    bool ConvertFromBrickInfo(const CBrickInfo& info) override;
};
