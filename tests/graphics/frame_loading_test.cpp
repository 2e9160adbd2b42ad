#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/core/archives/mount_archives.h"
#include "engine/core/files/data_files.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_cache_files.h"
#include "engine/graphics/frame_loading.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/tga_file_io.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/compiled_frames.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/message_box_capture.h"
#include "tests/support/scoped_fatal_throw.h"
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

// Registered once for every test of this program.
static void RegisterCountingImageIO()
{
    static CCountingImageIO counting;
    static const bool registered = (CFrameImageIO::Register(&counting), true);
    (void)registered;
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
    static void SetUpTestSuite() { RegisterCountingImageIO(); }
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

TEST_F(FrameLoading, AFrameFileKeepsTheUpperLeftOffset)
{
    CFrame frame;
    frame.Create(3, 2, 32);
    for (int32_t y = 0; y < 2; y++)
        for (int32_t x = 0; x < 3; x++)
            WritePixel(frame, x, y, 0xFF000000u | static_cast<uint32_t>(0x10203 * (1 + x + 3 * y)));
    frame.SetUpperLeftOffset(-5, 7);
    ASSERT_TRUE(frame.SaveFrameFile("Art", "x", 65, false));
    CFrame back;
    ASSERT_TRUE(back.LoadFrameFile("Art", "x"));
    EXPECT_EQ(back.GetUpperLeftXOffset(), -5);
    EXPECT_EQ(back.GetUpperLeftYOffset(), 7);
    for (int32_t y = 0; y < 2; y++)
        for (int32_t x = 0; x < 3; x++)
            EXPECT_EQ(ReadPixel(back, x, y), ReadPixel(frame, x, y)) << x << "," << y;
}

// Caches shipped inside the data archive: a loose source beside them is
// never consulted, and one that does not read cannot be rebuilt there.
class ArchivedFrameCache : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        RegisterCountingImageIO();
        InitPixelFormatTables("Palettes", "GamePalette");
        CCountingImageIO::s_Decodes = 0;
        m_Folder.WriteFile("Data/Art/x.CNT", SourceImage());
    }

    void MountWithCache(const std::string& bytes)
    {
        TestZipMember member;
        member.name = "Cache/Art/-x.frm16";
        member.data = bytes;
        WriteZip("Data.zip", {member});
        MountArchives("Data");
    }

    bool Load(CFrame& frame) { return frame.RebuildFromSource("Art", "x", nullptr, true, 0); }
};

// A plain 16-bit 3 x 2 frame in its compiled form.
std::string CompiledFrame()
{
    CFrame frame;
    frame.Create(3, 2, 16);
    WritePixel(frame, 2, 1, 0x07E0);
    const std::vector<uint8_t> bytes = CompiledForm(frame);
    return std::string(bytes.begin(), bytes.end());
}

TEST_F(ArchivedFrameCache, IsReadEvenBesideANewerLooseSource)
{
    MountWithCache(CompiledFrame());
    const uint64_t yearLater = 10000000ull * 3600 * 24 * 365;
    SetDataFileTime("Art/x.CNT", GetDataFileTime("Art/x.CNT", 0, kFileTimeLastWrite) + yearLater, 0, kSetLastWriteTime);
    CFrame frame;
    ASSERT_TRUE(Load(frame));
    EXPECT_EQ(CCountingImageIO::s_Decodes, 0);
    ASSERT_EQ(frame.GetWidth(), 3);
    EXPECT_EQ(ReadPixel(frame, 2, 1), 0x07E0u);
}

TEST_F(ArchivedFrameCache, ThatDoesNotReadIsFatalEvenWithASource)
{
    MountWithCache(std::string(40, '\x35'));
    ScopedMessageBoxCapture boxes;
    ScopedFatalThrow fatal;
    CFrame frame;
    EXPECT_THROW(Load(frame), FatalReportThrown);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_NE(boxes.Boxes()[0].caption.find("Fatal Error loading a frame"), std::string::npos);
    EXPECT_EQ(boxes.Boxes()[0].text,
              "Frame \"Cache/Art/-x.frm16\" could not be re-built because it is storred in an achive");
    EXPECT_EQ(CCountingImageIO::s_Decodes, 0);
}

} // namespace
