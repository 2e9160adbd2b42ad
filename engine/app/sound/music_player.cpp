#include "engine/app/sound/music_player.h"

#include <algorithm>
#include <cstring>

#include "engine/app/sound/direct_sound_manager.h"
#include "engine/app/sound/sound_names.h"
#include "engine/app/sound/sound_reader.h"
#include "engine/core/files/file_search.h"
#include "engine/core/files/stream.h"
#include "engine/core/program/error_report.h"
#include "engine/core/settings/settings.h"
#include "engine/platform/audio/audio_device.h"
#include "engine/platform/audio/sound_buffer.h"
#include "engine/platform/periodic_timers.h"

namespace {

// Music readers open their own file of an archive, since they read on the
// timer thread while the main thread reads other members.
constexpr uint32_t kMusicOpenFlags = OPEN_OWN_ARCHIVE_FILE | 0x0400;

CMusicPlayer* g_pMusicPlayer = nullptr;

void DeleteMusicPlayer()
{
    delete g_pMusicPlayer;
    g_pMusicPlayer = nullptr;
}

bool SameFormat(const CWaveFormat& a, const CWaveFormat& b)
{
    return a.avgBytesPerSec == b.avgBytesPerSec && a.channels == b.channels && a.bitsPerSample == b.bitsPerSample &&
           a.samplesPerSec == b.samplesPerSec;
}

void FillSilence(uint8_t* bytes, uint32_t n, const CWaveFormat& format)
{
    if (n > 0)
        std::memset(bytes, format.bitsPerSample == 8 ? 0x80 : 0, n);
}

} // namespace

struct CMusicPlayer::State
{
    // Held by a running refill; the main thread holds it around changes.
    std::mutex busy;
    std::atomic<bool> playing{false};
    std::atomic<bool> stopRequest{false};
    std::atomic<float> mixWeight{1.0f};

    // The main thread's own.
    int32_t volume = 0;
    uint32_t timerId = 0;

    // Guarded by busy.
    CSoundReader* first = nullptr;
    CSoundReader* second = nullptr;
    bool secondFreeRunning = false;
    bool secondAligned = false;
    uint32_t total = 0;
    uint32_t toRead = 0;
    std::unique_ptr<CSoundBuffer> buffer;
    uint32_t writePosition = 0;
    uint32_t lastPlay = 0;
    int32_t countdown = 0;
    bool endOfData = false;
    bool loop = false;
};

int32_t CMusicFileList::Find(const char* key, int32_t hint)
{
    const int32_t index = CFileList::Find(key, hint);
    if (index != -1)
        return index;
    const CString other = SwapSoundExtension(key);
    return other.HasText() ? CFileList::Find(other.GetText(), -1) : -1;
}

int32_t CMusicFileList::Find(const CString& key, int32_t hint)
{
    return Find(key.GetText(), hint);
}

CMusicFileList& GetMusicList()
{
    static CMusicFileList list;
    return list;
}

CMusicPlayer& GetMusicPlayer()
{
    if (!g_pMusicPlayer)
    {
        g_pMusicPlayer = new CMusicPlayer;
        CSearchSpec search;
        search.SetFolderAndExtension("Music/", "wav");
        search.AddExtension("ogg");
        GetMusicList().Build(search, CFileList::kShuffled, nullptr, 0);
        GetSoundManager().AddShutdownCallback(DeleteMusicPlayer);
    }
    return *g_pMusicPlayer;
}

CMusicPlayer::CMusicPlayer()
    : m_Threaded(true)
    , m_MusicVolume(-1112)
    , m_Enabled(false)
{
    Configure();
}

CMusicPlayer::~CMusicPlayer()
{
    Stop();
}

void CMusicPlayer::Configure()
{
    m_Threaded = ReadSettingInt(GetGeneralSettings().GetFileName(), "Options", "Use Threaded Stream", 1) != 0;
    if (GetDirectSoundManager().GetDevice())
        m_pState = std::make_unique<State>();
}

