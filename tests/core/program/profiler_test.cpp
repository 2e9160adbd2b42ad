#include <gtest/gtest.h>

#include "engine/core/program/profile_section_list.h"
#include "engine/core/program/profiler.h"
#include "engine/platform/tick_counter.h"
#include "tests/support/test_name_list.h"

// Sections live until exit, as the section list keeps their addresses.
static CProfileSection s_Outer("Test_Outer");
static CProfileSection s_Inner("Test_Inner");
static CProfileSection s_Solo("Test_Solo");
static CProfileSection s_Described("Test_Described", 1, 2.0f);

static uint64_t s_Now = 0;

static uint64_t ReadFakeClock()
{
    return s_Now;
}

static CProfileSection& FindSection(const char* name)
{
    CProfileSectionList& sections = GetProfileSectionList();
    const int32_t index = sections.Find(name, -1);
    EXPECT_NE(index, -1) << name;
    return *sections.GetSection(static_cast<uint32_t>(index));
}

class ProfilerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_PreviousClock = SetProfilerClock(ReadFakeClock);
        s_Now = 1000;
        RequestProfiling(true);
        ProfilerEndFrame();
    }

    void TearDown() override
    {
        RequestProfiling(false);
        ProfilerEndFrame();
        SetProfilerClock(m_PreviousClock);
    }

    ProfilerClock m_PreviousClock = nullptr;
};

TEST(ProfilerSections, DeclarationsAreListedInOrderWithTheirDescription)
{
    CProfileSectionList& sections = GetProfileSectionList();
    const int32_t outer = sections.Find("Test_Outer", -1);
    ASSERT_NE(outer, -1);
    EXPECT_EQ(sections.Find("test_inner", -1), outer + 1);
    EXPECT_STREQ(sections.GetName(static_cast<uint32_t>(outer + 2)), "Test_Solo");
    EXPECT_EQ(sections.GetName(sections.GetCount()), nullptr);

    EXPECT_EQ(s_Outer.GetThreshold(), 1000.0f);
    EXPECT_EQ(s_Outer.GetFlag(), 0);
    EXPECT_EQ(s_Described.GetThreshold(), 2.0f);
    EXPECT_EQ(s_Described.GetFlag(), 1);
    // Every history starts with one empty frame. A section of its own, so
    // that no frame end or reset of another test has touched it; it lives
    // until exit, as the list keeps its address.
    CProfileSection* fresh = new CProfileSection("Test_Fresh");
    EXPECT_EQ(fresh->GetHistoryCount(), 1);
    EXPECT_EQ(fresh->GetTotalHistory().sum, 0u);
    EXPECT_EQ(sections.GetSection(sections.GetCount() - 1), fresh);

    for (const char* name : { "Everything", "VirtualArray_Find", "VirtualArray_FindSpecial1",
                              "VirtualArray_FindSpecial2", "VirtualArray_FindFailing" })
        EXPECT_NE(sections.Find(name, -1), -1) << name;
    EXPECT_EQ(FindSection("VirtualArray_Find").GetThreshold(), 2.0f);
}

TEST(ProfilerSections, DisabledProfilerChangesNothing)
{
    ASSERT_FALSE(g_ProfilingEnabled);
    ProfilerClock previous = SetProfilerClock(ReadFakeClock);
    const int32_t historyCount = s_Outer.GetHistoryCount();
    const uint64_t startsSum = s_Outer.GetStartsHistory().sum;

    ProfilerBeginFrame();
    s_Now = 10;
    {
        CProfileScope scope(s_Outer);
        s_Now = 50;
    }
    s_Outer.Start();
    s_Now = 90;
    s_Outer.Stop();
    ProfilerEndFrame();

    EXPECT_EQ(s_Outer.GetFrameStarts(), 0u);
    EXPECT_EQ(s_Outer.GetFrameTotal(), 0u);
    EXPECT_EQ(s_Outer.GetHistoryCount(), historyCount);
    EXPECT_EQ(s_Outer.GetStartsHistory().sum, startsSum);
    SetProfilerClock(previous);
}

