#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/app/sound/sound_reader.h"
#include "engine/app/sound/vorbis_reader.h"
#include "engine/core/files/file.h"
#include "engine/core/files/stream.h"
#include "tests/support/scoped_temp_folder.h"
#include "tests/support/sound_fixtures.h"

namespace {

class SoundReaderTest : public testing::Test
{
protected:
    std::unique_ptr<CSoundReader> Open(const std::string& bytes)
    {
        const std::string name = "sound" + std::to_string(m_Count++);
        m_Folder.WriteFile(name, bytes);
        return std::unique_ptr<CSoundReader>(OpenSoundReader((m_Folder.Path() + name).c_str(), OPEN_NAME_UNCHANGED));
    }

    static std::vector<int16_t> ReadSamples(CSoundReader& reader, uint32_t bytes)
    {
        std::vector<int16_t> samples(bytes / 2);
        const uint32_t got = reader.Read(samples.data(), bytes);
        samples.resize(got / 2);
        return samples;
    }

    ScopedTempFolder m_Folder;
    int m_Count = 0;
};

std::string Chunk16(std::initializer_list<int16_t> samples)
{
    return Samples16(std::vector<int16_t>(samples));
}

TEST_F(SoundReaderTest, SixteenBitPcmReadsItsSamplesAndFormat)
{
    auto reader = Open(PcmWave(2, 22050, 16, Chunk16({1, -2, 300, -400})));
    ASSERT_TRUE(reader);
    CWaveFormat format;
    reader->GetFormat(format);
    EXPECT_EQ(format.formatTag, kWaveFormatPcm);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.samplesPerSec, 22050u);
    EXPECT_EQ(format.blockAlign, 4);
    EXPECT_EQ(format.avgBytesPerSec, 88200u);
    EXPECT_EQ(reader->GetTotalBytes(), 8u);
    EXPECT_EQ(ReadSamples(*reader, 100), (std::vector<int16_t>{1, -2, 300, -400}));
}

// Chunk orders and sizes that still open, and what they read.
TEST_F(SoundReaderTest, ChunkWalkFindsFormatAndDataInAnyOrder)
{
    const std::string format = FormatBody(1, 1, 8000, 16);
    const std::string data = Chunk16({7, 8, 9});
    struct Case
    {
        const char* what;
        std::string file;
    } cases[] = {
        {"data before fmt", BuildWave({{"data", data}, {"fmt ", format}})},
        {"odd LIST before data", BuildWave({{"fmt ", format}, {"LIST", "abc"}, {"data", data}})},
        {"fact and an odd chunk after data", BuildWave({{"fmt ", format}, {"data", data}, {"junk", "x"}})},
    };
    for (const Case& c : cases)
    {
        auto reader = Open(c.file);
        ASSERT_TRUE(reader) << c.what;
        EXPECT_EQ(ReadSamples(*reader, 100), (std::vector<int16_t>{7, 8, 9})) << c.what;
    }
}

TEST_F(SoundReaderTest, DataSizeBeyondTheFileIsCutToTheFile)
{
    std::string file = PcmWave(1, 8000, 16, Chunk16({5, 6}));
    // The data size is the last field before the samples.
    const size_t sizeAt = file.size() - 4 - 4;
    file[sizeAt] = '\x00';
    file[sizeAt + 1] = '\x10';
    auto reader = Open(file);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->GetTotalBytes(), 4u);
    EXPECT_EQ(ReadSamples(*reader, 4096), (std::vector<int16_t>{5, 6}));
}

TEST_F(SoundReaderTest, RiffSizeBeyondTheFileEndsTheWalkAtTheFileEnd)
{
    const std::string file = BuildWave({{"fmt ", FormatBody(1, 1, 8000, 16)}}, 1000);
    ASSERT_EQ(file.size(), 36u);
    EXPECT_FALSE(Open(file));
}