bool CMusicPlayer::StartStream(const char* path, uint32_t skip, bool loop)
{
    if (!m_pState || !path || !*path)
        return false;
    State& state = *m_pState;
    while (state.playing)
    {
        state.stopRequest = true;
        RefillFromMainThread();
    }
    state.stopRequest = false;
    CAudioDevice* device = GetDirectSoundManager().GetDevice();
    if (!device)
    {
        state.stopRequest = true;
        return false;
    }

    std::unique_lock<std::mutex> lock(state.busy);
    DeleteReaders();
    state.first = OpenSoundReader(path, kMusicOpenFlags);
    if (!state.first)
    {
        state.stopRequest = true;
        return false;
    }
    const CWaveFormat format = state.first->GetOutputFormat();
    state.total = state.first->GetTotalBytes();
    state.toRead = state.total - std::min(skip, state.total);
    state.loop = loop;
    state.endOfData = false;
    state.writePosition = 0;
    state.lastPlay = 0;
    state.countdown = 0;
    state.buffer.reset();
    state.buffer = device->CreateBuffer(format, kMusicRingBytes, true);
    if (!state.buffer)
    {
        DeleteReaders();
        state.stopRequest = true;
        return false;
    }

    uint8_t* region1;
    uint8_t* region2;
    uint32_t bytes1;
    uint32_t bytes2;
    state.buffer->Lock(0, kMusicRingBytes, region1, bytes1, region2, bytes2);
    if (skip != 0)
        state.first->Seek(skip);
    // A looping track shorter than the ring goes on from its start at once,
    // rather than after a stretch of silence.
    uint32_t written = 0;
    while (written < bytes1)
    {
        const uint32_t wanted = std::min(state.toRead, bytes1 - written);
        const uint32_t got = std::min(state.first->Read(region1 + written, wanted), wanted);
        written += got;
        state.toRead -= got;
        if (got == wanted && state.toRead > 0)
            continue;
        if (state.loop && got > 0 && state.toRead == 0)
        {
            state.first->Seek(0);
            state.toRead = state.total;
            continue;
        }
        state.endOfData = true;
        state.countdown = static_cast<int32_t>(written);
        FillSilence(region1 + written, bytes1 - written, format);
        written = bytes1;
    }
    state.buffer->Unlock();
    state.writePosition = written % kMusicRingBytes;
    lock.unlock();

    if (m_Threaded && state.timerId == 0)
    {
        state.timerId = StartPeriodicTimer(kMusicRefillMs, RefillCallback, &state);
        if (state.timerId == 0)
            ExitAfterFatalError();
    }
    ApplyVolume();
    state.buffer->Play(true);
    state.playing = true;
    return true;
}

void CMusicPlayer::RefillCallback(void* stream)
{
    State& state = *static_cast<State*>(stream);
    std::unique_lock<std::mutex> lock(state.busy, std::try_to_lock);
    if (!lock.owns_lock() || !state.playing || !state.buffer)
        return;
    Refill(state);
}

