#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "engine/blit/cpu_info.h"

namespace {

constexpr uint32_t MMX_BIT = 1u << 23;
constexpr uint32_t SSE_BIT = 1u << 25;
constexpr uint32_t SSE2_BIT = 1u << 26;
constexpr uint32_t THREE_D_NOW_BIT = 1u << 31;

// A processor made of answers: what CPUID reports and which test
// instructions fault. Counts every question so tests see what was asked.
class CFakeProcessor : public CCpuFeatureSource
{
public:
    CFakeProcessor(const char* vendor, int32_t family, int32_t model, int32_t stepping, uint32_t features)
    {
        CpuidResult identification{};
        std::memcpy(&identification.ebx, vendor, 4);
        std::memcpy(&identification.edx, vendor + 4, 4);
        std::memcpy(&identification.ecx, vendor + 8, 4);
        answers[0] = identification;
        answers[1] = CpuidResult{static_cast<uint32_t>(family << 8 | model << 4 | stepping), 0, 0, features};
        answers[0x80000000u] = CpuidResult{0x80000000u, 0, 0, 0};
        answers[0x80000001u] = CpuidResult{0, 0, 0, 0};
    }

    bool IsCpuidAvailable() override
    {
        questions++;
        return hasCpuid;
    }
    CpuidResult Cpuid(uint32_t function) override
    {
        questions++;
        return answers[function];
    }
    bool ProbeCpuFeature(uint32_t feature) override
    {
        probed.push_back(feature);
        return (faulting & feature) == 0;
    }
    void ClearMmxState() override { cleared = true; }

    bool hasCpuid = true;
    uint32_t faulting = 0;
    std::map<uint32_t, CpuidResult> answers;
    int32_t questions = 0;
    std::vector<uint32_t> probed;
    bool cleared = false;
};

} // namespace

TEST(CpuInfo, SpeedClassesFromFamilyAndModel)
{
    const struct
    {
        const char* vendor;
        int32_t family, model, speedClass;
    } cases[] = {
        {"GenuineIntel", 5, 4, 1},  {"GenuineIntel", 6, 1, 2},  {"GenuineIntel", 6, 3, 3},  {"GenuineIntel", 6, 5, 4},
        {"GenuineIntel", 6, 7, 5},  {"GenuineIntel", 6, 8, 6},  {"AuthenticAMD", 6, 7, 5},  {"GenuineIntel", 15, 2, 8},
        {"GenuineIntel", 15, 3, 7}, {"GenuineIntel", 10, 0, 6}, {"AuthenticAMD", 15, 0, 8},
    };
    for (const auto& c : cases)
    {
        CFakeProcessor processor(c.vendor, c.family, c.model, 3, 0);
        CCpuInfo info;
        info.Detect(processor);
        EXPECT_EQ(info.GetSpeedClass(), c.speedClass) << c.vendor << " " << c.family << "/" << c.model;
        EXPECT_EQ(info.GetFamily(), c.family);
        EXPECT_EQ(info.GetModel(), c.model);
        EXPECT_EQ(info.GetStepping(), 3);
        EXPECT_STREQ(info.GetVendor(), c.vendor);
    }
}

TEST(CpuInfo, ExtensionsCountOnlyWhenReportedAndTheirInstructionRan)
{
    const struct
    {
        const char* what;
        uint32_t features;
        uint32_t faulting;
        bool mmx, sse;
        uint32_t reported, usable;
    } cases[] = {
        {"all run", MMX_BIT | SSE_BIT | SSE2_BIT, 0, true, true, 7, 7},
        {"MMX faults", MMX_BIT | SSE_BIT, CPU_FEATURE_MMX, false, true, 3, 2},
        {"SSE not reported", MMX_BIT, 0, true, false, 1, 1},
        {"nothing reported", 0, 0, false, false, 0, 0},
    };
    for (const auto& c : cases)
    {
        CFakeProcessor processor("GenuineIntel", 6, 8, 0, c.features);
        processor.faulting = c.faulting;
        CCpuInfo info;
        info.Detect(processor);
        EXPECT_EQ(info.HasMMX(), c.mmx) << c.what;
        EXPECT_EQ(info.HasSSE(), c.sse) << c.what;
        EXPECT_EQ(info.GetReportedFeatures(), c.reported) << c.what;
        EXPECT_EQ(info.GetUsableFeatures(), c.usable) << c.what;
        EXPECT_EQ(processor.cleared, (c.features & MMX_BIT) != 0) << c.what;
    }
}

