#pragma once

#include <cstdint>

#include "engine/blit/blit_type.h"

// "Blend Amplify Light": brightens the destination by the source's light.
// Each 5-bit channel d of the destination under source channel s becomes
// min(31, round(d x (31 + s) / 31)): white doubles, black leaves it be;
// green works on its top five bits. Translucent pixels of an alpha
// run-length sprite turn the destination white whatever their alpha.
// Below opacity 1.0 the opaque pixels draw as Normal's at that opacity,
// without amplification. The 8-bit pairs are "Blend Black Bias"'s.
class CBlitBlendAmplifyLight : public CBlitType
{
public:
    explicit CBlitBlendAmplifyLight(bool useFourLaneForms);
    ~CBlitBlendAmplifyLight() override = default;
};

CBlitBlendAmplifyLight& GetBlitBlendAmplifyLight();

enum AmplifyChannel
{
    AMPLIFY_RED,
    AMPLIFY_GREEN,
    AMPLIFY_BLUE
};

// [channel][destination channel][source channel], already shifted into
// the channel's place of a 5-6-5 word (green by 6: its lowest bit is 0).
// Built by the first blit type made.
extern uint16_t AmplifyTable[3][32][32];

// One destination pixel lit by one source pixel.
uint16_t Amplify565(uint16_t destination, uint16_t source);
