#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

// One routine per operation and run length: a run-length row renderer
// turns every literal or fill run into exactly one call of
// RunKernelTable[row][length], so it never loops over pixels itself.
//
// Rows come in pairs, an even literal row (n stored values) and the odd
// fill row after it (one value n times):
//   0/1    8-bit copy and fill
//   2..9   8-bit blends through the palette blend tables
//   10/11  16-bit copy and fill
//   12/13  5-6-5 blend by per-pixel alpha / by the run's alpha
//   14/15  5-6-5 blend by the opacity byte
//   16/17  5-6-5 blend by alpha scaled by the opacity
//   18..23 12..17 in the four-lane arithmetic (four pixels per step)
//   24..31 as 10..17 for 24-bit blue, green, red pixels
// Slot 0 does nothing; slots 1..16 have their length built in; slots
// 17..63 hold one general routine per row that reads the count. The whole
// table is constant: it is complete before any code runs.
//
// Values of a fill come in the low 1, 2 or 3 bytes of a 32-bit word, the
// run's alpha in the low byte of another; the other bytes are ignored.
// Runs may start at any byte.
using RunCopyRoutine = void (*)(uint8_t* destination, const uint8_t* source, uint32_t count);
using RunFillRoutine = void (*)(uint8_t* destination, uint32_t value, uint32_t count);
using RunCopyAlphaRoutine = void (*)(uint8_t* destination, const uint8_t* source, const uint8_t* alpha, uint32_t count);
using RunFillAlphaRoutine = void (*)(uint8_t* destination, uint32_t value, uint32_t alpha, uint32_t count);

// One slot: which member is valid follows from the row's form.
union RunKernel
{
    RunCopyRoutine copy;
    RunFillRoutine fill;
    RunCopyAlphaRoutine copyAlpha;
    RunFillAlphaRoutine fillAlpha;

    constexpr RunKernel(RunCopyRoutine routine)
        : copy(routine)
    {
    }
    constexpr RunKernel(RunFillRoutine routine)
        : fill(routine)
    {
    }
    constexpr RunKernel(RunCopyAlphaRoutine routine)
        : copyAlpha(routine)
    {
    }
    constexpr RunKernel(RunFillAlphaRoutine routine)
        : fillAlpha(routine)
    {
    }
};

constexpr int32_t RUN_KERNEL_ROWS = 32;
constexpr int32_t RUN_KERNEL_SLOTS = 64;

using RunKernelRow = std::array<RunKernel, RUN_KERNEL_SLOTS>;

extern const RunKernelRow RunKernelTable[RUN_KERNEL_ROWS];

// Rows 18 to 23 of the table take eight lanes per step where the processor
// has 16-bit lanes; these are the same rows a pixel at a time, whose bits
// the fast form reproduces (for tests and the benchmark).
extern const RunKernelRow RunKernelFourLaneReference[6];

// Rows that convert while they draw; every slot holds the same routine.
extern const RunKernelRow RunConvert8To565Copy;
extern const RunKernelRow RunConvert8To565Fill;
extern const RunKernelRow RunConvert565To24Copy;
extern const RunKernelRow RunConvert565To24Fill;
// The translucent forms onto 24 bits draw the pixel as if opaque.
extern const RunKernelRow RunConvert565To24CopyAlpha;
extern const RunKernelRow RunConvert565To24FillAlpha;
// Onto 32 bits the opaque forms store alpha 255, the translucent ones the
// pixel's alpha, unblended.
extern const RunKernelRow RunConvert565To32Copy;
extern const RunKernelRow RunConvert565To32Fill;
extern const RunKernelRow RunConvert565To32CopyAlpha;
extern const RunKernelRow RunConvert565To32FillAlpha;

// A row of the blit types' own: one routine, which reads its count, in
// every slot.
template <size_t... Slot>
RunKernelRow SameKernelInEverySlot(RunKernel kernel, std::index_sequence<Slot...>)
{
    return RunKernelRow{((void)Slot, kernel)...};
}

inline RunKernelRow SameKernelInEverySlot(RunKernel kernel)
{
    return SameKernelInEverySlot(kernel, std::make_index_sequence<RUN_KERNEL_SLOTS>());
}

// d + trunc((s - d) x weight / 256) on one byte.
inline uint8_t Blend24(uint8_t destination, uint8_t source, int32_t weight)
{
    return static_cast<uint8_t>(destination + (source - destination) * weight / 256);
}
