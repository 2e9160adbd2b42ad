#pragma once

#include <cstdint>

#include "game/bricks/brick_basic_destructible.h"

class CSequence;

// A brick that, when destroyed, turns the bricks round it into another
// style, the nearer ones sooner. While it stands it wears the look of the
// style it hands out, under an overlay of its own, takes that style's
// shapes and keeps emitting idle particles. The acid cannot dissolve it;
// the round waits for it.
class CBrickChangeArea : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickChangeArea)
public:
    CBrickChangeArea();
    ~CBrickChangeArea() override;

    // Animates the overlay and emits the idle particles, then the brick's
    // own update.
    void Update(CSprite* sprite, int32_t argument) override;
    Polygon2D* GetCollisionPolygon(CSprite* sprite) override;
    void OnAcidHit(AcidHitQuery& query) override;
    // A selected brick shows its reach growing, and the style it hands out
    // fading in over it.
    void DrawEditorOverlay(EditorDrawContext& context) override;
    const CString& GetTypeDisplayName() const override;
    Polygon2D* GetGridPolygon() override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    // In play, the target style's look in place of its own, and the overlay.
    void ApplyStyleSheet() override;
    // Always with its effects, then the change of the area; area damage
    // follows as for any brick.
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;

    // Every brick in the ellipse that takes a new style is given a
    // change-self plug-in whose delay grows with its distance, from none
    // at the centre to the style sheet's "Delay" on the ellipse.
    void ChangeBricksInArea();

    // An index of the "BrickStyleSheet" library; 0 hands out no style.
    int32_t m_ChangeToBrickStyle;

private:
    // The style the brick hands out; none for index 0.
    CBrickStyleSheet* GetTargetStyle() const;
};

class CBrickStyleSheetChangeArea : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetChangeArea)
public:
    CBrickStyleSheetChangeArea();
    ~CBrickStyleSheetChangeArea() override;

    CClassInfo* GetBrickClass() const override;
    // Old exploding bricks.
    bool ConvertFromBrickInfo(const CBrickInfo& info) override;

    float m_Delay;
    float m_ChangeXRadius;
    float m_ChangeYRadius;
    // Indices of "Particle Generators" and "Sequences"; overlay 0 is none.
    int32_t m_IdleParticleGenerator;
    int32_t m_OverlaySequence;
};
