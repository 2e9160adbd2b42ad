#pragma once

#include <cstdint>

// The processor's own answers about itself. On x86-64 CPUID and the MMX,
// SSE and SSE2 instructions are part of the architecture, so running one of
// them cannot fault; other processors have no CPUID at all.

struct CpuidResult
{
    uint32_t eax;
    uint32_t ebx;
    uint32_t ecx;
    uint32_t edx;
};

// False on a processor without the CPUID instruction.
bool IsCpuidInstructionAvailable();
// All zero where CPUID is not available.
CpuidResult RunCpuidInstruction(uint32_t function);

// Instruction-set extensions, as bits of one mask.
constexpr uint32_t CPU_FEATURE_MMX = 1;
constexpr uint32_t CPU_FEATURE_SSE = 2;
constexpr uint32_t CPU_FEATURE_SSE2 = 4;
constexpr uint32_t CPU_FEATURE_3DNOW = 8;

// Runs one instruction of the extension (PXOR, XORPS, XORPD) and answers
// whether it ran. 3DNow! is never executed, so never counts as usable; a
// code that names no extension answers true without running anything.
bool RunCpuFeatureInstruction(uint32_t feature);
// Leaves the MMX state so that floating-point code may run again.
void ClearMmxState();
