#include "game/playfield/music_mixer.h"

#include <cmath>

#include "engine/app/sound/music_player.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/nested_object_property.h"
#include "engine/object/properties/unsigned_int_property.h"

VP_IMPLEMENT_CLASS(CMusicMixerData, CObject, 1.0f)
// Made by GetMusicMixer only: making one opens music streams.
VP_IMPLEMENT_ABSTRACT_CLASS(CMusicMixer, CObject, 2.0f)

namespace {

CMusicMixer* g_pMusicMixer = nullptr;

void DeleteMusicMixer()
{
    delete g_pMusicMixer;
    g_pMusicMixer = nullptr;
}

bool MusicFolderIsEmpty()
{
    return GetMusicList().GetCount() == 0;
}

// As with every list reference, an index past the end means entry 0.
CString SongPath(int32_t song)
{
    CMusicFileList& list = GetMusicList();
    const uint32_t index = static_cast<uint32_t>(song);
    return list.GetPath(index < list.GetCount() ? index : 0);
}

// A song of the "Music/" folder, by file name. The folder's list comes with
// the music player, which asking for the list builds. A background naming a
// song the folder lacks plays item 0 rather than stopping the game: music
// is the one thing a player may remove.
class CMusicSongProperty : public ListItemProperty
{
public:
    CMusicSongProperty(const char* fullName, CPropertyMember<int32_t> member)
        : ListItemProperty(fullName, member, EDITOR_EDITABLE, nullptr, nullptr, false)
    {
        SetFallbackToDefault(true);
    }

    VirtualArray* GetList(const void*) const override
    {
        GetMusicPlayer();
        return &GetMusicList();
    }

    Property* Clone() const override { return new CMusicSongProperty(*this); }
};

} // namespace

void CMusicMixerData::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new FloatProperty("Num Seconds To Switch", VP_MEMBER(m_NumSecondsToSwitch), EDITOR_EDITABLE,
                                             5.0f, nullptr, 0.0f, 0.0f, 0.5f));
    classInfo->AddProperty(new CMusicSongProperty("Full Mix Song", VP_MEMBER(m_FullMixSong)));
    classInfo->AddProperty(new CMusicSongProperty("Med Mix Song", VP_MEMBER(m_MedMixSong)));
    classInfo->AddProperty(new CMusicSongProperty("Ambient Song", VP_MEMBER(m_AmbientSong)));
    classInfo->GetLastProperty()->SetLegacyName("Ambiant Song");
}

CMusicMixerData::CMusicMixerData()
{
    ConstructProperties(SGetClassInfo());
}

CMusicMixerData::~CMusicMixerData()
{
    DestroyProperties(SGetClassInfo());
}

void CMusicMixer::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new NestedObjectProperty("Mixer Data", VP_MEMBER(m_MixerData), EDITOR_EDITABLE));
    classInfo->AddProperty(
        new UnsignedIntProperty("Debug/Cur Song Index", VP_MEMBER(m_CurSongIndex), EDITOR_EDITABLE, 2, nullptr, 0, 0));
    classInfo->AddProperty(
        new UnsignedIntProperty("Debug/Qued Song Index", VP_MEMBER(m_QuedSongIndex), EDITOR_EDITABLE, 2, nullptr, 0, 0));
}

CMusicMixer::CMusicMixer()
    : m_FadeTime(0.0f)
    , m_Changed(false)
{
    ConstructProperties(SGetClassInfo());
    SetDefaults();
    GetMusicPlayer();
    m_pFirstStream = std::make_unique<CMusicPlayer>();
    m_pSecondStream = std::make_unique<CMusicPlayer>();
}

CMusicMixer::~CMusicMixer()
{
    m_pFirstStream.reset();
    m_pSecondStream.reset();
    DestroyProperties(SGetClassInfo());
}

CMusicMixer& GetMusicMixer()
{
    if (g_pMusicMixer == nullptr)
    {
        g_pMusicMixer = new CMusicMixer;
        GetSoundManager().AddShutdownCallback(DeleteMusicMixer);
    }
    return *g_pMusicMixer;
}

