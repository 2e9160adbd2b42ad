#include "game/bricks/brick_nudge.h"

#include "engine/app/sound/sound_list.h"
#include "engine/core/localization/localized_string.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/point_property.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_stepped_move.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/bricks/brick_type_table.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CBrickNudge, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetNudge, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextNudge("Nudge", "The kind of brick that hits push a set distance instead of breaking");

bool IsZero(const Vector2& vector)
{
    return vector.x == 0.0f && vector.y == 0.0f;
}

} // namespace

void CBrickNudge::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new FloatPointProperty("Debug/Nudge Movement Left Over", VP_MEMBER(m_NudgeMovementLeftOver),
                                                  EDITOR_EDITABLE, 0.0f, 0.0f, nullptr));
}

CBrickNudge::CBrickNudge()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickNudge::~CBrickNudge()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickNudge::Update(CSprite* sprite, int32_t argument)
{
    NudgeStep();
    CBrickBasicDestructible::Update(sprite, argument);
}

void CBrickNudge::NudgeStep()
{
    CGameSprite* sprite = GetSprite();
    if (IsZero(m_NudgeMovementLeftOver) || sprite == nullptr || IsDestroyed())
        return;
    const Vector2 before = sprite->m_Position;
    Move(LimitPerAxis(m_NudgeMovementLeftOver, kNudgeStep), true, true);
    // What the move kept: a brick pushed out of the play area stops there.
    const Vector2 moved = Vector2Subtract(sprite->m_Position, before);
    m_NudgeMovementLeftOver = RemainingAfterStep(m_NudgeMovementLeftOver, moved);
}

const CString& CBrickNudge::GetTypeDisplayName() const
{
    return s_TextNudge.GetText();
}

bool CBrickNudge::CanBeMovedByPlugIns() const
{
    return IsZero(m_NudgeMovementLeftOver);
}

bool CBrickNudge::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickNudge::GetStyleSheetClass() const
{
    return CBrickStyleSheetNudge::SGetClassInfo();
}

int32_t CBrickNudge::OnHit(CHitterOfBricks*, const Vector2&)
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetNudge>(*this);
    if (styleSheet == nullptr)
        return 1;
    PlaySpriteSound(styleSheet->m_NudgeSound);
    if (IsZero(m_NudgeMovementLeftOver))
        m_NudgeMovementLeftOver = {static_cast<float>(styleSheet->m_Movement.x),
                                   static_cast<float>(styleSheet->m_Movement.y)};
    return 1;
}

void CBrickStyleSheetNudge::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Nudge Sound", VP_MEMBER(m_NudgeSound), &GetSoundList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->GetLastProperty()->SetLegacyName("Damaged Sound");
    classInfo->AddProperty(new PointProperty("Movement", VP_MEMBER(m_Movement), EDITOR_EDITABLE, 0, 0, nullptr));
}

CBrickStyleSheetNudge::CBrickStyleSheetNudge()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetNudge::~CBrickStyleSheetNudge()
{
    DestroyProperties(SGetClassInfo());
}

bool CBrickStyleSheetNudge::ConvertFromBrickInfo(const CBrickInfo& info)
{
    // One old brick's width sideways, one row's height up or down.
    static const struct
    {
        int32_t brickType;
        CPoint movement;
    } nudges[] = {{BRICK_TYPE_NUDGE_UP, {0, -18}},
                  {BRICK_TYPE_NUDGE_DOWN, {0, 18}},
                  {BRICK_TYPE_NUDGE_LEFT, {-32, 0}},
                  {BRICK_TYPE_NUDGE_RIGHT, {32, 0}}};
    for (const auto& nudge : nudges)
    {
        if (nudge.brickType != info.m_BrickType)
            continue;
        CBrickStyleSheetBasicDestructible::ConvertFromBrickInfo(info);
        m_Movement = nudge.movement;
        m_NudgeSound = info.m_IndestructibleSound;
        return true;
    }
    return false;
}

CClassInfo* CBrickStyleSheetNudge::GetBrickClass() const
{
    return CBrickNudge::SGetClassInfo();
}