TEST_F(ProfilerTest, NestedStartsOfOneSectionCountOnceAndMeasureTheOuterBracket)
{
    s_Outer.Start();
    s_Now += 10;
    s_Outer.Start();
    s_Now += 10;
    s_Outer.Stop();
    s_Now += 10;
    s_Outer.Stop();
    EXPECT_EQ(s_Outer.GetFrameStarts(), 1u);
    EXPECT_EQ(s_Outer.GetFrameTotal(), 30u);
    EXPECT_EQ(s_Outer.GetFrameSelf(), 30u);

    // One after the other, it counts each bracket.
    {
        CProfileScope scope(s_Outer);
        s_Now += 5;
    }
    EXPECT_EQ(s_Outer.GetFrameStarts(), 2u);
    EXPECT_EQ(s_Outer.GetFrameTotal(), 35u);
}

TEST_F(ProfilerTest, ParentSelfTimeExcludesTheChildAndItsTotalIncludesIt)
{
    {
        CProfileScope outer(s_Outer);
        s_Now += 10;
        {
            CProfileScope inner(s_Inner);
            s_Now += 30;
        }
        s_Now += 10;
    }
    EXPECT_EQ(s_Outer.GetFrameTotal(), 50u);
    EXPECT_EQ(s_Outer.GetFrameSelf(), 20u);
    EXPECT_EQ(s_Inner.GetFrameTotal(), 30u);
    EXPECT_EQ(s_Inner.GetFrameSelf(), 30u);
}

TEST_F(ProfilerTest, FrameBracketsMeasureEverythingAndMoveFiguresIntoTheHistory)
{
    CProfileSection& everything = FindSection("Everything");
    ProfilerBeginFrame();
    {
        CProfileScope scope(s_Outer);
        s_Now += 4;
    }
    s_Now += 12;
    ProfilerEndFrame();

    EXPECT_EQ(everything.GetHistoryCount(), 1);
    EXPECT_EQ(everything.GetTotalHistory().sum, 16u);
    EXPECT_EQ(everything.GetSelfHistory().sum, 12u);
    EXPECT_EQ(s_Outer.GetTotalHistory().sum, 4u);
    EXPECT_EQ(s_Outer.GetStartsHistory().sum, 1u);
    EXPECT_EQ(s_Outer.GetFrameTotal(), 0u);
}

TEST_F(ProfilerTest, HistoryKeepsTheLastNinetyFrames)
{
    uint64_t lastNinety = 0;
    for (uint32_t frame = 1; frame <= 91; frame++)
    {
        ProfilerBeginFrame();
        s_Outer.Start();
        s_Now += frame;
        s_Outer.Stop();
        ProfilerEndFrame();
        if (frame > 1)
            lastNinety += frame;
    }
    EXPECT_EQ(s_Outer.GetHistoryCount(), 90);
    EXPECT_EQ(s_Outer.GetTotalHistory().sum, lastNinety);
    EXPECT_EQ(s_Outer.GetSelfHistory().sum, lastNinety);
    EXPECT_EQ(s_Outer.GetStartsHistory().sum, 90u);
}

TEST_F(ProfilerTest, SwitchRequestResetsEverySectionAtFrameEnd)
{
    for (int frame = 0; frame < 3; frame++)
    {
        ProfilerBeginFrame();
        {
            CProfileScope scope(s_Outer);
            s_Now += 7;
        }
        ProfilerEndFrame();
    }
    EXPECT_EQ(s_Outer.GetHistoryCount(), 3);

    RequestProfiling(true);
    EXPECT_EQ(s_Outer.GetHistoryCount(), 3) << "applied only at frame end";
    ProfilerEndFrame();
    CProfileSectionList& sections = GetProfileSectionList();
    for (uint32_t i = 0; i < sections.GetCount(); i++)
    {
        EXPECT_EQ(sections.GetSection(i)->GetHistoryCount(), 0) << sections.GetName(i);
        EXPECT_EQ(sections.GetSection(i)->GetTotalHistory().sum, 0u) << sections.GetName(i);
    }

    RequestProfiling(false);
    EXPECT_TRUE(g_ProfilingEnabled);
    ProfilerEndFrame();
    EXPECT_FALSE(g_ProfilingEnabled);
}

