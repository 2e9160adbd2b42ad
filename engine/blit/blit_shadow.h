#pragma once

#include "engine/blit/blit_type.h"

// "Blit As Shadow": darkens the destination under the shape of a 16-bit
// alpha run-length sprite. The sprite's colours are never read: opaque
// pixels blend the destination toward black by the weight 100 (of 255),
// translucent ones by that weight scaled by their alpha.
//
// At an opacity below 1.0 every weight w is read through the opacity row
// instead (R[100] for opaque pixels, R[w] for translucent ones), so a
// shadow under a faded window fades with it.
//
// The four-lane form blends the groups of four of each run in the
// four-lane arithmetic, where a translucent literal weighs alpha x 100 / 256
// (the plain pixels floor(alpha x 100 / 255)); a translucent fill weighs
// alpha x 100 / 256 in both forms.
class CBlitAsShadow : public CBlitType
{
public:
    explicit CBlitAsShadow(bool useFourLaneForms);
    ~CBlitAsShadow() override = default;
};

CBlitAsShadow& GetBlitAsShadow();
