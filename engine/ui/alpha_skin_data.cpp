#include "engine/ui/alpha_skin_data.h"

#include "engine/graphics/fonts/font_library.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/color_property.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/object_pointer_property.h"
#include "engine/ui/skin_border.h"
#include "engine/ui/toolkit_state.h"

VP_IMPLEMENT_CLASS(CAlphaSkinData, CObject, 1.0f)

namespace {
// A set reference whose item gives no font falls back as an unset one.
CFont* FontOr(int32_t reference, CFont* fallback)
{
    CFont* font = reference != 0 ? GetFontLibrary().GetFont(reference) : nullptr;
    return font != nullptr ? font : fallback;
}

void AddFontReference(CClassInfo* classInfo, const char* name, CPropertyMember<int32_t> member)
{
    classInfo->AddProperty(
        new LibraryItemProperty(name, member, &GetFontLibrary(), EDITOR_EDITABLE, nullptr, nullptr, false));
}

void AddBorder(CClassInfo* classInfo, const char* name, CObjectPointerMember member, const CClassInfo* defaultClass)
{
    ObjectPointerProperty* property =
        new ObjectPointerProperty(name, member, CSkinBorder::SGetClassInfo(), EDITOR_EDITABLE, defaultClass);
    property->SetAllowNone(defaultClass == nullptr);
    property->SetClassChangeable(true);
    classInfo->AddProperty(property);
}

void AddColour(CClassInfo* classInfo, const char* name, CPropertyMember<CColor> member, int32_t red, int32_t green,
               int32_t blue)
{
    classInfo->AddProperty(new ColorProperty(name, member, EDITOR_EDITABLE, red, green, blue, 255));
}
} // namespace

void CAlphaSkinData::RegisterProperties(CClassInfo* classInfo)
{
    AddFontReference(classInfo, "General Font", VP_MEMBER(m_GeneralFont));
    AddColour(classInfo, "Shortcut Key Highlight Color", VP_MEMBER(m_ShortcutKeyHighlightColor), 63, 154, 255);
    AddColour(classInfo, "Background Color", VP_MEMBER(m_BackgroundColor), 0, 0, 0);
    AddColour(classInfo, "Select Color", VP_MEMBER(m_SelectColor), 101, 91, 85);
    AddFontReference(classInfo, "Static Text Control", VP_MEMBER(m_StaticTextFont));
    AddFontReference(classInfo, "Window/Window Heading Font", VP_MEMBER(m_HeadingFont));
    classInfo->AddProperty(new IntProperty("Window/Window Heading Offset", VP_MEMBER(m_HeadingOffset),
                                           EDITOR_EDITABLE, 0, nullptr, 0, 0));
    classInfo->AddProperty(new IntProperty("Window/Space Between Controls", "Pixels",
                                           VP_MEMBER(m_SpaceBetweenControls), EDITOR_EDITABLE, 8, nullptr, 0, 0));
    classInfo->AddProperty(
        new IntProperty("Window/Margin", "Pixels", VP_MEMBER(m_Margin), EDITOR_EDITABLE, 8, nullptr, 0, 0));
    AddBorder(classInfo, "Window/Window Border", VP_MEMBER(m_pWindowBorder), CAlphaSkinBorder::SGetClassInfo());
    AddBorder(classInfo, "ListBox/ListBox Border", VP_MEMBER(m_pListBoxBorder), CClassicSkinBorder::SGetClassInfo());
    AddBorder(classInfo, "Button/Button Border", VP_MEMBER(m_pButtonBorder), CClassicSkinBorder::SGetClassInfo());
    AddBorder(classInfo, "Button/Pressed Button Border", VP_MEMBER(m_pPressedButtonBorder), nullptr);
    AddBorder(classInfo, "Button/Hover Button Border", VP_MEMBER(m_pHoverButtonBorder), nullptr);
    classInfo->AddProperty(new IntProperty("Button/Space Around Text", "Dialog Pixels", VP_MEMBER(m_SpaceAroundText),
                                           EDITOR_EDITABLE, 2, nullptr, 0, 0));
    classInfo->AddProperty(new BoolProperty("Button/Apply Button Text Offset When Pressed",
                                            VP_MEMBER(m_ApplyTextOffsetWhenPressed), EDITOR_EDITABLE, true, nullptr));
}

CAlphaSkinData::CAlphaSkinData()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CAlphaSkinData::~CAlphaSkinData()
{
    DestroyProperties(SGetClassInfo());
}

CFont* CAlphaSkinData::GetGeneralFont() const
{
    return FontOr(m_GeneralFont, GetToolkitState().m_pDefaultFont);
}

CFont* CAlphaSkinData::GetStaticTextFont() const
{
    return FontOr(m_StaticTextFont, GetGeneralFont());
}

CFont* CAlphaSkinData::GetHeadingFont() const
{
    return FontOr(m_HeadingFont, GetGeneralFont());
}
