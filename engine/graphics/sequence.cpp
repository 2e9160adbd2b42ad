#include "engine/graphics/sequence.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "engine/blit/blit_type_registry.h"
#include "engine/core/messages/engine_messages.h"
#include "engine/core/messages/message_bus.h"
#include "engine/core/strings/ref_string.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/image_steps.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "engine/platform/tick_counter.h"

namespace {

const char* const kLosslessHelp =
    "This controls if the image is saved with lossy or loss less   compression.  Lossy compression makes a lower "
    "quality image   and a smaller file size, Loss Less is perfect quality but a   larger file size.";
const char* const kJpegQualityHelp =
    "This controls the quality of the lossy compression.  A higher number makes a higher quality image with a larger "
    "file size.  A lower number will make a lower quality image with a smaller file size.";

int32_t BlitTypeIndex(const char* name)
{
    return GetBlitTypeRegistry().FindOrFail(name, -1);
}

} // namespace

const char* GetLosslessHelpText()
{
    return kLosslessHelp;
}

const char* GetJpegQualityHelpText()
{
    return kJpegQualityHelp;
}

VP_IMPLEMENT_CLASS(CSequence, CObject, 120.0f)

void CSequence::RegisterProperties(CClassInfo* classInfo)
{
    // Nameless and so kept out of the text form: the binary form needs the
    // count before the frames that follow the properties.
    classInfo->AddProperty(new UnsignedIntProperty("", VP_MEMBER(m_FrameCount), EDITOR_HIDDEN, 0, nullptr, 0, 0));
    classInfo->GetLastProperty()->SetSaveFlags(false, true, true, true);
    classInfo->AddProperty(new FloatProperty("Image/Frames Per Second", VP_MEMBER(m_FramesPerSecond),
                                             EDITOR_EDITABLE, 15.0f, VP_SETTER(SetFramesPerSecond), 0.0f, 0.0f,
                                             1.0f));
    classInfo->AddProperty(new LibraryItemProperty("Render/Blit Type", VP_MEMBER(m_BlitType), &GetBlitTypeRegistry(),
                                                   EDITOR_EDITABLE, "Transparent Mask", VP_SETTER(SetBlitType),
                                                   false));
    classInfo->AddProperty(
        new IntProperty("Render/X Offset", VP_MEMBER(m_XOffset), EDITOR_EDITABLE, 0, VP_SETTER(SetXOffset), 0, 0));
    classInfo->AddProperty(
        new IntProperty("Render/Y Offset", VP_MEMBER(m_YOffset), EDITOR_EDITABLE, 0, VP_SETTER(SetYOffset), 0, 0));
    classInfo->AddProperty(new UnsignedIntProperty("Image/Use Every", "Frames", VP_MEMBER(m_UseEvery),
                                                   EDITOR_EDITABLE, 1, VP_SETTER(SetUseEvery), 1, 99999));
    classInfo->GetLastProperty()->SetHelpText(
        "This allows frames to be skipped.  A value of 1 means to use every frame.  A vale of 2 means to use every "
        "other frame.  A value of 3 would use every third frame.");
    classInfo->AddProperty(new BoolProperty("Image/Always Include Last Frame", VP_MEMBER(m_AlwaysIncludeLastFrame),
                                            EDITOR_EDITABLE, false, VP_SETTER(SetAlwaysIncludeLastFrame)));
    classInfo->GetLastProperty()->SetHelpText(
        "Only relevant when frame skipping is used such as \"Use Every 2 frames\".  Checking this box will grantee "
        "the last frame will never be skipped.  This can be important for animation which stop on the last frame "
        "such as death.  This should NOT be used for looping sequences such as walk.\n\nChange does not take effect "
        "until data is reloaded");

    struct FlagRow
    {
        const char* name;
        uint32_t mask;
        bool defaultValue;
        BitFlagProperty::Setter setter;
    };
    const FlagRow flags[] = {
        {"Image/Center Hot Spot", CENTER_HOT_SPOT, true, VP_SETTER(SetCenterHotSpot)},
        {"Image/Blended With Black", BLENDED_WITH_BLACK, true, VP_SETTER(SetBlendedWithBlack)},
        {"Load/Crop Clor 0", CROP_COLOR_0, true, VP_SETTER(SetCropColor0)},
        {"Load/Use 8 Bit Alpha", USE_8_BIT_ALPHA, false, VP_SETTER(SetUse8BitAlpha)},
        {"Load/Run Length Encode", RUN_LENGTH_ENCODE, true, VP_SETTER(SetRunLengthEncode)},
        {"Image/Do Dither", DO_DITHER, true, VP_SETTER(SetDoDither)},
        {"Image/Loss Less 2", LOSSLESS, false, VP_SETTER(SetLossless)},
    };
    for (const FlagRow& row : flags)
    {
        classInfo->AddProperty(
            new BitFlagProperty(row.name, VP_MEMBER(m_Flags), row.mask, EDITOR_EDITABLE, row.defaultValue, row.setter));
    }
    classInfo->GetLastProperty()->SetHelpText(kLosslessHelp);
    classInfo->AddProperty(new UnsignedIntProperty("Image/JPEG Quality 2", VP_MEMBER(m_JpegQuality), EDITOR_EDITABLE,
                                                   80, VP_SETTER(SetJpegQuality), 0, 100));
    classInfo->GetLastProperty()->SetHelpText(kJpegQualityHelp);

    for (const char* ignored : {"Loss Less", "JPEG Quality", "Quality", "Quality2", "Dither", "Fixed Width"})
        classInfo->AddIgnoredPropertyName(ignored);
}

