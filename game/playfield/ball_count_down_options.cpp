#include "game/playfield/ball_count_down_options.h"

#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/libraries/general_objects.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/list_item_property.h"

VP_IMPLEMENT_CLASS(CBallCountDownDisplayOptions, CObject, 0.0f)

namespace {

constexpr int32_t kAboveTheBall = -30;

} // namespace

void CBallCountDownDisplayOptions::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Font To Use", VP_MEMBER(m_FontToUse), &GetFontLibrary(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new IntProperty("Font X", VP_MEMBER(m_FontX), EDITOR_EDITABLE, 0, nullptr, 0, 0));
    classInfo->AddProperty(
        new IntProperty("Font Y", VP_MEMBER(m_FontY), EDITOR_EDITABLE, kAboveTheBall, nullptr, 0, 0));
    classInfo->AddProperty(new LibraryItemProperty("Frame To Use", VP_MEMBER(m_FrameToUse), &GetFrameList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new IntProperty("Frame X", VP_MEMBER(m_FrameX), EDITOR_EDITABLE, 0, nullptr, 0, 0));
    classInfo->AddProperty(
        new IntProperty("Frame Y", VP_MEMBER(m_FrameY), EDITOR_EDITABLE, kAboveTheBall, nullptr, 0, 0));
}

CBallCountDownDisplayOptions::CBallCountDownDisplayOptions()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CBallCountDownDisplayOptions::~CBallCountDownDisplayOptions()
{
    DestroyProperties(SGetClassInfo());
}

CBallCountDownDisplayOptions* GetBallCountDownOptions()
{
    static CNamedGeneralObject<CBallCountDownDisplayOptions> s_Options("Ball Count Down Display Options");
    return s_Options.Get();
}
