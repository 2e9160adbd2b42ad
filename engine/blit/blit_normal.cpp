#include "engine/blit/blit_normal.h"

#include "engine/blit/cpu_info.h"
#include "engine/blit/normal_routines.h"
#include "engine/blit/normal_run_length_routines.h"

CBlitNormal::CBlitNormal(bool useFourLaneForms)
{
    AddEntry(8, 0, 8, 0, BlitNormal8To8);
    AddEntry(8, 0, 16, 0, BlitNormal8To16);
    AddEntry(8, 0, 24, 0, BlitNormal8To24);
    AddEntry(8, 0, 32, 0, BlitNormal8To32);
    AddEntry(16, 0, 8, 0, BlitNormal16To8);
    AddEntry(16, 0, 16, 0, BlitNormal16To16);
    AddEntry(16, 0, 24, 0, BlitNormal16To24);
    AddEntry(16, 0, 32, 0, BlitNormal16To32);
    AddEntry(24, 0, 8, 0, BlitNormal24To8);
    AddEntry(24, 0, 16, 0, BlitNormal24To16);
    AddEntry(24, 0, 24, 0, BlitNormal24To24);
    AddEntry(24, 0, 32, 0, BlitNormal24To32);
    AddEntry(32, 0, 16, 0, useFourLaneForms ? BlitNormal32To16Truncated : BlitNormal32To16Blended);
    AddEntry(32, 0, 24, 0, BlitNormal32To24);
    AddEntry(32, 0, 32, 0, BlitNormal32To32);
    AddEntry(8, 2, 8, 0, BlitNormalRle8To8);
    AddEntry(8, 2, 16, 0, BlitNormalRle8To16);
    AddEntry(16, 4, 16, 0, useFourLaneForms ? BlitNormalRle16AlphaTo16FourLane : BlitNormalRle16AlphaTo16);
    AddEntry(16, 4, 24, 0, BlitNormalRle16AlphaTo24);
    AddEntry(16, 4, 32, 0, BlitNormalRle16AlphaTo32);
}

CBlitNormal& GetBlitNormal()
{
    static CBlitNormal s_Normal(GetCpuInfo().HasMMX());
    return s_Normal;
}
