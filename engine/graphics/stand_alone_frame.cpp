#include "engine/graphics/stand_alone_frame.h"

#include "engine/blit/blit_type_registry.h"
#include "engine/core/files/data_files.h"
#include "engine/core/lists/object_file_name_hooks.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/frame_cache_files.h"
#include "engine/graphics/frame_loading.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/run_length_encoder.h"
#include "engine/graphics/sequence.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/object_files.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/unsigned_int_property.h"

namespace {

// One option change is applied at a time: its own save and reload must not
// start another.
bool s_ApplyingOptionChange = false;

int32_t BlitTypeIndex(const char* name)
{
    return GetBlitTypeRegistry().FindOrFail(name, -1);
}

} // namespace

VP_IMPLEMENT_CLASS(CStandAloneFrame, CFrame, 9.0f)

void CStandAloneFrame::RegisterProperties(CClassInfo* classInfo)
{
    struct OptionRow
    {
        const char* name;
        uint32_t mask;
        bool defaultValue;
        BitFlagProperty::Setter setter;
        int32_t editorMode;
        const char* helpText;
    };
    const OptionRow options[] = {
        {"Run Length Encode", RUN_LENGTH_ENCODE, true, VP_SETTER(SetRunLengthEncode), EDITOR_EDITABLE,
         "This controls if the image is held in memory in a compressed format.  Images with tanslucency must be RLE "
         "to see the tanslucency.           Images that are designed to wrap (like window background textures) or "
         "that draw directly to the screen (like a load spinner) cannont be RLE encoded."},
        {"RLE All Copy", RLE_ALL_COPY, false, VP_SETTER(SetRleAllCopy), EDITOR_EDITABLE,
         "This forces a frame that is RLEed to have no Fills in it.  Fills are   when the same pixel is repeated many "
         "times.  Things like JWindow Skin Alpha channels should set this so that they get the correct texture.   "},
        {"Crop Color 0", CROP_COLOR_0, true, VP_SETTER(SetCropColor0), EDITOR_EDITABLE, nullptr},
        {"Do Dither", DO_DITHER, true, VP_SETTER(SetDoDither), EDITOR_EDITABLE, nullptr},
        {"Change Bit Depth", CHANGE_BIT_DEPTH, true, nullptr, EDITOR_HIDDEN, nullptr},
        {"Loss Less 2", LOSSLESS, false, VP_SETTER(SetLossless), EDITOR_EDITABLE, GetLosslessHelpText()},
    };
    for (const OptionRow& row : options)
    {
        classInfo->AddProperty(new BitFlagProperty(row.name, VP_MEMBER(m_Options), row.mask, row.editorMode,
                                                   row.defaultValue, row.setter));
        if (row.helpText != nullptr)
            classInfo->GetLastProperty()->SetHelpText(row.helpText);
    }
    classInfo->AddProperty(new UnsignedIntProperty("JPEG Quality 2", VP_MEMBER(m_JpegQuality), EDITOR_EDITABLE, 80,
                                                   VP_SETTER(SetJpegQuality), 0, 100));
    classInfo->GetLastProperty()->SetHelpText(GetJpegQualityHelpText());
    classInfo->AddProperty(new BitFlagProperty("Center Hot Spot", VP_MEMBER(m_Options), CENTER_HOT_SPOT,
                                               EDITOR_EDITABLE, false, VP_SETTER(SetCenterHotSpot)));
    classInfo->AddProperty(new BitFlagProperty("Blended With Black", VP_MEMBER(m_Options), BLENDED_WITH_BLACK,
                                               EDITOR_EDITABLE, true, VP_SETTER(SetBlendedWithBlack)));
    classInfo->AddProperty(new BitFlagProperty("Load Black Biased", VP_MEMBER(m_Options), LOAD_BLACK_BIASED,
                                               EDITOR_EDITABLE, false, VP_SETTER(SetLoadBlackBiased)));
    classInfo->AddProperty(new LibraryItemProperty("Blit Type", VP_MEMBER(m_BlitType), &GetBlitTypeRegistry(),
                                                   EDITOR_EDITABLE, "Normal", VP_SETTER(SetBlitType), false));

    for (const char* ignored : {"Loss Less", "JPEG Quality", "Quality", "Image Quality", "Dither",
                                "Remove Dead Alpha", "Remove Black Blending", "Final Bit Depth"})
        classInfo->AddIgnoredPropertyName(ignored);
}

CStandAloneFrame::CStandAloneFrame()
    : m_Options(0)
    , m_JpegQuality(0)
    , m_BlitType(0)
{
    ConstructProperties(SGetClassInfo());
}

CStandAloneFrame::~CStandAloneFrame()
{
    DestroyProperties(SGetClassInfo());
}

void CStandAloneFrame::AfterLoad(CTypedObjectReceiver* receiver)
{
    CFrame::AfterLoad(receiver);
    if ((m_Options & LOAD_BLACK_BIASED) != 0)
        m_BlitType = BlitTypeIndex("Blend Black Bias");
}

bool CStandAloneFrame::RebuildFromSource(const char* folder, const char* name, CImageFilterChain* chain,
                                         bool underCache, uint32_t flags)
{
    return ApplyLoadOptions(folder, name, chain, underCache, flags);
}

