#include "game/bricks/brick_optional.h"

#include "engine/core/localization/localized_string.h"

VP_IMPLEMENT_CLASS(CBrickOptional, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetOptional, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextOptional("Optional", "The kind of brick that a round can be finished without");

} // namespace

void CBrickOptional::RegisterProperties(CClassInfo*)
{
}

CBrickOptional::CBrickOptional()
{
    ConstructProperties(SGetClassInfo());
}

CBrickOptional::~CBrickOptional()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickOptional::OnAcidHit(AcidHitQuery& query)
{
    query.refuse = true;
}

const CString& CBrickOptional::GetTypeDisplayName() const
{
    return s_TextOptional.GetText();
}

bool CBrickOptional::MustBeDestroyedToFinish() const
{
    return false;
}

bool CBrickOptional::DestroyedByShip() const
{
    return false;
}

CClassInfo* CBrickOptional::GetStyleSheetClass() const
{
    return CBrickStyleSheetOptional::SGetClassInfo();
}

void CBrickStyleSheetOptional::RegisterProperties(CClassInfo*)
{
}

CBrickStyleSheetOptional::CBrickStyleSheetOptional()
{
    ConstructProperties(SGetClassInfo());
}

CBrickStyleSheetOptional::~CBrickStyleSheetOptional()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetOptional::GetBrickClass() const
{
    return CBrickOptional::SGetClassInfo();
}
