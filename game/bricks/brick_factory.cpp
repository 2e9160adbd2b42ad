#include "game/bricks/brick_factory.h"

#include <algorithm>

#include "engine/app/sound/sound_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/class_registry.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/point_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/bricks/brick_first_part.h"
#include "game/bricks/brick_stepped_move.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_list.h"
#include "game/playfield/sprite_part.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CBrickFactory, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetFactory, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextFactory("Factory", "The kind of brick that makes a new brick at each hit");

// Where the factory's sprite waits while its made brick moves, so that
// the move shoves everything in the way but the factory itself.
const Vector2 kParkedPosition{-99.0f, -99.0f};
// A direction without this axis never clears on it.
constexpr float kNeverClears = 999999.875f;

void SetGenerateStyleOf(void* object, int32_t index)
{
    static_cast<CBrickFactory*>(static_cast<CObject*>(object))->SetGenerateStyle(index);
}

// How many steps along one axis of the direction clear the factory's
// bounds of the made brick's.
float ClearingScale(float direction, int32_t factoryLow, int32_t factoryHigh, int32_t madeLow, int32_t madeHigh)
{
    if (direction < 0.0f)
        return static_cast<float>(factoryLow - madeHigh) / direction;
    if (direction > 0.0f)
        return static_cast<float>(factoryHigh - madeLow) / direction;
    return kNeverClears;
}

CRect GridBounds(CBrickBase& brick)
{
    CRect bounds{0, 0, 0, 0};
    if (const Polygon2D* grid = brick.GetGridPolygon())
        grid->GetBoundsAt({0.0f, 0.0f}, bounds);
    return bounds;
}

} // namespace

void CBrickFactory::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Generate Brick Style", VP_MEMBER(m_GenerateStyle),
                                                   &GetBrickStyleSheetLibrary(), EDITOR_EDITABLE, nullptr,
                                                   SetGenerateStyleOf, false));
    auto* prototype = new ObjectPointerProperty("Generate Brick Details", VP_MEMBER(m_pPrototype),
                                                CBrickBase::SGetClassInfo(), EDITOR_EDITABLE, nullptr);
    prototype->SetLegacyName("Brick To Generate");
    classInfo->AddProperty(prototype);
    classInfo->AddProperty(new FloatPointProperty("Debug/Factory Movement Left Over", VP_MEMBER(m_MovementLeftOver),
                                                  EDITOR_EDITABLE, 0.0f, 0.0f, nullptr));
    classInfo->AddProperty(new UnsignedIntProperty("Number of bricks to generate", "bricks",
                                                   VP_MEMBER(m_NumberOfBricksToGenerate), EDITOR_EDITABLE, 20,
                                                   nullptr, 0, 0));
}

CBrickFactory::CBrickFactory()
    : m_GenerateStyle(0)
    , m_pPrototype(nullptr)
    , m_Generating(false)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickFactory::~CBrickFactory()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickFactory::AfterLoad(CTypedObjectReceiver* receiver)
{
    CBrickBasicDestructible::AfterLoad(receiver);
    if (m_GenerateStyle == 0 && m_pPrototype != nullptr)
        m_GenerateStyle = m_pPrototype->m_StyleSheet;
}

void CBrickFactory::SetGenerateStyle(int32_t index)
{
    m_GenerateStyle = index;
    const CBrickStyleSheet* styleSheet = GetBrickStyleSheetLibrary().GetItemObject(static_cast<uint32_t>(index));
    CClassInfo* brickClass = styleSheet != nullptr ? styleSheet->GetBrickClass() : nullptr;
    if (m_pPrototype == nullptr || m_pPrototype->GetClassInfo() != brickClass)
    {
        CObject* made = brickClass != nullptr ? GetClassRegistry().CreateByName(brickClass->GetClassName()) : nullptr;
        auto* replacement = made != nullptr && made->IsKindOf(CBrickBase::SGetClassInfo())
                                ? static_cast<CBrickBase*>(made)
                                : nullptr;
        if (made != nullptr && replacement == nullptr)
            delete made;
        if (replacement != nullptr)
        {
            replacement->SetDefaults();
            if (m_pPrototype != nullptr)
                replacement->CopyFrom(*m_pPrototype);
        }
        if (replacement != nullptr || m_pPrototype != nullptr)
        {
            delete m_pPrototype;
            m_pPrototype = replacement;
        }
    }
    if (m_pPrototype != nullptr)
        m_pPrototype->SetStyleSheetIfCompatible(index);
}

void CBrickFactory::Update(CSprite* sprite, int32_t argument)
{
    if (m_MovementLeftOver.x != 0.0f || m_MovementLeftOver.y != 0.0f)
        MoveMadeBrickOut();
    CBrickBasicDestructible::Update(sprite, argument);
}

