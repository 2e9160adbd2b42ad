#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "engine/blit/blit_type_registry.h"
#include "engine/core/messages/engine_messages.h"
#include "engine/core/messages/message_bus.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/image_steps.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/sequence.h"
#include "engine/object/class_info.h"
#include "engine/platform/tick_counter.h"
#include "tests/support/sequence_fixtures.h"

namespace {

int32_t BlitIndex(const char* name)
{
    return GetBlitTypeRegistry().Find(name, -1);
}

std::unique_ptr<CSequence> SequenceOfFrames(uint32_t count, const std::vector<std::string>& lines = {})
{
    std::unique_ptr<CSequence> sequence(ReadTestSequence(lines));
    for (uint32_t i = 0; i < count; i++)
        sequence->AddFrame(MakeTestFrame(4, 4), false, false);
    return sequence;
}

int64_t g_Nanoseconds = 0;

int64_t HandClock()
{
    return g_Nanoseconds;
}

// Sets the shared millisecond clock for the life of the object.
class ScopedTick
{
public:
    explicit ScopedTick(uint32_t milliseconds)
        : m_Previous(SetNanosecondClock(HandClock))
    {
        g_Nanoseconds = int64_t{milliseconds} * 1000000;
    }
    ~ScopedTick() { SetNanosecondClock(m_Previous); }

private:
    NanosecondClock m_Previous;
};

class AntiAliasingCounter : public CMessageListener
{
public:
    bool ReceiveMessage(CMessage& message) override
    {
        if (message.GetTypeId() == CChangedAntiAliasingMessage::GetClassTypeId())
            m_Count++;
        return false;
    }

    int32_t m_Count = 0;
};

} // namespace

TEST(Sequence, ConstructionAndDefaults)
{
    CSequence sequence;
    EXPECT_EQ(sequence.GetFlags(), 1u);
    EXPECT_EQ(sequence.GetBlitTypeIndex(), -1);
    EXPECT_EQ(sequence.GetFrameCount(), 0u);

    sequence.SetDefaults();
    EXPECT_EQ(sequence.GetFlags(), 0x37u);
    EXPECT_EQ(sequence.GetFramesPerSecond(), 15.0f);
    EXPECT_EQ(sequence.GetUseEvery(), 1u);
    EXPECT_EQ(sequence.GetJpegQuality(), 80u);
    EXPECT_EQ(sequence.GetBlitTypeIndex(), BlitIndex("Transparent Mask"));
    EXPECT_FALSE(sequence.GetAlwaysIncludeLastFrame());
    EXPECT_FALSE(sequence.IsLoading());
}

TEST(Sequence, PropertiesAreTheFileFormat)
{
    const CClassInfo* info = CSequence::SGetClassInfo();
    // Declared 120 + 7 x 15 own properties + 3 x the root's version.
    EXPECT_FLOAT_EQ(info->GetVersion(), 120.0f + 7.0f * 15.0f + 3.0f * CObject::SGetClassInfo()->GetVersion());
    for (const char* name : {"Frames Per Second", "Blit Type", "X Offset", "Y Offset", "Use Every",
                             "Always Include Last Frame", "Center Hot Spot", "Blended With Black", "Crop Clor 0",
                             "Use 8 Bit Alpha", "Run Length Encode", "Do Dither", "Loss Less 2", "JPEG Quality 2"})
        EXPECT_NE(info->FindProperty(name), nullptr) << name;
    for (const char* ignored : {"Loss Less", "JPEG Quality", "Quality", "Quality2", "Dither", "Fixed Width"})
        EXPECT_TRUE(info->IsIgnoredPropertyName(ignored)) << ignored;
}

TEST(Sequence, EffectiveRateDividesByUseEvery)
{
    std::unique_ptr<CSequence> sequence(ReadTestSequence({"Use Every=2"}));
    EXPECT_EQ(sequence->GetEffectiveFps(), 7.5f);
}

