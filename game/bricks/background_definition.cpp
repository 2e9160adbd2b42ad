#include "game/bricks/background_definition.h"

#include "engine/graphics/sequence_list.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/properties/array_property.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/nested_object_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/object/properties/point_property.h"
#include "game/bricks/background_library.h"
#include "game/bricks/background_theme_names.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/sprite_ai_background.h"

VP_IMPLEMENT_CLASS(CBackgroundDefinition, CObject, 1.0f)

void CBackgroundDefinition::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new BoolProperty("Draw Shadows", VP_MEMBER(m_DrawShadows), EDITOR_EDITABLE, false, nullptr));
    classInfo->AddProperty(
        new PointProperty("Shadow Offset", VP_MEMBER(m_ShadowOffset), EDITOR_EDITABLE, 10, 10, nullptr));
    LibraryItemProperty* foreground = new LibraryItemProperty(
        "Layers/Foreground Image", VP_MEMBER(m_ForegroundImage), &GetFrameList(), EDITOR_EDITABLE, nullptr, nullptr, false);
    foreground->SetHelpText("This image is infront of everything including the playfield and the ship");
    classInfo->AddProperty(foreground);
    classInfo->AddProperty(
        new BoolProperty("Layers/Playfield", VP_MEMBER(m_PlayfieldMarker), EDITOR_EDITABLE, false, nullptr));
    classInfo->AddProperty(new BoolProperty("Layers/Foreground Sprites", VP_MEMBER(m_ForegroundSpritesMarker),
                                            EDITOR_EDITABLE, false, nullptr));
    LibraryItemProperty* midground = new LibraryItemProperty(
        "Layers/Midground Image", VP_MEMBER(m_MidgroundImage), &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false);
    midground->SetHelpText("This image is behind the playfield but in front of the background sprites");
    classInfo->AddProperty(midground);
    classInfo->AddProperty(new BoolProperty("Layers/Background Sprites", VP_MEMBER(m_BackgroundSpritesMarker),
                                            EDITOR_EDITABLE, false, nullptr));
    LibraryItemProperty* background = new LibraryItemProperty(
        "Layers/Background Image", VP_MEMBER(m_BackgroundImage), &GetFrameList(), EDITOR_EDITABLE, nullptr, nullptr, false);
    background->SetHelpText("This image is behind everything including the background sprites");
    classInfo->AddProperty(background);
    classInfo->AddProperty(
        new BoolProperty("Layers/Show Scoreboard", VP_MEMBER(m_ShowScoreboard), EDITOR_EDITABLE, true, nullptr));
    classInfo->AddProperty(new NestedObjectProperty("Music Tracks", VP_MEMBER(m_MusicTracks), EDITOR_EDITABLE));
    classInfo->AddProperty(new ObjectArrayProperty("Sprites/Sprite Generators", VP_MEMBER(m_SpriteGenerators),
                                                   "m_SpriteGenerators", EDITOR_EDITABLE, nullptr));
    classInfo->AddProperty(new ArrayProperty(
        "Bricks/Every Level Brick", VP_MEMBER(m_EveryLevelBrickCount), VP_MEMBER(m_EveryLevelBrickCapacity),
        VP_MEMBER(m_pEveryLevelBricks), "m_EveryLevelBricks", true,
        new ObjectPointerProperty("Bricks/Every Level Brick", ArrayElementMember<CBrickBase*>(),
                                  CBrickBase::SGetClassInfo(), EDITOR_EDITABLE, nullptr),
        EDITOR_EDITABLE));
}

CBackgroundDefinition::CBackgroundDefinition()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBackgroundDefinition::~CBackgroundDefinition()
{
    DestroyProperties(SGetClassInfo());
}

void CBackgroundDefinition::AfterLoad(CTypedObjectReceiver* receiver)
{
    CObject::AfterLoad(receiver);
    if (!m_ThemeName.IsEmpty())
        return;
    CResourceLibrary<CBackgroundDefinition>& library = GetBackgroundLibrary();
    if (!library.IsEnumerated())
        return;
    const int32_t index = library.IndexOfObject(this);
    if (index == -1)
        return;
    DeriveBackgroundThemeNames(library.GetName(static_cast<uint32_t>(index)), m_ThemeName, m_OwnName);
}

void CBackgroundDefinition::DrawGeneratorsOfLayer(CFrameInterface* frame, int32_t layer)
{
    for (uint32_t i = 0; i < m_SpriteGenerators.m_Count; i++)
    {
        const CBackgroundSpriteGenerator& generator = m_SpriteGenerators.m_pItems[i];
        if (generator.m_Layer == layer && generator.m_pType != nullptr)
            generator.m_pType->AfterDrawOverlay(nullptr, frame);
    }
}
