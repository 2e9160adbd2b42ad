#include "game/bricks/brick_shredder.h"

#include "engine/core/localization/localized_string.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_type_table.h"

VP_IMPLEMENT_CLASS(CBrickShredder, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetShredder, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString
    s_TextShredder("Shredder",
                   "The kind of brick that takes hits like an indestructible one and destroys bricks driven into it");

} // namespace

void CBrickShredder::RegisterProperties(CClassInfo*)
{
}

CBrickShredder::CBrickShredder()
{
    ConstructProperties(SGetClassInfo());
}

CBrickShredder::~CBrickShredder()
{
    DestroyProperties(SGetClassInfo());
}

const CString& CBrickShredder::GetTypeDisplayName() const
{
    return s_TextShredder.GetText();
}

bool CBrickShredder::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickShredder::GetStyleSheetClass() const
{
    return CBrickStyleSheetShredder::SGetClassInfo();
}

void CBrickShredder::ApplyStyleSheet()
{
    m_CountedHits.Reset();
    CBrickBasicDestructible::ApplyStyleSheet();
}

int32_t CBrickShredder::OnHit(CHitterOfBricks*, const Vector2&)
{
    return m_CountedHits.TakeWithSoundOf<CBrickStyleSheetShredder>(*this);
}

void CBrickShredder::OnPushedByBrick(CBrickBase* pusher, const Vector2&, bool hard)
{
    if (hard)
        pusher->Destroy(BrickDestroyInfo{this, false});
}

void CBrickStyleSheetShredder::RegisterProperties(CClassInfo* classInfo)
{
    RegisterIndestructibleSound(classInfo, VP_MEMBER(m_IndestructibleSound));
}

CBrickStyleSheetShredder::CBrickStyleSheetShredder()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetShredder::~CBrickStyleSheetShredder()
{
    DestroyProperties(SGetClassInfo());
}

bool CBrickStyleSheetShredder::ConvertFromBrickInfo(const CBrickInfo& info)
{
    if (info.m_BrickType != BRICK_TYPE_SHREDDER)
        return false;
    CBrickStyleSheetBasicDestructible::ConvertFromBrickInfo(info);
    m_IndestructibleSound = info.m_IndestructibleSound;
    return true;
}

CClassInfo* CBrickStyleSheetShredder::GetBrickClass() const
{
    return CBrickShredder::SGetClassInfo();
}