int32_t CMusicMixer::SongOfLevel(uint32_t level) const
{
    switch (level)
    {
    case kFullMix:
        return m_MixerData.m_FullMixSong;
    case kMediumMix:
        return m_MixerData.m_MedMixSong;
    case kAmbient:
        return m_MixerData.m_AmbientSong;
    default:
        return 0;
    }
}

void CMusicMixer::SetSong(uint32_t level, int32_t songIndex)
{
    int32_t* song = level == kFullMix     ? &m_MixerData.m_FullMixSong
                    : level == kMediumMix ? &m_MixerData.m_MedMixSong
                    : level == kAmbient   ? &m_MixerData.m_AmbientSong
                                          : nullptr;
    if (song == nullptr || *song == songIndex)
        return;
    *song = songIndex;
    m_Changed = true;
}

void CMusicMixer::SetSongs(const CMusicMixerData& data)
{
    SetSong(kFullMix, data.m_FullMixSong);
    SetSong(kMediumMix, data.m_MedMixSong);
    SetSong(kAmbient, data.m_AmbientSong);
    m_MixerData.m_NumSecondsToSwitch = data.m_NumSecondsToSwitch;
}

void CMusicMixer::SetLevel(uint32_t level)
{
    if (MusicFolderIsEmpty())
        return;
    if (m_pSecondStream->IsPlaying())
        level = kAmbient;
    if (IsFading())
    {
        m_QuedSongIndex = level;
        return;
    }

    const int32_t song = SongOfLevel(level);
    m_pFirstStream->SetVolume(GetMusicPlayer().GetMusicVolume());
    const CString path = SongPath(song);
    if (m_pFirstStream->IsPlaying())
    {
        if (song == SongOfLevel(m_CurSongIndex) && !m_Changed)
        {
            if (m_CurSongIndex != m_QuedSongIndex)
                m_CurSongIndex = m_QuedSongIndex = level;
            return;
        }
        // Without a switch time the blend would never end (the fade is over
        // before it starts, so nothing promotes the new song): switch at
        // once instead, as for a switch time no fade ever reaches.
        const float switchTime = m_MixerData.m_NumSecondsToSwitch;
        const bool canFade = switchTime > 0.0f && std::isfinite(switchTime);
        if (canFade && m_pFirstStream->OpenSecondStream(path.GetText(), 1.0f, m_Changed))
        {
            m_CurSongIndex = m_QuedSongIndex = level;
            m_Changed = false;
            m_FadeTime = 0.0f;
            return;
        }
        m_pFirstStream->StopAndWait();
    }
    m_pFirstStream->StartStream(path.GetText(), 0, false);
    m_FadeTime = m_MixerData.m_NumSecondsToSwitch;
    m_CurSongIndex = m_QuedSongIndex = level;
    m_Changed = false;
}

void CMusicMixer::Update(float step)
{
    m_pFirstStream->RefillFromMainThread();
    m_pSecondStream->RefillFromMainThread();
    if (MusicFolderIsEmpty())
        return;

    const float switchTime = m_MixerData.m_NumSecondsToSwitch;
    const float elapsed = m_FadeTime;
    m_FadeTime = elapsed + step;
    if (elapsed < switchTime)
    {
        m_pFirstStream->SetLoop(1.0f - elapsed / switchTime);
        if (m_FadeTime >= switchTime)
            m_pFirstStream->PromoteSecondStream();
    }
    else if (m_QuedSongIndex != m_CurSongIndex)
        SetLevel(m_QuedSongIndex);

    if (!m_pFirstStream->IsPlaying())
    {
        m_FadeTime = switchTime;
        SetLevel(m_CurSongIndex);
    }

    const int32_t volume = GetMusicPlayer().GetMusicVolume();
    if (volume != m_pFirstStream->GetVolume())
    {
        m_pFirstStream->SetVolume(volume);
        m_pSecondStream->SetVolume(volume);
    }
}
