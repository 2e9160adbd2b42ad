#include "game/playfield/sprite_sound.h"

#include "engine/app/demo_recorder.h"
#include "engine/app/sound/sound_list.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/recorded_calls/stream_call.h"

namespace {

const int32_t RECORDED_CALL_FLAGS = 3;
// A kind that marks the stream as changed: a recording of sounds alone is
// still worth keeping.
const int32_t SOUND_MESSAGE_KIND = 4;

CCallbackStreamCall s_SoundCall(PlaySoundFromStream, "!PlaySoundFromStream", RECORDED_CALL_FLAGS);

} // namespace

// An index the list does not hold has no symbol: written, it would replay
// as another sound.
void PlaySpriteSound(int32_t soundIndex)
{
    CSoundList& sounds = GetSoundList();
    if (soundIndex <= 0 || static_cast<uint32_t>(soundIndex) >= sounds.GetCount())
        return;
    CDemoRecorder& recorder = CDemoRecorder::Get();
    if (recorder.IsRecording() && recorder.GetStream().BeginMessage(s_SoundCall, SOUND_MESSAGE_KIND))
        recorder.GetStream().WriteSymbol(soundIndex, sounds);
    sounds.PlayByIndex(soundIndex);
}

void PlaySpriteSound(const char* soundName)
{
    PlaySpriteSound(GetSoundList().FindSound(soundName, -1));
}

void PlaySoundFromStream(CMessageStream& stream)
{
    CSoundList& sounds = GetSoundList();
    sounds.PlayByIndex(stream.ReadSymbol(sounds));
}
