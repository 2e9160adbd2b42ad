#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/platform/audio/audio_device.h"
#include "engine/platform/audio/sound_buffer.h"
#include "tests/support/manual_audio_output.h"

namespace {

class AudioDeviceTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_Device = CAudioDevice::Create();
        ASSERT_TRUE(m_Device);
        ASSERT_TRUE(m_Device->SetFormat(kDeviceRate, 2));
    }

    // A buffer holding the samples (interleaved for stereo).
    std::unique_ptr<CSoundBuffer> Buffer(const std::vector<int16_t>& samples, uint16_t channels, uint32_t rate,
                                         bool streaming = false)
    {
        auto buffer = m_Device->CreateBuffer(MakePcmFormat(rate, channels, 16),
                                             static_cast<uint32_t>(samples.size() * 2), streaming);
        if (!buffer)
            return nullptr;
        uint8_t* region1;
        uint8_t* region2;
        uint32_t bytes1;
        uint32_t bytes2;
        buffer->Lock(0, buffer->GetSize(), region1, bytes1, region2, bytes2);
        for (size_t i = 0; i < samples.size(); i++)
        {
            region1[2 * i] = static_cast<uint8_t>(samples[i] & 0xFF);
            region1[2 * i + 1] = static_cast<uint8_t>(static_cast<uint16_t>(samples[i]) >> 8);
        }
        buffer->Unlock();
        return buffer;
    }

    std::vector<int16_t> Mix(uint32_t frames)
    {
        std::vector<int16_t> out(static_cast<size_t>(frames) * m_Device->GetChannels());
        m_Device->Mix(out.data(), frames);
        return out;
    }

    ScopedManualAudio m_Audio;
    std::unique_ptr<CAudioDevice> m_Device;
};

TEST_F(AudioDeviceTest, VolumeScalesByHundredthsOfADecibel)
{
    struct Case
    {
        int32_t volume;
        int16_t heard;
    } cases[] = {{0, 10000}, {-2000, 1000}, {-600, 5012}, {-10000, 0}};
    for (const Case& c : cases)
    {
        auto buffer = Buffer(std::vector<int16_t>(64, 10000), 1, 44100);
        buffer->SetVolume(c.volume);
        buffer->Play(false);
        const std::vector<int16_t> out = Mix(8);
        EXPECT_NEAR(out[0], c.heard, 1) << c.volume;
        EXPECT_NEAR(out[1], c.heard, 1) << c.volume;
    }
}

TEST_F(AudioDeviceTest, PanAttenuatesOneSide)
{
    auto buffer = Buffer(std::vector<int16_t>(64, 10000), 1, 44100);
    buffer->SetPan(2000);
    buffer->Play(false);
    std::vector<int16_t> out = Mix(4);
    EXPECT_NEAR(out[0], 1000, 1);
    EXPECT_EQ(out[1], 10000);
    buffer->SetPan(-2000);
    out = Mix(4);
    EXPECT_EQ(out[0], 10000);
    EXPECT_NEAR(out[1], 1000, 1);
}

TEST_F(AudioDeviceTest, FullScaleVoicesSaturate)
{
    auto first = Buffer(std::vector<int16_t>(64, 32767), 1, 44100);
    auto second = Buffer(std::vector<int16_t>(64, 32767), 1, 44100);
    auto third = Buffer(std::vector<int16_t>(64, -32768), 1, 44100);
    auto fourth = Buffer(std::vector<int16_t>(64, -32768), 1, 44100);
    first->Play(false);
    second->Play(false);
    std::vector<int16_t> out = Mix(4);
    EXPECT_EQ(out[0], 32767);
    first->Stop();
    second->Stop();
    third->Play(false);
    fourth->Play(false);
    out = Mix(4);
    EXPECT_EQ(out[0], -32768);
}

TEST_F(AudioDeviceTest, HalfRateMonoFillsTwiceItsFramesInterpolated)
{
    auto buffer = Buffer({0, 1000, 2000, 3000}, 1, 22050);
    buffer->Play(false);
    const std::vector<int16_t> out = Mix(10);
    const std::vector<int16_t> left = {out[0], out[2], out[4], out[6], out[8], out[10], out[12], out[14], out[16]};
    EXPECT_EQ(left, (std::vector<int16_t>{0, 500, 1000, 1500, 2000, 2500, 3000, 3000, 0}));
    EXPECT_FALSE(buffer->IsPlaying());
}

TEST_F(AudioDeviceTest, EightBitAndStereoSourcesConvert)
{
    auto stereo = Buffer({100, -200, 300, -400}, 2, 44100);
    stereo->Play(false);
    std::vector<int16_t> out = Mix(2);
    EXPECT_EQ(out, (std::vector<int16_t>{100, -200, 300, -400}));

    auto eightBit = m_Device->CreateBuffer(MakePcmFormat(44100, 1, 8), 2, false);
    uint8_t* region1;
    uint8_t* region2;
    uint32_t bytes1;
    uint32_t bytes2;
    ASSERT_TRUE(eightBit->Lock(0, 2, region1, bytes1, region2, bytes2));
    EXPECT_EQ(region1[0], 0x80);
    region1[0] = 0xC0;
    region1[1] = 0x00;
    eightBit->Unlock();
    eightBit->Play(false);
    out = Mix(2);
    EXPECT_EQ(out, (std::vector<int16_t>{16384, 16384, -32768, -32768}));
}