TEST_F(SoundReaderTest, FormatFieldsOutsideWhatPlaysAreRefused)
{
    struct Case
    {
        const char* what;
        std::string format;
    } cases[] = {
        {"no channels", FormatBody(1, 0, 8000, 16, 2)},
        {"three channels", FormatBody(1, 3, 8000, 16)},
        {"rate 0", FormatBody(1, 1, 0, 16)},
        {"rate 300000", FormatBody(1, 1, 300000, 16)},
        {"12 bits", FormatBody(1, 1, 8000, 12, 2)},
        {"block align 3 for 16-bit mono", FormatBody(1, 1, 8000, 16, 3)},
        {"IMA ADPCM of 8 bits", FormatBody(0x11, 1, 8000, 8, 36)},
        {"IMA ADPCM block of its header only", FormatBody(0x11, 1, 8000, 4, 4)},
        {"MS ADPCM block shorter than its header", FormatBody(2, 2, 8000, 4, 10)},
        {"mu-law block align 2 for mono", FormatBody(7, 1, 8000, 8, 2)},
        {"an unknown tag", FormatBody(0x55, 1, 8000, 16)},
        {"fmt shorter than its fields", "\x01\x00\x01\x00"},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(Open(BuildWave({{"fmt ", c.format}, {"data", Chunk16({1, 2, 3, 4})}}))) << c.what;
}

TEST_F(SoundReaderTest, RiffOfAnotherFormGoesToTheOggReaderAndFails)
{
    std::string file = PcmWave(1, 8000, 16, Chunk16({1}));
    std::memcpy(file.data() + 8, "AVI ", 4);
    EXPECT_FALSE(Open(file));

    m_Folder.WriteFile("avi", file);
    CFile* raw = new CFile;
    ASSERT_TRUE(raw->Open((m_Folder.Path() + "avi").c_str(), OPEN_READ | OPEN_NAME_UNCHANGED));
    CVorbisReader vorbis;
    EXPECT_FALSE(vorbis.Open(raw));
}

TEST_F(SoundReaderTest, LogarithmicCodesDecodeToTheirSamples)
{
    struct Case
    {
        uint16_t tag;
        std::string codes;
        std::vector<int16_t> samples;
    } cases[] = {
        {7, std::string("\x00\xFF", 2), {-32124, 0}},
        {6, std::string("\xD5\x55", 2), {8, -8}},
    };
    for (const Case& c : cases)
    {
        auto reader = Open(BuildWave({{"fmt ", FormatBody(c.tag, 1, 8000, 8)}, {"data", c.codes}}));
        ASSERT_TRUE(reader) << c.tag;
        EXPECT_EQ(reader->GetTotalBytes(), 4u);
        EXPECT_EQ(ReadSamples(*reader, 4), c.samples) << c.tag;
    }
}

// One mono IMA block of 36 bytes: first sample 1000, step index 0, all
// nibbles 0, which keeps every one of its 65 samples at 1000.
std::string ImaBlock()
{
    std::string block = Chunk16({1000});
    block += std::string("\x00\x00", 2);
    block += std::string(32, '\0');
    return block;
}

std::string FactBody(uint32_t samples)
{
    return std::string(reinterpret_cast<const char*>(&samples), 4);
}

TEST_F(SoundReaderTest, ImaAdpcmShortOfTheFactCountIsPaddedWithSilence)
{
    auto reader =
        Open(BuildWave({{"fmt ", FormatBody(0x11, 1, 8000, 4, 36)}, {"fact", FactBody(100)}, {"data", ImaBlock()}}));
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->GetTotalBytes(), 200u);
    std::vector<int16_t> expected(65, 1000);
    expected.resize(100, 0);
    EXPECT_EQ(ReadSamples(*reader, 200), expected);
    EXPECT_EQ(reader->Read(expected.data(), 2), 0u);
}

