#include "game/bricks/brick_layer.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CBrickLayer, CObject, 0.0f)

void CBrickLayer::RegisterProperties(CClassInfo*)
{
}

CBrickLayer::CBrickLayer()
{
    ConstructProperties(SGetClassInfo());
}

CBrickLayer::~CBrickLayer()
{
    DestroyProperties(SGetClassInfo());
}
