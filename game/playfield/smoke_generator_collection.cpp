#include "game/playfield/smoke_generator_collection.h"

#include "engine/object/properties/array_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/point_property.h"
#include "game/playfield/smoke_generator.h"

VP_IMPLEMENT_CLASS(CSmokeGeneratorCollection, CObject, 1.0f)

void CSmokeGeneratorCollection::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new PointProperty("Position", VP_MEMBER(m_Position), EDITOR_EDITABLE, 0, 0, nullptr));
    classInfo->AddProperty(new ArrayProperty(
        "Smoke Generator", VP_MEMBER(m_SmokeGeneratorCount), VP_MEMBER(m_SmokeGeneratorCapacity),
        VP_MEMBER(m_pSmokeGenerators), "m_SmokeGenerators", true,
        new ObjectPointerProperty("Array Item", ArrayElementMember<CSmokeGenerator*>(),
                                  CSmokeGenerator::SGetClassInfo(), EDITOR_EDITABLE, nullptr),
        EDITOR_EDITABLE));
}

CSmokeGeneratorCollection::CSmokeGeneratorCollection()
    : m_pSmokeGenerators(nullptr)
    , m_SmokeGeneratorCount(0)
    , m_SmokeGeneratorCapacity(0)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CSmokeGeneratorCollection::~CSmokeGeneratorCollection()
{
    DestroyProperties(SGetClassInfo());
}

void CSmokeGeneratorCollection::Update(float seconds)
{
    for (uint32_t i = 0; i < m_SmokeGeneratorCount; i++)
    {
        if (m_pSmokeGenerators[i] != nullptr)
            m_pSmokeGenerators[i]->Update(seconds, m_Position);
    }
}

void CSmokeGeneratorCollection::Draw(CFrameInterface* frame)
{
    for (uint32_t i = 0; i < m_SmokeGeneratorCount; i++)
    {
        if (m_pSmokeGenerators[i] != nullptr)
            m_pSmokeGenerators[i]->Draw(frame);
    }
}
