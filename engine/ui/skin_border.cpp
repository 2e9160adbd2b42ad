#include "engine/ui/skin_border.h"

#include "engine/graphics/frame.h"
#include "engine/graphics/frame_format.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/color_property.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/list_item_property.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CSkinBorder, CObject, 1.0f)
VP_IMPLEMENT_CLASS(CClassicSkinBorder, CSkinBorder, 1.0f)
VP_IMPLEMENT_CLASS(CAlphaSkinBorder, CSkinBorder, 1.0f)

namespace {
const CFrameChooserFilter s_TextureFilter{&IsSkinTexture};

bool IsPowerOfTwoSide(int32_t side, int32_t shift)
{
    return shift >= 0 && shift < 31 && (int32_t{1} << shift) == side;
}

void AddFrameReference(CClassInfo* classInfo, const char* name, CPropertyMember<int32_t> member)
{
    classInfo->AddProperty(
        new LibraryItemProperty(name, member, &GetFrameList(), EDITOR_EDITABLE, nullptr, nullptr, false));
}

void AddColour(CClassInfo* classInfo, const char* name, CPropertyMember<CColor> member, int32_t red, int32_t green,
               int32_t blue, int32_t alpha)
{
    ColorProperty* property = new ColorProperty(name, member, EDITOR_EDITABLE, red, green, blue, alpha);
    property->SetHasAlpha(true);
    classInfo->AddProperty(property);
}

void AddPixels(CClassInfo* classInfo, const char* name, CPropertyMember<int32_t> member)
{
    classInfo->AddProperty(new IntProperty(name, "Pixels", member, EDITOR_EDITABLE, 0, nullptr, 0, 0));
}
} // namespace

void CSkinBorder::RegisterProperties(CClassInfo* classInfo)
{
    AddFrameReference(classInfo, "Texture/Background Texture", VP_MEMBER(m_BackgroundTexture));
    static_cast<ListItemProperty*>(classInfo->GetLastProperty())
        ->SetChooserFilter(const_cast<CFrameChooserFilter*>(&s_TextureFilter));
    AddColour(classInfo, "Background Color", VP_MEMBER(m_BackgroundColor), 255, 255, 255, 24);
}

CSkinBorder::CSkinBorder()
{
    ConstructProperties(SGetClassInfo());
}

CSkinBorder::~CSkinBorder()
{
    DestroyProperties(SGetClassInfo());
}

void CClassicSkinBorder::RegisterProperties(CClassInfo* classInfo)
{
    AddPixels(classInfo, "Texture Margin", VP_MEMBER(m_TextureMargin));
    AddColour(classInfo, "Top Outer Color", VP_MEMBER(m_TopOuterColor), 255, 255, 255, 24);
    AddColour(classInfo, "Top Inner Color", VP_MEMBER(m_TopInnerColor), 255, 255, 255, 24);
    AddColour(classInfo, "Bottom Inner Color", VP_MEMBER(m_BottomInnerColor), 0, 0, 0, 128);
    AddColour(classInfo, "Bottom Outer Color", VP_MEMBER(m_BottomOuterColor), 0, 0, 0, 128);
}

CClassicSkinBorder::CClassicSkinBorder()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CClassicSkinBorder::~CClassicSkinBorder()
{
    DestroyProperties(SGetClassInfo());
}

void CAlphaSkinBorder::RegisterProperties(CClassInfo* classInfo)
{
    AddFrameReference(classInfo, "Texture/Top Left Alpha", VP_MEMBER(m_TopLeftAlpha));
    AddFrameReference(classInfo, "Texture/Top Right Alpha", VP_MEMBER(m_TopRightAlpha));
    AddFrameReference(classInfo, "Texture/Bottom Left Alpha", VP_MEMBER(m_BottomLeftAlpha));
    AddFrameReference(classInfo, "Texture/Bottom Right Alpha", VP_MEMBER(m_BottomRightAlpha));
    AddPixels(classInfo, "Texture/Left Side Offset", VP_MEMBER(m_LeftSideOffset));
    AddPixels(classInfo, "Texture/Top Side Offset", VP_MEMBER(m_TopSideOffset));
    AddPixels(classInfo, "Texture/Right Side Offset", VP_MEMBER(m_RightSideOffset));
    AddPixels(classInfo, "Texture/Bottom Side Offset", VP_MEMBER(m_BottomSideOffset));
    AddFrameReference(classInfo, "Frame/Top Left Highlight", VP_MEMBER(m_TopLeftHighlight));
    AddFrameReference(classInfo, "Frame/Top Center Highlight", VP_MEMBER(m_TopCenterHighlight));
    AddFrameReference(classInfo, "Frame/Top Right Highlight", VP_MEMBER(m_TopRightHighlight));
    AddFrameReference(classInfo, "Frame/Center Left Highlight", VP_MEMBER(m_CenterLeftHighlight));
    AddFrameReference(classInfo, "Frame/Center Right Highlight", VP_MEMBER(m_CenterRightHighlight));
    AddFrameReference(classInfo, "Frame/Bottom Left Highlight", VP_MEMBER(m_BottomLeftHighlight));
    AddFrameReference(classInfo, "Frame/Bottom Center Highlight", VP_MEMBER(m_BottomCenterHighlight));
    AddFrameReference(classInfo, "Frame/Bottom Right Highlight", VP_MEMBER(m_BottomRightHighlight));
    classInfo->AddProperty(
        new BoolProperty("Frame/Overlap Corners", VP_MEMBER(m_OverlapCorners), EDITOR_EDITABLE, false, nullptr));
    classInfo->AddProperty(new IntProperty("Frame/Top Overlap Ammount", VP_MEMBER(m_TopOverlapAmount),
                                           EDITOR_EDITABLE, 0, nullptr, 0, 0));
    AddFrameReference(classInfo, "Frame/Special Top Right Highlight", VP_MEMBER(m_SpecialTopRightHighlight));
    AddFrameReference(classInfo, "Decals/Top Center Decal", VP_MEMBER(m_TopCenterDecal));
    // Skins written before the decals had their group knew only this one.
    classInfo->GetLastProperty()->SetLegacyName("Title Plate");
    AddFrameReference(classInfo, "Decals/Bottom Center Decal", VP_MEMBER(m_BottomCenterDecal));
    AddFrameReference(classInfo, "Decals/Left Center Decal", VP_MEMBER(m_LeftCenterDecal));
    AddFrameReference(classInfo, "Decals/Right Center Decal", VP_MEMBER(m_RightCenterDecal));
}

CAlphaSkinBorder::CAlphaSkinBorder()
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
}

CAlphaSkinBorder::~CAlphaSkinBorder()
{
    DestroyProperties(SGetClassInfo());
}

CFrame* FindSkinFrame(int32_t reference)
{
    if (reference == 0)
        return nullptr;
    CFrame* frame = GetFrameList().GetItemObject(static_cast<uint32_t>(reference));
    if (frame == nullptr || frame->GetPixels() == nullptr || frame->GetWidth() <= 0 || frame->GetHeight() <= 0)
        return nullptr;
    return frame;
}

bool IsSkinTexture(const CFrameInterface* frame)
{
    if (frame == nullptr)
        return false;
    // Neither run-length encoding may be set.
    if ((frame->GetFormat() & FRAME_RUN_LENGTH_BITS) != 0)
        return false;
    return IsPowerOfTwoSide(frame->GetWidth(), frame->GetWidthShift()) &&
           IsPowerOfTwoSide(frame->GetHeight(), frame->GetHeightShift());
}
