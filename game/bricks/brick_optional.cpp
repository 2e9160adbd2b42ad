#include "game/bricks/brick_optional.h"

VP_IMPLEMENT_CLASS(CBrickOptional, CBrickBase, 0.0f)

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

bool CBrickOptional::MustBeDestroyedToFinish() const
{
    return false;
}
