#include "game/bricks/background_definition.h"

#include "engine/graphics/sequence_list.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/nested_object_property.h"
#include "engine/object/properties/point_property.h"

VP_IMPLEMENT_CLASS(CBackgroundDefinition, CObject, 1.0f)

void CBackgroundDefinition::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Layers/Foreground Image", VP_MEMBER(m_ForegroundImage),
                                                   &GetFrameList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Layers/Midground Image", VP_MEMBER(m_MidgroundImage),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Layers/Background Image", VP_MEMBER(m_BackgroundImage),
                                                   &GetFrameList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(
        new BoolProperty("Layers/Show Scoreboard", VP_MEMBER(m_ShowScoreboard), EDITOR_EDITABLE, true, nullptr));
    classInfo->AddProperty(new BoolProperty("Draw Shadows", VP_MEMBER(m_DrawShadows), EDITOR_EDITABLE, false, nullptr));
    classInfo->AddProperty(
        new PointProperty("Shadow Offset", VP_MEMBER(m_ShadowOffset), EDITOR_EDITABLE, 10, 10, nullptr));
    classInfo->AddProperty(new NestedObjectProperty("Music Tracks", VP_MEMBER(m_MusicTracks), EDITOR_EDITABLE));
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
