#pragma once

#include "game/playfield/background_simulation_ai.h"
#include "game/playfield/sea_weed.h"

// An ambient sprite showing a seaweed; the editor's preview adds the
// seaweed's angle guides.
class CSeaWeedAI : public CBackgroundSimulationAI
{
    VP_DECLARE_CLASS(CSeaWeedAI)
public:
    CSeaWeedAI();
    ~CSeaWeedAI() override;

    CSeaWeed m_SeaWeed;

protected:
    void StepSimulation(float seconds) override;
    void DrawSimulation(CFrameInterface* frame, bool guides) override;
};