CSequence::CSequence()
    : m_pFrames(nullptr)
    , m_Bounds{}
    , m_Flags(1)
    , m_BlitType(-1)
    , m_FramesPerSecond(0.0f)
    , m_FrameCount(0)
    , m_UseEvery(1)
    , m_AlwaysIncludeLastFrame(false)
    , m_XOffset(0)
    , m_YOffset(0)
    , m_JpegQuality(0)
    , m_pCacheBuffer(nullptr)
    , m_Loading(false)
{
    ConstructProperties(SGetClassInfo());
}

CSequence::~CSequence()
{
    ClearFrames();
    DestroyProperties(SGetClassInfo());
}

void CSequence::AddCustomEditorControls(CPropertyWindow* window)
{
    CEditorHooks& hooks = GetEditorHooks();
    hooks.AddSequencePreviewEditor(window, this);
    hooks.AddMenuCommand(window, "File", "Save As AVI", this,
                         [](CObject* target) { static_cast<CSequence*>(target)->SaveAsAVI(); });
}

// An older key: a non-zero value chose the black-biased blend.
void CSequence::ReadCustomProperties(const char* name, const char* value, CObjectStream& stream)
{
    if (CString(name).CompareNoCase("Load Black Bias") == 0)
    {
        if (std::atoi(value) != 0)
            m_BlitType = BlitTypeIndex("Blend Black Bias");
        return;
    }
    CObject::ReadCustomProperties(name, value, stream);
}

// Defaults never start a refresh.
void CSequence::SetDefaults()
{
    CSequenceLoadingScope loading(*this);
    CObject::SetDefaults();
}

uint32_t CSequence::GetInstanceSize() const
{
    uint32_t size = SGetClassInfo()->GetInstanceSize() + 4 * m_FrameCount;
    for (uint32_t i = 0; i < m_FrameCount; i++)
    {
        if (const CFrame* frame = GetFrame(i))
            size += frame->GetInstanceSize();
    }
    return size;
}

void CSequence::OffsetFrames(int32_t dx, int32_t dy)
{
    if (dx == 0 && dy == 0)
        return;
    for (uint32_t i = 0; i < m_FrameCount; i++)
    {
        if (CFrame* frame = GetFrame(i))
            frame->MoveUpperLeftOffset(-dx, -dy);
    }
}

CFrame* CSequence::GetFrame(uint32_t index) const
{
    return index < m_FrameCount && m_pFrames != nullptr ? m_pFrames[index] : nullptr;
}

// Every sequence animates against the one masked millisecond clock, so two
// objects showing one sequence show the same frame. Rates come from files:
// a product that is not a usable frame number (negative, not finite, past
// 64 bits) shows the first frame rather than converting undefined values.
CFrame* CSequence::GetFrameAtTime() const
{
    const uint32_t count = GetFrameCount();
    if (count == 0)
        return nullptr;
    const float fps = GetEffectiveFps();
    const uint32_t tick = GetTickCount24();
    const float position = static_cast<float>(static_cast<double>(tick) * fps * 0.001);
    constexpr float kPast64Bits = 18446744073709551616.0f;
    if (!std::isfinite(position) || position < 0.0f)
        return GetFrame(0);
    const float rounded = std::nearbyint(position);
    if (rounded >= kPast64Bits)
        return GetFrame(0);
    return GetFrame(static_cast<uint32_t>(static_cast<uint64_t>(rounded) % count));
}

