#pragma once

#include <cstdint>

#include "engine/core/geometry/point.h"

class CRandom;
class CSequence;
class CSprite;
class CSpritePart;

// What the self-contained ambient kinds share: the area they roam, their
// speeds per step and their one image part.

// The playfield's ambient area: x 0..626, y 0..480.
constexpr int32_t kAmbientRight = 626;
constexpr int32_t kAmbientBottom = 480;
// Speeds are given per second and moved per step of 1/60 s.
constexpr float kSecondsPerStep = 0.016666668f;

// A point drawn y first, then x, both inclusive, anywhere in the area.
CPoint RandomAmbientPoint(CRandom& random);
// Damping 1 and part 0 with the sequence at a random progress (the round
// logic's generator); null when the sprite is no multi-part game sprite.
CSpritePart* AddAmbientPart(CSprite* sprite, CSequence* sequence, bool randomProgress);
// The "Sequences" entry at the index (entry 0 for any index past the end).
CSequence* GetAmbientSequence(int32_t index);
