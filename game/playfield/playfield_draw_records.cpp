// The playfield's own records of a drawn frame.
//
// "!CPlayfield::DrawSpriteListFromStream": the list's code (0..8) as one
// of 9 values. "!CPlayfield::AdjustClippingRectFromStream": one bit, set
// for the clip rectangle on, clear for off. "!CPlayfield::DrawMidLayerFromStream":
// no payload.
//
// A replay reads its whole record first. With no playfield or no target
// frame it draws nothing: a demo file comes from outside and may be
// played anywhere. A replay that runs while the recorder records writes
// its record again, so a replayed frame can be recorded anew.

#include <algorithm>

#include "engine/app/demo_recorder.h"
#include "engine/graphics/dirty_rect_frame.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/recorded_calls/stream_call.h"
#include "game/playfield/playfield.h"

namespace {

const int32_t RECORDED_CALL_FLAGS = 3;
const uint32_t LARGEST_LIST_CODE = CPlayfield::LIST_BALLS_IN_PLAY;

void DrawSpriteListFromStream(CMessageStream& stream);
void AdjustClippingRectFromStream(CMessageStream& stream);
void DrawMidLayerFromStream(CMessageStream& stream);

CCallbackStreamCall s_ListCall(DrawSpriteListFromStream, "!CPlayfield::DrawSpriteListFromStream",
                               RECORDED_CALL_FLAGS);
CCallbackStreamCall s_ClipCall(AdjustClippingRectFromStream, "!CPlayfield::AdjustClippingRectFromStream",
                               RECORDED_CALL_FLAGS);
CCallbackStreamCall s_MidLayerCall(DrawMidLayerFromStream, "!CPlayfield::DrawMidLayerFromStream",
                                   RECORDED_CALL_FLAGS);

void WriteListCode(CMessageStream& stream, int32_t code)
{
    if (!stream.BeginMessage(s_ListCall, MESSAGE_KIND_GAME_CALL))
        return;
    stream.WriteRangedValue(static_cast<uint32_t>(std::clamp<int32_t>(code, 0, LARGEST_LIST_CODE)),
                            LARGEST_LIST_CODE);
}

void WriteClip(CMessageStream& stream, bool on)
{
    if (stream.BeginMessage(s_ClipCall, MESSAGE_KIND_GAME_CALL))
        stream.WriteBool(on);
}

// The replay's frame: the recorder's target, when it is a frame the
// playfield can clip and mark.
CDirtyRectFrame* ReplayTarget()
{
    CFrameInterface* target = CDemoRecorder::Get().GetTargetFrame();
    return target != nullptr && GetPlayfield() != nullptr ? dynamic_cast<CDirtyRectFrame*>(target) : nullptr;
}

void DrawSpriteListFromStream(CMessageStream& stream)
{
    const uint32_t code = stream.ReadRangedValue(LARGEST_LIST_CODE);
    if (CMessageStream* recording = CPlayfield::GetRecordingStream())
        WriteListCode(*recording, static_cast<int32_t>(code));
    CFrameInterface* target = CDemoRecorder::Get().GetTargetFrame();
    CPlayfield* playfield = GetPlayfield();
    if (target == nullptr || playfield == nullptr)
        return;
    if (CSpriteList* list = playfield->GetListByCode(static_cast<int32_t>(code)))
        list->Draw(target);
}

void AdjustClippingRectFromStream(CMessageStream& stream)
{
    bool on = false;
    stream.ReadBool(on);
    if (CMessageStream* recording = CPlayfield::GetRecordingStream())
        WriteClip(*recording, on);
    if (CDirtyRectFrame* target = ReplayTarget())
        target->SetBoundsOverride(on ? &GetPlayfield()->m_ClipRect : nullptr);
}

void DrawMidLayerFromStream(CMessageStream&)
{
    if (CMessageStream* recording = CPlayfield::GetRecordingStream())
        recording->BeginMessage(s_MidLayerCall, MESSAGE_KIND_GAME_CALL);
    if (CDirtyRectFrame* target = ReplayTarget())
        GetPlayfield()->DrawMidLayer(target);
}

} // namespace

CMessageStream* CPlayfield::GetRecordingStream()
{
    CDemoRecorder& recorder = CDemoRecorder::Get();
    return recorder.IsRecording() ? &recorder.GetStream() : nullptr;
}

void CPlayfield::RecordDrawSpriteList(CMessageStream& stream, CSpriteList* list)
{
    WriteListCode(stream, GetListCode(list));
}

void CPlayfield::RecordClipRect(CMessageStream& stream, bool on)
{
    WriteClip(stream, on);
}

void CPlayfield::RecordDrawMidLayer(CMessageStream& stream)
{
    stream.BeginMessage(s_MidLayerCall, MESSAGE_KIND_GAME_CALL);
}