TEST_F(ProfilerTest, SoloSectionIsTheOnlyOneMeasured)
{
    s_Solo.RequestSolo(true);
    ProfilerEndFrame();

    {
        CProfileScope outer(s_Outer);
        s_Now += 5;
    }
    {
        CProfileScope solo(s_Solo);
        s_Now += 5;
        CProfileScope inner(s_Inner);
        s_Now += 5;
    }
    EXPECT_EQ(s_Outer.GetFrameStarts(), 0u);
    EXPECT_EQ(s_Solo.GetFrameTotal(), 10u);
    EXPECT_EQ(s_Inner.GetFrameTotal(), 5u);

    s_Solo.RequestSolo(false);
    ProfilerEndFrame();
    {
        CProfileScope outer(s_Outer);
        s_Now += 5;
    }
    EXPECT_EQ(s_Outer.GetFrameStarts(), 1u);
}

TEST_F(ProfilerTest, FindByNameIsTimedOnlyInItsCStringForm)
{
    CProfileSection& find = FindSection("VirtualArray_Find");
    CProfileSection& failing = FindSection("VirtualArray_FindFailing");
    const uint32_t findStarts = find.GetFrameStarts();
    CTestNameList list({ "a", "b" });
    EXPECT_EQ(list.Find("b", -1), 1);
    EXPECT_EQ(list.Find("c", -1), -1);
    EXPECT_EQ(list.Find(CString("b"), -1), 1);
    EXPECT_EQ(find.GetFrameStarts(), findStarts + 2);
    EXPECT_EQ(failing.GetFrameStarts(), 1u);
}

static int64_t s_Nanoseconds = 0;

static int64_t ReadFakeNanoseconds()
{
    return s_Nanoseconds;
}

// Counter ticks would be nanoseconds here and wrap a 32-bit frame total
// within five seconds; microseconds last over an hour. The profiler's own
// clock reads the platform counter, which runs on a fake nanosecond clock
// here: started a year into the run, so the conversion must not overflow.
TEST(ProfilerClock, RealClockCountsMicroseconds)
{
    const NanosecondClock previous = SetNanosecondClock(ReadFakeNanoseconds);
    s_Nanoseconds = 365LL * 24 * 3600 * 1000000000;
    RequestProfiling(true);
    ProfilerEndFrame();
    {
        CProfileScope scope(s_Inner);
        s_Nanoseconds += 20000999;
    }
    const uint32_t total = s_Inner.GetFrameTotal();
    RequestProfiling(false);
    ProfilerEndFrame();
    SetNanosecondClock(previous);

    EXPECT_EQ(total, 20000u);
}

// File reads carry brackets and the sound threads read files: a bracket on
// another thread leaves the main thread's figures alone.
TEST_F(ProfilerTest, ABracketOnAnotherThreadMeasuresNothing)
{
    std::thread reader([] {
        CProfileScope scope(s_Inner);
        s_Inner.Start();
        s_Inner.Stop();
    });
    reader.join();
    EXPECT_EQ(s_Inner.GetFrameStarts(), 0u);
    EXPECT_EQ(s_Inner.GetFrameTotal(), 0u);
}

// Everything else of the profiler is the main thread's.
TEST(ProfilerSections, DebugBuildsStopAFrameEndedOnAnotherThread)
{
#ifdef NDEBUG
    GTEST_SKIP() << "the check is compiled into debug builds only";
#else
    EXPECT_DEATH(std::thread([] { ProfilerEndFrame(); }).join(), "IsMainThread");
    EXPECT_DEATH(std::thread([] { RequestProfiling(true); }).join(), "IsMainThread");
#endif
}
