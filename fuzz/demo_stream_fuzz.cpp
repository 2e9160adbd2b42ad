// Demo files are shared between players. Played back, a file's recorded
// calls are dispatched frame by frame until its bytes run out. Stand-in
// calls read every kind of argument the game's calls read, and two more
// read the delta of an object holding every property kind, as the game's
// drawing calls carry the state of what they draw. The game's own sprite
// draws replay too, into a frame covering every place a draw may name,
// from a "Sequences" list of a one-frame and a three-frame sequence, so a
// replayed draw reads its frame index. Effects and particle bursts replay
// into a playfield whose one generator, "Sparks", bursts the three-frame
// sequence. The ship's lightning replays into the same frame, its arcs cut
// by the length the file gives. The playfield's own records draw its lists,
// each holding a sprite, and its two-frame mid-ground: every input plays
// once into the plain frame and once more into a dirty-rectangle frame, the
// only kind the clip and the mid-ground replay into. A file no reader can make sense of ends in the stream's fatal
// report, never in a read outside the buffer or the symbol maps, nor in a
// frame that never ends.

#include <cstdint>
#include <memory>
#include <string>

#include "engine/graphics/dirty_rect_frame.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/recorded_calls/stream_call.h"
#include "fuzz/support/fuzz_input.h"
#include "engine/app/demo_recorder.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite.h"
#include "tests/object/properties/composite_kinds_object.h"
#include "tests/object/every_kind_object.h"
#include "tests/support/sprite_fixtures.h"
#include "tests/support/stand_in_calls.h"

namespace {

// Each delta applies to the object the file's earlier deltas left.
std::unique_ptr<CTestComposite> s_pComposite;
std::unique_ptr<CTestEveryKind> s_pEveryKind;

void ApplyCompositeDeltaFromStream(CMessageStream& stream)
{
    s_pComposite->ReadDelta(stream);
}

void ApplyEveryKindDeltaFromStream(CMessageStream& stream)
{
    s_pEveryKind->ReadDelta(stream);
}

const int32_t STAND_IN_CALL_FLAGS = 3;
CCallbackStreamCall s_CompositeDeltaCall(ApplyCompositeDeltaFromStream, "!StandIn::ApplyCompositeDeltaFromStream",
                                         STAND_IN_CALL_FLAGS);
CCallbackStreamCall s_EveryKindDeltaCall(ApplyEveryKindDeltaFromStream, "!StandIn::ApplyEveryKindDeltaFromStream",
                                         STAND_IN_CALL_FLAGS);

// Made before the recorder selects its calls, kept until exit.
CStandInCalls& StandIns()
{
    static CStandInCalls standIns;
    return standIns;
}

// The seeds' sequences, by the names their draws carry.
struct CReplayedSprites
{
    ListedSequences sequences;
    CFrame target;
    CDirtyRectFrame screen;

    CPlayfield playfield;

    CReplayedSprites()
    {
        sequences.Add("Sprites/One", MakeSolidSequence(1, 8, 8, 0x1111));
        CSequence* three = sequences.Add("Sprites/Three", MakeSolidSequence(3, 16, 12, 0x2222));
        CSequence* weeds = sequences.Add("Sprites/Weeds", MakeSolidSequence(2, 64, 48, 0x3333));
        target.Create(1100, 1100, 16);
        screen.Create(800, 600, 16);
        target.SetUpperLeftOffset(-200, -200);
        CParticleGeneratorInfo* sparks = new CParticleGeneratorInfo;
        sparks->SetDefaults();
        sparks->m_Particles = 6;
        sparks->AddType().m_ParticleType = 1;
        GetParticleGeneratorList().AddItemWithObject(sparks, "Sparks");
        playfield.m_pMidgroundSequence = weeds;
        m_pListed = three;
        ResetLists();
    }

    // One sprite in each list, where the replayed list records find it;
    // what replayed effects added is gone.
    void ResetLists()
    {
        playfield.ClearAllLists();
        for (int32_t code = 0; code <= CPlayfield::LIST_BALLS_IN_PLAY; code++)
        {
            CSprite* sprite = new CSprite;
            sprite->SetSequence(m_pListed);
            sprite->SetPosition(Vector2{50.0f * static_cast<float>(code), 30.0f * static_cast<float>(code)});
            playfield.GetListByCode(code)->Append(sprite);
        }
    }

    CSequence* m_pListed = nullptr;
};

CReplayedSprites& ReplayedSprites()
{
    static CReplayedSprites s_Sprites;
    return s_Sprites;
}

CDemoRecorder& Recorder()
{
    StandIns();
    ReplayedSprites();
    return CDemoRecorder::Get();
}

void PlayUntilIdle(CDemoRecorder& recorder)
{
    while (recorder.IsPlaying())
    {
        recorder.PlayFrame();
        StandIns().replayed.clear();
        // Replayed effects animate as in a playback.
        ReplayedSprites().playfield.m_pFrontEffects->UpdateAndReap();
    }
}

// Plays the file into the target with fresh delta objects.
void PlayInto(CDemoRecorder& recorder, CFrameInterface* target, const std::string& path)
{
    recorder.SetTargetFrame(target);
    s_pComposite.reset(new CTestComposite);
    s_pComposite->SetDefaults();
    s_pEveryKind.reset(new CTestEveryKind);
    s_pEveryKind->SetDefaults();
    RunReader(
        [&]
        {
            // A second clip queued while the first plays joins the running
            // symbol maps; one queued afterwards starts afresh.
            recorder.PlayFile(path.c_str(), 0);
            recorder.PlayFrame();
            recorder.AppendFile(path.c_str(), 0);
            PlayUntilIdle(recorder);
        });
    recorder.StopPlaying();
    StandIns().replayed.clear();
    ReplayedSprites().ResetLists();
    ReplayedSprites().screen.SetBoundsOverride(nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string path = WriteFuzzFile("Input.dem", data, size);
    CDemoRecorder& recorder = Recorder();
    PlayInto(recorder, &ReplayedSprites().target, path);
    PlayInto(recorder, &ReplayedSprites().screen, path);
    s_pComposite.reset();
    s_pEveryKind.reset();
    return 0;
}
