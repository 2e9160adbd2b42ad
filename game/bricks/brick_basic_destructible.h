#pragma once

#include <cstdint>

#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"

class CSpritePart;

// The look and sounds shared by the kinds that break like ordinary bricks:
// a looping sequence, an effect sequence, a sound and a particle burst
// when they break.
class CBrickStyleSheetBasicDestructible : public CBrickStyleSheet
{
    VP_DECLARE_CLASS(CBrickStyleSheetBasicDestructible)
public:
    CBrickStyleSheetBasicDestructible();
    ~CBrickStyleSheetBasicDestructible() override;

    int32_t GetPrimarySequence() const override { return m_PrimarySequence; }
    // The shared looks and the breaking effects; accepts no type by itself,
    // the kinds check the type first.
    bool ConvertFromBrickInfo(const CBrickInfo& info) override;

    // Indices of "Sequences", the sound list and "Particle Generators";
    // sequence and generator 0 stand for none.
    int32_t m_PrimarySequence;
    int32_t m_DestroyedSeq;
    int32_t m_DestroyedSound;
    int32_t m_BreakParticleGen;
};

// A brick that breaks like an ordinary brick: its sprite shows the style
// sheet's looping sequence, a Change Area brick may restyle it, the ship
// breaks it by touching it (unless the level says otherwise), and it plays
// the style sheet's destruction effects when it breaks.
class CBrickBasicDestructible : public CBrickBase
{
    VP_DECLARE_CLASS(CBrickBasicDestructible)
public:
    CBrickBasicDestructible();
    ~CBrickBasicDestructible() override;

    bool AcceptsStyleChange() const override;
    bool DestroyedByShip() const override;
    CClassInfo* GetStyleSheetClass() const override;
    // Adds the sprite part with the primary sequence at a random progress,
    // so that bricks of one style do not animate in step.
    void ApplyStyleSheet() override;
    // Loops that part.
    void UpdateAppearance() override;
    // Plays the effects, unless quiet, and answers 0.
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;

    // The style sheet as its basic destructible part; none when it is
    // missing or of another class.
    CBrickStyleSheetBasicDestructible* GetDestructibleStyle() const;

    bool m_ShouldBeDestroyedIfHitByPlayerShip;

private:
    // The part ApplyStyleSheet added; owned by the sprite.
    CSpritePart* m_pAppearance;
};
