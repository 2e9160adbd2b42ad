#include "engine/blit/blit_amplify_light.h"

#include "engine/blit/blit_black_bias.h"
#include "engine/blit/blit_rows.h"
#include "engine/blit/cpu_info.h"
#include "engine/blit/normal_routines.h"
#include "engine/blit/normal_run_length_routines.h"
#include "engine/blit/run_length_renderers.h"

uint16_t AmplifyTable[3][32][32];

namespace {

void BuildAmplifyTable()
{
    // d + d x s / 31 + 1/2 in single precision, truncated: exactly
    // round(d x (31 + s) / 31) for every pair.
    const float k = 1.0f / 31.0f;
    const int32_t shifts[3] = {11, 6, 0};
    for (int32_t d = 0; d < 32; d++)
        for (int32_t s = 0; s < 32; s++)
        {
            const float lit = static_cast<float>(d) + static_cast<float>(d * s) * k + 0.5f;
            const int32_t value = lit >= 31.0f ? 31 : static_cast<int32_t>(lit);
            for (int32_t channel = 0; channel < 3; channel++)
                AmplifyTable[channel][d][s] = static_cast<uint16_t>(value << shifts[channel]);
        }
}

void AmplifyLiteral(uint8_t* destination, const uint8_t* source, uint32_t count)
{
    for (uint32_t i = 0; i < count; i++)
        Store16(destination + 2 * i, Amplify565(Load16(destination + 2 * i), Load16(source + 2 * i)));
}

void AmplifyFill(uint8_t* destination, uint32_t value, uint32_t count)
{
    for (uint32_t i = 0; i < count; i++)
        Store16(destination + 2 * i, Amplify565(Load16(destination + 2 * i), static_cast<uint16_t>(value)));
}

void WhiteLiteral(uint8_t* destination, const uint8_t*, const uint8_t*, uint32_t count)
{
    for (uint32_t i = 0; i < count; i++)
        Store16(destination + 2 * i, 0xFFFF);
}

void WhiteFill(uint8_t* destination, uint32_t, uint32_t, uint32_t count)
{
    WhiteLiteral(destination, nullptr, nullptr, count);
}

template <bool FourLane>
void BlitAmplifyRle16AlphaTo16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                               const CRect& destinationRect, CBlitType* blitType)
{
    static const RunKernelRow amplifyLiteral = SameKernelInEverySlot(AmplifyLiteral);
    static const RunKernelRow amplifyFill = SameKernelInEverySlot(AmplifyFill);
    static const RunKernelRow whiteLiteral = SameKernelInEverySlot(WhiteLiteral);
    static const RunKernelRow whiteFill = SameKernelInEverySlot(WhiteFill);
    // Below opacity 1.0 the opaque pixels are Normal's opacity blends.
    const int32_t faded = FourLane ? 20 : 14;
    const RunKernelPair opaque = IsOpaque(blitType) ? RunKernelPair{&amplifyLiteral, &amplifyFill}
                                                    : RunKernelPair{&RunKernelTable[faded], &RunKernelTable[faded + 1]};
    DrawRle16AlphaThrough(source, sourceRect, destination, destinationRect, opaque, {&whiteLiteral, &whiteFill},
                          RunRowsFor(source, sourceRect));
}

} // namespace

uint16_t Amplify565(uint16_t destination, uint16_t source)
{
    return static_cast<uint16_t>(AmplifyTable[AMPLIFY_RED][destination >> 11][source >> 11] |
                                 AmplifyTable[AMPLIFY_GREEN][(destination >> 6) & 31][(source >> 6) & 31] |
                                 AmplifyTable[AMPLIFY_BLUE][destination & 31][source & 31]);
}

CBlitBlendAmplifyLight::CBlitBlendAmplifyLight(bool useFourLaneForms)
{
    BuildAmplifyTable();
    AddEntry(8, 0, 8, 0, BlitBlackBias8To8);
    AddEntry(16, 0, 16, 0, useFourLaneForms ? BlitBlackBias16To16FourLane : BlitNormal16To16);
    AddEntry(24, 0, 24, 0, BlitNormal24To24);
    AddEntry(32, 0, 24, 0, BlitNormal32To24);
    AddEntry(32, 0, 32, 0, BlitNormal32To32);
    AddEntry(8, 2, 8, 0, BlitBlackBiasRle8To8);
    AddEntry(16, 4, 16, 0, useFourLaneForms ? BlitAmplifyRle16AlphaTo16<true> : BlitAmplifyRle16AlphaTo16<false>);
    AddEntry(24, 4, 24, 0, BlitRle24AlphaTo24);
}

CBlitBlendAmplifyLight& GetBlitBlendAmplifyLight()
{
    static CBlitBlendAmplifyLight s_AmplifyLight(GetCpuInfo().HasMMX());
    return s_AmplifyLight;
}
