#pragma once

#include <cstdint>

#include "engine/object/object.h"

class CSpriteAIBackground;

// One kind of ambient creature of a background: the prototype behaviour
// every generated sprite gets a copy of, how many sprites, and the list
// they join (a row of the layer table).
class CBackgroundSpriteGenerator : public CObject
{
    VP_DECLARE_CLASS(CBackgroundSpriteGenerator)
public:
    CBackgroundSpriteGenerator();
    ~CBackgroundSpriteGenerator() override;

    uint32_t m_Count;
    int32_t m_Layer;
    // Owned; none makes no sprites.
    CSpriteAIBackground* m_pType;
};
