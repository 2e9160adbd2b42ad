#pragma once

#include "game/playfield/background_simulation_ai.h"
#include "game/playfield/flocking_simulation.h"

// An ambient sprite showing a flock. Each copy makes its own random boids,
// since the flock's count and velocity setters run while it is copied.
class CFlockingSimulationAI : public CBackgroundSimulationAI
{
    VP_DECLARE_CLASS(CFlockingSimulationAI)
public:
    CFlockingSimulationAI();
    ~CFlockingSimulationAI() override;

    CFlockingSimulation m_FlockingSimulation;

protected:
    void StepSimulation(float seconds) override;
    void DrawSimulation(CFrameInterface* frame, bool guides) override;
};
