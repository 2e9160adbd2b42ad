#include "game/playfield/smoke_generator_ai.h"

#include "engine/object/properties/float_property.h"
#include "engine/object/properties/nested_object_property.h"

namespace {

uint32_t s_ActiveSmoke = 0;

} // namespace

VP_IMPLEMENT_CLASS(CSmokeGeneratorAI, CSpriteAIBackground, 1.0f)

void CSmokeGeneratorAI::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(
        new NestedObjectProperty("Smoke Generator", VP_MEMBER(m_SmokeGenerator), EDITOR_EDITABLE));
    classInfo->AddProperty(MakeActiveProbabilityProperty(VP_MEMBER(m_IsActiveProbability)));
}

CSmokeGeneratorAI::CSmokeGeneratorAI()
{
    ConstructProperties(SGetClassInfo());
}

CSmokeGeneratorAI::~CSmokeGeneratorAI()
{
    if (m_Active)
        s_ActiveSmoke--;
    DestroyProperties(SGetClassInfo());
}

uint32_t CSmokeGeneratorAI::GetActiveCount()
{
    return s_ActiveSmoke;
}

bool CSmokeGeneratorAI::ClaimActivity()
{
    if (s_ActiveSmoke >= kMaxActive)
        return false;
    s_ActiveSmoke++;
    return true;
}

void CSmokeGeneratorAI::StepSimulation(float seconds)
{
    m_SmokeGenerator.Update(seconds);
}

void CSmokeGeneratorAI::DrawSimulation(CFrameInterface* frame, bool)
{
    m_SmokeGenerator.Draw(frame);
}
