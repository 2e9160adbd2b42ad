#pragma once

#include "game/playfield/sprite.h"
#include "game/playfield/sprite_ai.h"

// The sprite's first behaviour when it is of the class (or derived from
// it), else none: the playfield's passes and walks answer only the kind
// they expect.
template <typename T>
T* FirstBehaviourAs(const CSprite* sprite)
{
    CSpriteAI* behaviour = sprite->GetAI();
    return behaviour != nullptr && behaviour->IsKindOf(T::SGetClassInfo()) ? static_cast<T*>(behaviour) : nullptr;
}
