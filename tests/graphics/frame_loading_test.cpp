#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "engine/blit/blit_normal.h"
#include "engine/core/files/data_files.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_cache_files.h"
#include "engine/graphics/frame_loading.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/tga_file_io.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/scoped_temp_folder.h"

// A TGA handler under its own extension that counts the images it decodes.
class CCountingImageIO : public CTGAFileIO
{
    VP_DECLARE_CLASS(CCountingImageIO)
public:
    CCountingImageIO() { ConstructProperties(SGetClassInfo()); }
    ~CCountingImageIO() override { DestroyProperties(SGetClassInfo()); }
    const char* GetExtension() const override { return ".CNT"; }
    int32_t Read(CFrame& frame, const uint8_t* bytes, uint32_t size, const char* path, int32_t depth) override
    {
        s_Decodes++;
        return CTGAFileIO::Read(frame, bytes, size, path, depth);
    }
    // Never rewritten, so each load is one decode.
    bool NeedsRewrite(const char*, uint32_t) override { return false; }

    static int32_t s_Decodes;
};
int32_t CCountingImageIO::s_Decodes = 0;
VP_IMPLEMENT_CLASS(CCountingImageIO, CTGAFileIO, 1.0f)
void CCountingImageIO::RegisterProperties(CClassInfo*)
{
}

// A frame class of its own, for the object file written on first load.
class CTestDerivedFrame : public CFrame
{
    VP_DECLARE_CLASS(CTestDerivedFrame)
public:
    CTestDerivedFrame() { ConstructProperties(SGetClassInfo()); }
    ~CTestDerivedFrame() override { DestroyProperties(SGetClassInfo()); }
};
VP_IMPLEMENT_CLASS(CTestDerivedFrame, CFrame, 1.0f)
void CTestDerivedFrame::RegisterProperties(CClassInfo*)
{
}

namespace {

// A 4 x 2 run-length 32-bit TGA: top row opaque red, bottom row clear.
std::string SourceImage()
{
    std::string file{0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 2, 0, 32, 0};
    file += std::string{'\x83', 0, 0, 0, 0};
    file += std::string{'\x83', 0, 0, '\xFF', '\xFF'};
    return file;
}

class FrameLoading : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static CCountingImageIO counting;
        CFrameImageIO::Register(&counting);
    }
    void SetUp() override
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        m_PreviousDataFolder = GetDataFolder();
        SetDataFolder(m_Folder.Path().c_str());
        CCountingImageIO::s_Decodes = 0;
    }
    void TearDown() override
    {
        SetDataFolder(m_PreviousDataFolder.c_str());
        SetCompressedStorageMode(true);
    }

    bool Load(CFrame& frame) { return frame.RebuildFromSource("Art", "x", nullptr, true, 0); }
    bool Exists(const char* name) const { return CanOpenDataFile(name, 0); }
    uint64_t Time(const char* name) const { return GetDataFileTime(name, 0, kFileTimeLastWrite); }
    void SetTime(const char* name, uint64_t time) { SetDataFileTime(name, time, 0, kSetLastWriteTime); }

    ScopedTempFolder m_Folder;
    std::string m_PreviousDataFolder;
};

void ExpectLoadedImage(const CFrame& frame)
{
    EXPECT_EQ(frame.GetFormat() & 0x1EE, FRAME_ENCODING_RLE_ALPHA | FRAME_DEPTH_16);
    EXPECT_EQ(frame.GetWidth(), 4);
    EXPECT_EQ(frame.GetHeight(), 1);
    CFrame canvas;
    canvas.Create(4, 1, 16);
    canvas.BlitAt(const_cast<CFrame*>(&frame), 0, 0, &GetBlitNormal());
    EXPECT_EQ(ReadPixel(canvas, 3, 0), 0xF800u);
}

