#pragma once

#include "game/bricks/brick_basic_destructible.h"

// A brick that, when destroyed, arms the countdown of every brick round it,
// so a cluster of them goes off one after another; a brick driven into it
// hard sets it off. The acid cannot dissolve it; the round waits for it.
class CBrickExploder : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickExploder)
public:
    // What an Exploder without its style sheet uses, and the shortest
    // delay: never 0, so an explosion never destroys its neighbours in the
    // frame it happens.
    static constexpr float kDefaultRadiusX = 60.0f;
    static constexpr float kDefaultRadiusY = 36.0f;
    static constexpr float kShortestDelay = 0.01f;

    CBrickExploder();
    ~CBrickExploder() override;

    void OnAcidHit(AcidHitQuery& query) override;
    // A selected brick shows the explosion spreading at its own pace.
    void DrawEditorOverlay(EditorDrawContext& context) override;
    const CString& GetTypeDisplayName() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    void OnPushedByBrick(CBrickBase* pusher, const Vector2& motion, bool hard) override;
    // The effects, then the explosion; answers 1, so an explosion that
    // destroyed it adds no area damage of its own.
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;

private:
    // The style sheet's delay raised to the shortest.
    float GetExplosionDelay() const;
};

class CBrickStyleSheetExploder : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetExploder)
public:
    CBrickStyleSheetExploder();
    ~CBrickStyleSheetExploder() override;

    CClassInfo* GetBrickClass() const override;
    // Old exploding bricks.
    bool ConvertFromBrickInfo(const CBrickInfo& info) override;

    float m_ExplosionXRadius;
    float m_ExplosionYRadius;
    float m_ExplosionDelay;
};
