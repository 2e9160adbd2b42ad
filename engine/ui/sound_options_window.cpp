#include "engine/ui/sound_options_window.h"

#include <algorithm>
#include <cmath>

#include "engine/app/sound/music_player.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/core/localization/localized_string.h"
#include "engine/core/settings/settings.h"
#include "engine/ui/button.h"
#include "engine/ui/check_box.h"
#include "engine/ui/slider.h"
#include "engine/ui/static_text.h"

namespace {
// The texts of the sound options; some are kept for translators only.
CLocalizedString s_SoundOptionsText("Sound Options");
CLocalizedString s_MasterVolumeText("Master Volume");
CLocalizedString s_MuteText("Mute");
CLocalizedString s_SfxVolumeText("Sfx Volume", "sound effects volume");
CLocalizedString s_MusicVolumeText("Music Volume");
CLocalizedString s_DoneText("DONE");
CLocalizedString s_VoiceoversText("Voiceovers", "should the voiceovers play during gameplay");
CLocalizedString s_OnText("On");
CLocalizedString s_OffText("Off");
CLocalizedString s_StereoSelectionText("Stereo", "stereo/monophonic selection");
CLocalizedString s_StereoText("Stereo", "Stereophonic");
CLocalizedString s_MonoText("Mono", "monophonic");
CLocalizedString s_SoundMixingText("Sound Mixing", "Sound mixing quality selection");
CLocalizedString s_BestText("Best", "more accurate, but more sluggish");
CLocalizedString s_FasterText("Faster", "less accurate, but less sluggish");

const char* const SECTION = "Options";

// Every slider runs over the 3334 steps of the volume scale.
constexpr int32_t TOP_VALUE = -kQuietestVolume;
constexpr uint32_t SLIDER_STEPS = TOP_VALUE + 1;
constexpr int32_t MASTER_SLIDER_WIDTH = 125;
// The effects scale runs from 0.5 at the bottom of the slider to 1.0 at
// the top.
constexpr float EFFECTS_SCALE_PER_STEP = 0.000150015f;
constexpr float EFFECTS_SCALE_FLOOR = 0.5f;
constexpr double EFFECTS_STEPS_PER_SCALE = 6666.0;

constexpr int32_t PLACE_TOP_LEFT = 1;
constexpr int32_t PLACE_BELOW_RIGHT_ALIGNED = 9;
constexpr int32_t PLACE_CENTRED_BELOW = 12;
constexpr int32_t PLACE_RIGHT_OF_PREVIOUS = 14;

const char* SettingsFile()
{
    return GetGeneralSettings().GetFileName();
}

int32_t ReadInt(const char* key, int32_t defaultValue)
{
    return ReadSettingInt(SettingsFile(), SECTION, key, defaultValue);
}

void WriteInt(const char* key, int32_t value)
{
    WriteSettingInt(SettingsFile(), SECTION, key, value);
}

// A hand-edited file may hold anything: the slider shows the nearest end.
int32_t OnScale(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, 0, TOP_VALUE));
}

float EffectsScaleOf(int32_t sliderValue)
{
    return static_cast<float>(sliderValue) * EFFECTS_SCALE_PER_STEP + EFFECTS_SCALE_FLOOR;
}

// The stored scale was written from a slider value and rounded to six
// digits on its way through the file: the nearest step is that value.
int32_t EffectsSliderOf(float scale)
{
    const double steps = (double{scale} - EFFECTS_SCALE_FLOOR) * EFFECTS_STEPS_PER_SCALE;
    return std::isfinite(steps) ? OnScale(static_cast<int64_t>(std::floor(steps + 0.5))) : TOP_VALUE;
}

void SetMusicVolume(int32_t volume)
{
    CMusicPlayer& player = GetMusicPlayer();
    player.SetMusicVolume(volume);
    player.SetVolume(volume);
}
} // namespace

SoundOptionsWindow::SoundOptionsWindow(CJWindow* parent)
    : CJInputCaptureWindow(parent, s_SoundOptionsText.GetText())
{
    AddRow(s_MasterVolumeText.GetText(), m_pMasterMute, m_pMasterSlider, ReadInt("Master Mute", 0) != 0,
           OnScale(ReadInt("Master Volume", TOP_VALUE)));
    AddRow(s_SfxVolumeText.GetText(), m_pEffectsMute, m_pEffectsSlider, ReadInt("SFx Mute", 0) != 0,
           EffectsSliderOf(ReadSettingFloat(SettingsFile(), SECTION, "SFx Voume", 1.0f)));
    AddRow(s_MusicVolumeText.GetText(), m_pMusicMute, m_pMusicSlider, ReadInt("Music Mute", 0) != 0,
           OnScale(int64_t{ReadInt("Music Volume", -1112)} + TOP_VALUE));

    m_pMasterSlider->SetWidth(MASTER_SLIDER_WIDTH);
    GrowToContain(m_pMasterSlider, DEFAULT_GAP);
    m_pEffectsSlider->SetWidth(MASTER_SLIDER_WIDTH);
    m_pMusicSlider->SetWidth(MASTER_SLIDER_WIDTH);

    m_pDoneButton = new CJButton(this, s_DoneText.GetText());
    AddChild(m_pDoneButton, PLACE_CENTRED_BELOW);
    SetDefaultButton(m_pDoneButton);
    SetCancelButton(m_pDoneButton);
    // Enter activates the focused control first: with the focus on DONE it
    // closes the window rather than ticking the first Mute box.
    BringToFront(m_pDoneButton);
    AssignAutoHotkeys();
    GreyMutedSliders();
}

