#include "game/playfield/animate_at_interval.h"

#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/point_property.h"
#include "game/playfield/ambient_placement.h"
#include "game/playfield/sprite.h"
#include "game/playfield/sprite_part.h"

VP_IMPLEMENT_CLASS(CAnimateAtInterval, CSpriteAIBackground, 1.0f)

void CAnimateAtInterval::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Sequence", VP_MEMBER(m_Sequence), &GetSequenceList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new PointProperty("Position", VP_MEMBER(m_Position), EDITOR_EDITABLE, 0, 0, nullptr));
    classInfo->AddProperty(new FloatProperty("Time Between Animations", "Second", VP_MEMBER(m_TimeBetweenAnimations),
                                             EDITOR_EDITABLE, 5.0f, nullptr, 0.0f, 100000000.0f, 0.5f));
    classInfo->AddProperty(new FloatProperty("Time Variation", "Second", VP_MEMBER(m_TimeVariation), EDITOR_EDITABLE,
                                             0.0f, nullptr, 0.0f, 9999999.0f, 0.5f));
    classInfo->AddProperty(new FloatProperty("Time Until Next Animation", VP_MEMBER(m_TimeUntilNextAnimation),
                                             EDITOR_HIDDEN, 0.0f, nullptr, 0.0f, 0.0f, 1.0f));
}

CAnimateAtInterval::CAnimateAtInterval()
    : m_pPart(nullptr)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CAnimateAtInterval::~CAnimateAtInterval()
{
    DestroyProperties(SGetClassInfo());
}

float CAnimateAtInterval::RandomVariation() const
{
    return CosmeticRandom().BetweenFloat(-m_TimeVariation, m_TimeVariation);
}

void CAnimateAtInterval::OnAttach(CSprite* sprite)
{
    sprite->SetPosition(Vector2{static_cast<float>(m_Position.x), static_cast<float>(m_Position.y)});
    m_pPart = AddAmbientPart(sprite, GetAmbientSequence(m_Sequence), false);
    if (m_pPart != nullptr)
        m_pPart->SetProgress(0.0);
    m_TimeUntilNextAnimation = RandomVariation();
}

void CAnimateAtInterval::Update(CSprite*, int32_t)
{
    if (m_TimeUntilNextAnimation >= 0.0f)
    {
        m_TimeUntilNextAnimation -= kSecondsPerStep;
        return;
    }
    if (m_pPart == nullptr || m_pPart->AdvanceOnce())
    {
        if (m_pPart != nullptr)
            m_pPart->SetProgress(0.0);
        m_TimeUntilNextAnimation = m_TimeBetweenAnimations + RandomVariation();
    }
}
