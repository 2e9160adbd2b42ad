#include "game/playfield/fish_ai.h"

#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "game/playfield/ambient_placement.h"
#include "game/playfield/sprite.h"
#include "game/playfield/sprite_part.h"

namespace {

// A fish beyond these has left the screen.
constexpr float kLeftLimit = -100.0f;
constexpr float kRightLimit = 726.0f;
// How far outside the edge a fish comes back in.
constexpr float kEntryNear = -30.0f;
constexpr float kEntryFar = -160.0f;
constexpr float kTopMargin = 40.0f;
constexpr float kScreenHeight = 600.0f;

} // namespace

VP_IMPLEMENT_CLASS(CFishAI, CSpriteAIBackground, 1.0f)

void CFishAI::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Left Sequence", VP_MEMBER(m_LeftSequence), &GetSequenceList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Right Sequence", VP_MEMBER(m_RightSequence), &GetSequenceList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new FloatProperty("Minimum Speed", "Pixels Per Second", VP_MEMBER(m_MinimumSpeed),
                                             EDITOR_EDITABLE, 30.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Maximum Speed", "Pixels Per Second", VP_MEMBER(m_MaximumSpeed),
                                             EDITOR_EDITABLE, 50.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Min Distance From Bottom", "Pixels",
                                             VP_MEMBER(m_MinDistanceFromBottom), EDITOR_EDITABLE, 100.0f, nullptr,
                                             0.0f, 0.0f, 1.0f));
}

CFishAI::CFishAI()
    : m_pLeftImages(nullptr)
    , m_pRightImages(nullptr)
    , m_pPart(nullptr)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CFishAI::~CFishAI()
{
    DestroyProperties(SGetClassInfo());
}

void CFishAI::OnAttach(CSprite* sprite)
{
    m_pLeftImages = GetAmbientSequence(m_LeftSequence);
    m_pRightImages = GetAmbientSequence(m_RightSequence);
    m_pPart = AddAmbientPart(sprite, m_pRightImages, true);
    Respawn(sprite, true);
}

void CFishAI::Respawn(CSprite* sprite, bool firstPlacement)
{
    CRandom& random = CosmeticRandom();
    const float outside = random.BetweenFloat(kEntryFar, kEntryNear);
    const float y = random.BetweenFloat(kTopMargin, kScreenHeight - m_MinDistanceFromBottom);
    const bool fromLeft = random.Below(10) < 5;
    const float direction = fromLeft ? 1.0f : -1.0f;
    if (m_pPart != nullptr)
        m_pPart->SetSequence(fromLeft ? m_pRightImages : m_pLeftImages);
    float x = fromLeft ? outside : static_cast<float>(kAmbientRight) - outside;
    // The first time fish start anywhere across the screen.
    if (firstPlacement)
        x = random.BetweenFloat(kLeftLimit, kRightLimit);
    const float speed = random.BetweenFloat(m_MinimumSpeed, m_MaximumSpeed);
    sprite->m_Velocity = Vector2{direction * speed * kSecondsPerStep, 0.0f};
    sprite->SetPosition(Vector2{x, y});
}

void CFishAI::Update(CSprite* sprite, int32_t)
{
    if (m_pPart != nullptr)
        m_pPart->AdvanceLooping();
    if (sprite->m_Position.x > kRightLimit || sprite->m_Position.x < kLeftLimit)
        Respawn(sprite, false);
}