// One refill, with the stream's mutex held: counts down what is left to
// hear after the end of the data, rewinds a looping track, stops a finished
// or stopped one, and writes the free part of the ring behind the play
// cursor once it is large enough.
void CMusicPlayer::Refill(State& state)
{
    uint32_t play = 0;
    uint32_t writeCursor = 0;
    state.buffer->GetCurrentPosition(play, writeCursor);
    if (state.countdown > 0)
    {
        int64_t played = static_cast<int64_t>(play) - state.lastPlay;
        if (played < 0)
            played += kMusicRingBytes;
        state.countdown -= static_cast<int32_t>(played);
    }
    state.lastPlay = play;

    if (state.endOfData && !state.stopRequest)
    {
        if (state.loop)
        {
            state.endOfData = false;
            state.toRead = state.total;
            state.first->Seek(0);
            if (state.second && !state.secondFreeRunning)
                state.second->Seek(0);
        }
        else if (state.countdown < 1)
            state.stopRequest = true;
    }

    if (state.stopRequest)
    {
        state.buffer->Stop();
        state.buffer->SetCurrentPosition(0);
        state.playing = false;
        state.writePosition = 0;
        state.endOfData = false;
        return;
    }

    if (play >= writeCursor)
        return;
    int64_t free = static_cast<int64_t>(play) - state.writePosition;
    if (free < 0)
        free += kMusicRingBytes;
    if (free < kMusicRefillBytes)
        return;
    uint8_t* region1;
    uint8_t* region2;
    uint32_t bytes1;
    uint32_t bytes2;
    if (!state.buffer->Lock(state.writePosition, static_cast<uint32_t>(free), region1, bytes1, region2, bytes2))
        return;
    const CWaveFormat& format = state.buffer->GetFormat();
    uint32_t written = 0;
    if (state.stopRequest)
    {
        FillSilence(region1, bytes1, format);
        FillSilence(region2, bytes2, format);
        written = bytes1 + bytes2;
    }
    else
    {
        const uint32_t position = state.first->Tell();
        const uint32_t got = state.first->ReadSplit(region1, bytes1, region2, bytes2);
        if (state.second)
        {
            if (!state.secondFreeRunning && !state.secondAligned)
            {
                state.secondAligned = true;
                state.second->Seek(position);
            }
            state.second->ReadMix(region1, bytes1, region2, bytes2, state.mixWeight);
        }
        const bool tookAll = got >= state.toRead;
        state.toRead -= std::min(got, state.toRead);
        written = got;
        if (tookAll || got == 0)
        {
            if (!state.endOfData)
            {
                state.endOfData = true;
                state.countdown = static_cast<int32_t>(got) - static_cast<int32_t>(free) + static_cast<int32_t>(kMusicRingBytes);
            }
            if (!state.loop)
            {
                const uint32_t in1 = std::min(got, bytes1);
                FillSilence(region1 + in1, bytes1 - in1, format);
                const uint32_t in2 = got - in1;
                FillSilence(region2 ? region2 + in2 : nullptr, bytes2 - std::min(in2, bytes2), format);
                written = bytes1 + bytes2;
            }
        }
    }
    state.buffer->Unlock();
    state.writePosition = (state.writePosition + written) % kMusicRingBytes;
}

void CMusicPlayer::RefillFromMainThread()
{
    if (!m_pState)
        return;
    State& state = *m_pState;
    if (!m_Threaded)
        RefillCallback(&state);
    if (!state.stopRequest || !state.first)
        return;
    {
        std::lock_guard<std::mutex> lock(state.busy);
        if (state.playing && state.buffer)
            Refill(state);
    }
    if (state.timerId != 0)
        KillPeriodicTimer(state.timerId);
    std::lock_guard<std::mutex> lock(state.busy);
    state.timerId = 0;
    DeleteReaders();
}

void CMusicPlayer::StopAndWait()
{
    if (!m_pState)
        return;
    while (m_pState->playing)
    {
        m_pState->stopRequest = true;
        RefillFromMainThread();
    }
}

void CMusicPlayer::Stop()
{
    if (!m_pState)
        return;
    StopAndWait();
    State& state = *m_pState;
    if (state.timerId != 0)
        KillPeriodicTimer(state.timerId);
    state.timerId = 0;
    {
        std::lock_guard<std::mutex> lock(state.busy);
        state.buffer.reset();
        DeleteReaders();
    }
    m_pState.reset();
}

// Called with the stream's mutex held.
void CMusicPlayer::DeleteReaders()
{
    delete m_pState->first;
    delete m_pState->second;
    m_pState->first = nullptr;
    m_pState->second = nullptr;
}