void CBrickFactory::MoveMadeBrickOut()
{
    CBrickBase* made = m_LastMadeBrick.Get();
    CGameSprite* sprite = GetSprite();
    if (made == nullptr || sprite == nullptr)
    {
        m_MovementLeftOver = {0.0f, 0.0f};
        return;
    }
    const Vector2 step = LimitPerAxis(m_MovementLeftOver, kMoveOutStep);
    const Vector2 home = sprite->m_Position;
    sprite->SetPosition(kParkedPosition);
    made->Move(step, true, true);
    sprite->SetPosition(home);
    m_MovementLeftOver = RemainingAfterStep(m_MovementLeftOver, step);
    if (m_MovementLeftOver.x == 0.0f && m_MovementLeftOver.y == 0.0f)
        m_LastMadeBrick.Set(nullptr);
}

const CString& CBrickFactory::GetTypeDisplayName() const
{
    return s_TextFactory.GetText();
}

bool CBrickFactory::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickFactory::GetStyleSheetClass() const
{
    return CBrickStyleSheetFactory::SGetClassInfo();
}

void CBrickFactory::UpdateAppearance()
{
    if (!m_Generating)
    {
        CBrickBasicDestructible::UpdateAppearance();
        return;
    }
    CSpritePart* part = GetFirstPart(*this);
    if (part == nullptr || part->AdvanceOnce())
    {
        if (const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetFactory>(*this))
            ShowOnFirstPart(*this, styleSheet->m_PrimarySequence, PartStart::FromStart);
        m_Generating = false;
    }
}

int32_t CBrickFactory::OnHit(CHitterOfBricks*, const Vector2&)
{
    if (m_LastMadeBrick)
        return 0;
    if (m_NumberOfBricksToGenerate == 0)
        return 2;
    if (m_pPrototype != nullptr)
        GenerateBrick();
    return 1;
}

void CBrickFactory::GenerateBrick()
{
    CPlayfield* playfield = GetPlayfield();
    CGameSprite* sprite = GetSprite();
    if (m_pPrototype == nullptr || playfield == nullptr || sprite == nullptr)
        return;
    auto* made = static_cast<CBrickBase*>(m_pPrototype->CreateSameClass());
    made->CopyFrom(*m_pPrototype);
    auto* madeSprite = new CGameSprite;
    made->AttachToSprite(madeSprite);
    madeSprite->SetPosition(sprite->m_Position);
    madeSprite->SetActive(true);
    playfield->m_pBricks->Prepend(madeSprite);
    made->GetPlugIns().SetOwner(made);

    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetFactory>(*this);
    if (styleSheet != nullptr)
        PlaySpriteSound(styleSheet->m_GenerateSound);
    m_NumberOfBricksToGenerate--;
    m_LastMadeBrick.Set(made);
    m_MovementLeftOver = ComputeMoveOut(*made);
    // Without a direction the made brick never moves out, and the link
    // that makes hits bounce would be held for ever.
    if (m_MovementLeftOver.x == 0.0f && m_MovementLeftOver.y == 0.0f)
        m_LastMadeBrick.Set(nullptr);
    m_Generating = true;
    if (styleSheet != nullptr)
        ShowOnFirstPart(*this, styleSheet->m_GenerateSeq, PartStart::FromStart);
}

Vector2 CBrickFactory::ComputeMoveOut(const CBrickBase& made) const
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetFactory>(*this);
    if (styleSheet == nullptr)
        return {0.0f, 0.0f};
    const Vector2 direction = styleSheet->m_Direction;
    const CRect factory = GridBounds(const_cast<CBrickFactory&>(*this));
    const CRect brick = GridBounds(const_cast<CBrickBase&>(made));
    const float scale = std::min(ClearingScale(direction.x, factory.left, factory.right, brick.left, brick.right),
                                 ClearingScale(direction.y, factory.top, factory.bottom, brick.top, brick.bottom));
    return Vector2Scale(direction, scale);
}

void CBrickStyleSheetFactory::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Generate Sound", VP_MEMBER(m_GenerateSound), &GetSoundList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->GetLastProperty()->SetLegacyName("Damaged Sound");
    auto* direction = new FloatPointProperty("Direction", VP_MEMBER(m_Direction), EDITOR_EDITABLE, 0.0f, 0.0f, nullptr);
    direction->SetLegacyName("Movement");
    classInfo->AddProperty(direction);
    classInfo->AddProperty(new LibraryItemProperty("Generate Seq", VP_MEMBER(m_GenerateSeq), &GetSequenceList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
}

CBrickStyleSheetFactory::CBrickStyleSheetFactory()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetFactory::~CBrickStyleSheetFactory()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetFactory::GetBrickClass() const
{
    return CBrickFactory::SGetClassInfo();
}