TEST(Sequence, FrameAtTimeFollowsTheSharedClock)
{
    struct Case
    {
        float fps;
        uint32_t tick;
        uint32_t frames;
        uint32_t expected;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {10.0f, 1234, 10, 2},  // 12.34 rounds to 12
        {1.0f, 2500, 10, 2},   // exactly 2.5: ties go to even
        {1.0f, 1500, 10, 2},   // a hair above 1.5
        {10.0f, 0xFFFFFF, 7, 167772 % 7},
        {-1.0f, 1234, 10, 0},
        {nan, 1234, 10, 0},
        {1e30f, 1234, 10, 0},
        {std::numeric_limits<float>::infinity(), 1234, 10, 0},
    };
    for (const Case& c : cases)
    {
        std::unique_ptr<CSequence> sequence = SequenceOfFrames(c.frames);
        sequence->SetFramesPerSecond(c.fps);
        ScopedTick tick(c.tick);
        EXPECT_EQ(sequence->GetFrameAtTime(), sequence->GetFrame(c.expected)) << c.fps << " at " << c.tick;
    }
}

TEST(Sequence, FrameAtTimeOfAnEmptySequenceIsNone)
{
    CSequence sequence;
    sequence.SetDefaults();
    ScopedTick tick(1234);
    EXPECT_EQ(sequence.GetFrameAtTime(), nullptr);
    EXPECT_EQ(sequence.GetFrameAtFraction(0.5f), nullptr);
}

TEST(Sequence, FrameAtFraction)
{
    std::unique_ptr<CSequence> sequence = SequenceOfFrames(4);
    const struct
    {
        float fraction;
        uint32_t expected;
    } cases[] = {{1.0f, 3}, {0.99f, 3}, {0.24f, 0}, {0.25f, 1}, {-0.1f, 0}, {-0.5f, 3}, {7.0f, 3},
                 {std::numeric_limits<float>::quiet_NaN(), 3}};
    for (const auto& c : cases)
        EXPECT_EQ(sequence->GetFrameAtFraction(c.fraction), sequence->GetFrame(c.expected)) << c.fraction;
}

TEST(Sequence, FramesAndBounds)
{
    std::unique_ptr<CSequence> sequence(ReadTestSequence({}));
    CRect bounds;
    sequence->ComputeBounds();
    sequence->GetBounds(bounds);
    EXPECT_EQ(bounds.left, 99999);
    EXPECT_EQ(bounds.top, 999999);
    EXPECT_EQ(bounds.right, -999999);
    EXPECT_EQ(bounds.bottom, -999999);

    sequence->AddFrame(MakeTestFrame(10, 20, -5, -10), false, false);
    sequence->AddFrame(nullptr, false, false);
    sequence->AddFrame(MakeTestFrame(4, 4, 3, 12), false, false);
    EXPECT_EQ(sequence->GetFrameCount(), 3u);
    EXPECT_EQ(sequence->GetFrame(1), nullptr);
    EXPECT_EQ(sequence->GetFrame(3), nullptr);
    EXPECT_EQ(sequence->GetFrame(0xFFFFFFFFu), nullptr);
    sequence->GetBounds(bounds);
    EXPECT_EQ(bounds.left, -5);
    EXPECT_EQ(bounds.top, -10);
    EXPECT_EQ(bounds.right, 7);
    EXPECT_EQ(bounds.bottom, 16);

    sequence->ClearFrames();
    EXPECT_EQ(sequence->GetFrameCount(), 0u);
    EXPECT_EQ(sequence->GetFrame(0), nullptr);
}

TEST(Sequence, OffsetsMoveTheLoadedFramesWithoutARebuild)
{
    std::unique_ptr<CSequence> sequence = SequenceOfFrames(2);
    CFrame* first = sequence->GetFrame(0);
    AntiAliasingCounter counter;
    CRect before;
    sequence->GetBounds(before);

    sequence->SetXOffset(5);
    EXPECT_EQ(sequence->GetFrame(0), first);
    EXPECT_EQ(first->GetUpperLeftXOffset(), -5);
    EXPECT_EQ(sequence->GetFrame(1)->GetUpperLeftXOffset(), -5);
    CRect moved;
    sequence->GetBounds(moved);
    EXPECT_EQ(moved.left, before.left - 5);
    EXPECT_EQ(moved.right, before.right - 5);
    EXPECT_EQ(moved.top, before.top);
    EXPECT_EQ(counter.m_Count, 1);

    sequence->SetYOffset(-2);
    EXPECT_EQ(first->GetUpperLeftYOffset(), 2);
    sequence->SetXOffset(0);
    sequence->SetYOffset(0);
    CRect back;
    sequence->GetBounds(back);
    EXPECT_EQ(back.left, before.left);
    EXPECT_EQ(back.top, before.top);
    EXPECT_EQ(first->GetUpperLeftXOffset(), 0);
    EXPECT_EQ(first->GetUpperLeftYOffset(), 0);
    EXPECT_EQ(counter.m_Count, 4);
}

