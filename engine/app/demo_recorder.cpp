#include "engine/app/demo_recorder.h"

#include <vector>

#include "engine/core/files/file.h"
#include "engine/object/recorded_calls/stream_call.h"

static const int32_t RECORDER_CALL_FLAGS = 3;

// Process-wide rather than the recorder's: set only by the replay of a
// frame's last message, cleared only by PlayFrame.
static bool s_FrameEnded = false;

static CCallbackStreamCall s_EndOfFrameCall(EndOfFrameBlockReader, "!EndOfFrameBlockReader", RECORDER_CALL_FLAGS);
static CCallbackStreamCall s_ReInitCall(CDemoRecorder::ReInitFromStream, "!CDemoRecorder::ReInitFromStream",
                                        RECORDER_CALL_FLAGS);

void EndOfFrameBlockReader(CMessageStream&)
{
    s_FrameEnded = true;
}

void CDemoRecorder::ReInitFromStream(CMessageStream& stream)
{
    stream.ResetSymbolMaps();
}

CDemoRecorder& CDemoRecorder::Get()
{
    static CDemoRecorder recorder;
    return recorder;
}

CDemoRecorder::CDemoRecorder()
    : m_State(STATE_IDLE)
    , m_pTargetFrame(nullptr)
{
    m_Stream.SelectCalls(0);
}

// The maps are reset once more after the opening message, so the writer
// sends every name again from the point where the reader's replay of that
// message forgets them.
void CDemoRecorder::StartRecording()
{
    if (m_State != STATE_IDLE)
        return;
    m_State = STATE_RECORDING;
    m_Stream.Rewind();
    m_Stream.ResetSymbolMaps();
    m_Stream.BeginMessage(s_ReInitCall, MESSAGE_KIND_RECORDER);
    m_Stream.ResetSymbolMaps();
}

void CDemoRecorder::StopRecording()
{
    if (m_State == STATE_RECORDING)
        m_State = STATE_IDLE;
}

void CDemoRecorder::Save(const char* fileName, uint32_t extraFlags)
{
    if (m_State != STATE_IDLE || fileName == nullptr || fileName[0] == 0)
        return;
    CFile file;
    if (!file.Open(fileName, extraFlags | OPEN_WRITE | OPEN_CREATE))
        return;
    file.Write(m_Stream.GetBuffer(), m_Stream.GetLength());
    file.Close();
}

static bool ReadWholeFile(const char* fileName, uint32_t extraFlags, std::vector<uint8_t>& bytes)
{
    CFile file;
    if (!file.Open(fileName, extraFlags | OPEN_READ))
        return false;
    bytes.resize(file.GetSize());
    return file.Read(bytes.data(), static_cast<uint32_t>(bytes.size())) == bytes.size();
}

void CDemoRecorder::PlayFile(const char* fileName, uint32_t extraFlags)
{
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(fileName, extraFlags, bytes))
        return;
    m_Stream.ResetSymbolMaps();
    m_State = STATE_PLAYING;
    m_Stream.Rewind();
    m_Stream.AppendBytes(bytes.data(), static_cast<uint32_t>(bytes.size()));
}

// Every clip opens with the call list's count. A reader that has read all
// before starts afresh and reads it; one still inside the previous clip
// keeps its call map, so the count must not reach it.
void CDemoRecorder::AppendFile(const char* fileName, uint32_t extraFlags)
{
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(fileName, extraFlags, bytes))
        return;
    if (!m_Stream.HasBytes(1))
    {
        m_Stream.ResetSymbolMaps();
        m_Stream.AppendBytes(bytes.data(), static_cast<uint32_t>(bytes.size()));
    }
    else if (bytes.size() > 4)
    {
        m_Stream.AppendBytes(bytes.data() + 4, static_cast<uint32_t>(bytes.size()) - 4);
    }
}

void CDemoRecorder::PlayFrame()
{
    if (m_State != STATE_PLAYING)
        return;
    s_FrameEnded = false;
    while (m_Stream.HasBytes(1) && !s_FrameEnded)
        m_Stream.DispatchMessage();
    if (!m_Stream.HasBytes(1))
        m_State = STATE_IDLE;
}

void CDemoRecorder::EndFrame()
{
    if (m_State == STATE_RECORDING)
        m_Stream.BeginMessage(s_EndOfFrameCall, MESSAGE_KIND_RECORDER);
}

void CDemoRecorder::StopPlaying()
{
    m_State = STATE_IDLE;
}