CImageFilterChain* CStandAloneFrame::MakeLoadSteps(const CImageFilterChain* chain) const
{
    CImageFilterChain* steps = new CImageFilterChain;
    (chain != nullptr ? *chain : GetDefaultFrameLoadSteps()).CopyStepsInto(*steps);
    // Whatever ids made them, the run-length and conversion steps are this
    // frame's own choice.
    steps->RemoveStep(IMAGE_STEP_RUN_LENGTH);
    steps->RemoveStep(IMAGE_STEP_BIT_DEPTH);
    if ((m_Options & BLENDED_WITH_BLACK) != 0)
        steps->AddStep(IMAGE_STEP_UNPREMULTIPLY);
    else
        steps->RemoveStep(IMAGE_STEP_UNPREMULTIPLY);
    if ((m_Options & LOAD_BLACK_BIASED) != 0)
    {
        steps->RemoveStep(IMAGE_STEP_UNPREMULTIPLY);
        steps->AddStep(IMAGE_STEP_BLACK_TO_TRANSPARENT);
    }
    if ((m_Options & CHANGE_BIT_DEPTH) != 0)
        steps->AddStep((m_Options & DO_DITHER) != 0 ? IMAGE_STEP_BIT_DEPTH_DITHERED : IMAGE_STEP_BIT_DEPTH);
    if ((m_Options & RUN_LENGTH_ENCODE) != 0)
        steps->AddStep(IMAGE_STEP_RUN_LENGTH);
    if ((m_Options & CENTER_HOT_SPOT) != 0)
        steps->AddStep(IMAGE_STEP_CENTER_HOT_SPOT);
    else
        steps->RemoveStep(IMAGE_STEP_CENTER_HOT_SPOT);
    if ((m_Options & CROP_COLOR_0) != 0)
        steps->AddStep(IMAGE_STEP_TRIM);
    else
        steps->RemoveStep(IMAGE_STEP_TRIM);
    return steps;
}

bool CStandAloneFrame::ApplyLoadOptions(const char* folder, const char* name, CImageFilterChain* chain,
                                        bool underCache, uint32_t flags)
{
    CImageFilterChain* steps = MakeLoadSteps(chain);
    SetForceLosslessFrameImages((m_Options & LOSSLESS) != 0);
    SetFrameJpegQuality(m_JpegQuality);
    const int32_t fillThreshold = GetRleFillThreshold();
    // A threshold no run reaches leaves no fill runs.
    if ((m_Options & RUN_LENGTH_ENCODE) != 0 && (m_Options & RLE_ALL_COPY) != 0)
        SetRleFillThreshold(64);
    const bool result = CFrame::RebuildFromSource(folder, name, steps, underCache, flags);
    SetRleFillThreshold(fillThreshold);
    SetForceLosslessFrameImages(false);
    SetFrameJpegQuality(65);
    delete steps;
    return result;
}

CBlitType* CStandAloneFrame::GetBlitType() const
{
    return GetBlitTypeRegistry().GetBlitType(m_BlitType);
}

void CStandAloneFrame::SetOption(uint32_t mask, bool value)
{
    const uint32_t options = value ? (m_Options | mask) : (m_Options & ~mask);
    if (options == m_Options)
        return;
    m_Options = options;
    ApplyOptionChange();
}

// Clearing the black bias leaves the frame drawn with a mask, not back
// with "Normal".
void CStandAloneFrame::SetLoadBlackBiased(bool value)
{
    if (((m_Options & LOAD_BLACK_BIASED) != 0) == value)
        return;
    m_Options = value ? (m_Options | LOAD_BLACK_BIASED) : (m_Options & ~LOAD_BLACK_BIASED);
    m_BlitType = BlitTypeIndex(value ? "Blend Black Bias" : "Transparent Mask");
    ApplyOptionChange();
}

void CStandAloneFrame::SetBlitType(int32_t index)
{
    if (index == m_BlitType)
        return;
    m_BlitType = index;
    if (index == BlitTypeIndex("Blend Black Bias"))
        m_Options |= LOAD_BLACK_BIASED;
    else
        m_Options &= ~LOAD_BLACK_BIASED;
    ApplyOptionChange();
}

void CStandAloneFrame::SetJpegQuality(uint32_t value)
{
    if (value == m_JpegQuality)
        return;
    m_JpegQuality = value;
    ApplyOptionChange();
}

// The options are saved, the compressed-storage 16-bit cache (whatever the
// mode and depth) is deleted and the pixels are loaded again.
void CStandAloneFrame::ApplyOptionChange()
{
    if (!GetEditorHooks().IsLevelEditorOpen() || s_ApplyingOptionChange)
        return;
    CString path;
    if (!GetObjectFileName(this, path) || path.IsEmpty())
        return;
    s_ApplyingOptionChange = true;
    SaveObject(this);
    CString folder = path;
    TruncateToFolder(folder);
    folder.RemoveSuffix("/");
    CString name(GetFileNamePart(path.GetText()));
    name.RemoveSuffix(GetFileExtension(name.GetText()));
    CString cache;
    cache.Format("%s/%s/-%s.frm16", GetCacheFolderName(), folder.GetText(), name.GetText());
    DeleteDataFile(cache.GetText(), 0);
    ApplyLoadOptions(folder.GetText(), name.GetText(), nullptr, true, 0);
    s_ApplyingOptionChange = false;
}
