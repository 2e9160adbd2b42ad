#include "engine/blit/cpu_info.h"

#include <cstdio>
#include <cstring>

namespace {

class CProcessorFeatureSource : public CCpuFeatureSource
{
public:
    bool IsCpuidAvailable() override { return IsCpuidInstructionAvailable(); }
    CpuidResult Cpuid(uint32_t function) override { return RunCpuidInstruction(function); }
    bool ProbeCpuFeature(uint32_t feature) override { return RunCpuFeatureInstruction(feature); }
    void ClearMmxState() override { ::ClearMmxState(); }
};

struct ModelNameRow
{
    int32_t family;
    int32_t firstModel;
    int32_t lastModel;
    const char* name;
};

constexpr ModelNameRow s_IntelNames[] = {
    {4, 0, 1, "INTEL 486DX"},         {4, 2, 2, "INTEL 486SX"},       {4, 3, 3, "INTEL 486DX2"},
    {4, 4, 4, "INTEL 486SL"},         {4, 5, 5, "INTEL 486SX2"},      {4, 7, 7, "INTEL 486DX2E"},
    {4, 8, 8, "INTEL 486DX4"},        {5, 1, 3, "INTEL Pentium"},     {5, 4, 4, "INTEL Pentium-MMX"},
    {6, 1, 1, "INTEL Pentium-Pro"},   {6, 3, 3, "INTEL Pentium-II"},  {6, 5, 5, "INTEL Pentium-II"},
    {6, 6, 6, "INTEL Celeron"},       {6, 7, 8, "INTEL Pentium-III"}, {6, 10, 10, "INTEL Pentium-III Xeon model A"},
    {6, 11, 11, "INTEL Pentium-III"}, {15, 0, 15, "INTEL Pentium 4"},
};

constexpr ModelNameRow s_AmdNames[] = {
    {4, 0, 15, "AMD Am486"}, {5, 0, 3, "AMD K5"},     {5, 6, 7, "AMD K6"},
    {5, 8, 8, "AMD K6-2"},   {5, 9, 9, "AMD K6-III"}, {6, 0, 15, "AMD ATHLON"},
};

template <size_t N>
const char* FindName(const ModelNameRow (&rows)[N], int32_t family, int32_t model)
{
    for (const ModelNameRow& row : rows)
        if (row.family == family && model >= row.firstModel && model <= row.lastModel)
            return row.name;
    return nullptr;
}

} // namespace

void GetCpuModelName(int32_t family, int32_t model, const char* vendor, char* name, uint32_t size)
{
    const char* found = "Unknown";
    if (std::strncmp(vendor, "GenuineIntel", 12) == 0)
    {
        const char* intel = FindName(s_IntelNames, family, model);
        found = intel ? intel : "Unknown";
    }
    else if (std::strncmp(vendor, "AuthenticAMD", 12) == 0)
    {
        const char* amd = FindName(s_AmdNames, family, model);
        found = amd ? amd : "";
    }
    std::snprintf(name, size, "%s", found);
}

void CCpuInfo::Detect(CCpuFeatureSource& source)
{
    if (m_Detected)
        return;
    m_Detected = true;
    if (!source.IsCpuidAvailable())
        return;

    const CpuidResult vendor = source.Cpuid(0);
    const CpuidResult signature = source.Cpuid(1);
    const CpuidResult highestExtended = source.Cpuid(0x80000000u);
    const uint32_t extendedFeatures = highestExtended.eax >= 0x80000000u ? source.Cpuid(0x80000001u).edx : 0;
    const uint32_t standardFeatures = signature.edx;

    uint32_t reported = 0;
    uint32_t usable = 0;
    auto probe = [&](bool isReported, uint32_t feature) {
        if (!isReported)
            return;
        reported |= feature;
        if (source.ProbeCpuFeature(feature))
            usable |= feature;
    };
    probe((standardFeatures >> 23) & 1, CPU_FEATURE_MMX);
    probe((extendedFeatures >> 31) & 1, CPU_FEATURE_3DNOW);
    probe((standardFeatures >> 25) & 1, CPU_FEATURE_SSE);
    probe((standardFeatures >> 26) & 1, CPU_FEATURE_SSE2);

    m_UsableFeatures = usable;
    m_ReportedFeatures = reported;
    m_Family = static_cast<int32_t>((signature.eax >> 8) & 15);
    m_Model = static_cast<int32_t>((signature.eax >> 4) & 15);
    m_Stepping = static_cast<int32_t>(signature.eax & 15);
    std::memcpy(m_Vendor, &vendor.ebx, 4);
    std::memcpy(m_Vendor + 4, &vendor.edx, 4);
    std::memcpy(m_Vendor + 8, &vendor.ecx, 4);
    m_Vendor[12] = 0;
    GetCpuModelName(m_Family, m_Model, m_Vendor, m_ModelName, sizeof(m_ModelName));

    if (reported & CPU_FEATURE_MMX)
        source.ClearMmxState();
    m_MmxUsable = (reported & usable & CPU_FEATURE_MMX) != 0;
    m_SseUsable = (reported & usable & CPU_FEATURE_SSE) != 0;
}

int32_t CCpuInfo::GetSpeedClass() const
{
    if (m_Family >= 1 && m_Family <= 5)
        return 1;
    if (m_Family == 6)
    {
        switch (m_Model)
        {
        case 1:
            return 2;
        case 3:
            return 3;
        case 5:
            return 4;
        case 7:
            return 5;
        default:
            return 6;
        }
    }
    if (m_Family == 15)
        return m_Model <= 2 ? 8 : 7;
    return 6;
}

CCpuInfo& GetCpuInfo()
{
    static CCpuInfo s_Info;
    if (!s_Info.IsDetected())
    {
        CProcessorFeatureSource processor;
        s_Info.Detect(processor);
    }
    return s_Info;
}
