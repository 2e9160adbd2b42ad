#include "game/bricks/brick_normal.h"

#include "engine/core/localization/localized_string.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_type_table.h"

VP_IMPLEMENT_CLASS(CBrickNormal, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetNormal, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextNormal("Normal", "The kind of brick that one hit breaks and that must go to finish a round");

} // namespace

void CBrickNormal::RegisterProperties(CClassInfo*)
{
}

CBrickNormal::CBrickNormal()
{
    ConstructProperties(SGetClassInfo());
}

CBrickNormal::~CBrickNormal()
{
    DestroyProperties(SGetClassInfo());
}

const CString& CBrickNormal::GetTypeDisplayName() const
{
    return s_TextNormal.GetText();
}

bool CBrickNormal::MustBeDestroyedToFinish() const
{
    return true;
}

CClassInfo* CBrickNormal::GetStyleSheetClass() const
{
    return CBrickStyleSheetNormal::SGetClassInfo();
}

void CBrickStyleSheetNormal::RegisterProperties(CClassInfo*)
{
}

CBrickStyleSheetNormal::CBrickStyleSheetNormal()
{
    ConstructProperties(SGetClassInfo());
}

CBrickStyleSheetNormal::~CBrickStyleSheetNormal()
{
    DestroyProperties(SGetClassInfo());
}

bool CBrickStyleSheetNormal::ConvertFromBrickInfo(const CBrickInfo& info)
{
    if (info.m_BrickType != BRICK_TYPE_NORMAL)
        return false;
    CBrickStyleSheetBasicDestructible::ConvertFromBrickInfo(info);
    return true;
}

CClassInfo* CBrickStyleSheetNormal::GetBrickClass() const
{
    return CBrickNormal::SGetClassInfo();
}
