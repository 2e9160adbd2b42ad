#include "game/playfield/sea_weed_ai.h"

#include "engine/object/properties/float_property.h"
#include "engine/object/properties/nested_object_property.h"

VP_IMPLEMENT_CLASS(CSeaWeedAI, CSpriteAIBackground, 1.0f)

void CSeaWeedAI::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new NestedObjectProperty("Sea Weed", VP_MEMBER(m_SeaWeed), EDITOR_EDITABLE));
    classInfo->AddProperty(MakeActiveProbabilityProperty(VP_MEMBER(m_IsActiveProbability)));
}

CSeaWeedAI::CSeaWeedAI()
{
    ConstructProperties(SGetClassInfo());
}

CSeaWeedAI::~CSeaWeedAI()
{
    DestroyProperties(SGetClassInfo());
}

void CSeaWeedAI::StepSimulation(float seconds)
{
    m_SeaWeed.Update(seconds);
}

void CSeaWeedAI::DrawSimulation(CFrameInterface* frame, bool guides)
{
    m_SeaWeed.Draw(frame, guides);
}
