#include "game/bricks/brick_trapped_ball.h"

#include <cmath>

#include "engine/core/localization/localized_string.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/int_property.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_shape_defaults.h"
#include "game/bricks/brick_style_references.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/bricks/brick_type_table.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/loose_ball.h"

VP_IMPLEMENT_CLASS(CBrickTrappedBall, CBrickBase, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetTrappedBall, CBrickStyleSheet, 0.0f)

namespace {

CLocalizedString s_TextTrappedBall("Trapped Ball", "The kind of brick that frees a ball when the round starts");

const float RADIANS_PER_DEGREE = 0.017453292f;
const float STEPS_PER_SECOND = 60.0f;

} // namespace

void CBrickTrappedBall::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new FloatProperty("Starting Angle", "degrees", VP_MEMBER(m_StartingAngle), EDITOR_EDITABLE,
                                             45.0f, nullptr, 0.0f, 360.0f, 1.0f));
    classInfo->AddProperty(new IntProperty("Starting Speed", "pixels/sec", VP_MEMBER(m_StartingSpeed), EDITOR_EDITABLE,
                                           200, nullptr, 50, 520));
}

CBrickTrappedBall::CBrickTrappedBall()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickTrappedBall::~CBrickTrappedBall()
{
    DestroyProperties(SGetClassInfo());
}

const CString& CBrickTrappedBall::GetTypeDisplayName() const
{
    return s_TextTrappedBall.GetText();
}

// The marker is not destroyed but simply marked dead: a freed ball is no
// broken brick.
void CBrickTrappedBall::OnRoundStart()
{
    CGameSprite* sprite = GetSprite();
    if (sprite == nullptr || IsDestroyed())
        return;
    AddLooseSmallBall(sprite->m_Position, GetReleaseVelocity());
    sprite->Kill();
}

bool CBrickTrappedBall::LetsBallPassThrough(CHitterOfBricks*) const
{
    return true;
}

bool CBrickTrappedBall::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickTrappedBall::GetStyleSheetClass() const
{
    return CBrickStyleSheetTrappedBall::SGetClassInfo();
}

void CBrickTrappedBall::ApplyStyleSheet()
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetTrappedBall>(*this);
    if (styleSheet == nullptr || GetSprite() == nullptr)
        return;
    GetSprite()->AddPart(GetSequenceList().GetItemObject(static_cast<uint32_t>(styleSheet->m_EditorSequence)));
}

bool CBrickTrappedBall::BlocksBricks() const
{
    return false;
}

Vector2 CBrickTrappedBall::GetReleaseVelocity() const
{
    const float angle = m_StartingAngle * RADIANS_PER_DEGREE;
    const float speed = static_cast<float>(m_StartingSpeed) / STEPS_PER_SECOND;
    return {std::cos(angle) * speed, std::sin(angle) * speed};
}

void CBrickStyleSheetTrappedBall::RegisterProperties(CClassInfo* classInfo)
{
    SetRectangleShapeDefaults(classInfo, 11.0f, 11.0f, 12.0f, 12.0f);
    AddListReference(classInfo, "Editor Sequence", VP_MEMBER(m_EditorSequence), &GetSequenceList(),
                     "Shown where the ball waits for the round to start");
}

CBrickStyleSheetTrappedBall::CBrickStyleSheetTrappedBall()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetTrappedBall::~CBrickStyleSheetTrappedBall()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetTrappedBall::GetBrickClass() const
{
    return CBrickTrappedBall::SGetClassInfo();
}

bool CBrickStyleSheetTrappedBall::ConvertFromBrickInfo(const CBrickInfo& info)
{
    if (info.m_BrickType != BRICK_TYPE_TRAPPED_BALL)
        return false;
    m_EditorSequence = info.m_PrimarySequence;
    CBrickStyleSheet::ConvertFromBrickInfo(info);
    return true;
}
