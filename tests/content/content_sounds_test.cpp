#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "content/audio/synth.h"
#include "content/content_items.h"
#include "content/content_tree.h"
#include "engine/app/sound/sound_reader.h"
#include "engine/core/settings/paths.h"
#include "tests/support/scoped_temp_folder.h"

namespace {

class ContentSounds : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_PreviousDataFolder = GetDataFolder();
        CContentTree tree;
        uint32_t changed = 0;
        ASSERT_TRUE(GenerateContent(m_Folder.Path(), tree, changed));
    }
    void TearDown() override { SetDataFolder(m_PreviousDataFolder.c_str()); }

    ScopedTempFolder m_Folder;
    std::string m_PreviousDataFolder;
};

struct SoundCase
{
    const char* name;
    double minimumSeconds;
    double maximumSeconds;
    bool silent;
};

// Every sound and track the engine looks up by name, read back through the
// engine's own sound reader.
TEST_F(ContentSounds, EverySoundReadsAsMono16BitPcmOfItsLength)
{
    const SoundCase cases[] = {
        {"Sounds/!Silence.wav", 0.01, 0.2, true},
        {"Sounds/Bounce.wav", 0.05, 0.5, false},
        {"Sounds/UI/Button Action.wav", 0.02, 0.3, false},
        {"Sounds/Default Spark.wav", 0.05, 0.2, false},
        {"Sounds/Thrust.wav", 0.1, 0.5, false},
        {"Sounds/Electric/Can Catch.wav", 0.4, 0.6, false},
        {"Sounds/Electric/Hold.wav", 0.4, 0.6, false},
        {"Sounds/Electric/Catch.wav", 0.1, 0.5, false},
        {"Sounds/Weapons/Laser.wav", 0.1, 0.3, false},
        {"Sounds/Weapons/Missile.wav", 0.3, 0.5, false},
        {"Sounds/Weapons/Ball Laser.wav", 0.05, 0.2, false},
        {"Music/Intro.wav", 3.0, 6.0, false},
        {"Music/Theme.ogg", 7.9, 8.1, false},
    };
    for (const SoundCase& sound : cases)
    {
        SCOPED_TRACE(sound.name);
        std::unique_ptr<CSoundReader> reader(OpenSoundReader(sound.name, 0));
        ASSERT_TRUE(reader);
        const auto& format = reader->GetOutputFormat();
        EXPECT_EQ(format.channels, 1);
        EXPECT_EQ(format.bitsPerSample, 16);
        EXPECT_EQ(format.samplesPerSec, kContentSampleRate);

        std::vector<int16_t> samples(static_cast<size_t>(sound.maximumSeconds * kContentSampleRate) + 16);
        const uint32_t bytes = reader->Read(samples.data(), static_cast<uint32_t>(samples.size() * 2));
        samples.resize(bytes / 2);
        const double seconds = static_cast<double>(samples.size()) / kContentSampleRate;
        EXPECT_GE(seconds, sound.minimumSeconds);
        EXPECT_LE(seconds, sound.maximumSeconds);
        int peak = 0;
        for (int16_t sample : samples)
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        if (sound.silent)
            EXPECT_EQ(peak, 0);
        else
            EXPECT_GT(peak, 3000);
    }
}

// A looping track must meet its own start without a click: it ends near
// silence, as it starts. The lossy coding rings a little around the edges,
// a few hundredths of a note's level.
TEST_F(ContentSounds, TheThemeLoopsWithoutAClick)
{
    std::unique_ptr<CSoundReader> reader(OpenSoundReader("Music/Theme.ogg", 0));
    ASSERT_TRUE(reader);
    std::vector<int16_t> samples(10 * kContentSampleRate);
    samples.resize(reader->Read(samples.data(), static_cast<uint32_t>(samples.size() * 2)) / 2);
    ASSERT_GT(samples.size(), 2u);
    EXPECT_LT(std::abs(samples.front()), 600);
    EXPECT_LT(std::abs(samples.back()), 600);
}

TEST(ContentSynth, TheSineApproximationStaysClose)
{
    const struct
    {
        double cycles;
        double sine;
    } cases[] = {{0.0, 0.0}, {0.25, 1.0}, {0.5, 0.0}, {0.75, -1.0}, {1.25, 1.0}, {0.125, 0.70710678}};
    for (const auto& c : cases)
        EXPECT_NEAR(ApproximateSine(c.cycles), c.sine, 0.002) << c.cycles;
}

TEST(ContentSynth, NotesFollowEqualTemperament)
{
    EXPECT_DOUBLE_EQ(NoteHz(0), 440.0);
    EXPECT_DOUBLE_EQ(NoteHz(12), 880.0);
    EXPECT_DOUBLE_EQ(NoteHz(-24), 110.0);
    EXPECT_NEAR(NoteHz(3), 523.2511, 0.001);
    EXPECT_NEAR(NoteHz(-9), 261.6256, 0.001);
}

} // namespace