TEST_F(FrameLoading, TheSourceIsDecodedOnTheFirstStartOnly)
{
    m_Folder.WriteFile("Art/x.CNT", SourceImage());
    for (int32_t start = 0; start < 3; start++)
    {
        CFrame frame;
        ASSERT_TRUE(Load(frame)) << start;
        ExpectLoadedImage(frame);
    }
    EXPECT_EQ(CCountingImageIO::s_Decodes, 1);
    EXPECT_TRUE(Exists("Cache/Art/x.Frame"));
    EXPECT_EQ(Time("Cache/Art/x.Frame"), Time("Cache/Art/-x.frm16"));

    // A newer source, or a newer object file, rebuilds from the source.
    SetTime("Art/x.CNT", Time("Cache/Art/-x.frm16") + 10000000);
    CFrame again;
    ASSERT_TRUE(Load(again));
    EXPECT_EQ(CCountingImageIO::s_Decodes, 2);
    m_Folder.WriteFile("Art/x.txt", "CFrame\r\n{\r\n}\r\n");
    SetTime("Art/x.txt", Time("Art/x.CNT") + 20000000);
    ASSERT_TRUE(Load(again));
    EXPECT_EQ(CCountingImageIO::s_Decodes, 3);
}

TEST_F(FrameLoading, ADifferentFrameFileTimeRebuildsTheCacheFromIt)
{
    m_Folder.WriteFile("Art/x.CNT", SourceImage());
    CFrame frame;
    ASSERT_TRUE(Load(frame));
    SetTime("Cache/Art/x.Frame", Time("Cache/Art/x.Frame") - 30000000);
    ASSERT_TRUE(Load(frame));
    ExpectLoadedImage(frame);
    EXPECT_EQ(Time("Cache/Art/x.Frame"), Time("Cache/Art/-x.frm16"));
    EXPECT_EQ(CCountingImageIO::s_Decodes, 1);
}

TEST_F(FrameLoading, WithoutSourceOrFrameFileNothingLoadsAndNoCacheIsWritten)
{
    for (int32_t start = 0; start < 2; start++)
    {
        CFrame frame;
        EXPECT_FALSE(Load(frame));
        EXPECT_EQ(frame.GetPixels(), nullptr);
    }
    EXPECT_FALSE(Exists("Cache/Art/-x.frm16"));
}

TEST_F(FrameLoading, ADamagedCacheBesideAGoodFrameFileIsRebuilt)
{
    m_Folder.WriteFile("Art/x.CNT", SourceImage());
    CFrame frame;
    ASSERT_TRUE(Load(frame));
    ASSERT_TRUE(Load(frame));
    std::remove((m_Folder.Path() + "Art/x.CNT").c_str());
    const uint64_t time = Time("Cache/Art/-x.frm16");
    m_Folder.WriteFile("Cache/Art/-x.frm16", std::string(40, '\x35'));
    SetTime("Cache/Art/-x.frm16", time);
    CFrame rebuilt;
    ASSERT_TRUE(Load(rebuilt));
    ExpectLoadedImage(rebuilt);
    CFrame fresh;
    ASSERT_TRUE(Load(fresh));
    ExpectLoadedImage(fresh);
    EXPECT_EQ(CCountingImageIO::s_Decodes, 1);
}

TEST_F(FrameLoading, ADashedSourceIsPreferredAndPlainStorageKeepsNoFrameFile)
{
    SetCompressedStorageMode(false);
    m_Folder.WriteFile("Art/x.CNT", "not an image");
    m_Folder.WriteFile("Art/-x.CNT", SourceImage());
    CFrame frame;
    ASSERT_TRUE(Load(frame));
    ExpectLoadedImage(frame);
    EXPECT_TRUE(Exists("Cache/Art/x.frm16"));
    EXPECT_FALSE(Exists("Cache/Art/x.Frame"));
}

TEST_F(FrameLoading, DerivedFrameClassesGetTheirObjectFile)
{
    m_Folder.WriteFile("Art/x.CNT", SourceImage());
    std::unique_ptr<CFrame> plain(LoadFrameObject("Art", "x", nullptr, true, 0, nullptr));
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(Exists("Art/x.txt"));
    std::unique_ptr<CFrame> derived(
        LoadFrameObject("Art", "x", nullptr, true, 0, CTestDerivedFrame::SGetClassInfo()));
    ASSERT_NE(derived, nullptr);
    EXPECT_TRUE(derived->IsKindOf(CTestDerivedFrame::SGetClassInfo()));
    EXPECT_TRUE(Exists("Art/x.txt"));
    EXPECT_EQ(LoadFrameObject("Art", "missing", nullptr, true, 0, nullptr), nullptr);
}

} // namespace