// The second reader is opened and checked before the refill can see it.
bool CMusicPlayer::OpenSecondStream(const char* path, float mixWeight, bool freeRunning)
{
    PromoteSecondStream();
    if (!m_pState || !path || !*path)
        return false;
    State& state = *m_pState;
    state.mixWeight = mixWeight;
    CSoundReader* reader = OpenSoundReader(path, kMusicOpenFlags);
    if (!reader)
        return false;
    std::unique_lock<std::mutex> lock(state.busy);
    if (!state.first || !SameFormat(state.first->GetOutputFormat(), reader->GetOutputFormat()))
    {
        lock.unlock();
        delete reader;
        return false;
    }
    state.second = reader;
    state.secondFreeRunning = freeRunning;
    state.secondAligned = false;
    return true;
}

void CMusicPlayer::SetLoop(float mixWeight)
{
    if (m_pState)
        m_pState->mixWeight = mixWeight;
}

bool CMusicPlayer::PromoteSecondStream()
{
    if (!m_pState)
        return true;
    std::lock_guard<std::mutex> lock(m_pState->busy);
    if (!m_pState->second)
        return true;
    delete m_pState->first;
    m_pState->first = m_pState->second;
    m_pState->second = nullptr;
    return true;
}

float CMusicPlayer::GetMixWeight() const
{
    return m_pState ? m_pState->mixWeight.load() : 1.0f;
}

bool CMusicPlayer::HasSecondStream() const
{
    if (!m_pState)
        return false;
    std::lock_guard<std::mutex> lock(m_pState->busy);
    return m_pState->second != nullptr;
}

void CMusicPlayer::SetVolume(int32_t volume)
{
    if (!m_pState)
        return;
    m_pState->volume = volume;
    ApplyVolume();
}

int32_t CMusicPlayer::GetVolume() const
{
    return m_pState ? m_pState->volume : 0;
}

CSoundBuffer* CMusicPlayer::GetStreamBuffer() const
{
    return m_pState ? m_pState->buffer.get() : nullptr;
}

bool CMusicPlayer::IsPlaying() const
{
    return m_pState && m_pState->playing;
}

// Music takes the master offset but not the effects scale.
void CMusicPlayer::ApplyVolume()
{
    if (!m_pState->buffer)
        return;
    const int32_t volume = m_pState->volume;
    m_pState->buffer->SetVolume(volume < kQuietestVolume + 1
                                    ? kMutedVolume
                                    : std::clamp(volume + GetSoundManager().GetMasterOffset(), kMutedVolume, 0));
}

void CMusicPlayer::QueueTrack(const char* name)
{
    m_QueuedTrack = name ? name : "";
    m_Enabled = true;
}

void CMusicPlayer::UpdatePlayback()
{
    RefillFromMainThread();
    const int32_t volume = m_MusicVolume;
    if (!m_Enabled || volume < kQuietestVolume + 1)
    {
        if (IsPlaying())
            StopAndWait();
        return;
    }
    if (IsPlaying())
    {
        if (m_QueuedTrack.HasText())
        {
            PlayTrack(m_QueuedTrack.GetText());
            m_QueuedTrack.Empty();
        }
    }
    else
    {
        SetVolume(volume);
        PlayTrack(m_QueuedTrack.HasText() ? m_QueuedTrack.GetText() : nullptr);
        m_QueuedTrack.Empty();
        if (!IsPlaying())
            m_MusicVolume = kQuietestVolume;
    }
    if (m_pState && volume != m_pState->volume)
        SetVolume(volume);
}

void CMusicPlayer::Update(float)
{
    UpdatePlayback();
}

bool CMusicPlayer::PlayTrack(const char* name)
{
    CMusicFileList& list = GetMusicList();
    if (name && IsPlaying())
    {
        const int32_t index = list.Find(name, -1);
        const char* last = list.GetLastName();
        if (index != -1 && last && CompareItemNames(list.GetName(static_cast<uint32_t>(index)), last) == 0)
            return true;
        StopAndWait();
    }
    if (IsPlaying())
        return true;
    if (list.GetCount() == 0)
        return false;
    const CString path = list.NextPath(name);
    return StartStream(path.GetText(), 0, false);
}