// A progress below zero or at and past the end shows the last frame, as
// the unsigned comparison of the truncated index always did.
CFrame* CSequence::GetFrameAtFraction(float fraction) const
{
    const uint32_t count = GetFrameCount();
    if (count == 0)
        return nullptr;
    const float position = static_cast<float>(count) * fraction;
    if (!(position > -1.0f && position < static_cast<float>(count)))
        return GetFrame(count - 1);
    return GetFrame(static_cast<uint32_t>(position));
}

// A use-every of 0 (a damaged cache) counts as 1.
float CSequence::GetEffectiveFps() const
{
    return m_FramesPerSecond / static_cast<float>(m_UseEvery != 0 ? m_UseEvery : 1);
}

uint32_t CSequence::ComputeBounds()
{
    // The left edge starts nearer than the others: sequences have always
    // been measured so, and stored bounds rely on it.
    CRect bounds{99999, 999999, -999999, -999999};
    for (uint32_t i = 0; i < m_FrameCount; i++)
    {
        if (GetFrame(i) == nullptr)
            continue;
        CRect frame;
        GetFrame(i)->GetBounds(frame);
        if (frame.left < bounds.left)
            bounds.left = frame.left;
        if (frame.top < bounds.top)
            bounds.top = frame.top;
        if (frame.right > bounds.right)
            bounds.right = frame.right;
        if (frame.bottom > bounds.bottom)
            bounds.bottom = frame.bottom;
    }
    m_Bounds = bounds;
    return m_FrameCount;
}

void CSequence::ApplyOffsets()
{
    OffsetFrames(m_XOffset, m_YOffset);
    ComputeBounds();
}

CSequence::RefreshCallback CSequence::GetRefreshCallback() const
{
    return &RefreshSequence;
}

CBlitType* CSequence::GetBlitType() const
{
    return GetBlitTypeRegistry().GetBlitType(m_BlitType);
}

void CSequence::AddFrame(CFrame* frame, bool trim, bool centre)
{
    if (frame != nullptr && (centre || trim))
    {
        // One step at a time: the centring must see the frame before the
        // trim moves its corner.
        for (const auto& [wanted, step] : {std::pair{centre, IMAGE_STEP_CENTER_HOT_SPOT},
                                           std::pair{trim, IMAGE_STEP_TRIM}})
        {
            if (!wanted)
                continue;
            CImageFilterChain chain;
            chain.AddStep(step);
            chain.Apply(*frame);
        }
    }
    CFrame** frames = static_cast<CFrame**>(std::calloc(m_FrameCount + 1, sizeof(CFrame*)));
    if (m_pFrames != nullptr)
        std::memcpy(frames, m_pFrames, sizeof(CFrame*) * m_FrameCount);
    frames[m_FrameCount] = frame;
    std::free(m_pFrames);
    m_pFrames = frames;
    m_FrameCount++;
    ComputeBounds();
}

void CSequence::AdoptFrames(CFrame** frames, uint32_t count)
{
    ClearFrames();
    m_pFrames = frames;
    m_FrameCount = count;
}

// The binary reader stores the frame count before the frames: a read that
// fails in between leaves a count without an array.
void CSequence::ClearFrames()
{
    for (uint32_t i = 0; m_pFrames != nullptr && i < m_FrameCount; i++)
        delete m_pFrames[i];
    std::free(m_pFrames);
    m_pFrames = nullptr;
    std::free(m_pCacheBuffer);
    m_pCacheBuffer = nullptr;
    m_FrameCount = 0;
}

CImageFilterChain* GetDefaultSequenceLoadSteps()
{
    static CImageFilterChain s_DefaultSequenceLoadSteps;
    s_DefaultSequenceLoadSteps.Clear();
    for (int32_t step : {IMAGE_STEP_ALPHA_THRESHOLD, IMAGE_STEP_TRIM, IMAGE_STEP_UNPREMULTIPLY, IMAGE_STEP_BIT_DEPTH,
                         IMAGE_STEP_RUN_LENGTH})
        s_DefaultSequenceLoadSteps.AddStep(step);
    return &s_DefaultSequenceLoadSteps;
}

