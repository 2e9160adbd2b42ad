#pragma once

#include "game/playfield/sprite_ai_background.h"

class FloatProperty;

// The behaviour of an ambient sprite that shows a simulation of its own (a
// flock, seaweed, smoke) instead of the sprite's images. Whether it takes
// part is rolled once, when it joins its sprite: an inactive one neither
// steps nor draws for the rest of its life, so a background can thin out
// its life at random. The simulation advances 1/90 s a game step, two
// thirds of real time, which gives these slow things their calm. The level
// editor's preview steps and draws it whether active or not.
//
// Each kind registers its nested simulation first and then the activity
// probability (AddActiveProbabilityProperty), the order of their files.
class CBackgroundSimulationAI : public CSpriteAIBackground
{
public:
    static constexpr float kSimulationStep = 0.011111111f;

    CBackgroundSimulationAI();

    void OnAttach(CSprite* sprite) override;
    void Update(CSprite* sprite, int32_t argument) override;
    void AfterDraw(CSprite* sprite, CFrameInterface* frame) override;
    void AfterDrawOverlay(CSprite* sprite, CFrameInterface* frame) override;

    bool IsActive() const { return m_Active; }

    float m_IsActiveProbability;

protected:
    // "Is Active Probability" over the member of the kind's class.
    static FloatProperty* MakeActiveProbabilityProperty(CPropertyMember<float> member);

    // The roll came out in favour; a kind may still refuse.
    virtual bool ClaimActivity();
    virtual void StepSimulation(float seconds) = 0;
    // Guides are the editor's drawing aids.
    virtual void DrawSimulation(CFrameInterface* frame, bool guides) = 0;

    bool m_Active;
};
