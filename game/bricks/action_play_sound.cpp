#include "game/bricks/action_play_sound.h"

#include "engine/app/sound/sound_list.h"
#include "engine/object/properties/list_item_property.h"

VP_IMPLEMENT_CLASS(CActionPlaySound, CAction, 1.0f)

void CActionPlaySound::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(
        new LibraryItemProperty("Sound", VP_MEMBER(m_Sound), &GetSoundList(), EDITOR_EDITABLE, nullptr, nullptr, false));
}

CActionPlaySound::CActionPlaySound()
    : m_Sound(0)
{
    ConstructProperties(SGetClassInfo());
}

CActionPlaySound::~CActionPlaySound()
{
    DestroyProperties(SGetClassInfo());
}

void CActionPlaySound::DoExecute(bool&)
{
    // An index past the list (a level made with more sounds) plays nothing.
    GetSoundList().PlayByIndex(m_Sound);
}
