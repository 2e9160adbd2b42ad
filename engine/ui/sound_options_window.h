#pragma once

#include <cstdint>

#include "engine/ui/input_capture_window.h"

class CJButton;
class CJCheckBox;
class CJSlider;

// "Sound Options": a volume slider and a Mute box for everything, for the
// effects and for the music. Every change takes effect at once and is
// written to the game settings at once, so closing needs no save. A
// slider is greyed while its row is muted; moving it unmutes the row.
class SoundOptionsWindow : public CJInputCaptureWindow
{
public:
    explicit SoundOptionsWindow(CJWindow* parent);

    void OnCommand(CJWindow* source, int32_t code) override;

    CJSlider* GetMasterSlider() const { return m_pMasterSlider; }
    CJSlider* GetEffectsSlider() const { return m_pEffectsSlider; }
    CJSlider* GetMusicSlider() const { return m_pMusicSlider; }
    CJCheckBox* GetMasterMute() const { return m_pMasterMute; }
    CJCheckBox* GetEffectsMute() const { return m_pEffectsMute; }
    CJCheckBox* GetMusicMute() const { return m_pMusicMute; }
    CJButton* GetDoneButton() const { return m_pDoneButton; }

private:
    // The label below the previous one, its Mute box and its slider.
    void AddRow(const CString& label, CJCheckBox*& mute, CJSlider*& slider, bool muted, int32_t value);
    // Answers whether the source was one of the sliders.
    bool OnSliderMoved(CJWindow* source);
    bool OnMuteClicked(CJWindow* source);
    void GreyMutedSliders();

    CJWindow* m_pLastLabel = nullptr;
    CJCheckBox* m_pMasterMute = nullptr;
    CJSlider* m_pMasterSlider = nullptr;
    CJCheckBox* m_pEffectsMute = nullptr;
    CJSlider* m_pEffectsSlider = nullptr;
    CJCheckBox* m_pMusicMute = nullptr;
    CJSlider* m_pMusicSlider = nullptr;
    CJButton* m_pDoneButton = nullptr;
};
