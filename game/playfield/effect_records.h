#pragma once

#include <cstdint>

#include "game/playfield/particle_burst.h"

class CMessageStream;

// What the effect records carry after their call's header (the formats are
// described in effect_records.cpp). List codes above 2 are sent as 2.
void WriteEffectRecordArguments(CMessageStream& stream, int32_t sequenceIndex, uint32_t listCode,
                                const Vector2& position, const Vector2* velocity, const Vector2* acceleration,
                                float speedFactor);
// Disc bursts without a second size and without a style sheet's types go
// in the small format, which has no list and replays into the front
// effects.
bool IsSmallSparksRecord(const CBurstPlace& place, const CParticleTypeArray* types);
void WriteSparksRecordArguments(CMessageStream& stream, bool small, int32_t generator, uint32_t listCode,
                                const CBurstPlace& place);
