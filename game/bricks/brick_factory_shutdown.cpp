#include "game/bricks/brick_factory_shutdown.h"

#include "engine/core/localization/localized_string.h"
#include "engine/object/properties/float_property.h"
#include "game/bricks/brick_factory.h"
#include "game/bricks/brick_style_sheet_as.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_list.h"

VP_IMPLEMENT_CLASS(CBrickFactoryShutdown, CBrickBasicDestructible, 0.0f)
VP_IMPLEMENT_CLASS(CBrickStyleSheetFactoryShutdown, CBrickStyleSheetBasicDestructible, 0.0f)

namespace {

CLocalizedString s_TextFactoryShutdown("Factory Shutdown",
                                       "The kind of brick whose destruction breaks every factory of the round");

} // namespace

void CBrickFactoryShutdown::RegisterProperties(CClassInfo*)
{
}

CBrickFactoryShutdown::CBrickFactoryShutdown()
{
    ConstructProperties(SGetClassInfo());
}

CBrickFactoryShutdown::~CBrickFactoryShutdown()
{
    DestroyProperties(SGetClassInfo());
}

const CString& CBrickFactoryShutdown::GetTypeDisplayName() const
{
    return s_TextFactoryShutdown.GetText();
}

bool CBrickFactoryShutdown::MustBeDestroyedToFinish() const
{
    return false;
}

CClassInfo* CBrickFactoryShutdown::GetStyleSheetClass() const
{
    return CBrickStyleSheetFactoryShutdown::SGetClassInfo();
}

int32_t CBrickFactoryShutdown::OnDestroyed(const BrickDestroyInfo& info)
{
    const auto* styleSheet = GetStyleSheetAs<CBrickStyleSheetFactoryShutdown>(*this);
    CPlayfield* playfield = GetPlayfield();
    if (styleSheet != nullptr && playfield != nullptr)
    {
        for (CSprite* sprite = playfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        {
            CBrickBase* brick = FirstBehaviourAs<CBrickBase>(sprite);
            if (brick != nullptr && brick != this &&
                (brick->IsKindOf(CBrickFactory::SGetClassInfo()) ||
                 brick->IsKindOf(CBrickFactoryShutdown::SGetClassInfo())))
                brick->ArmCountdown(styleSheet->m_ShutdownDelay);
        }
    }
    return CBrickBasicDestructible::OnDestroyed(info);
}

void CBrickStyleSheetFactoryShutdown::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new FloatProperty("Shutdown Delay", "seconds", VP_MEMBER(m_ShutdownDelay), EDITOR_EDITABLE,
                                             0.1f, nullptr, 0.0f, 0.0f, 0.1f));
}

CBrickStyleSheetFactoryShutdown::CBrickStyleSheetFactoryShutdown()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickStyleSheetFactoryShutdown::~CBrickStyleSheetFactoryShutdown()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CBrickStyleSheetFactoryShutdown::GetBrickClass() const
{
    return CBrickFactoryShutdown::SGetClassInfo();
}
