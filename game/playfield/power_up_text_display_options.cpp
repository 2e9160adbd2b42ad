#include "game/playfield/power_up_text_display_options.h"

#include "engine/graphics/fonts/font_library.h"
#include "engine/object/libraries/general_objects.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/list_item_property.h"

VP_IMPLEMENT_CLASS(CPowerUpTextDisplayOptions, CObject, 0.0f)

void CPowerUpTextDisplayOptions::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Font To Print With", VP_MEMBER(m_FontToPrintWith),
                                                   &GetFontLibrary(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new FloatProperty("Display Time", "Seconds", VP_MEMBER(m_DisplayTime), EDITOR_EDITABLE,
                                             2.0f, nullptr, 0.0f, 50.0f, 0.1f));
    classInfo->AddProperty(new FloatProperty("Remain Opaque", "Percent", VP_MEMBER(m_RemainOpaque), EDITOR_EDITABLE,
                                             75.0f, nullptr, 0.0f, 100.0f, 0.1f));
    classInfo->AddProperty(new FloatProperty("Speed", "Pixels Per Second", VP_MEMBER(m_Speed), EDITOR_EDITABLE, 10.0f,
                                             nullptr, 0.0f, 1000.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Speed Increase Per Multiple Items",
                                             VP_MEMBER(m_SpeedIncreasePerMultipleItems), EDITOR_EDITABLE, 1.0f,
                                             nullptr, 0.0f, 100.0f, 0.1f));
    classInfo->AddProperty(new IntProperty("Max Height To Draw At", VP_MEMBER(m_MaxHeightToDrawAt), EDITOR_EDITABLE,
                                           600, nullptr, 0, 0));
}

CPowerUpTextDisplayOptions::CPowerUpTextDisplayOptions()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CPowerUpTextDisplayOptions::~CPowerUpTextDisplayOptions()
{
    DestroyProperties(SGetClassInfo());
}

CPowerUpTextDisplayOptions* GetPowerUpTextDisplayOptions()
{
    static CNamedGeneralObject<CPowerUpTextDisplayOptions> s_Options("Power Up Text Display Options");
    return s_Options.Get();
}
