#include "game/bricks/background_sprite_generator.h"

#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/bricks/background_layer_table.h"
#include "game/playfield/sprite_ai_background.h"

VP_IMPLEMENT_CLASS(CBackgroundSpriteGenerator, CObject, 1.0f)

void CBackgroundSpriteGenerator::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new ObjectPointerProperty("Type", VP_MEMBER(m_pType),
                                                     CSpriteAIBackground::SGetClassInfo(), EDITOR_EDITABLE, nullptr));
    classInfo->AddProperty(new UnsignedIntProperty("Count", VP_MEMBER(m_Count), EDITOR_EDITABLE, 0, nullptr, 0, 0));
    classInfo->AddProperty(new LibraryItemProperty("Layer", VP_MEMBER(m_Layer), &GetBackgroundLayerTable(),
                                                   EDITOR_EDITABLE, "Foreground Sprites", nullptr, false));
}

CBackgroundSpriteGenerator::CBackgroundSpriteGenerator()
    : m_Count(0)
    , m_Layer(BACKGROUND_LAYER_FOREGROUND_SPRITES)
    , m_pType(nullptr)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBackgroundSpriteGenerator::~CBackgroundSpriteGenerator()
{
    DestroyProperties(SGetClassInfo());
}
