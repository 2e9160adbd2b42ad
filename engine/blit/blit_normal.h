#pragma once

#include "engine/blit/blit_type.h"

// "Normal": the source copied onto the destination, converted to the
// destination's format on the way, with the opacity applied where the pair
// supports it. Much of the engine uses it directly for format conversion.
//
// The 32- to 16-bit routine comes in two forms, chosen once at
// construction: the packed-lane form truncates each channel and ignores
// alpha, the plain form blends by the source alpha and packs with
// rounding.
class CBlitNormal : public CBlitType
{
public:
    explicit CBlitNormal(bool useFourLaneForms);
    ~CBlitNormal() override = default;
};

// The one "Normal" blit type, with the forms the processor offers.
CBlitNormal& GetBlitNormal();
