#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/settings/paths.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/tga_file_io.h"
#include "engine/platform/durable_save.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/message_box_capture.h"
#include "tests/support/scoped_fatal_throw.h"
#include "tests/support/scoped_temp_folder.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::string AsString(const Bytes& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

Bytes Header(uint8_t type, uint16_t width, uint16_t height, uint8_t bits, uint8_t descriptor)
{
    return Bytes{0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<uint8_t>(width), static_cast<uint8_t>(width >> 8),
                 static_cast<uint8_t>(height), static_cast<uint8_t>(height >> 8), bits, descriptor};
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class TgaFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        InitPixelFormatTables("Palettes", "GamePalette");
        m_PreviousDataFolder = GetDataFolder();
        SetDataFolder(m_Folder.Path().c_str());
    }
    void TearDown() override { SetDataFolder(m_PreviousDataFolder.c_str()); }

    // Loads folder "Art", name "x" without load steps.
    bool Load(CFrame& frame)
    {
        std::unique_ptr<CFrameImageIO> handler(CFrameImageIO::CheckDuplicateNames("Art", "x", 0));
        if (!handler)
            return false;
        CImageFilterChain noSteps;
        return handler->LoadFrame(frame, &noSteps, 0);
    }

    ScopedTempFolder m_Folder;
    std::string m_PreviousDataFolder;
};

TEST_F(TgaFileTest, RowsEncodeIntoPacketsThatNeverCrossARow)
{
    struct Case
    {
        int32_t bytesPerPixel;
        Bytes row;
        Bytes packets;
    };
    const Case cases[] = {
        // A A B C D at 32 bits (one byte stands for each pixel's four).
        {4, {1, 1, 2, 3, 4}, {0x81, 1, 0x01, 2, 3, 0x00, 4}},
        {1, {7, 7, 7, 7, 3}, {0x83, 7, 0x00, 3}},
        {1, {7, 7, 3, 3, 3}, {0x03, 7, 7, 3, 3, 0x00, 3}},
    };
    for (const Case& c : cases)
    {
        Bytes pixels;
        for (uint8_t value : c.row)
            pixels.insert(pixels.end(), static_cast<size_t>(c.bytesPerPixel), value);
        Bytes out;
        EncodeTgaRow(pixels.data(), static_cast<int32_t>(c.row.size()), c.bytesPerPixel, out);
        Bytes widened;
        if (c.bytesPerPixel == 1)
            widened = c.packets;
        else
        {
            // Headers stay single bytes, values widen.
            size_t at = 0;
            while (at < c.packets.size())
            {
                const uint8_t header = c.packets[at++];
                widened.push_back(header);
                const size_t values = (header & 0x80) ? 1 : (header & 0x7F) + 1u;
                for (size_t v = 0; v < values; v++)
                    widened.insert(widened.end(), 4, c.packets[at++]);
            }
        }
        EXPECT_EQ(out, widened);
    }
}

