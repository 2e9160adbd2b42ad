#include "game/playfield/plankton_ai.h"

#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "game/playfield/ambient_placement.h"
#include "game/playfield/sprite.h"
#include "game/playfield/sprite_part.h"

VP_IMPLEMENT_CLASS(CPlanktonAI, CSpriteAIBackground, 1.0f)

void CPlanktonAI::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Sequence", VP_MEMBER(m_Sequence), &GetSequenceList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new FloatProperty("Min Speed", "Pixels Per Second", VP_MEMBER(m_MinSpeed), EDITOR_EDITABLE,
                                             0.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Max Speed", "Pixels Per Second", VP_MEMBER(m_MaxSpeed), EDITOR_EDITABLE,
                                             5.0f, nullptr, 0.0f, 0.0f, 1.0f));
}

CPlanktonAI::CPlanktonAI()
    : m_pPart(nullptr)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPlanktonAI::~CPlanktonAI()
{
    DestroyProperties(SGetClassInfo());
}

void CPlanktonAI::OnAttach(CSprite* sprite)
{
    CRandom& random = GameRandom();
    const float minimum = m_MinSpeed * kSecondsPerStep;
    const float maximum = m_MaxSpeed * kSecondsPerStep;
    const float vertical = random.BetweenFloat(minimum, maximum);
    const float horizontal = random.BetweenFloat(minimum, maximum);
    sprite->m_Velocity = Vector2{horizontal, vertical};
    const CPoint place = RandomAmbientPoint(random);
    sprite->SetPosition(Vector2{static_cast<float>(place.x), static_cast<float>(place.y)});
    m_pPart = AddAmbientPart(sprite, GetAmbientSequence(m_Sequence), true);
}

void CPlanktonAI::Update(CSprite* sprite, int32_t)
{
    if (m_pPart != nullptr)
        m_pPart->AdvanceLooping();
    CRandom& random = GameRandom();
    Vector2 position = sprite->m_Position;
    if (position.x > static_cast<float>(kAmbientRight))
    {
        position.x = 0.0f;
        position.y = static_cast<float>(random.Between(0, kAmbientBottom));
    }
    if (position.y > static_cast<float>(kAmbientBottom))
    {
        position.y = 0.0f;
        position.x = static_cast<float>(random.Between(0, kAmbientRight));
    }
    sprite->SetPosition(position);
}
