#include "engine/platform/cpu_instructions.h"

#if defined(__x86_64__)
#include <cpuid.h>
#endif

#if defined(__x86_64__)

bool IsCpuidInstructionAvailable()
{
    return true;
}

CpuidResult RunCpuidInstruction(uint32_t function)
{
    CpuidResult result{};
    __cpuid(function, result.eax, result.ebx, result.ecx, result.edx);
    return result;
}

bool RunCpuFeatureInstruction(uint32_t feature)
{
    switch (feature)
    {
    case CPU_FEATURE_MMX:
        __asm__ volatile("pxor %%mm0, %%mm0" ::: "mm0");
        return true;
    case CPU_FEATURE_SSE:
        __asm__ volatile("xorps %%xmm0, %%xmm0" ::: "xmm0");
        return true;
    case CPU_FEATURE_SSE2:
        __asm__ volatile("xorpd %%xmm0, %%xmm0" ::: "xmm0");
        return true;
    case CPU_FEATURE_3DNOW:
        return false;
    default:
        return true;
    }
}

void ClearMmxState()
{
    __asm__ volatile("emms");
}

#else

bool IsCpuidInstructionAvailable()
{
    return false;
}

CpuidResult RunCpuidInstruction(uint32_t)
{
    return CpuidResult{};
}

bool RunCpuFeatureInstruction(uint32_t feature)
{
    return feature != CPU_FEATURE_MMX && feature != CPU_FEATURE_SSE && feature != CPU_FEATURE_SSE2 &&
           feature != CPU_FEATURE_3DNOW;
}

void ClearMmxState()
{
}

#endif
