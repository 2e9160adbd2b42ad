#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "engine/app/file_list.h"
#include "engine/core/strings/ref_string.h"

class CSoundBuffer;
class CSoundReader;

// Bytes of the looping ring a music stream decodes into.
constexpr uint32_t kMusicRingBytes = 100000;
// A refill waits until this much of the ring is free, so that it is one
// large read rather than many small ones.
constexpr uint32_t kMusicRefillBytes = 40000;
// The refill timer's period.
constexpr uint32_t kMusicRefillMs = 50;

// The music folder's list: a ".wav" name also finds an ".ogg" file and back.
class CMusicFileList : public CFileList
{
public:
    using CFileList::Find;
    int32_t Find(const char* key, int32_t hint) override;
    int32_t Find(const CString& key, int32_t hint) override;
};

// A music stream: a track decoded piece by piece into a looping ring of the
// audio device, refilled every 50 ms on the timer thread (or once per update
// from the main thread when "Use Threaded Stream" is 0). A second track of
// the same format can be blended into what is written, for cross-fades, and
// then take the first one's place.
//
// Threads: the refill runs on the timer thread. Each stream has a mutex
// that the refill only try-locks, returning at once when it is held; the
// main thread holds it around every change of readers, ring and timer, and
// takes it to wait for a running refill. The stop request, the playing
// flag and the mix weight are atomics. Code on the refill path answers
// errors (a short read ends the track); it never raises a fatal report.
//
// The music player singleton adds the track layer: the "Music/" list in
// shuffled order, a queued track, the music volume, and one track after
// another. The in-game music mixer owns further streams of its own.
class CMusicPlayer
{
public:
    // Reads "Use Threaded Stream"; a stream needs the audio device.
    CMusicPlayer();
    // Stops the track and frees the stream.
    ~CMusicPlayer();

    // Answers true when the track plays; skip is a byte position to start
    // at.
    bool StartStream(const char* path, uint32_t skip, bool loop);
    void Stop();
    // Stops the track and waits until it has stopped; the stream stays.
    void StopAndWait();
    // The main thread's pump: refills an unthreaded stream and finishes a
    // requested stop.
    void RefillFromMainThread();
    // The refill itself.
    static void RefillCallback(void* stream);
    // Opens a second track to blend in; true when its format equals the
    // first's (only then does it take part).
    bool OpenSecondStream(const char* path, float mixWeight, bool freeRunning);
    // Weight of the first track while a second is blended in: 1 first only,
    // 0 second only.
    void SetLoop(float mixWeight);
    // The second track becomes the first.
    bool PromoteSecondStream();
    // What the refill blends with: the weight and whether a second track
    // takes part.
    float GetMixWeight() const;
    bool HasSecondStream() const;
    void SetVolume(int32_t volume);
    int32_t GetVolume() const;
    bool IsPlaying() const;
    bool HasStream() const { return m_pState != nullptr; }
    // The ring, for looking at what was written; none without a track.
    // Main thread only, while no refill runs on the timer thread.
    CSoundBuffer* GetStreamBuffer() const;
    bool IsThreaded() const { return m_Threaded; }

    // Track layer.
    void QueueTrack(const char* name);
    void UpdatePlayback();
    void Update(float step);
    bool PlayTrack(const char* name);
    void SetMusicVolume(int32_t volume) { m_MusicVolume = volume; }
    int32_t GetMusicVolume() const { return m_MusicVolume; }
    bool IsEnabled() const { return m_Enabled; }

    CMusicPlayer(const CMusicPlayer&) = delete;
    CMusicPlayer& operator=(const CMusicPlayer&) = delete;

private:
    struct State;

    void Configure();
    void ApplyVolume();
    void DeleteReaders();
    static void Refill(State& state);

    std::unique_ptr<State> m_pState;
    bool m_Threaded;
    int32_t m_MusicVolume;
    CString m_QueuedTrack;
    bool m_Enabled;
};

// The player, built on first use; the sound manager's shutdown deletes it.
CMusicPlayer& GetMusicPlayer();
// The music folder's list, built with the player.
CMusicFileList& GetMusicList();
