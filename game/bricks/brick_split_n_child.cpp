#include "game/bricks/brick_split_n_child.h"

#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/point_property.h"
#include "game/bricks/brick_base.h"

VP_IMPLEMENT_CLASS(CBrickSplitNChild, CObject, 0.0f)

void CBrickSplitNChild::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new ObjectPointerProperty("Child Brick", VP_MEMBER(m_pChildBrick),
                                                     CBrickBase::SGetClassInfo(), EDITOR_EDITABLE, nullptr));
    classInfo->AddProperty(new FloatPointProperty("Drift Velocity", VP_MEMBER(m_DriftVelocity), EDITOR_EDITABLE, 0.0f,
                                                  0.0f, nullptr));
}

CBrickSplitNChild::CBrickSplitNChild()
    : m_pChildBrick(nullptr)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBrickSplitNChild::~CBrickSplitNChild()
{
    DestroyProperties(SGetClassInfo());
}
