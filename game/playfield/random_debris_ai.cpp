#include "game/playfield/random_debris_ai.h"

#include "engine/core/geometry/polygon2d.h"
#include "engine/core/geometry/rect.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/nested_object_property.h"
#include "engine/object/properties/unit_converter.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/ambient_placement.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite.h"
#include "game/playfield/sprite_part.h"

namespace {

// Debris beyond these has left; it re-enters at the opposite one.
constexpr float kLeftLimit = -100.0f;
constexpr float kRightLimit = 726.0f;
constexpr float kTopLimit = -100.0f;
constexpr float kBottomLimit = 580.0f;

// The sprite of the brick list whose behaviour is the brick.
CSprite* FindBrickSprite(const CPlayfield& playfield, const CBrickBase* brick)
{
    for (CSprite* sprite = playfield.m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        if (sprite->GetAI() == brick)
            return sprite;
    }
    return nullptr;
}

} // namespace

VP_IMPLEMENT_CLASS(CRandomDebrisAI, CSpriteAIBackground, 1.0f)

void CRandomDebrisAI::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Sequence", VP_MEMBER(m_Sequence), &GetSequenceList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(
        new NestedObjectProperty("Path To Confine To", VP_MEMBER(m_PathToConfineTo), EDITOR_EDITABLE));
    classInfo->AddProperty(new FloatProperty("Min Speed", "Pixels Per Second", VP_MEMBER(m_MinSpeed), EDITOR_EDITABLE,
                                             0.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Max Speed", "Pixels Per Second", VP_MEMBER(m_MaxSpeed), EDITOR_EDITABLE,
                                             5.0f, nullptr, 0.0f, 0.0f, 1.0f));
    auto* minimum =
        new FloatProperty("Min Angle", "Deg", VP_MEMBER(m_MinAngle), EDITOR_EDITABLE, 0.0f, nullptr, 0.0f, 0.0f, 1.0f);
    minimum->SetConverter(&g_DegreesConverter);
    classInfo->AddProperty(minimum);
    auto* maximum = new FloatProperty("Max Angle", "Deg", VP_MEMBER(m_MaxAngle), EDITOR_EDITABLE, kTwoPi, nullptr,
                                      0.0f, 0.0f, 1.0f);
    maximum->SetConverter(&g_DegreesConverter);
    classInfo->AddProperty(maximum);
}

CRandomDebrisAI::CRandomDebrisAI()
    : m_pPart(nullptr)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CRandomDebrisAI::~CRandomDebrisAI()
{
    DestroyProperties(SGetClassInfo());
}

void CRandomDebrisAI::ChooseVelocity(CSprite* sprite) const
{
    CRandom& random = GameRandom();
    const float speed = random.BetweenFloat(m_MinSpeed * kSecondsPerStep, m_MaxSpeed * kSecondsPerStep);
    const float angle = random.BetweenFloat(m_MinAngle, m_MaxAngle);
    float sine = 0.0f;
    float cosine = 0.0f;
    FastSinCos(angle, sine, cosine);
    sprite->m_Velocity = Vector2{speed * cosine, speed * sine};
}

CPoint CRandomDebrisAI::PlaceInsidePolygon(const Polygon2D& polygon, const Vector2& centre, CRandom& random)
{
    CRect bounds;
    polygon.GetBoundsAt(centre, bounds);
    for (uint32_t attempt = 0; attempt < kPlacementTries; attempt++)
    {
        const int32_t y = random.Between(bounds.top, bounds.bottom);
        const int32_t x = random.Between(bounds.left, bounds.right);
        if (polygon.ContainsPoint(static_cast<float>(x) - centre.x, static_cast<float>(y) - centre.y))
            return CPoint{x, y};
    }
    const int32_t y = random.Between(bounds.top, bounds.bottom);
    const int32_t x = random.Between(bounds.left, bounds.right);
    return CPoint{x, y};
}

// The brick is looked for among the playfield's bricks; the debris is
// placed around the brick's start centre, where the level put it, whatever
// its sprite has moved to since.
CPoint CRandomDebrisAI::ChooseStartingPlace() const
{
    CPlayfield* playfield = GetPlayfield();
    CBrickBase* brick = playfield != nullptr ? playfield->FindBrickByReference(m_PathToConfineTo) : nullptr;
    CSprite* brickSprite = brick != nullptr ? FindBrickSprite(*playfield, brick) : nullptr;
    const Polygon2D* polygon = brickSprite != nullptr ? brick->GetCollisionPolygon(brickSprite) : nullptr;
    if (polygon == nullptr)
        return RandomAmbientPoint(GameRandom());
    return PlaceInsidePolygon(*polygon, brick->GetStartCenter(), GameRandom());
}

void CRandomDebrisAI::OnAttach(CSprite* sprite)
{
    sprite->m_Damping = 1.0f;
    ChooseVelocity(sprite);
    const CPoint place = ChooseStartingPlace();
    sprite->SetPosition(Vector2{static_cast<float>(place.x), static_cast<float>(place.y)});
    m_pPart = AddAmbientPart(sprite, GetAmbientSequence(m_Sequence), true);
}

void CRandomDebrisAI::Update(CSprite* sprite, int32_t)
{
    if (m_pPart != nullptr)
        m_pPart->AdvanceLooping();
    CRandom& random = GameRandom();
    const auto reenter = [&](float x, float y) {
        sprite->SetPosition(Vector2{x, y});
        ChooseVelocity(sprite);
    };
    // In this order; a re-entry puts the debris inside the later limits.
    if (sprite->m_Position.x > kRightLimit)
        reenter(kLeftLimit, static_cast<float>(random.Between(0, kAmbientBottom)));
    if (sprite->m_Position.x < kLeftLimit)
        reenter(kRightLimit, static_cast<float>(random.Between(0, kAmbientBottom)));
    if (sprite->m_Position.y > kBottomLimit)
        reenter(static_cast<float>(random.Between(0, kAmbientRight)), kTopLimit);
    if (sprite->m_Position.y < kTopLimit)
        reenter(static_cast<float>(random.Between(0, kAmbientRight)), kBottomLimit);
}
