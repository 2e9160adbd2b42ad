#include "game/playfield/flocking_simulation_ai.h"

#include "engine/object/properties/float_property.h"
#include "engine/object/properties/nested_object_property.h"

VP_IMPLEMENT_CLASS(CFlockingSimulationAI, CSpriteAIBackground, 1.0f)

void CFlockingSimulationAI::RegisterProperties(CClassInfo* classInfo)
{
    // The name is spelt so in every stored background.
    classInfo->AddProperty(new NestedObjectProperty("Flacking Simulation Generator", VP_MEMBER(m_FlockingSimulation),
                                                    EDITOR_EDITABLE));
    classInfo->AddProperty(MakeActiveProbabilityProperty(VP_MEMBER(m_IsActiveProbability)));
}

CFlockingSimulationAI::CFlockingSimulationAI()
{
    ConstructProperties(SGetClassInfo());
}

CFlockingSimulationAI::~CFlockingSimulationAI()
{
    DestroyProperties(SGetClassInfo());
}

void CFlockingSimulationAI::StepSimulation(float seconds)
{
    m_FlockingSimulation.Update(seconds);
}

void CFlockingSimulationAI::DrawSimulation(CFrameInterface* frame, bool)
{
    m_FlockingSimulation.Draw(frame);
}
