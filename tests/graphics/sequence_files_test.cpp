#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/archives/mount_archives.h"
#include "engine/core/files/compressed_block.h"
#include "engine/core/files/data_files.h"
#include "engine/core/files/memory_stream.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_cache_files.h"
#include "engine/graphics/frame_format.h"
#include "engine/graphics/image_block.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_strip.h"
#include "engine/object/object_files.h"
#include "engine/object/object_stream.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/sequence_data_folder.h"
#include "tests/support/sequence_fixtures.h"

namespace {

using SequenceFiles = SequenceDataFolder;

std::string BinaryForm(CSequence& sequence)
{
    CObjectStream stream;
    stream.OpenOnMemory(new CMemoryStream, OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    sequence.WriteBinary(stream);
    const uint32_t size = stream.GetSize();
    uint8_t* bytes = stream.GetBuffer();
    std::string text(reinterpret_cast<const char*>(bytes), size);
    std::free(bytes);
    return text;
}

bool ReadBinaryForm(CSequence& sequence, const std::string& bytes)
{
    uint8_t* block = static_cast<uint8_t*>(std::malloc(bytes.size() + 1));
    std::memcpy(block, bytes.data(), bytes.size());
    CObjectStream stream;
    stream.OpenOnMemory(new CMemoryStream(block, static_cast<uint32_t>(bytes.size()), true), OPEN_READ);
    CSequenceLoadingScope loading(sequence);
    return sequence.ReadBinary(stream);
}

// The strip's bytes, written to memory.
std::string StripBytes(CSequence& sequence, bool wasRunLength)
{
    CFile file;
    file.Attach(new CMemoryStream, OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    EXPECT_TRUE(sequence.WriteStrip(file, 80, true, wasRunLength));
    const uint32_t size = file.GetSize();
    uint8_t* bytes = file.GetBuffer();
    std::string text(reinterpret_cast<const char*>(bytes), size);
    std::free(bytes);
    return text;
}

void AttachBytes(CFile& file, const std::string& bytes)
{
    uint8_t* block = static_cast<uint8_t*>(std::malloc(bytes.size() + 1));
    std::memcpy(block, bytes.data(), bytes.size());
    file.Attach(new CMemoryStream(block, static_cast<uint32_t>(bytes.size()), true), OPEN_READ);
}

// The frame table that a strip's text block holds.
void ReadStripTable(const std::string& strip, CSequenceFrameInfoList& infos, CFile& rest)
{
    AttachBytes(rest, strip);
    uint32_t size = 0;
    uint8_t* text = ReadCompressedBlock(rest, &size);
    ASSERT_NE(text, nullptr);
    CObjectStream stream;
    stream.OpenOnMemory(new CMemoryStream(text, size, true), OPEN_READ);
    CSequence ignored;
    ASSERT_TRUE(ReadObjectFromStream(&ignored, stream));
    ASSERT_TRUE(ReadObjectFromStream(&infos, stream));
}

std::string StripText(const std::vector<std::string>& infoLines)
{
    std::string text = "CSequence\r\n{\r\n}\r\nCSequenceFrameInfoList\r\n{\r\n";
    for (const std::string& line : infoLines)
        text += line + "\r\n";
    return text + "}\r\n";
}

// A strip whose text is given and whose image is a plain frame.
std::string HandMadeStrip(const std::string& text, int32_t width, int32_t height)
{
    CFile file;
    file.Attach(new CMemoryStream, OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    WriteCompressedBlock(file, text.data(), static_cast<uint32_t>(text.size()), 9);
    if (width > 0)
    {
        std::unique_ptr<CFrame> image(MakeTestFrame(width, height));
        EncodeImageBlock(*image, file, 80, true);
    }
    const uint32_t size = file.GetSize();
    uint8_t* bytes = file.GetBuffer();
    std::string result(reinterpret_cast<const char*>(bytes), size);
    std::free(bytes);
    return result;
}

std::vector<int32_t> FrameWidths(const CSequence& sequence)
{
    std::vector<int32_t> widths;
    for (uint32_t i = 0; i < sequence.GetFrameCount(); i++)
        widths.push_back(sequence.GetFrame(i) != nullptr ? sequence.GetFrame(i)->GetWidth() : 0);
    return widths;
}

bool SamePixels(const CFrame& a, const CFrame& b)
{
    if (a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight() || (a.GetFormat() & ~FRAME_BORROWED_PIXELS) != (b.GetFormat() & ~FRAME_BORROWED_PIXELS))
        return false;
    for (int32_t y = 0; y < a.GetHeight(); y++)
        for (int32_t x = 0; x < a.GetWidth(); x++)
            if (a.GetPixelValue(x + a.GetUpperLeftXOffset(), y + a.GetUpperLeftYOffset()) !=
                b.GetPixelValue(x + b.GetUpperLeftXOffset(), y + b.GetUpperLeftYOffset()))
                return false;
    return true;
}

TestZipMember CacheMember(const std::string& bytes)
{
    TestZipMember member;
    member.name = "Cache/Resources/Walk.seq16";
    member.data = bytes;
    return member;
}

} // namespace

TEST_F(SequenceFiles, CachePathsByTargetDepthAndStorageMode)
{
    struct Case
    {
        int32_t depth;
        bool compressed;
        const char* path;
        bool allowed;
    };
    const Case cases[] = {
        {8, false, "Cache/Resources/Ball.seq", true},        {8, true, "Cache/Resources/Ball.seq", true},
        {16, false, "Cache/Resources/Ball.seq16", true},     {16, true, "Cache/Resources/-Ball.seq16", true},
        {24, false, "Cache/Resources/-Ball.seq24", true},    {24, true, "Cache/Resources/-Ball.seq24", true},
        {32, false, "Cache/Resources/-Ball.seq32", false},   {32, true, "Cache/Resources/-Ball.seq32", false},
    };
    for (const Case& c : cases)
    {
        SetCompressedStorageMode(c.compressed);
        CImageFilterChain chain;
        chain.SetDepthOverride(c.depth);
        CString path;
        EXPECT_EQ(CSequence::GetCachePath(path, "Resources", "Ball", &chain), c.allowed) << c.depth;
        EXPECT_STREQ(path.GetText(), c.path);
        // Frames are shown at 16 bits, whatever depth was asked for.
        if (c.depth != 16)
            continue;
        EXPECT_EQ(CSequence::GetCachePath(path, "Resources", "Ball", nullptr), c.allowed);
        EXPECT_STREQ(path.GetText(), c.path);
        EXPECT_STREQ(CSequence::GetCacheKeyword(), c.compressed ? "SEQUENCE" : "seq16");
    }
}

TEST_F(SequenceFiles, BuildKeepsEveryNthSortedImageAndTheLastWhenAsked)
{
    struct Case
    {
        int32_t images;
        const char* properties;
        std::vector<int32_t> widths;
    };
    const Case cases[] = {
        {10, "Use Every=3", {1, 4, 7, 10}},
        {10, "Use Every=3\r\nAlways Include Last Frame=1", {1, 4, 7, 10}},
        {9, "Use Every=3\r\nAlways Include Last Frame=1", {1, 4, 7, 9}},
        {9, "Use Every=3", {1, 4, 7}},
    };
    int run = 0;
    for (const Case& c : cases)
    {
        const std::string folder = "Resources/-Walk" + std::to_string(run++) + "/";
        for (int32_t i = 0; i < c.images; i++)
            WriteSourceImage(folder + "img" + char('a' + i) + ".tga", i + 1, 3);
        m_Folder.WriteFile("Data/" + folder + "Properties.txt",
                           std::string("CSequence\r\n{\r\n") + c.properties + "\r\n}\r\n");
        CSequence sequence;
        ASSERT_TRUE(sequence.BuildFromImages("Resources", folder.substr(11, folder.size() - 12).c_str(), nullptr));
        EXPECT_EQ(FrameWidths(sequence), c.widths) << c.images << " " << c.properties;
    }
}

TEST_F(SequenceFiles, SourceNamesSortWithoutLetterCase)
{
    WriteSourceImage("Resources/-Walk/B.tga", 2, 2);
    WriteSourceImage("Resources/-Walk/a.tga", 1, 2);
    WriteSourceImage("Resources/-Walk/c.tga", 3, 2);
    CSequence sequence;
    ASSERT_TRUE(sequence.BuildFromImages("Resources", "Walk", nullptr));
    EXPECT_EQ(FrameWidths(sequence), (std::vector<int32_t>{1, 2, 3}));
    // The build wrote the properties it lacked and the cache.
    EXPECT_TRUE(DataFileExists("Resources/-Walk/Properties.txt"));
    EXPECT_TRUE(DataFileExists("Cache/Resources/Walk.seq16"));
}

TEST_F(SequenceFiles, NoSourceImagesBuildsNothing)
{
    m_Folder.WriteFile("Data/Resources/-Walk/notes.txt", "x");
    CSequence sequence;
    EXPECT_FALSE(sequence.BuildFromImages("Resources", "Walk", nullptr));
    EXPECT_FALSE(DataFileExists("Resources/-Walk/Properties.txt"));
}

TEST_F(SequenceFiles, StripLaysFramesSideBySide)
{
    std::unique_ptr<CSequence> sequence(ReadTestSequence({}));
    sequence->AddFrame(MakeTestFrame(10, 20, -5, -10), false, false);
    sequence->AddFrame(nullptr, false, false);
    sequence->AddFrame(MakeTestFrame(5, 30, 1, 2), false, false);
    const std::string strip = StripBytes(*sequence, false);

    CSequenceFrameInfoList infos;
    CFile rest;
    ReadStripTable(strip, infos, rest);
    ASSERT_EQ(infos.GetCount(), 3u);
    const CFrameInfo* first = infos.GetInfo(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ((std::vector<int32_t>{first->m_Left, first->m_Top, first->m_Right, first->m_Bottom}),
              (std::vector<int32_t>{0, 0, 10, 20}));
    EXPECT_EQ(first->m_UpperLeftXOffset, -5);
    EXPECT_EQ(infos.GetInfo(1), nullptr);
    const CFrameInfo* third = infos.GetInfo(2);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ((std::vector<int32_t>{third->m_Left, third->m_Top, third->m_Right, third->m_Bottom}),
              (std::vector<int32_t>{10, 0, 15, 30}));
    CFrame image;
    ASSERT_TRUE(DecodeImageBlock(image, rest));
    EXPECT_EQ(image.GetWidth(), 15);
    EXPECT_EQ(image.GetHeight(), 30);
    EXPECT_EQ(ReadPixel(image, 10, 29), ReadPixel(*sequence->GetFrame(2), 0, 29));
    EXPECT_EQ(ReadPixel(image, 3, 25), 0u);
}

TEST_F(SequenceFiles, EmptySequenceStripIsOnlyTheTextBlock)
{
    std::unique_ptr<CSequence> sequence(ReadTestSequence({}));
    const std::string strip = StripBytes(*sequence, false);
    CFile file;
    AttachBytes(file, strip);
    uint32_t size = 0;
    uint8_t* text = ReadCompressedBlock(file, &size);
    ASSERT_NE(text, nullptr);
    std::free(text);
    EXPECT_EQ(file.GetBytesLeft(), 0u);
}

TEST_F(SequenceFiles, CacheWrittenReadAndWrittenAgainIsByteIdentical)
{
    std::unique_ptr<CSequence> sequence(ReadTestSequence({"X Offset=3"}));
    for (int32_t i = 0; i < 3; i++)
    {
        CFrame* frame = i == 1 ? nullptr : MakeTestFrame(6 + i, 4, -i, 2);
        if (frame != nullptr)
        {
            CImageFilterChain chain;
            chain.AddStep(IMAGE_STEP_BIT_DEPTH);
            chain.AddStep(IMAGE_STEP_RUN_LENGTH);
            chain.Apply(*frame);
        }
        sequence->AddFrame(frame, false, false);
    }
    const std::string first = BinaryForm(*sequence);
    CSequence read;
    ASSERT_TRUE(ReadBinaryForm(read, first));
    EXPECT_EQ(read.GetFrameCount(), 3u);
    EXPECT_EQ(read.GetFrame(1), nullptr);
    EXPECT_EQ(read.GetXOffset(), 3);
    EXPECT_EQ(BinaryForm(read), first);
}

TEST_F(SequenceFiles, DamagedCachesAreRefused)
{
    std::unique_ptr<CSequence> sequence(ReadTestSequence({}));
    sequence->AddFrame(MakeTestFrame(2, 2), false, false);
    const std::string good = BinaryForm(*sequence);

    // The frame count follows the format, the version and the dynamic
    // values' count.
    std::string huge = good;
    const uint32_t count = 0xFFFFFFFFu;
    std::memcpy(&huge[12], &count, 4);
    CSequence read;
    EXPECT_FALSE(ReadBinaryForm(read, huge));
    EXPECT_EQ(read.GetFrameCount(), 0u);

    // Through the cache loader, which leaves no frames behind a failure.
    for (size_t cut : {size_t{10}, size_t{20}, good.size() / 2, good.size() - 1})
    {
        m_Folder.WriteFile("Data/Cache/Resources/Cut.seq16", good.substr(0, cut));
        CSequence shortRead;
        EXPECT_FALSE(shortRead.LoadCache("Resources", "Cut")) << cut;
        EXPECT_EQ(shortRead.GetFrameCount(), 0u);
        EXPECT_EQ(shortRead.GetFrame(0), nullptr);
    }
}

TEST_F(SequenceFiles, StripRectanglesAreClippedToTheImage)
{
    const std::string strip = HandMadeStrip(
        StripText({"Frame Infos=Array", "{", "Item Count=3", "Frame Info=CFrameInfo", "{", "Right=500", "Bottom=500",
                   "}", "Frame Info=CFrameInfo", "{", "Left=20", "Top=0", "Right=40", "Bottom=10", "}",
                   "Frame Info=CFrameInfo", "{", "Left=-5", "Top=25", "Right=3", "Bottom=40", "}", "}"}),
        15, 30);
    CFile file;
    AttachBytes(file, strip);
    CSequence sequence;
    ASSERT_TRUE(sequence.ReadStrip(file));
    ASSERT_EQ(sequence.GetFrameCount(), 3u);
    ASSERT_NE(sequence.GetFrame(0), nullptr);
    EXPECT_EQ(sequence.GetFrame(0)->GetWidth(), 15);
    EXPECT_EQ(sequence.GetFrame(0)->GetHeight(), 30);
    EXPECT_EQ(sequence.GetFrame(1), nullptr);
    ASSERT_NE(sequence.GetFrame(2), nullptr);
    EXPECT_EQ(sequence.GetFrame(2)->GetWidth(), 3);
    EXPECT_EQ(sequence.GetFrame(2)->GetHeight(), 5);
}

TEST_F(SequenceFiles, BrokenStripTextLoadsNothingAndWritesNoCache)
{
    m_Folder.WriteFile("Data/Cache/Resources/Ball.Sequence", HandMadeStrip("CSequence\r\nnot a block\r\n", 0, 0));
    CSequence sequence;
    EXPECT_FALSE(sequence.LoadStrip("Resources", "Ball"));
    EXPECT_EQ(sequence.GetFrameCount(), 0u);
    EXPECT_FALSE(DataFileExists("Cache/Resources/Ball.seq16"));
    EXPECT_FALSE(sequence.LoadStrip("Resources", "Missing"));
}

TEST_F(SequenceFiles, WideSequencesRoundTripThroughStripAndCache)
{
    SetCompressedStorageMode(true);
    std::unique_ptr<CSequence> sequence(ReadTestSequence({"Do Dither=0"}));
    for (int32_t i = 0; i < 90; i++)
        sequence->AddFrame(MakeTestFrame(800, 10, -i, i), false, false);
    ASSERT_TRUE(sequence->SaveStrip("Resources", "Wide", 80, true, false));

    CSequence fromStrip;
    ASSERT_TRUE(fromStrip.LoadStrip("Resources", "Wide"));
    ASSERT_EQ(fromStrip.GetFrameCount(), 90u);
    EXPECT_TRUE(DataFileExists("Cache/Resources/-Wide.seq16"));
    CSequence fromCache;
    ASSERT_TRUE(fromCache.LoadCache("Resources", "Wide"));
    ASSERT_EQ(fromCache.GetFrameCount(), 90u);
    for (uint32_t i = 0; i < 90; i++)
    {
        // Frames past the first row come from the second: 73 frames of 800
        // would not fit 16-bit widths in one row.
        CFrame expected;
        expected.CopyFrom(*sequence->GetFrame(i));
        CImageFilterChain chain;
        chain.AddStep(IMAGE_STEP_BIT_DEPTH);
        chain.Apply(expected);
        ASSERT_TRUE(SamePixels(*fromStrip.GetFrame(i), expected)) << i;
        ASSERT_TRUE(SamePixels(*fromCache.GetFrame(i), expected)) << i;
        EXPECT_EQ(fromCache.GetFrame(i)->GetUpperLeftXOffset(), -static_cast<int32_t>(i));
    }
}

TEST_F(SequenceFiles, NewerSourcesMakeTheCacheStale)
{
    WriteSourceImage("Resources/-Walk/a.tga", 2, 2);
    CSequence sequence;
    ASSERT_TRUE(sequence.LoadSequence("Resources", "Walk", nullptr));
    SetFileTime("Cache/Resources/Walk.seq16", 2000000000);
    SetFileTime("Resources/-Walk/a.tga", 1900000000);
    SetFileTime("Resources/-Walk/Properties.txt", 1900000000);
    EXPECT_FALSE(sequence.IsCacheStale("Resources", "Walk", nullptr));
    for (const char* source : {"Resources/-Walk/a.tga", "Resources/-Walk/Properties.txt"})
    {
        SetFileTime(source, 2100000000);
        EXPECT_TRUE(sequence.IsCacheStale("Resources", "Walk", nullptr)) << source;
        SetFileTime(source, 1900000000);
    }
    // A fresh cache loads without the images.
    std::filesystem::remove(Absolute("Data/Resources/-Walk/a.tga"));
    CSequence again;
    EXPECT_TRUE(again.LoadCache("Resources", "Walk"));
    EXPECT_EQ(again.GetFrameCount(), 1u);
}

TEST_F(SequenceFiles, CompressedModeStampsTheCacheWithTheStripsTime)
{
    SetCompressedStorageMode(true);
    WriteSourceImage("Resources/-Walk/a.tga", 4, 3);
    WriteSourceImage("Resources/-Walk/b.tga", 5, 3);
    CSequence first;
    ASSERT_TRUE(first.LoadSequence("Resources", "Walk", nullptr));
    EXPECT_EQ(first.GetFrameCount(), 2u);
    const uint64_t stripTime = GetDataFileTime("Cache/Resources/Walk.Sequence", 0, kFileTimeLastWrite);
    EXPECT_NE(stripTime, 0u);
    EXPECT_EQ(GetDataFileTime("Cache/Resources/-Walk.seq16", 0, kFileTimeLastWrite), stripTime);

    // The second load reads the cache: the images may go.
    std::filesystem::remove_all(Absolute("Data/Resources/-Walk"));
    CSequence second;
    ASSERT_TRUE(second.LoadSequence("Resources", "Walk", nullptr));
    EXPECT_EQ(FrameWidths(second), FrameWidths(first));
    EXPECT_FALSE(DataFileExists("Resources/-Walk/Properties.txt"));
}

TEST_F(SequenceFiles, ArchivedCacheIsUsedWithoutATimeTest)
{
    WriteSourceImage("Resources/-Walk/a.tga", 3, 2);
    CSequence built;
    ASSERT_TRUE(built.BuildFromImages("Resources", "Walk", nullptr));
    const std::string cache = FileBytes("Data/Cache/Resources/Walk.seq16");
    std::filesystem::remove(Absolute("Data/Cache/Resources/Walk.seq16"));
    WriteZip("Data.zip", {CacheMember(cache)});
    MountArchives("Data");
    SetFileTime("Resources/-Walk/a.tga", 4000000000);
    CSequence sequence;
    EXPECT_TRUE(sequence.LoadCache("Resources", "Walk"));
    EXPECT_EQ(sequence.GetFrameCount(), 1u);
}

using SequenceFilesDeathTest = SequenceFiles;

TEST_F(SequenceFilesDeathTest, RebuildingAnArchivedCacheIsFatal)
{
    WriteSourceImage("Resources/-Walk/a.tga", 3, 2);
    WriteZip("Data.zip", {CacheMember("old")});
    MountArchives("Data");
    CSequence sequence;
    EXPECT_EXIT(sequence.BuildFromImages("Resources", "Walk", nullptr), testing::ExitedWithCode(255),
                "Fatal Error loading a sequence");
}

TEST_F(SequenceFilesDeathTest, UncreatablePropertiesAreFatal)
{
    WriteSourceImage("Resources/-Walk/a.tga", 3, 2);
    // A folder in the file's place can be neither read nor written.
    std::filesystem::create_directories(Absolute("Data/Resources/-Walk/Properties.txt"));
    CSequence sequence;
    EXPECT_EXIT(sequence.LoadPropertiesFile("Resources", "Walk"), testing::ExitedWithCode(255),
                "Can't Read Or Save Properties");
}
