// The recorded calls of effects.
//
// "!CPlayfield::SpawnAnimatedEffectSpriteFromStream": the sequence as a
// "Sequences" symbol; the list code (0..2) as one of 3 values; three bits
// telling whether a velocity and an acceleration follow and whether the
// speed factor is other than 1.0; the position, each axis one of 1021
// values from -110; then, byte-aligned, the velocity and acceleration as
// raw float pairs and the factor as a raw float, each only when flagged.
//
// "!CPlayfield::SpawnSparksFromStreamSmallFormat" (disc bursts without a
// second size or style-sheet types): the generator as a "Particle
// Generators" symbol; a bit telling whether the radius is not 0; the radius
// (0..30, one of 31 values) or else the angle as a byte; the position.
//
// "!CPlayfield::SpawnSparksFromStream" (every other burst): the generator
// symbol; the list code as one of 3 values; size a (0..30, one of 31
// values); size b (0..15, 4 bits); the angle byte; the position. A burst of
// a style sheet's types keeps only the generator, and any burst of this
// format replays as a box.
//
// The angle byte maps -2 pi .. 2 pi onto 0..255. A replay reads its whole
// record first and acts only when there is a playfield; replayed bursts are
// thinned by the replay's own live effects and draw fresh random values.

#include <algorithm>
#include <bit>
#include <cmath>

#include "engine/app/demo_recorder.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/recorded_calls/stream_call.h"
#include "game/playfield/effect_records.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"

