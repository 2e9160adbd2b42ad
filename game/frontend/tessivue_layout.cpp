#include "game/frontend/tessivue_layout.h"

#include "engine/object/properties/point_property.h"

VP_IMPLEMENT_CLASS(CTessivueLayout, CObject, 1.0f)

void CTessivueLayout::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new PointProperty("Position", VP_MEMBER(m_Position), EDITOR_EDITABLE, 648, 418, nullptr));
    classInfo->AddProperty(new PointProperty("Size", VP_MEMBER(m_Size), EDITOR_EDITABLE, 143, 166, nullptr));
}

CTessivueLayout::CTessivueLayout()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CTessivueLayout::~CTessivueLayout()
{
    DestroyProperties(SGetClassInfo());
}
