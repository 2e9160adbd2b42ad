#pragma once

#include "engine/blit/blit_type.h"

// "Transparent Mask": the value 0 of an 8- or 16-bit plain source (palette
// index 0, black) is transparent, every other pixel drawn as by Normal.
// The pairs it has no own routine for take Normal's, so onto 32 bits and
// from 24 or 32 bits the value 0 is drawn like any other. 24-bit alpha
// run-length frames are drawn by this blit type alone.
//
// The run-length entry onto 16 bits is Normal's plain or four-lane form,
// chosen at construction.
class CBlitTransparentMask : public CBlitType
{
public:
    explicit CBlitTransparentMask(bool useFourLaneForms);
    ~CBlitTransparentMask() override = default;
};

CBlitTransparentMask& GetBlitTransparentMask();
