#include "game/playfield/power_up_safty_bumper.h"

#include "engine/object/properties/list_item_property.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/power_up_targets.h"

VP_IMPLEMENT_CLASS(CPowerUpSaftyBumper, CPowerUpBase, 0.0f)

namespace {

// Just below the field, centred; the hard move pushes it up into place.
constexpr Vector2 kBumperStart{318.0f, 605.0f};
constexpr Vector2 kBumperRise{0.0f, -10.0f};

} // namespace

void CPowerUpSaftyBumper::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Brick to Spawn", VP_MEMBER(m_BrickToSpawn),
                                                   &GetBrickStyleSheetLibrary(), EDITOR_EDITABLE, nullptr, nullptr,
                                                   false));
}

CPowerUpSaftyBumper::CPowerUpSaftyBumper()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPowerUpSaftyBumper::~CPowerUpSaftyBumper()
{
    DestroyProperties(SGetClassInfo());
}

void CPowerUpSaftyBumper::Activate(const PowerUpCollectContext& context)
{
    CPowerUpBase::Activate(context);
    if (IsRoundCleared())
        return;
    CGameSprite* sprite = MakeBrickSpriteFromStyle(GetBrickStyleSheetLibrary(), m_BrickToSpawn);
    if (sprite == nullptr)
        return;
    sprite->SetPosition(kBumperStart);
    GetPlayfield()->m_pBricks->Append(sprite);
    if (CBrickBase* brick = FirstBehaviourAs<CBrickBase>(sprite))
        brick->Move(kBumperRise, true, true);
}