TEST_F(SoundReaderTest, ConvertedReadsInSmallPiecesGiveTheSameSamples)
{
    // A decaying MS ADPCM block: predictor 0, delta 16, first samples 400, 500.
    std::string block(1, '\0');
    block += Chunk16({16, 500, 400});
    for (int i = 0; i < 20; i++)
        block.push_back(static_cast<char>(i * 37));
    const std::string file = BuildWave({{"fmt ", FormatBody(2, 1, 8000, 4, 27)}, {"data", block + block}});
    auto whole = Open(file);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->GetTotalBytes(), 2u * 2u * 42u);
    const std::vector<int16_t> expected = ReadSamples(*whole, whole->GetTotalBytes());
    ASSERT_EQ(expected.size(), 84u);
    EXPECT_EQ(expected[0], 400);
    EXPECT_EQ(expected[1], 500);

    auto pieces = Open(file);
    std::vector<int16_t> read;
    for (;;)
    {
        std::vector<int16_t> piece = ReadSamples(*pieces, 6);
        if (piece.empty())
            break;
        read.insert(read.end(), piece.begin(), piece.end());
    }
    EXPECT_EQ(read, expected);
}

// Found by the fuzz target: stereo codes before their format chunk, read
// while nothing is carried over between pieces.
TEST_F(SoundReaderTest, LogarithmicStereoReadsInPieces)
{
    auto reader =
        Open(BuildWave({{"data", std::string("\x00\xFF\x10\x80", 4)}, {"fmt ", FormatBody(7, 2, 8000, 8)}}));
    ASSERT_TRUE(reader);
    std::vector<int16_t> samples = ReadSamples(*reader, 4);
    const std::vector<int16_t> rest = ReadSamples(*reader, 4);
    samples.insert(samples.end(), rest.begin(), rest.end());
    ASSERT_EQ(samples.size(), 4u);
    EXPECT_EQ(samples[0], -32124);
    EXPECT_EQ(samples[1], 0);
}

// Found by the fuzz target: nibbles that keep raising the step size of a
// Microsoft ADPCM block must not overflow it.
TEST_F(SoundReaderTest, RunawayAdpcmStepStaysBounded)
{
    std::string block(1, '\0');
    block += Chunk16({4096, 0, 0});
    block += std::string(20, '\x77');
    auto reader = Open(BuildWave({{"fmt ", FormatBody(2, 1, 8000, 4, 27)}, {"data", block}}));
    ASSERT_TRUE(reader);
    const std::vector<int16_t> samples = ReadSamples(*reader, reader->GetTotalBytes());
    ASSERT_EQ(samples.size(), 42u);
    EXPECT_EQ(samples.back(), 32767);
}

TEST_F(SoundReaderTest, SeekToZeroOfAReadTrackGivesItsFirstDataSample)
{
    const std::string pcm = PcmWave(1, 8000, 16, Chunk16({11, 22, 33}));
    const std::string ima =
        BuildWave({{"fmt ", FormatBody(0x11, 1, 8000, 4, 36)}, {"fact", FactBody(65)}, {"data", ImaBlock()}});
    for (const std::string& file : {pcm, ima})
    {
        auto reader = Open(file);
        ASSERT_TRUE(reader);
        const std::vector<int16_t> first = ReadSamples(*reader, reader->GetTotalBytes());
        EXPECT_EQ(reader->Tell(), reader->GetTotalBytes());
        reader->Seek(0);
        EXPECT_EQ(reader->Tell(), 0u);
        EXPECT_EQ(ReadSamples(*reader, reader->GetTotalBytes()), first);
        reader->Seek(4);
        EXPECT_EQ(reader->Tell(), 4u);
        EXPECT_EQ(ReadSamples(*reader, 2)[0], first[2]);
    }
}

