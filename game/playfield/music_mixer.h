#pragma once

#include <cstdint>
#include <memory>

#include "engine/object/object.h"

class CMusicPlayer;

// The music of a background: one song of the "Music/" folder for each of
// the three intensity levels, and how long a change of level cross-fades.
class CMusicMixerData : public CObject
{
    VP_DECLARE_CLASS(CMusicMixerData)
public:
    CMusicMixerData();
    ~CMusicMixerData() override;

    float m_NumSecondsToSwitch;
    int32_t m_FullMixSong;
    int32_t m_MedMixSong;
    int32_t m_AmbientSong;
};

// The round's music at one of three intensity levels: 0 the full mix, 1 the
// medium mix, 2 ambient. A change of level cross-fades from the song that
// plays into the level's song over the switch time, blending the new song
// into the playing stream and then letting it take over; a song of another
// sound format cannot be blended and starts at once instead. A request made
// during a fade waits for its end. A song that ends starts again.
//
// The mixer owns two music streams of its own beside the music player's;
// while the second plays, the mixer holds to the ambient level. With no
// file in "Music/" every operation does nothing.
class CMusicMixer : public CObject
{
    VP_DECLARE_CLASS(CMusicMixer)
public:
    static constexpr uint32_t kFullMix = 0;
    static constexpr uint32_t kMediumMix = 1;
    static constexpr uint32_t kAmbient = 2;

    // Builds the music player first: the streams take its configuration.
    CMusicMixer();
    ~CMusicMixer() override;

    // The song of level 0, 1 or 2; other levels are ignored.
    void SetSong(uint32_t level, int32_t songIndex);
    // The three songs and the switch time of a background.
    void SetSongs(const CMusicMixerData& data);
    void RequestLevel(uint32_t level) { SetLevel(level); }
    void SetLevel(uint32_t level);
    void Update(float step);

    uint32_t GetCurrentLevel() const { return m_CurSongIndex; }
    uint32_t GetQueuedLevel() const { return m_QuedSongIndex; }
    float GetFadeTime() const { return m_FadeTime; }
    const CMusicMixerData& GetMixerData() const { return m_MixerData; }
    CMusicPlayer& GetFirstStream() const { return *m_pFirstStream; }
    CMusicPlayer& GetSecondStream() const { return *m_pSecondStream; }

private:
    int32_t SongOfLevel(uint32_t level) const;
    bool IsFading() const { return m_FadeTime < m_MixerData.m_NumSecondsToSwitch; }

    float m_FadeTime;
    CMusicMixerData m_MixerData;
    uint32_t m_CurSongIndex;
    uint32_t m_QuedSongIndex;
    bool m_Changed;
    std::unique_ptr<CMusicPlayer> m_pFirstStream;
    std::unique_ptr<CMusicPlayer> m_pSecondStream;
};

// The mixer, built on first use; the sound manager's shutdown deletes it
// with its streams, and the next use builds a new one.
CMusicMixer& GetMusicMixer();
