#include "game/bricks/brick_nearly_indestructible.h"

#include "engine/core/localization/localized_string.h"

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
    const CBrickStyleSheet* styleSheet = GetStyleSheet();
    const int32_t sound =
        styleSheet != nullptr && styleSheet->IsKindOf(CBrickStyleSheetNearlyIndestructible::SGetClassInfo())
            ? static_cast<const CBrickStyleSheetNearlyIndestructible*>(styleSheet)->m_IndestructibleSound
            : 0;
    return m_CountedHits.Take(*this, sound);
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

CClassInfo* CBrickStyleSheetNearlyIndestructible::GetBrickClass() const
{
    return CBrickNearlyIndestructible::SGetClassInfo();
}