namespace {

const int32_t RECORDED_CALL_FLAGS = 3;
const int32_t POSITION_MINIMUM = -110;
const int32_t POSITION_MAXIMUM = 910;
const uint32_t LARGEST_LIST_CODE = 2;
const float LARGEST_RADIUS = 30.0f;
const float LARGEST_SIZE_B = 15.0f;
const uint32_t SIZE_B_BITS = 4;
const float TWO_PI = 6.2831855f;
const float FOUR_PI = 12.566371f;

void SpawnAnimatedEffectSpriteFromStream(CMessageStream& stream);
void SpawnSparksFromStream(CMessageStream& stream);
void SpawnSparksFromStreamSmallFormat(CMessageStream& stream);

CCallbackStreamCall s_EffectCall(SpawnAnimatedEffectSpriteFromStream,
                                 "!CPlayfield::SpawnAnimatedEffectSpriteFromStream", RECORDED_CALL_FLAGS);
CCallbackStreamCall s_SparksCall(SpawnSparksFromStream, "!CPlayfield::SpawnSparksFromStream", RECORDED_CALL_FLAGS);
CCallbackStreamCall s_SmallSparksCall(SpawnSparksFromStreamSmallFormat,
                                      "!CPlayfield::SpawnSparksFromStreamSmallFormat", RECORDED_CALL_FLAGS);

// Truncated toward zero into low..high; NaN gives low.
uint32_t TruncateInto(float value, float low, float high)
{
    if (!(value >= low))
        return static_cast<uint32_t>(low);
    return static_cast<uint32_t>(std::trunc(std::min(value, high)));
}

uint8_t AngleByte(float angle)
{
    return static_cast<uint8_t>(TruncateInto((angle + TWO_PI) / FOUR_PI * 255.0f, 0.0f, 255.0f));
}

float AngleOfByte(uint8_t byte)
{
    return static_cast<float>(byte) / 255.0f * FOUR_PI - TWO_PI;
}

void WriteRadius(CMessageStream& stream, float radius)
{
    stream.WriteRangedValue(TruncateInto(radius, 0.0f, LARGEST_RADIUS), static_cast<uint32_t>(LARGEST_RADIUS));
}

void WritePosition(CMessageStream& stream, const Vector2& position)
{
    stream.WriteCoordinatePair(position, POSITION_MINIMUM, POSITION_MAXIMUM, 0, 0);
}

Vector2 ReadPosition(CMessageStream& stream)
{
    Vector2 position{0.0f, 0.0f};
    stream.ReadCoordinatePair(position, POSITION_MINIMUM, POSITION_MAXIMUM, 0, 0);
    return position;
}

void WriteRawFloat(CMessageStream& stream, float value)
{
    stream.WriteInt(std::bit_cast<int32_t>(value));
}

// Velocities and factors are finite in every recording the game makes: a
// NaN or an infinity is damaged data.
float ReadRawFloat(CMessageStream& stream)
{
    int32_t bits = 0;
    stream.ReadInt(bits);
    const float value = std::bit_cast<float>(bits);
    if (!std::isfinite(value))
        stream.ReportMalformed();
    return value;
}

void WriteRawPair(CMessageStream& stream, const Vector2& pair)
{
    WriteRawFloat(stream, pair.x);
    WriteRawFloat(stream, pair.y);
}

Vector2 ReadRawPair(CMessageStream& stream)
{
    const float x = ReadRawFloat(stream);
    const float y = ReadRawFloat(stream);
    return Vector2{x, y};
}

uint8_t ReadAngleByte(CMessageStream& stream)
{
    uint8_t byte = 0;
    stream.ReadByte(byte);
    return byte;
}

void SpawnAnimatedEffectSpriteFromStream(CMessageStream& stream)
{
    CSequenceList& sequences = GetSequenceList();
    const int32_t sequenceIndex = stream.ReadSymbol(sequences);
    const uint32_t code = stream.ReadRangedValue(LARGEST_LIST_CODE);
    bool hasVelocity = false;
    bool hasAcceleration = false;
    bool hasFactor = false;
    stream.ReadBool(hasVelocity);
    stream.ReadBool(hasAcceleration);
    stream.ReadBool(hasFactor);
    const Vector2 position = ReadPosition(stream);
    const Vector2 velocity = hasVelocity ? ReadRawPair(stream) : Vector2{0.0f, 0.0f};
    const Vector2 acceleration = hasAcceleration ? ReadRawPair(stream) : Vector2{0.0f, 0.0f};
    const float factor = hasFactor ? ReadRawFloat(stream) : 1.0f;

    CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr || sequenceIndex < 0)
        return;
    playfield->SpawnAnimatedEffectSprite(true, sequences.GetItemObject(static_cast<uint32_t>(sequenceIndex)),
                                         position, playfield->GetListByCode(static_cast<int32_t>(code)),
                                         hasVelocity ? &velocity : nullptr,
                                         hasAcceleration ? &acceleration : nullptr, factor);
}

void SpawnSparksFromStreamSmallFormat(CMessageStream& stream)
{
    const int32_t generator = stream.ReadSymbol(GetParticleGeneratorList());
    bool hasRadius = false;
    stream.ReadBool(hasRadius);
    float radius = 0.0f;
    float angle = 0.0f;
    if (hasRadius)
        radius = static_cast<float>(stream.ReadRangedValue(static_cast<uint32_t>(LARGEST_RADIUS)));
    else
        angle = AngleOfByte(ReadAngleByte(stream));
    const Vector2 position = ReadPosition(stream);

    CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr || generator < 0)
        return;
    playfield->SpawnSparks(position, BURST_DISC, radius, 0.0f, angle, generator, nullptr, nullptr);
}

void SpawnSparksFromStream(CMessageStream& stream)
{
    const int32_t generator = stream.ReadSymbol(GetParticleGeneratorList());
    const uint32_t code = stream.ReadRangedValue(LARGEST_LIST_CODE);
    const float sizeA = static_cast<float>(stream.ReadRangedValue(static_cast<uint32_t>(LARGEST_RADIUS)));
    const float sizeB = static_cast<float>(stream.ReadBits(SIZE_B_BITS));
    const float angle = AngleOfByte(ReadAngleByte(stream));
    const Vector2 position = ReadPosition(stream);

    CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr || generator < 0)
        return;
    playfield->SpawnSparks(position, BURST_BOX, sizeA, sizeB, angle, generator, nullptr,
                           playfield->GetListByCode(static_cast<int32_t>(code)));
}

} // namespace

