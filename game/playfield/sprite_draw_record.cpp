// "!CSprite::DrawFromStream": one drawn image of a recording. After the
// call's header come the sequence as a symbol of the "Sequences" list, the
// drawn x and y each clamped to -190..830 and sent as one of 1021 values,
// and, for sequences of two frames or more, the frame index in as many
// bits as the last index needs. The sprite's blit type is not kept: a
// replay draws with "Normal".

#include <algorithm>

#include "engine/app/demo_recorder.h"
#include "engine/blit/blit_normal.h"
#include "engine/core/maths/maths_helpers.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/recorded_calls/stream_call.h"
#include "game/playfield/sprite.h"

namespace {

const int32_t RECORDED_CALL_FLAGS = 3;
const int32_t DRAWN_MINIMUM = -190;
const int32_t DRAWN_MAXIMUM = 830;

CCallbackStreamCall s_DrawCall(CSprite::DrawFromStream, "!CSprite::DrawFromStream", RECORDED_CALL_FLAGS);

void WriteDrawnCoordinate(CMessageStream& stream, int32_t value)
{
    stream.WriteRangedValue(static_cast<uint32_t>(std::clamp(value, DRAWN_MINIMUM, DRAWN_MAXIMUM) - DRAWN_MINIMUM),
                            static_cast<uint32_t>(DRAWN_MAXIMUM - DRAWN_MINIMUM));
}

int32_t ReadDrawnCoordinate(CMessageStream& stream)
{
    return static_cast<int32_t>(stream.ReadRangedValue(static_cast<uint32_t>(DRAWN_MAXIMUM - DRAWN_MINIMUM))) +
           DRAWN_MINIMUM;
}

// Bits of a frame index of the sequence; none below two frames.
uint32_t FrameIndexBits(const CSequence* sequence)
{
    const uint32_t frameCount = sequence != nullptr ? sequence->GetFrameCount() : 0;
    return frameCount >= 2 ? BitsNeeded(frameCount - 1) : 0;
}

} // namespace

void CSprite::RecordDraw(CMessageStream& stream, int32_t sequenceIndex, int32_t frameIndex, int32_t x, int32_t y)
{
    if (!stream.BeginMessage(s_DrawCall, MESSAGE_KIND_GAME_CALL))
        return;
    CSequenceList& sequences = GetSequenceList();
    stream.WriteSymbol(sequenceIndex, sequences);
    WriteDrawnCoordinate(stream, x);
    WriteDrawnCoordinate(stream, y);
    const uint32_t bits = FrameIndexBits(sequences.GetItemObject(static_cast<uint32_t>(sequenceIndex)));
    if (bits != 0)
        stream.WriteBits(static_cast<uint32_t>(frameIndex), bits);
}

void CSprite::DrawFromStream(CMessageStream& stream)
{
    CSequenceList& sequences = GetSequenceList();
    const CSequence* sequence = sequences.GetItemObject(static_cast<uint32_t>(stream.ReadSymbol(sequences)));
    const int32_t x = ReadDrawnCoordinate(stream);
    const int32_t y = ReadDrawnCoordinate(stream);
    if (sequence == nullptr)
        return;
    const uint32_t bits = FrameIndexBits(sequence);
    const uint32_t frameIndex = bits != 0 ? stream.ReadBits(bits) : 0;
    CFrame* frame = sequence->GetFrame(frameIndex);
    CFrameInterface* target = CDemoRecorder::Get().GetTargetFrame();
    if (frame != nullptr && target != nullptr)
        target->BlitAt(frame, x, y, &GetBlitNormal());
}
