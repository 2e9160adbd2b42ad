#pragma once

#include <cstdint>

#include "engine/core/geometry/vector2d.h"

class CColor;
class CFrameInterface;
class CMessageStream;

// An electric arc of the ship: bolt count jagged lines from one point to
// the other, each cut in halves whose midpoints jump sideways until the
// pieces are a few pixels long. While a demo records, the arc is written as
// "!DrawElecticityFromStream" first, so the replay draws it anew.
//
// An arc with an end that is no number, or longer than any arc the ship
// draws, is drawn and recorded as nothing: its cutting would never end.
void DrawLightning(CFrameInterface* frame, const Vector2& from, const Vector2& to, const CColor& colour,
                   int32_t boltCount);

// The replay: draws the recorded arc into the recorder's replay frame.
void DrawElecticityFromStream(CMessageStream& stream);