void WriteEffectRecordArguments(CMessageStream& stream, int32_t sequenceIndex, uint32_t listCode,
                                const Vector2& position, const Vector2* velocity, const Vector2* acceleration,
                                float speedFactor)
{
    stream.WriteSymbol(sequenceIndex, GetSequenceList());
    stream.WriteRangedValue(std::min(listCode, LARGEST_LIST_CODE), LARGEST_LIST_CODE);
    stream.WriteBool(velocity != nullptr);
    stream.WriteBool(acceleration != nullptr);
    stream.WriteBool(speedFactor != 1.0f);
    WritePosition(stream, position);
    if (velocity != nullptr)
        WriteRawPair(stream, *velocity);
    if (acceleration != nullptr)
        WriteRawPair(stream, *acceleration);
    if (speedFactor != 1.0f)
        WriteRawFloat(stream, speedFactor);
}

bool IsSmallSparksRecord(const CBurstPlace& place, const CParticleTypeArray* types)
{
    return place.shape == BURST_DISC && place.sizeB == 0.0f && types == nullptr;
}

void WriteSparksRecordArguments(CMessageStream& stream, bool small, int32_t generator, uint32_t listCode,
                                const CBurstPlace& place)
{
    stream.WriteSymbol(generator, GetParticleGeneratorList());
    if (small)
    {
        stream.WriteBool(place.sizeA != 0.0f);
        if (place.sizeA != 0.0f)
            WriteRadius(stream, place.sizeA);
        else
            stream.WriteByte(AngleByte(place.angle));
    }
    else
    {
        stream.WriteRangedValue(std::min(listCode, LARGEST_LIST_CODE), LARGEST_LIST_CODE);
        WriteRadius(stream, place.sizeA);
        stream.WriteBits(TruncateInto(place.sizeB, 0.0f, LARGEST_SIZE_B), SIZE_B_BITS);
        stream.WriteByte(AngleByte(place.angle));
    }
    WritePosition(stream, place.centre);
}

void CPlayfield::RecordEffectSprite(CSequence* sequence, const Vector2& position, CSpriteList* list,
                                    const Vector2* velocity, const Vector2* acceleration, float speedFactor)
{
    // A sequence that is no entry of the list (or a list still loading) has
    // no symbol: any symbol would replay another picture.
    const int32_t sequenceIndex = sequence != nullptr ? GetSequenceList().IndexOfObject(sequence) : -1;
    if (sequenceIndex < 0)
        return;
    CMessageStream& stream = CDemoRecorder::Get().GetStream();
    if (!stream.BeginMessage(s_EffectCall, MESSAGE_KIND_GAME_CALL))
        return;
    WriteEffectRecordArguments(stream, sequenceIndex, static_cast<uint32_t>(GetListCode(list)), position, velocity,
                               acceleration, speedFactor);
}

void CPlayfield::RecordSparks(const Vector2& position, int32_t shape, float sizeA, float sizeB, float angle,
                              int32_t generator, const CParticleTypeArray* types, CSpriteList* list)
{
    if (generator < 0 || static_cast<uint32_t>(generator) >= GetParticleGeneratorList().GetCount())
        return;
    const CBurstPlace place{position, shape, sizeA, sizeB, angle};
    const bool small = IsSmallSparksRecord(place, types);
    CMessageStream& stream = CDemoRecorder::Get().GetStream();
    if (!stream.BeginMessage(small ? s_SmallSparksCall : s_SparksCall, MESSAGE_KIND_GAME_CALL))
        return;
    WriteSparksRecordArguments(stream, small, generator,
                               static_cast<uint32_t>(GetListCode(list != nullptr ? list : m_pFrontEffects)), place);
}
