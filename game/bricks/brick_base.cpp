#include "game/bricks/brick_base.h"

#include "engine/object/properties/text_property.h"
#include "game/bricks/named_object_table.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CBrickBase, CSpriteAI, 0.0f)

void CBrickBase::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new TextProperty("Name", VP_MEMBER(m_Name), EDITOR_EDITABLE, ""));
}

CBrickBase::CBrickBase()
{
    ConstructProperties(SGetClassInfo());
    GetNamedObjectTable().Empty();
}

CBrickBase::~CBrickBase()
{
    GetNamedObjectTable().Empty();
    DestroyProperties(SGetClassInfo());
}

void CBrickBase::Update(CSprite*, int32_t)
{
}

void CBrickBase::OnRoundStart()
{
}

bool CBrickBase::MustBeDestroyedToFinish() const
{
    return true;
}

void CBrickBase::OnTouchedByShip(CSprite*)
{
}