void SoundOptionsWindow::AddRow(const CString& label, CJCheckBox*& mute, CJSlider*& slider, bool muted, int32_t value)
{
    CJStaticText* text = new CJStaticText(this, label);
    if (m_pLastLabel == nullptr)
        AddChild(text, PLACE_TOP_LEFT);
    else
        AddChild(text, PLACE_BELOW_RIGHT_ALIGNED, m_pLastLabel);
    m_pLastLabel = text;
    mute = new CJCheckBox(this, &s_MuteText.GetText());
    mute->SetChecked(muted ? 1 : 0);
    AddChild(mute, PLACE_RIGHT_OF_PREVIOUS);
    slider = new CJSlider(this, SLIDER_STEPS, 0);
    slider->SetValue(value, true);
    AddChild(slider, PLACE_RIGHT_OF_PREVIOUS);
}

void SoundOptionsWindow::OnCommand(CJWindow* source, int32_t code)
{
    if (code == 0 && source == m_pDoneButton)
    {
        Close();
        return;
    }
    if ((code == 1 && OnSliderMoved(source)) || (code == 0 && OnMuteClicked(source)))
        GreyMutedSliders();
    CJInputCaptureWindow::OnCommand(source, code);
}

bool SoundOptionsWindow::OnSliderMoved(CJWindow* source)
{
    CSoundManager& manager = GetSoundManager();
    if (source == m_pMasterSlider)
    {
        const int32_t value = m_pMasterSlider->GetValue();
        manager.SetMasterOffset(value + kQuietestVolume);
        WriteInt("Master Volume", value);
        WriteInt("Master Mute", 0);
        m_pMasterMute->SetChecked(0);
        return true;
    }
    if (source == m_pEffectsSlider)
    {
        const float scale = EffectsScaleOf(m_pEffectsSlider->GetValue());
        manager.SetEffectsScale(scale);
        WriteSettingFloat(SettingsFile(), SECTION, "SFx Voume", scale);
        WriteInt("SFx Mute", 0);
        m_pEffectsMute->SetChecked(0);
        return true;
    }
    if (source == m_pMusicSlider)
    {
        const int32_t volume = m_pMusicSlider->GetValue() + kQuietestVolume;
        WriteInt("Music Volume", volume);
        WriteInt("Music Mute", 0);
        m_pMusicMute->SetChecked(0);
        // A player stopped by the mute starts again.
        SetMusicVolume(volume);
        GetMusicPlayer().UpdatePlayback();
        return true;
    }
    return false;
}

bool SoundOptionsWindow::OnMuteClicked(CJWindow* source)
{
    CSoundManager& manager = GetSoundManager();
    if (source == m_pMasterMute)
    {
        const bool muted = m_pMasterMute->GetChecked() != 0;
        WriteInt("Master Mute", muted ? 1 : 0);
        manager.SetMasterOffset(muted ? kMutedVolume : m_pMasterSlider->GetValue() + kQuietestVolume);
        return true;
    }
    if (source == m_pEffectsMute)
    {
        const bool muted = m_pEffectsMute->GetChecked() != 0;
        WriteInt("SFx Mute", muted ? 1 : 0);
        manager.SetEffectsScale(muted ? 0.0f : EffectsScaleOf(m_pEffectsSlider->GetValue()));
        return true;
    }
    if (source == m_pMusicMute)
    {
        const bool muted = m_pMusicMute->GetChecked() != 0;
        WriteInt("Music Mute", muted ? 1 : 0);
        // The player applies it at its next update.
        GetMusicPlayer().SetMusicVolume(muted ? kQuietestVolume : m_pMusicSlider->GetValue() + kQuietestVolume);
        return true;
    }
    return false;
}

void SoundOptionsWindow::GreyMutedSliders()
{
    m_pMasterSlider->SetGreyed(m_pMasterMute->GetChecked() != 0);
    m_pEffectsSlider->SetGreyed(m_pEffectsMute->GetChecked() != 0);
    m_pMusicSlider->SetGreyed(m_pMusicMute->GetChecked() != 0);
}