CImageFilterChain* CSequence::BuildLoadSteps(CImageFilterChain* chain) const
{
    if (chain == nullptr)
        chain = GetDefaultSequenceLoadSteps();
    if ((m_Flags & DO_DITHER) != 0)
    {
        chain->RemoveStep(IMAGE_STEP_BIT_DEPTH);
        chain->AddStep(IMAGE_STEP_BIT_DEPTH_DITHERED);
    }
    if ((m_Flags & USE_8_BIT_ALPHA) != 0)
    {
        chain->RemoveStep(IMAGE_STEP_RUN_LENGTH);
        chain->AddStep(IMAGE_STEP_RUN_LENGTH_ALPHA);
        // Eight-bit alpha keeps fainter pixels than the default threshold.
        auto* threshold = static_cast<CImageStepAlphaThreshold*>(chain->FindStep(IMAGE_STEP_ALPHA_THRESHOLD));
        if (threshold != nullptr)
            threshold->m_Threshold = 3;
    }
    if ((m_Flags & RUN_LENGTH_ENCODE) == 0)
    {
        chain->RemoveStep(IMAGE_STEP_RUN_LENGTH);
        chain->RemoveStep(IMAGE_STEP_RUN_LENGTH_ALPHA);
    }
    if ((m_Flags & CENTER_HOT_SPOT) != 0)
        chain->AddStep(IMAGE_STEP_CENTER_HOT_SPOT);
    if ((m_Flags & BLENDED_WITH_BLACK) == 0)
        chain->RemoveStep(IMAGE_STEP_UNPREMULTIPLY);
    if (m_BlitType == BlitTypeIndex("Blend Black Bias"))
    {
        chain->RemoveStep(IMAGE_STEP_UNPREMULTIPLY);
        chain->AddStep(IMAGE_STEP_BLACK_TO_TRANSPARENT);
    }
    if (m_BlitType == BlitTypeIndex("Blend Amplify Light"))
    {
        chain->RemoveStep(IMAGE_STEP_UNPREMULTIPLY);
        chain->AddStep(IMAGE_STEP_COLOR_THRESHOLD);
    }
    if ((m_Flags & CROP_COLOR_0) == 0)
        chain->RemoveStep(IMAGE_STEP_TRIM);
    return chain;
}

// The old shift is undone and the new one applied to the loaded frames:
// an offset moves the picture without rebuilding it.
void CSequence::SetXOffset(int32_t value)
{
    OffsetFrames(-m_XOffset, -m_YOffset);
    m_XOffset = value;
    OffsetFrames(m_XOffset, m_YOffset);
    ComputeBounds();
    BroadcastOffsetChange();
}

void CSequence::SetYOffset(int32_t value)
{
    OffsetFrames(-m_XOffset, -m_YOffset);
    m_YOffset = value;
    OffsetFrames(m_XOffset, m_YOffset);
    ComputeBounds();
    BroadcastOffsetChange();
}

void CSequence::BroadcastOffsetChange()
{
    CChangedAntiAliasingMessage message;
    BroadcastMessage(message);
}

void CSequence::SetBlitType(int32_t index)
{
    if (index == m_BlitType)
        return;
    m_BlitType = index;
    Refresh();
}

void CSequence::SetUseEvery(uint32_t value)
{
    if (value == m_UseEvery)
        return;
    m_UseEvery = value;
    Refresh();
}

void CSequence::SetJpegQuality(uint32_t value)
{
    if (value == m_JpegQuality)
        return;
    m_JpegQuality = value;
    Refresh();
}

void CSequence::SetFlag(uint32_t mask, bool value)
{
    const uint32_t flags = value ? (m_Flags | mask) : (m_Flags & ~mask);
    if (flags == m_Flags)
        return;
    m_Flags = flags;
    Refresh();
}

void CSequence::Refresh()
{
    GetRefreshCallback()(this);
}

uint32_t SelectEveryNth(uint32_t count, uint32_t useEvery, bool alwaysIncludeLast, uint32_t* selection)
{
    if (count == 0)
        return 0;
    const uint32_t step = useEvery != 0 ? useEvery : 1;
    const uint32_t steps = (count - 1) / step;
    uint32_t kept = 0;
    for (uint32_t c = 0; c <= steps; c++)
        selection[kept++] = c * step;
    if (alwaysIncludeLast && steps * step != count - 1)
        selection[kept++] = count - 1;
    return kept;
}
