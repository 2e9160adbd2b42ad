#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/app/sound/music_player.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/core/settings/settings.h"
#include "engine/platform/durable_save.h"
#include "engine/ui/check_box.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/slider.h"
#include "engine/ui/sound_options_window.h"
#include "engine/ui/window_weak_pointer.h"
#include "tests/support/music_test_folder.h"
#include "tests/support/sound_fixtures.h"
#include "tests/support/window_test_tree.h"

// The sound options window over a settings file of the test's own, the
// stand-in audio output and one music track in "Music/".

namespace {
class SoundOptionsWindowTest : public MusicTestFolder
{
protected:
    void SetUp() override
    {
        MusicTestFolder::SetUp();
        std::vector<int16_t> samples(2 * 20000, 100);
        m_Folder.WriteFile("Data/Music/Theme.wav", PcmWave(2, 44100, 16, Samples16(samples)));
        m_pTree = std::make_unique<CWindowTestTree>();
    }

    void TearDown() override
    {
        m_pTree.reset();
        MusicTestFolder::TearDown();
    }

    SoundOptionsWindow* Open()
    {
        SoundOptionsWindow* window = new SoundOptionsWindow(&m_pTree->Root());
        m_pTree->Root().AddChildFront(window, 6);
        return window;
    }

    const char* File() const { return GetGeneralSettings().GetFileName(); }
    int32_t Stored(const char* key) const { return ReadSettingInt(File(), "Options", key, -99999); }
    float StoredEffects() const { return ReadSettingFloat(File(), "Options", "SFx Voume", -1.0f); }

    void Click(CJWindow* window)
    {
        const CRect& rect = window->GetScreenRect();
        m_pTree->Press(0, rect.left + 2, rect.top + 2);
        m_pTree->Release(0, rect.left + 2, rect.top + 2);
    }

    std::unique_ptr<CWindowTestTree> m_pTree;
};
} // namespace

TEST_F(SoundOptionsWindowTest, TheDefaultsShowFullVolumesAndTheMusicDefaultInThreeRowsOfOneWidth)
{
    SoundOptionsWindow* window = Open();
    EXPECT_STREQ(window->GetText().GetText(), "Sound Options");
    CJSlider* sliders[] = {window->GetMasterSlider(), window->GetEffectsSlider(), window->GetMusicSlider()};
    CJCheckBox* boxes[] = {window->GetMasterMute(), window->GetEffectsMute(), window->GetMusicMute()};
    const int32_t values[] = {3333, 3333, 2221};
    for (int32_t row = 0; row < 3; ++row)
    {
        EXPECT_EQ(sliders[row]->GetValue(), values[row]) << row;
        EXPECT_EQ(sliders[row]->GetCount(), 3334u) << row;
        EXPECT_EQ(sliders[row]->GetWidth(), 125) << row;
        EXPECT_FALSE(sliders[row]->IsGreyed()) << row;
        EXPECT_EQ(boxes[row]->GetChecked(), 0) << row;
        // Box and slider stand right of the label, rows one under another.
        EXPECT_EQ(sliders[row]->GetRect().left, boxes[row]->GetRect().right + window->GetSpacing()) << row;
        if (row > 0)
        {
            EXPECT_GT(boxes[row]->GetRect().top, boxes[row - 1]->GetRect().top) << row;
        }
    }
    EXPECT_GE(window->GetWidth(), sliders[0]->GetRect().right);
    CJButton* done = window->GetDoneButton();
    EXPECT_GT(done->GetRect().top, sliders[2]->GetRect().bottom);
    EXPECT_NEAR(done->GetRect().left + done->GetWidth() / 2, window->GetWidth() / 2, 1);
    EXPECT_NE(window->GetMasterMute()->GetHotkeyChar(), 0);
}

TEST_F(SoundOptionsWindowTest, MuteBoxesSilenceTheirRowWithoutMovingTheSliderAndGreyIt)
{
    SoundOptionsWindow* window = Open();
    window->GetMasterSlider()->SetValue(1000, false);
    window->GetEffectsSlider()->SetValue(0, false);
    window->GetMusicSlider()->SetValue(333, false);
    struct Row
    {
        CJCheckBox* box;
        CJSlider* slider;
        const char* key;
        // What the row's level is now.
        float (*level)();
        float muted;
        float unmuted;
    };
    const Row rows[] = {
        {window->GetMasterMute(), window->GetMasterSlider(), "Master Mute",
         [] { return static_cast<float>(GetSoundManager().GetMasterOffset()); }, -10000.0f, -2333.0f},
        {window->GetEffectsMute(), window->GetEffectsSlider(), "SFx Mute",
         [] { return GetSoundManager().GetEffectsScale(); }, 0.0f, 0.5f},
        {window->GetMusicMute(), window->GetMusicSlider(), "Music Mute",
         [] { return static_cast<float>(GetMusicPlayer().GetMusicVolume()); }, -3333.0f, -3000.0f},
    };
    for (const Row& row : rows)
    {
        const int32_t value = row.slider->GetValue();
        Click(row.box);
        EXPECT_EQ(row.box->GetChecked(), 1) << row.key;
        EXPECT_EQ(Stored(row.key), 1) << row.key;
        EXPECT_EQ(row.level(), row.muted) << row.key;
        EXPECT_EQ(row.slider->GetValue(), value) << row.key;
        EXPECT_TRUE(row.slider->IsGreyed()) << row.key;

        Click(row.box);
        EXPECT_EQ(Stored(row.key), 0) << row.key;
        EXPECT_EQ(row.level(), row.unmuted) << row.key;
        EXPECT_FALSE(row.slider->IsGreyed()) << row.key;
    }
}

