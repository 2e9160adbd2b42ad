#include "game/bricks/brick_nearly_indestructible.h"

#include "engine/core/localization/localized_string.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_type_table.h"

VP_IMPLEMENT_CLASS(CBrickNearlyIndestructible, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetNearlyIndestructible, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextNearlyIndestructible("Indestructible",
                                            "The kind of brick that bounces 24 hits and breaks at the 25th");

} // namespace

void CBrickNearlyIndestructible::RegisterProperties(CClassInfo*)
{
}

CBrickNearlyIndestructible::CBrickNearlyIndestructible()
{
    ConstructProperties(SGetClassInfo());
}

CBrickNearlyIndestructible::~CBrickNearlyIndestructible()
{
    DestroyProperties(SGetClassInfo());
}

const CString& CBrickNearlyIndestructible::GetTypeDisplayName() const
{
    return s_TextNearlyIndestructible.GetText();
}

bool CBrickNearlyIndestructible::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickNearlyIndestructible::GetStyleSheetClass() const
{
    return CBrickStyleSheetNearlyIndestructible::SGetClassInfo();
}

void CBrickNearlyIndestructible::ApplyStyleSheet()
{
    m_CountedHits.Reset();
    CBrickBasicDestructible::ApplyStyleSheet();
}

int32_t CBrickNearlyIndestructible::OnHit(CHitterOfBricks*, const Vector2&)
{
    return m_CountedHits.TakeWithSoundOf<CBrickStyleSheetNearlyIndestructible>(*this);
}

void CBrickStyleSheetNearlyIndestructible::RegisterProperties(CClassInfo* classInfo)
{
    RegisterIndestructibleSound(classInfo, VP_MEMBER(m_IndestructibleSound));
}

CBrickStyleSheetNearlyIndestructible::CBrickStyleSheetNearlyIndestructible()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetNearlyIndestructible::~CBrickStyleSheetNearlyIndestructible()
{
    DestroyProperties(SGetClassInfo());
}

bool CBrickStyleSheetNearlyIndestructible::ConvertFromBrickInfo(const CBrickInfo& info)
{
    if (info.m_BrickType != BRICK_TYPE_INDESTRUCTIBLE)
        return false;
    CBrickStyleSheetBasicDestructible::ConvertFromBrickInfo(info);
    m_IndestructibleSound = info.m_IndestructibleSound;
    return true;
}

CClassInfo* CBrickStyleSheetNearlyIndestructible::GetBrickClass() const
{
    return CBrickNearlyIndestructible::SGetClassInfo();
}
