#include "game/playfield/background_simulation_ai.h"

#include "engine/core/maths/random_r250.h"
#include "engine/object/properties/float_property.h"
#include "game/playfield/sprite.h"

CBackgroundSimulationAI::CBackgroundSimulationAI()
    : m_IsActiveProbability(1.0f)
    , m_Active(false)
{
}

FloatProperty* CBackgroundSimulationAI::MakeActiveProbabilityProperty(CPropertyMember<float> member)
{
    return new FloatProperty("Is Active Probability", member, EDITOR_EDITABLE, 1.0f, nullptr, 0.0f, 1.0f, 0.01f);
}

void CBackgroundSimulationAI::OnAttach(CSprite* sprite)
{
    sprite->m_Damping = 1.0f;
    const float roll = CosmeticRandom().BetweenFloat(0.0f, 1.0f);
    m_Active = roll < m_IsActiveProbability && ClaimActivity();
}

bool CBackgroundSimulationAI::ClaimActivity()
{
    return true;
}

void CBackgroundSimulationAI::Update(CSprite*, int32_t)
{
    if (m_Active)
        StepSimulation(kSimulationStep);
}

void CBackgroundSimulationAI::AfterDraw(CSprite*, CFrameInterface* frame)
{
    if (m_Active)
        DrawSimulation(frame, false);
}

void CBackgroundSimulationAI::AfterDrawOverlay(CSprite*, CFrameInterface* frame)
{
    StepSimulation(kSimulationStep);
    DrawSimulation(frame, true);
}