TEST_F(TgaFileTest, AnUncompressedFileIsRewrittenAsRunLengthOnFirstLoad)
{
    // 2 x 2, bottom row first: black, blue / white, white.
    const Bytes pixels{0, 0, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
    m_Folder.WriteFile("Art/x.TGA", AsString(Header(2, 2, 2, 24, 0) + pixels));
    CFrame frame;
    ASSERT_TRUE(Load(frame));
    // A raw packet never takes a row's last pixel with the one before it.
    const Bytes rewritten = Header(10, 2, 2, 24, 0) + Bytes{0x00, 0, 0, 0, 0x00, 255, 0, 0, 0x81, 255, 255, 255};
    EXPECT_EQ(m_Folder.ReadFile("Art/x.TGA"), AsString(rewritten));
    EXPECT_EQ(frame.GetBitsPerPixel(), 24);
    EXPECT_EQ(ReadPixel(frame, 0, 1), 0u);
    EXPECT_EQ(ReadPixel(frame, 1, 1), 0x0000FFu);
    EXPECT_EQ(ReadPixel(frame, 0, 0), 0xFFFFFFu);

    // Read into a 32-bit frame, black alone becomes transparent.
    CFrame wide;
    CTGAFileIO reader;
    ASSERT_EQ(reader.Read(wide, rewritten.data(), static_cast<uint32_t>(rewritten.size()), "x", 32), 2);
    EXPECT_EQ(ReadPixel(wide, 0, 1), 0u);
    EXPECT_EQ(ReadPixel(wide, 1, 1), 0xFF0000FFu);
    // Loading again leaves the run-length file alone.
    ASSERT_TRUE(Load(frame));
    EXPECT_EQ(m_Folder.ReadFile("Art/x.TGA"), AsString(rewritten));
}

int FailingSync(int)
{
    return -1;
}

TEST_F(TgaFileTest, ARewriteThatFailsBeforeItsRenameLeavesTheSource)
{
    const Bytes original = Header(2, 1, 1, 32, 0) + Bytes{1, 2, 3, 4};
    m_Folder.WriteFile("Art/x.TGA", AsString(original));
    const FileSyncCall previous = SetFileSyncCall(&FailingSync);
    CFrame frame;
    const bool loaded = Load(frame);
    SetFileSyncCall(previous);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(m_Folder.ReadFile("Art/x.TGA"), AsString(original));
    EXPECT_EQ(ReadPixel(frame, 0, 0), 0x04030201u);
}

TEST_F(TgaFileTest, RefusedHeadersLeaveFrameAndFileAlone)
{
    CTGAFileIO reader;
    CFrame frame;
    const Bytes shortHeader(17, 0);
    const Bytes cases[] = {
        shortHeader,
        Header(9, 1, 1, 24, 0) + Bytes{1, 0, 0, 0},
        Header(2, 1, 1, 16, 0) + Bytes{1, 2},
        Header(2, 4096, 4097, 24, 0),
    };
    for (const Bytes& bytes : cases)
    {
        EXPECT_EQ(reader.Read(frame, bytes.data(), static_cast<uint32_t>(bytes.size()), "x", 24), 0);
        EXPECT_EQ(reader.GetDataBitDepth(bytes.data(), static_cast<uint32_t>(bytes.size())), 0);
        EXPECT_EQ(frame.GetPixels(), nullptr);
    }
    // A type-9 source is neither loaded nor rewritten.
    const Bytes mapped = Header(9, 1, 1, 24, 0) + Bytes{0x80, 1, 2, 3};
    m_Folder.WriteFile("Art/x.TGA", AsString(mapped));
    EXPECT_FALSE(Load(frame));
    EXPECT_EQ(m_Folder.ReadFile("Art/x.TGA"), AsString(mapped));
}

TEST_F(TgaFileTest, DataThatRunsOutOrCrossesARowIsFatalNamingTheRow)
{
    struct Case
    {
        Bytes file;
        const char* line;
    };
    const Case cases[] = {
        // A packet of the last stored row (bottom-up: row 0) claims 3 of 2.
        {Header(10, 2, 2, 24, 0) + Bytes{0x81, 1, 1, 1, 0x82, 2, 2, 2}, "(line 0)"},
        // Uncompressed data ending inside the first stored row (row 1).
        {Header(2, 2, 2, 24, 0) + Bytes{1, 2, 3}, "(line 1)"},
        // Run-length data ending inside a packet, top row first.
        {Header(10, 2, 2, 32, 0x20) + Bytes{0x01, 1, 2}, "(line 0)"},
    };
    for (const Case& c : cases)
    {
        ScopedMessageBoxCapture boxes;
        ScopedFatalThrow fatal;
        CTGAFileIO reader;
        CFrame frame;
        EXPECT_THROW(reader.Read(frame, c.file.data(), static_cast<uint32_t>(c.file.size()), "bad.tga", 24),
                     FatalReportThrown);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_NE(boxes.Boxes()[0].caption.find("FATAL ERROR"), std::string::npos);
        EXPECT_NE(boxes.Boxes()[0].text.find(std::string("The TGA you loaded 'bad.tga' is corrupt ") + c.line),
                  std::string::npos);
    }
}

TEST_F(TgaFileTest, WrittenFramesReadBackAndRunLengthFramesStartAtTheirCorner)
{
    CFrame frame;
    frame.Create(3, 2, 16);
    WritePixel(frame, 0, 0, 0xF800);
    WritePixel(frame, 2, 1, 0x001F);
    frame.SetUpperLeftOffset(-5, -7);
    CTGAFileIO writer;
    ASSERT_TRUE(writer.Write(frame, "y.TGA", 0));
    const std::string written = m_Folder.ReadFile("y.TGA");
    EXPECT_EQ(static_cast<uint8_t>(written[16]), 24);
    EXPECT_EQ(frame.GetUpperLeftXOffset(), -5);

    CFrame back;
    const Bytes bytes(written.begin(), written.end());
    ASSERT_EQ(writer.Read(back, bytes.data(), static_cast<uint32_t>(bytes.size()), "y", 24), 3);
    EXPECT_EQ(ReadPixel(back, 0, 0), 0xFF0000u);
    EXPECT_EQ(ReadPixel(back, 2, 1), 0x0000FFu);
    EXPECT_EQ(ReadPixel(back, 1, 0), 0u);

    CFrame empty;
    EXPECT_FALSE(writer.Write(empty, "z.TGA", 0));

    // 8-bit frames are written colour-mapped, which the reader refuses.
    CFrame indexed;
    indexed.Create(2, 1, 8);
    WritePixel(indexed, 1, 0, 7);
    ASSERT_TRUE(writer.Write(indexed, "i.TGA", 0));
    const std::string mapped = m_Folder.ReadFile("i.TGA");
    EXPECT_EQ(mapped[1], 1);
    CFrame refused;
    EXPECT_EQ(writer.Read(refused, reinterpret_cast<const uint8_t*>(mapped.data()),
                          static_cast<uint32_t>(mapped.size()), "i", 8),
              0);
    EXPECT_EQ(refused.GetPixels(), nullptr);
}

TEST_F(TgaFileTest, AnImageTrimmedToNothingFailsToLoad)
{
    // 2 x 1, 32 bits, one run of two clear pixels.
    m_Folder.WriteFile("Art/x.TGA", AsString(Header(10, 2, 1, 32, 0) + Bytes{0x81, 9, 9, 9, 0}));
    std::unique_ptr<CFrameImageIO> handler(CFrameImageIO::CheckDuplicateNames("Art", "x", 0));
    ASSERT_NE(handler, nullptr);
    CImageFilterChain noSteps;
    CFrame whole;
    ASSERT_TRUE(handler->LoadFrame(whole, &noSteps, 0));
    EXPECT_EQ(whole.GetWidth(), 2);
    CImageFilterChain trim;
    trim.AddStep(IMAGE_STEP_TRIM);
    CFrame frame;
    EXPECT_FALSE(handler->LoadFrame(frame, &trim, 0));
    EXPECT_EQ(frame.GetPixels(), nullptr);
}

TEST_F(TgaFileTest, TheRegistryFindsTheOneSourceOfAName)
{
    EXPECT_EQ(CFrameImageIO::GetHandlerCount(), 1);
    EXPECT_STREQ(CFrameImageIO::GetHandlerExtension(0), ".TGA");
    EXPECT_EQ(CFrameImageIO::CheckDuplicateNames("Art", "x", 0), nullptr);
    m_Folder.WriteFile("Art/x.TGA", "");
    std::unique_ptr<CFrameImageIO> handler(CFrameImageIO::CheckDuplicateNames("Art", "x", 0));
    ASSERT_NE(handler, nullptr);
    EXPECT_TRUE(handler->IsKindOf(CTGAFileIO::SGetClassInfo()));
    EXPECT_STREQ(handler->GetPath().GetText(), "Art/x.TGA");
    std::unique_ptr<CFrameImageIO> opened(CFrameImageIO::FindAndOpen(nullptr, "y", ".tga"));
    ASSERT_NE(opened, nullptr);
    EXPECT_STREQ(opened->GetPath().GetText(), "y.TGA");
    EXPECT_EQ(CFrameImageIO::FindAndOpen(nullptr, "y", ".JPG"), nullptr);
}

} // namespace