TEST(Sequence, LoadBlackBiasKeyChoosesTheBlackBiasedBlend)
{
    std::unique_ptr<CSequence> on(ReadTestSequence({"Load Black Bias=1"}));
    EXPECT_EQ(on->GetBlitTypeIndex(), BlitIndex("Blend Black Bias"));
    std::unique_ptr<CSequence> off(ReadTestSequence({"Blit Type=Normal", "Load Black Bias=0"}));
    EXPECT_EQ(off->GetBlitTypeIndex(), BlitIndex("Normal"));
}

TEST(Sequence, LoadStepsFollowTheOptions)
{
    SetDisplayBitDepth(16);
    struct Case
    {
        std::vector<std::string> lines;
        std::vector<int32_t> types;
    };
    const std::vector<std::string> noFlags = {"Center Hot Spot=0", "Blended With Black=0", "Crop Clor 0=0",
                                              "Run Length Encode=0", "Do Dither=0"};
    std::vector<std::string> normal = noFlags;
    normal.push_back("Blit Type=Normal");
    std::vector<std::string> blackBias = noFlags;
    blackBias[1] = "Blended With Black=1";
    blackBias.push_back("Blit Type=Blend Black Bias");
    const Case cases[] = {
        {{}, {2, 3, 6, 7, 8, 11}},
        {normal, {3, 11}},
        {blackBias, {3, 4, 7, 11}},
    };
    for (const Case& c : cases)
    {
        std::unique_ptr<CSequence> sequence(ReadTestSequence(c.lines));
        EXPECT_EQ(StepTypes(*sequence->BuildLoadSteps(nullptr)), c.types);
    }

    // Eight-bit alpha keeps fainter pixels than the default threshold.
    std::unique_ptr<CSequence> alpha(ReadTestSequence({"Use 8 Bit Alpha=1"}));
    CImageFilterChain* chain = alpha->BuildLoadSteps(nullptr);
    EXPECT_EQ(StepTypes(*chain), (std::vector<int32_t>{2, 3, 6, 7, 8, 11}));
    EXPECT_EQ(static_cast<CImageStepAlphaThreshold*>(chain->FindStep(IMAGE_STEP_ALPHA_THRESHOLD))->m_Threshold, 3);
    EXPECT_EQ(StepTypes(*GetDefaultSequenceLoadSteps()), (std::vector<int32_t>{3, 6, 7, 8, 11}));
}

TEST(Sequence, InstanceSizeCountsTheFrames)
{
    std::unique_ptr<CSequence> sequence = SequenceOfFrames(2);
    const uint32_t frames = sequence->GetFrame(0)->GetInstanceSize() + sequence->GetFrame(1)->GetInstanceSize();
    EXPECT_EQ(sequence->GetInstanceSize(), CSequence::SGetClassInfo()->GetInstanceSize() + frames + 8);
}

TEST(SequenceSourceSelection, UseEveryKeepsTheLastImageWhenAsked)
{
    struct Case
    {
        uint32_t count;
        uint32_t useEvery;
        bool includeLast;
        std::vector<uint32_t> kept;
    };
    const Case cases[] = {
        {10, 3, false, {0, 3, 6, 9}}, {10, 3, true, {0, 3, 6, 9}}, {9, 3, false, {0, 3, 6}},
        {9, 3, true, {0, 3, 6, 8}},   {4, 2, false, {0, 2}},       {4, 2, true, {0, 2, 3}},
        {5, 2, true, {0, 2, 4}},      {1, 3, true, {0}},           {0, 3, true, {}},
        {3, 1, true, {0, 1, 2}},      {3, 0, false, {0, 1, 2}},
    };
    for (const Case& c : cases)
    {
        std::vector<uint32_t> selection(c.count + 1);
        const uint32_t kept = SelectEveryNth(c.count, c.useEvery, c.includeLast, selection.data());
        selection.resize(kept);
        EXPECT_EQ(selection, c.kept) << c.count << " images, use every " << c.useEvery;
    }
}