TEST_F(SoundOptionsWindowTest, MovingTheMusicSliderWhileMutedUnmutesAndStartsTheMusic)
{
    WriteSettingInt(File(), "Options", "Music Mute", 1);
    GetMusicPlayer().QueueTrack(nullptr);
    SoundOptionsWindow* window = Open();
    EXPECT_EQ(window->GetMusicMute()->GetChecked(), 1);
    EXPECT_TRUE(window->GetMusicSlider()->IsGreyed());
    EXPECT_FALSE(GetMusicPlayer().IsPlaying());

    window->GetMusicSlider()->SetValue(3000, false);
    EXPECT_EQ(window->GetMusicMute()->GetChecked(), 0);
    EXPECT_FALSE(window->GetMusicSlider()->IsGreyed());
    EXPECT_EQ(Stored("Music Mute"), 0);
    EXPECT_EQ(Stored("Music Volume"), -333);
    EXPECT_EQ(GetMusicPlayer().GetMusicVolume(), -333);
    EXPECT_TRUE(GetMusicPlayer().IsPlaying());
    EXPECT_EQ(GetMusicPlayer().GetVolume(), -333);
}

TEST_F(SoundOptionsWindowTest, MovingASliderUnmutesItsRowAndWritesItsLevel)
{
    WriteSettingInt(File(), "Options", "Master Mute", 1);
    WriteSettingInt(File(), "Options", "SFx Mute", 1);
    SoundOptionsWindow* window = Open();
    window->GetMasterSlider()->SetValue(2000, false);
    EXPECT_EQ(GetSoundManager().GetMasterOffset(), -1333);
    EXPECT_EQ(Stored("Master Volume"), 2000);
    EXPECT_EQ(Stored("Master Mute"), 0);
    EXPECT_EQ(window->GetMasterMute()->GetChecked(), 0);

    window->GetEffectsSlider()->SetValue(0, false);
    EXPECT_EQ(StoredEffects(), 0.5f);
    EXPECT_EQ(GetSoundManager().GetEffectsScale(), 0.5f);
    EXPECT_EQ(Stored("SFx Mute"), 0);
    EXPECT_EQ(window->GetEffectsMute()->GetChecked(), 0);
}

TEST_F(SoundOptionsWindowTest, EveryEffectsLevelWrittenIsShownAgainWhenTheWindowReopens)
{
    // Thousands of settings writes: durability is not what is tested here.
    const FileSyncCall savedSync = SetFileSyncCall([](int) { return 0; });
    SoundOptionsWindow* writer = Open();
    std::vector<int32_t> differing;
    for (int32_t value = 0; value <= 3333; ++value)
    {
        writer->GetEffectsSlider()->SetValue(value, false);
        // What the window reads when it opens.
        SoundOptionsWindow* reader = new SoundOptionsWindow(&m_pTree->Root());
        if (reader->GetEffectsSlider()->GetValue() != value)
            differing.push_back(value);
        reader->DeleteNow();
    }
    SetFileSyncCall(savedSync);
    EXPECT_TRUE(differing.empty()) << differing.size() << " values, the first " << differing.front();
}

TEST_F(SoundOptionsWindowTest, StoredValuesOutsideTheScaleShowAtItsEnds)
{
    WriteSettingInt(File(), "Options", "Master Volume", 99999);
    WriteSettingInt(File(), "Options", "Music Volume", -99999);
    WriteSettingString(File(), "Options", "SFx Voume", "nan");
    SoundOptionsWindow* window = Open();
    EXPECT_EQ(window->GetMasterSlider()->GetValue(), 3333);
    EXPECT_EQ(window->GetMusicSlider()->GetValue(), 0);
    EXPECT_EQ(window->GetEffectsSlider()->GetValue(), 3333);
}

TEST_F(SoundOptionsWindowTest, EnterEscapeAndDoneCloseTheWindow)
{
    struct Case
    {
        const char* what;
        int32_t key;
    };
    const Case cases[] = {{"Enter", KEY_ENTER}, {"Escape", KEY_ESCAPE}, {"DONE", 0}};
    for (const Case& c : cases)
    {
        CWindowWeakPointer<SoundOptionsWindow> window(Open());
        if (c.key != 0)
            m_pTree->Type(c.key);
        else
            Click(window->GetDoneButton());
        m_pTree->UpdateTree();
        EXPECT_EQ(window.Get(), nullptr) << c.what;
    }
}