TEST_F(SoundReaderTest, OggVorbisTotalPositionsAndSamples)
{
    const uint32_t frames = 44100 * 2;
    auto reader = Open(EncodeOggVorbis(SineSamples(frames, 2), 2, 44100));
    ASSERT_TRUE(reader);
    CWaveFormat format;
    reader->GetFormat(format);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.samplesPerSec, 44100u);
    EXPECT_EQ(format.avgBytesPerSec, 176400u);
    EXPECT_EQ(reader->GetTotalBytes(), frames * 2u * 2u);

    reader->Seek(176400);
    EXPECT_NEAR(static_cast<double>(reader->Tell()), 176400.0, 4.0);

    // Decoded sound follows the encoded sine closely.
    reader->Seek(0);
    const std::vector<int16_t> samples = ReadSamples(*reader, 4000);
    ASSERT_EQ(samples.size(), 2000u);
    const std::vector<int16_t> original = SineSamples(1000, 2);
    for (size_t i = 200; i < samples.size(); i += 97)
        EXPECT_NEAR(samples[i], original[i], 1500) << i;

    std::vector<uint8_t> all(reader->GetTotalBytes() + 1000);
    reader->Seek(0);
    EXPECT_EQ(reader->Read(all.data(), static_cast<uint32_t>(all.size())), reader->GetTotalBytes());
}

TEST(SoundReaderMixTest, SampleBlendsAtTheirWeights)
{
    struct Case
    {
        float weight;
        int16_t existing, incoming, mixed;
    } cases[] = {
        {0.5f, 1000, 3000, 2000},
        {0.5f, 32767, 32767, 32767},
        {0.5f, -32768, -32768, -32767},
        {1.0f, 1234, -5000, 1234},
        {0.0f, 1234, -5000, -5000},
        {0.25f, 0, 1001, 750},
        {0.25f, 0, -1001, -750},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MixSample16(c.existing, c.incoming, c.weight), c.mixed)
            << c.weight << " " << c.existing << " " << c.incoming;
    EXPECT_EQ(MixSample8(100, 200, 0.5f), 150);
    EXPECT_EQ(MixSample8(0, 0, 0.5f), 1);
    EXPECT_EQ(MixSample8(255, 255, 1.0f), 255);
}

TEST_F(SoundReaderTest, SplitAndMixedReadsCrossTheRegionBoundary)
{
    std::vector<int16_t> samples;
    for (int16_t i = 0; i < 10; i++)
        samples.push_back(static_cast<int16_t>(1000 * (i + 1)));
    auto reader = Open(PcmWave(1, 8000, 16, Samples16(samples)));
    ASSERT_TRUE(reader);

    std::vector<int16_t> region1(3, 0);
    std::vector<int16_t> region2(4, 0);
    EXPECT_EQ(reader->ReadSplit(region1.data(), 6, region2.data(), 8), 14u);
    EXPECT_EQ(region1, (std::vector<int16_t>{1000, 2000, 3000}));
    EXPECT_EQ(region2, (std::vector<int16_t>{4000, 5000, 6000, 7000}));

    // Only three samples are left: they blend into the first three places,
    // across the boundary, and the rest stays as it was.
    std::vector<int16_t> mix1(2, 0);
    std::vector<int16_t> mix2(3, 100);
    EXPECT_EQ(reader->ReadMix(mix1.data(), 4, mix2.data(), 6, 0.5f), 6u);
    EXPECT_EQ(mix1, (std::vector<int16_t>{4000, 4500}));
    EXPECT_EQ(mix2, (std::vector<int16_t>{5050, 100, 100}));

    reader->Seek(0);
    std::vector<int16_t> plain(2, 0);
    EXPECT_EQ(reader->ReadSplit(plain.data(), 4, nullptr, 0), 4u);
    EXPECT_EQ(plain, (std::vector<int16_t>{1000, 2000}));
}

TEST_F(SoundReaderTest, EightBitTracksMixAroundTheMiddle)
{
    auto reader = Open(PcmWave(1, 8000, 8, std::string("\x80\xC0", 2)));
    ASSERT_TRUE(reader);
    uint8_t region[2] = {0x80, 0x40};
    EXPECT_EQ(reader->ReadMix(region, 2, nullptr, 0, 0.5f), 2u);
    EXPECT_EQ(region[0], 0x80);
    EXPECT_EQ(region[1], 0x80);
}

} // namespace
