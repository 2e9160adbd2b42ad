#include "game/bricks/brick_layout.h"

#include "engine/object/properties/text_property.h"

VP_IMPLEMENT_CLASS(CBrickLayout, CObject, 1.0f)

void CBrickLayout::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new TextProperty("Display Name", VP_MEMBER(m_DisplayName), EDITOR_EDITABLE, ""));
}

CBrickLayout::CBrickLayout()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickLayout::~CBrickLayout()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickLayout::GiveAutomaticPowerUps(CSprite*)
{
}
