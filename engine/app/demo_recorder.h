#pragma once

#include <cstdint>

#include "engine/object/recorded_calls/message_stream.h"

class CFrameInterface;

// Records play as the stream of drawing and sound calls each frame makes and
// replays it one frame per drawn frame. A demo file is the stream's bytes as
// they stand. Every recording call site asks IsRecording before it writes
// its message, and the round logic stands still while IsPlaying.
class CDemoRecorder
{
public:
    enum State
    {
        STATE_RECORDING = 0,
        STATE_PLAYING = 1,
        STATE_IDLE = 2
    };

    // Built on first use, with every registered call selected.
    static CDemoRecorder& Get();

    // Replay of the message that opens every recording: the reader forgets
    // the names it learnt, as the writer did right after writing it.
    static void ReInitFromStream(CMessageStream& stream);

    // Only from idle.
    void StartRecording();
    void StopRecording();
    // Only while idle.
    void Save(const char* fileName, uint32_t extraFlags);
    // A file that does not open leaves the recorder as it was.
    void PlayFile(const char* fileName, uint32_t extraFlags);
    // Queues a further clip behind the one playing.
    void AppendFile(const char* fileName, uint32_t extraFlags);
    // Before a frame is drawn: replays one recorded frame; the demo ends
    // when the data does.
    void PlayFrame();
    // After a frame is drawn: closes the frame in the recording.
    void EndFrame();
    void StopPlaying();

    State GetState() const { return m_State; }
    bool IsRecording() const { return m_State == STATE_RECORDING; }
    bool IsPlaying() const { return m_State == STATE_PLAYING; }
    CMessageStream& GetStream() { return m_Stream; }
    // Where replayed drawing calls draw; none until the game gives one, and
    // then replayed draws are read and dropped.
    CFrameInterface* GetTargetFrame() const { return m_pTargetFrame; }
    void SetTargetFrame(CFrameInterface* frame) { m_pTargetFrame = frame; }

    CDemoRecorder(const CDemoRecorder&) = delete;
    CDemoRecorder& operator=(const CDemoRecorder&) = delete;

private:
    CDemoRecorder();

    State m_State;
    CMessageStream m_Stream;
    CFrameInterface* m_pTargetFrame;
};

// Replay of the message that closes every recorded frame: ends the frame's
// replay in PlayFrame.
void EndOfFrameBlockReader(CMessageStream& stream);
