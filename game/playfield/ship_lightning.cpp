// The record: the colour as its 16-bit 5-6-5 word; the bolt count, held to
// 1..5, less one, as two bits of (value and 3) followed only for 0 and 4 by
// one bit telling which; then both ends as coordinate pairs, each axis in
// -110..910.
//
// The jumps draw from the cosmetic generator: an arc never changes how a
// round plays, and a replay may draw its bolts differently.

#include "game/playfield/ship_lightning.h"

#include <algorithm>
#include <cmath>

#include "engine/app/demo_recorder.h"
#include "engine/core/color/color.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/frame_interface.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/recorded_calls/stream_call.h"
#include "game/playfield/rotate_vector.h"

namespace {

const int32_t RECORDED_CALL_FLAGS = 3;
const int32_t POSITION_MINIMUM = -110;
const int32_t POSITION_MAXIMUM = 910;
const uint32_t COLOUR_BITS = 16;
const uint32_t BOLT_BITS = 2;
const int32_t MOST_BOLTS = 5;
const float LONGEST_ARC = 2000.0f;
const float HALF_PI = 1.5707964f;
const int32_t SHORTEST_PIECE = 5;
const uint32_t PIECE_VARIETY = 5;

CCallbackStreamCall s_LightningCall(DrawElecticityFromStream, "!DrawElecticityFromStream", RECORDED_CALL_FLAGS);

void WriteRecord(const Vector2& from, const Vector2& to, const CColor& colour, int32_t boltCount)
{
    CMessageStream& stream = CDemoRecorder::Get().GetStream();
    if (!stream.BeginMessage(s_LightningCall, MESSAGE_KIND_RECORDER))
        return;
    stream.WriteBits(colour.m_Rgb565, COLOUR_BITS);
    const uint32_t code = static_cast<uint32_t>(std::clamp(boltCount, 1, MOST_BOLTS) - 1);
    stream.WriteBits(code & 3, BOLT_BITS);
    if ((code & 3) == 0)
        stream.WriteBits(code == 4 ? 1 : 0, 1);
    stream.WriteCoordinatePair(from, POSITION_MINIMUM, POSITION_MAXIMUM, 0, 0);
    stream.WriteCoordinatePair(to, POSITION_MINIMUM, POSITION_MAXIMUM, 0, 0);
}

// Every level jumps along the arc's own perpendicular by up to half the
// nominal length, which halves each level whatever the pieces measure.
void Subdivide(CFrameInterface* frame, const Vector2& a, const Vector2& b, const Vector2& perpendicular,
               float length, const CColor& colour)
{
    CRandom& random = CosmeticRandom();
    const int32_t piece = SHORTEST_PIECE + static_cast<int32_t>(random.Below(PIECE_VARIETY));
    if (static_cast<float>(piece) > length)
    {
        frame->DrawLineAA(a, b, colour);
        return;
    }
    const float jump =
        length / 2.0f - static_cast<float>(random.Below(static_cast<uint32_t>(std::nearbyint(length))));
    const Vector2 middle{(a.x + b.x) / 2.0f + perpendicular.x * jump, (a.y + b.y) / 2.0f + perpendicular.y * jump};
    Subdivide(frame, a, middle, perpendicular, length / 2.0f, colour);
    Subdivide(frame, middle, b, perpendicular, length / 2.0f, colour);
}

bool IsFinite(const Vector2& point)
{
    return std::isfinite(point.x) && std::isfinite(point.y);
}

} // namespace

void DrawLightning(CFrameInterface* frame, const Vector2& from, const Vector2& to, const CColor& colour,
                   int32_t boltCount)
{
    if (!IsFinite(from) || !IsFinite(to))
        return;
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float length = FastSqrt(dx * dx + dy * dy);
    if (!(length <= LONGEST_ARC))
        return;
    if (CDemoRecorder::Get().IsRecording())
        WriteRecord(from, to, colour, boltCount);
    const float across = WrapAngle(WrapAngle(FastAtan2(dy, dx)) + HALF_PI);
    float sine = 0.0f;
    float cosine = 0.0f;
    FastSinCos(across, sine, cosine);
    const Vector2 perpendicular{cosine, sine};
    for (int32_t bolt = 0; bolt < boltCount; bolt++)
        Subdivide(frame, from, to, perpendicular, length, colour);
}

void DrawElecticityFromStream(CMessageStream& stream)
{
    CColor colour;
    colour.SetFrom565(static_cast<uint16_t>(stream.ReadBits(COLOUR_BITS)));
    uint32_t code = stream.ReadBits(BOLT_BITS);
    if (code == 0)
        code = stream.ReadBits(1) != 0 ? 4 : 0;
    Vector2 from{0.0f, 0.0f};
    Vector2 to{0.0f, 0.0f};
    stream.ReadCoordinatePair(from, POSITION_MINIMUM, POSITION_MAXIMUM, 0, 0);
    stream.ReadCoordinatePair(to, POSITION_MINIMUM, POSITION_MAXIMUM, 0, 0);
    if (CFrameInterface* frame = CDemoRecorder::Get().GetTargetFrame())
        DrawLightning(frame, from, to, colour, static_cast<int32_t>(code) + 1);
}