TEST_F(AudioDeviceTest, NonLoopingStopsAndLoopingWraps)
{
    auto once = Buffer({1, 2, 3}, 1, 44100);
    auto looping = Buffer({10, 20, 30}, 1, 44100);
    once->Play(false);
    looping->Play(true);
    const std::vector<int16_t> out = Mix(7);
    std::vector<int16_t> left;
    for (size_t i = 0; i < out.size(); i += 2)
        left.push_back(out[i]);
    EXPECT_EQ(left, (std::vector<int16_t>{11, 22, 33, 10, 20, 30, 10}));
    EXPECT_FALSE(once->IsPlaying());
    EXPECT_TRUE(looping->IsPlaying());
    uint32_t play = 0;
    uint32_t write = 0;
    looping->GetCurrentPosition(play, write);
    EXPECT_EQ(play, 2u);
}

TEST_F(AudioDeviceTest, DuplicatesShareDataButKeepTheirOwnCursors)
{
    auto source = Buffer({1, 2, 3, 4, 5, 6}, 1, 44100);
    auto copy = m_Device->Duplicate(*source);
    ASSERT_TRUE(copy);
    source->Play(false);
    Mix(3);
    copy->SetVolume(-10000);
    copy->Play(false);
    Mix(1);
    uint32_t play = 0;
    uint32_t write = 0;
    source->GetCurrentPosition(play, write);
    EXPECT_EQ(play, 8u);
    copy->GetCurrentPosition(play, write);
    EXPECT_EQ(play, 2u);
    EXPECT_EQ(source->GetVolume(), 0);
    source.reset();
    copy->SetVolume(0);
    EXPECT_EQ(Mix(1)[0], 2);
}

TEST_F(AudioDeviceTest, StreamingCursorsFollowWhatWasMixed)
{
    auto ring = Buffer(std::vector<int16_t>(50000, 0), 2, 44100, true);
    ring->Play(true);
    uint32_t play = 0;
    uint32_t write = 0;
    ring->GetCurrentPosition(play, write);
    EXPECT_EQ(play, 0u);
    EXPECT_EQ(write, kManualPeriodFrames * 4);
    Mix(1000);
    ring->GetCurrentPosition(play, write);
    EXPECT_EQ(play, 4000u);
    EXPECT_EQ(write, 4000u + kManualPeriodFrames * 4);
    // Near the end of the ring the write cursor wraps below the play cursor.
    ring->SetCurrentPosition(99000);
    ring->GetCurrentPosition(play, write);
    EXPECT_EQ(play, 99000u);
    EXPECT_EQ(write, 99000u + kManualPeriodFrames * 4 - 100000u);
}

TEST_F(AudioDeviceTest, BuffersOutsideTheLimitsAreRefused)
{
    EXPECT_FALSE(m_Device->CreateBuffer(MakePcmFormat(44100, 1, 16), 0, false));
    EXPECT_FALSE(m_Device->CreateBuffer(MakePcmFormat(44100, 1, 16), kLargestBufferBytes + 1, false));
    EXPECT_FALSE(m_Device->CreateBuffer(MakePcmFormat(44100, 3, 16), 64, false));
    auto buffer = m_Device->CreateBuffer(MakePcmFormat(44100, 1, 16), 64, false);
    ASSERT_TRUE(buffer);
    EXPECT_FALSE(buffer->SetFrequency(99));
    EXPECT_TRUE(buffer->SetFrequency(100000));
    uint8_t* region1;
    uint8_t* region2;
    uint32_t bytes1;
    uint32_t bytes2;
    EXPECT_FALSE(buffer->Lock(64, 1, region1, bytes1, region2, bytes2));
    ASSERT_TRUE(buffer->Lock(60, 10, region1, bytes1, region2, bytes2));
    EXPECT_EQ(bytes1, 4u);
    EXPECT_EQ(bytes2, 6u);
}

TEST(AudioDeviceOpenTest, NoDeviceAndRefusedRates)
{
    {
        ScopedManualAudio none(0, true);
        EXPECT_FALSE(CAudioDevice::Create());
    }
    ScopedManualAudio refusing(44100);
    auto device = CAudioDevice::Create();
    ASSERT_TRUE(device);
    EXPECT_FALSE(device->SetFormat(44100, 2));
    EXPECT_TRUE(device->SetFormat(22100, 1));
    EXPECT_EQ(device->GetRate(), 22100u);
}

} // namespace
