#pragma once

#include <cstdint>

#include "engine/platform/cpu_instructions.h"

// What detection asks of the processor. The real source runs the
// instructions; tests give answers of their own.
class CCpuFeatureSource
{
public:
    virtual ~CCpuFeatureSource() = default;
    virtual bool IsCpuidAvailable() = 0;
    virtual CpuidResult Cpuid(uint32_t function) = 0;
    // Runs one instruction of the extension; true when it ran.
    virtual bool ProbeCpuFeature(uint32_t feature) = 0;
    virtual void ClearMmxState() = 0;
};

// Which processor the program runs on and which of its extensions may be
// used. Found once; blit types choose their routines from it when they are
// built, and the translucent 16-bit fill asks on every call.
class CCpuInfo
{
public:
    // The first call asks the source; later calls change nothing.
    void Detect(CCpuFeatureSource& source);

    // Reported by the processor, and an instruction of it ran.
    bool HasMMX() const { return m_MmxUsable; }
    bool HasSSE() const { return m_SseUsable; }
    // 1 (slowest) to 8, from family and model alone: the default of the
    // background detail level.
    int32_t GetSpeedClass() const;
    int32_t GetFamily() const { return m_Family; }
    int32_t GetModel() const { return m_Model; }
    int32_t GetStepping() const { return m_Stepping; }
    const char* GetVendor() const { return m_Vendor; }
    const char* GetModelName() const { return m_ModelName; }
    uint32_t GetReportedFeatures() const { return m_ReportedFeatures; }
    uint32_t GetUsableFeatures() const { return m_UsableFeatures; }
    bool IsDetected() const { return m_Detected; }

    // Tests and benchmarks compare the packed-lane and plain forms of the
    // routines that ask on every call, on whatever processor runs them.
    void OverrideMMX(bool usable) { m_MmxUsable = usable; }

private:
    bool m_MmxUsable = false;
    bool m_SseUsable = false;
    char m_Vendor[13] = {};
    char m_ModelName[31] = {};
    int32_t m_Family = 0;
    int32_t m_Model = 0;
    int32_t m_Stepping = 0;
    uint32_t m_ReportedFeatures = 0;
    uint32_t m_UsableFeatures = 0;
    bool m_Detected = false;
};

// Detected on the first call.
CCpuInfo& GetCpuInfo();

// A readable name from vendor, family and model; "Unknown" for a vendor or
// Intel processor not known, empty for an AMD one not known.
void GetCpuModelName(int32_t family, int32_t model, const char* vendor, char* name, uint32_t size);
