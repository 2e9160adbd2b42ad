#include "engine/blit/blit_transparent_mask.h"

#include "engine/blit/cpu_info.h"
#include "engine/blit/normal_routines.h"
#include "engine/blit/normal_run_length_routines.h"

CBlitTransparentMask::CBlitTransparentMask(bool useFourLaneForms)
{
    AddEntry(8, 0, 8, 0, BlitMasked8To8);
    AddEntry(8, 0, 16, 0, BlitMasked8To16);
    AddEntry(8, 0, 24, 0, BlitMasked8To24);
    AddEntry(8, 0, 32, 0, BlitMasked8To32);
    AddEntry(16, 0, 16, 0, BlitMasked16To16);
    AddEntry(16, 0, 24, 0, BlitMasked16To24);
    AddEntry(16, 0, 32, 0, BlitNormal16To32);
    AddEntry(24, 0, 24, 0, BlitNormal24To24);
    AddEntry(24, 0, 32, 0, BlitNormal24To32);
    AddEntry(32, 0, 24, 0, BlitNormal32To24);
    AddEntry(32, 0, 32, 0, BlitNormal32To32);
    AddEntry(8, 2, 8, 0, BlitNormalRle8To8);
    AddEntry(8, 2, 16, 0, BlitNormalRle8To16);
    AddEntry(16, 4, 16, 0, useFourLaneForms ? BlitNormalRle16AlphaTo16FourLane : BlitNormalRle16AlphaTo16);
    AddEntry(16, 4, 32, 0, BlitNormalRle16AlphaTo32);
    AddEntry(24, 4, 24, 0, BlitRle24AlphaTo24);
    AddEntry(24, 4, 32, 0, BlitRle24AlphaTo32);
}

CBlitTransparentMask& GetBlitTransparentMask()
{
    static CBlitTransparentMask s_TransparentMask(GetCpuInfo().HasMMX());
    return s_TransparentMask;
}
