#pragma once

#include "game/bricks/brick_basic_destructible.h"

// A brick that, when destroyed, pushes the bricks round it away from its
// centre, hardest near the centre; the pushes then play out as every brick
// motion does. The round waits for it.
class CBrickConcussion : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickConcussion)
public:
    CBrickConcussion();
    ~CBrickConcussion() override;

    // A selected brick shows the wave spreading at its preview pace.
    void DrawEditorOverlay(EditorDrawContext& context) override;
    const CString& GetTypeDisplayName() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    // The effects, then the wave with this brick's force multiplier.
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;

    // Every live brick in the ellipse of the radii is pushed straight away
    // from this one, in pixels per frame: the centre force at the centre,
    // blending linearly to the edge force on the ellipse.
    void SendWave(float radiusX, float radiusY, float centreForce, float edgeForce);

    float m_ForceMultiplier;
};

class CBrickStyleSheetConcussion : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetConcussion)
public:
    CBrickStyleSheetConcussion();
    ~CBrickStyleSheetConcussion() override;

    CClassInfo* GetBrickClass() const override;
    // Old push-away bricks.
    bool ConvertFromBrickInfo(const CBrickInfo& info) override;

    float m_ConcussionXRadius;
    float m_ConcussionYRadius;
    float m_ForceAtWaveCenter;
    float m_ForceAtWaveEdge;
    // Seconds per pixel of the editor's preview; play sends the wave at once.
    float m_ConcussionDelay;
};
