#pragma once

#include <cstdint>

#include "game/playfield/background_simulation_ai.h"
#include "game/playfield/smoke_generator_collection.h"

// An ambient sprite showing smoke. Smoke costs the most of the background
// life, so at most four of these take part at once in the whole program:
// the fifth stays inactive for its life even when one of the four goes.
// Main thread only.
class CSmokeGeneratorAI : public CBackgroundSimulationAI
{
    VP_DECLARE_CLASS(CSmokeGeneratorAI)
public:
    static constexpr uint32_t kMaxActive = 4;

    CSmokeGeneratorAI();
    // An active one gives its place back.
    ~CSmokeGeneratorAI() override;

    static uint32_t GetActiveCount();

    CSmokeGeneratorCollection m_SmokeGenerator;

protected:
    bool ClaimActivity() override;
    void StepSimulation(float seconds) override;
    void DrawSimulation(CFrameInterface* frame, bool guides) override;
};