TEST(CpuInfo, ProbesInOrderAndReadsTheExtendedFlagsAtTheirThreshold)
{
    CFakeProcessor processor("AuthenticAMD", 6, 2, 1, MMX_BIT | SSE_BIT | SSE2_BIT);
    processor.answers[0x80000001u] = CpuidResult{0, 0, 0, THREE_D_NOW_BIT};
    CCpuInfo info;
    info.Detect(processor);
    const std::vector<uint32_t> order = {CPU_FEATURE_MMX, CPU_FEATURE_3DNOW, CPU_FEATURE_SSE, CPU_FEATURE_SSE2};
    EXPECT_EQ(processor.probed, order);
    EXPECT_EQ(info.GetReportedFeatures() & CPU_FEATURE_3DNOW, CPU_FEATURE_3DNOW);
    EXPECT_STREQ(info.GetModelName(), "AMD ATHLON");

    // Below the threshold no extended flags are read.
    CFakeProcessor older("AuthenticAMD", 6, 2, 1, 0);
    older.answers[0x80000000u] = CpuidResult{0x7FFFFFFFu, 0, 0, 0};
    older.answers[0x80000001u] = CpuidResult{0, 0, 0, THREE_D_NOW_BIT};
    CCpuInfo olderInfo;
    olderInfo.Detect(older);
    EXPECT_EQ(olderInfo.GetReportedFeatures(), 0u);
}

TEST(CpuInfo, WithoutCpuidNothingIsUsable)
{
    CFakeProcessor processor("GenuineIntel", 6, 8, 0, MMX_BIT);
    processor.hasCpuid = false;
    CCpuInfo info;
    info.Detect(processor);
    EXPECT_FALSE(info.HasMMX());
    EXPECT_EQ(info.GetSpeedClass(), 6);
    EXPECT_EQ(info.GetFamily(), 0);
    EXPECT_STREQ(info.GetVendor(), "");
    EXPECT_STREQ(info.GetModelName(), "");
    EXPECT_TRUE(processor.probed.empty());
}

TEST(CpuInfo, DetectionRunsOnce)
{
    CFakeProcessor processor("GenuineIntel", 6, 8, 0, MMX_BIT);
    CCpuInfo info;
    info.Detect(processor);
    const int32_t asked = processor.questions;
    EXPECT_GT(asked, 0);
    info.Detect(processor);
    EXPECT_EQ(processor.questions, asked);
    EXPECT_EQ(processor.probed.size(), 1u);
    EXPECT_EQ(&GetCpuInfo(), &GetCpuInfo());
}

TEST(CpuInfo, ModelNames)
{
    const struct
    {
        const char* vendor;
        int32_t family, model;
        const char* name;
    } cases[] = {
        {"GenuineIntel", 4, 1, "INTEL 486DX"},
        {"GenuineIntel", 5, 4, "INTEL Pentium-MMX"},
        {"GenuineIntel", 6, 6, "INTEL Celeron"},
        {"GenuineIntel", 6, 10, "INTEL Pentium-III Xeon model A"},
        {"GenuineIntel", 15, 9, "INTEL Pentium 4"},
        {"GenuineIntel", 9, 0, "Unknown"},
        {"AuthenticAMD", 4, 3, "AMD Am486"},
        {"AuthenticAMD", 5, 8, "AMD K6-2"},
        {"AuthenticAMD", 5, 4, ""},
        {"AuthenticAMD", 15, 1, ""},
        {"CyrixInstead", 5, 2, "Unknown"},
    };
    for (const auto& c : cases)
    {
        char name[31];
        GetCpuModelName(c.family, c.model, c.vendor, name, sizeof(name));
        EXPECT_STREQ(name, c.name) << c.vendor << " " << c.family << "/" << c.model;
    }
}

#if defined(__x86_64__)
TEST(CpuInfo, ThisProcessorOffersMMX)
{
    EXPECT_TRUE(GetCpuInfo().HasMMX());
    EXPECT_TRUE(GetCpuInfo().HasSSE());
    EXPECT_EQ(GetCpuInfo().GetUsableFeatures() & CPU_FEATURE_3DNOW, 0u);
}
#endif
