#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/strings/ref_string.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_cache_files.h"
#include "engine/graphics/image_block.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/jpeg_codec.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/compiled_frames.h"
#include "tests/support/frame_pixels.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Reads the bytes from a memory file, mapping in place when asked; the
// file (and so the bytes a borrowing frame uses) lives in the caller.
bool ReadInto(CFrame& frame, CFile& file, const Bytes& bytes, bool mapInPlace)
{
    uint8_t* copy = static_cast<uint8_t*>(std::malloc(bytes.size() + 1));
    std::memcpy(copy, bytes.data(), bytes.size());
    file.Attach(new CMemoryStream(copy, static_cast<uint32_t>(bytes.size()), true), OPEN_READ);
    file.SetMapInPlace(mapInPlace);
    return frame.ReadBinary(file);
}

template <typename T>
void Put(Bytes& bytes, size_t offset, T value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof(T));
}

// A frame with streams 0, 3 and 4, and upper-left offsets.
CFrame AlphaFormFrame()
{
    CFrame frame;
    frame.Create(7, 3, 32);
    for (int32_t y = 0; y < 3; y++)
        for (int32_t x = 0; x < 7; x++)
            WritePixel(frame, x, y, (x % 3 == 0 ? 0x80u : 0xFFu) << 24 | static_cast<uint32_t>(x * 0x10203 + y));
    frame.SetUpperLeftOffset(-3, 2);
    CImageFilterChain chain;
    chain.AddStep(11);
    chain.AddStep(8);
    chain.Apply(frame);
    return frame;
}

class FrameCacheFiles : public testing::Test
{
protected:
    void SetUp() override { InitPixelFormatTables("Palettes", "GamePalette"); }
    void TearDown() override { SetCompressedStorageMode(true); }
};

TEST_F(FrameCacheFiles, APlainFrameWritesHeaderPixelsAndRowOffsets)
{
    CFrame frame;
    frame.Create(10, 1, 16);
    WritePixel(frame, 9, 0, 0xABCD);
    const Bytes bytes = CompiledForm(frame);
    ASSERT_EQ(bytes.size(), 60u);
    EXPECT_EQ(bytes[0], 0x35);
    EXPECT_EQ(bytes[1], 16);
    CFrame back;
    CFile file;
    ASSERT_TRUE(ReadInto(back, file, bytes, true));
    // One-row frames are copied: a borrowed table would have one entry.
    EXPECT_EQ(back.GetFormat() & FRAME_BORROWED_PIXELS, 0u);
    EXPECT_EQ(back.GetRowOffsets()[1], 10);
    EXPECT_EQ(ReadPixel(back, 9, 0), 0xABCDu);
}

TEST_F(FrameCacheFiles, RunLengthFramesRewriteByteForByteCopiedOrBorrowed)
{
    CFrame frame = AlphaFormFrame();
    ASSERT_NE(frame.GetStream3Data(), nullptr);
    const Bytes bytes = CompiledForm(frame);
    for (bool borrowed : {false, true})
    {
        CFrame back;
        CFile file;
        ASSERT_TRUE(ReadInto(back, file, bytes, borrowed));
        EXPECT_EQ(back.GetUpperLeftXOffset(), -3);
        EXPECT_EQ(CompiledForm(back), bytes);
    }
    CFrame plain;
    plain.Create(3, 2, 32);
    FillWithCounting(plain);
    CFrame back;
    CFile file;
    ASSERT_TRUE(ReadInto(back, file, CompiledForm(plain), true));
    EXPECT_NE(back.GetFormat() & FRAME_BORROWED_PIXELS, 0u);
    EXPECT_EQ(ReadPixel(back, 2, 1), 6u);
}

TEST_F(FrameCacheFiles, ReadingRefusesEveryInconsistency)
{
    CFrame plain;
    plain.Create(3, 2, 16);
    const Bytes good = CompiledForm(plain);
    CFrame encoded = AlphaFormFrame();
    const Bytes goodRunLength = CompiledForm(encoded);
    struct Case
    {
        const char* name;
        Bytes bytes;
    };
    std::vector<Case> cases;
    auto with = [&](const char* name, const Bytes& base, auto change) {
        Bytes bytes = base;
        change(bytes);
        cases.push_back({name, bytes});
    };
    with("old version", good, [](Bytes& b) { b[0] = 0x34; });
    with("short", good, [](Bytes& b) { b.resize(b.size() - 1); });
    with("short header", good, [](Bytes& b) { b.resize(20); });
    with("twelve bits", good, [](Bytes& b) { b[1] = 12; });
    with("bits against depth", good, [](Bytes& b) { b[1] = 24; });
    with("palette run-length at 16", good, [](Bytes& b) { b[12] |= FRAME_ENCODING_RLE8; });
    with("unknown format bit", good, [](Bytes& b) { b[13] |= 0x40; });
    with("pitch below width", good, [](Bytes& b) { Put<uint32_t>(b, 16, 8); });
    with("stream size not rows", good, [](Bytes& b) { Put<uint32_t>(b, 16, 13); });
    with("row offset", good, [](Bytes& b) { Put<int32_t>(b, 36 + 12 + 4, 2); });
    with("stream 1 in a plain frame", good, [](Bytes& b) { Put<uint32_t>(b, 20, 4); });
    with("stream above the limit", good, [](Bytes& b) { Put<uint32_t>(b, 24, 16000001); });
    with("zero width", good, [](Bytes& b) { Put<uint16_t>(b, 6, 0); });
    with("block size word", goodRunLength, [](Bytes& b) { b[36] ^= 1; });
    with("run past the width", goodRunLength, [](Bytes& b) { Put<uint16_t>(b, 6, 2); });
    for (const Case& c : cases)
    {
        for (bool borrowed : {false, true})
        {
            CFrame frame;
            CFile file;
            EXPECT_FALSE(ReadInto(frame, file, c.bytes, borrowed)) << c.name;
            EXPECT_EQ(frame.GetPixels(), nullptr) << c.name;
        }
    }
    CFrame frame;
    CFile file;
    ReadInto(frame, file, cases[0].bytes, false);
    EXPECT_EQ(file.Tell(), 36);
}

TEST_F(FrameCacheFiles, CachePathsFollowDepthAndStorageMode)
{
    CString path;
    SetCompressedStorageMode(false);
    CFrame::GetCachePath(path, "Resources/-Bricks", "Normal", nullptr, true);
    EXPECT_STREQ(path.GetText(), "Cache/Resources/-Bricks/Normal.frm16");
    EXPECT_STREQ(CFrame::GetCacheKeyword(), "frm16");
    SetCompressedStorageMode(true);
    CFrame::GetCachePath(path, "Resources/Bricks", "Normal", nullptr, false);
    EXPECT_STREQ(path.GetText(), "Resources/Bricks/-Normal.frm16");
    EXPECT_STREQ(CFrame::GetCacheKeyword(), "FRAME");
    CImageFilterChain chain;
    chain.SetDepthOverride(8);
    CFrame::GetCachePath(path, "Art", "x", &chain, true);
    EXPECT_STREQ(path.GetText(), "Cache/Art/x.frm");
    chain.SetDepthOverride(12);
    CFrame::GetCachePath(path, "Art", "x", &chain, true);
    EXPECT_STREQ(path.GetText(), "");
}

Bytes ImageBlock(const CFrame& frame)
{
    CFile file;
    file.Attach(new CMemoryStream(), OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    EXPECT_TRUE(EncodeImageBlock(frame, file, 65, false));
    const uint32_t size = file.GetSize();
    file.Seek(0);
    const uint8_t* bytes = file.Map(size);
    return Bytes(bytes, bytes + size);
}

TEST_F(FrameCacheFiles, ImageBlocksAreLosslessPlanes)
{
    CFrame white;
    white.Create(1, 1, 32);
    WritePixel(white, 0, 0, 0xFFFFFFFF);
    const Bytes block = ImageBlock(white);
    EXPECT_EQ(block[0], 1);
    EXPECT_EQ(block[1], 1);  // the compressed block's marker
    uint32_t raw;
    std::memcpy(&raw, block.data() + 6, 4);
    EXPECT_EQ(raw, 4u);
    EXPECT_EQ(Bytes(block.end() - 8, block.end()), (Bytes{1, 0, 0, 0, 1, 0, 0, 0}));

    CFrame image;
    image.Create(5, 3, 32);
    FillWithCounting(image);
    CFrame back;
    CFile blockFile;
    const Bytes bytes = ImageBlock(image);
    blockFile.Attach(new CMemoryStream(const_cast<uint8_t*>(bytes.data()), static_cast<uint32_t>(bytes.size()), false),
                     OPEN_READ);
    ASSERT_TRUE(DecodeImageBlock(back, blockFile));
    for (int32_t y = 0; y < 3; y++)
        for (int32_t x = 0; x < 5; x++)
            EXPECT_EQ(ReadPixel(back, x, y), ReadPixel(image, x, y));
}

// Lossy blocks come only from files made elsewhere: the colour as a JPEG
// after a length word that counts itself, then the alpha plane as running
// differences. They read as their colour, near, and their alpha, exactly.
TEST_F(FrameCacheFiles, LossyImageBlocksReadAsTheirColourAndAlpha)
{
    constexpr int32_t WIDTH = 16, HEIGHT = 8;
    Bytes rgb, alpha;
    for (int32_t y = 0; y < HEIGHT; y++)
        for (int32_t x = 0; x < WIDTH; x++)
        {
            rgb.insert(rgb.end(), {static_cast<uint8_t>(40 + x * 8), static_cast<uint8_t>(60 + y * 16), 200});
            alpha.push_back(static_cast<uint8_t>((x + y) * 13));
        }
    Bytes differences(alpha);
    for (size_t i = differences.size(); i-- > 1;)
        differences[i] = static_cast<uint8_t>(alpha[i] - alpha[i - 1]);
    CFile file;
    file.Attach(new CMemoryStream(), OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    file.WriteByte(0);
    const int32_t start = file.Tell();
    file.WriteInt(0);
    ASSERT_TRUE(EncodeJpeg(file, rgb.data(), WIDTH, HEIGHT, true, 95));
    const int32_t length = file.Tell() - start;
    file.Seek(static_cast<uint32_t>(start));
    file.WriteInt(length);
    file.Seek(static_cast<uint32_t>(start + length));
    ASSERT_TRUE(WriteZlibBlock(file, differences.data(), static_cast<uint32_t>(differences.size()), 9));
    file.Seek(0);

    CFrame frame;
    ASSERT_TRUE(DecodeImageBlock(frame, file));
    ASSERT_EQ(frame.GetBitsPerPixel(), 32);
    ASSERT_EQ(frame.GetWidth(), WIDTH);
    ASSERT_EQ(frame.GetHeight(), HEIGHT);
    for (int32_t y = 0; y < HEIGHT; y++)
        for (int32_t x = 0; x < WIDTH; x++)
        {
            const size_t i = static_cast<size_t>(y * WIDTH + x);
            const uint32_t pixel = ReadPixel(frame, x, y);
            EXPECT_EQ(pixel >> 24, alpha[i]) << x << "," << y;
            for (int32_t channel = 0; channel < 3; channel++)
                EXPECT_NEAR(static_cast<int32_t>(pixel >> (16 - 8 * channel) & 0xFF),
                            rgb[i * 3 + static_cast<size_t>(channel)], 12)
                    << x << "," << y << " channel " << channel;
        }
}

TEST_F(FrameCacheFiles, DamagedImageBlocksAnswerFalse)
{
    CFrame image;
    image.Create(2, 2, 32);
    const Bytes good = ImageBlock(image);
    struct Case
    {
        const char* name;
        Bytes bytes;
    };
    Bytes zeroWidth = good;
    std::memset(zeroWidth.data() + zeroWidth.size() - 8, 0, 4);
    Bytes wideSide = good;
    Put<int32_t>(wideSide, wideSide.size() - 8, 65536);
    Bytes otherSize = good;
    Put<int32_t>(otherSize, otherSize.size() - 8, 1);
    const Case cases[] = {
        {"empty", {}},
        {"no block", {1, 0}},
        {"zero width", zeroWidth},
        {"side past 65535", wideSide},
        {"planes of another size", otherSize},
        {"lossy length below 4", {0, 3, 0, 0, 0}},
        {"lossy length past the data", {0, 40, 0, 0, 0, 1, 2}},
    };
    for (const Case& c : cases)
    {
        CFrame frame;
        CFile file;
        file.Attach(new CMemoryStream(const_cast<uint8_t*>(c.bytes.data()), static_cast<uint32_t>(c.bytes.size()),
                                      false),
                    OPEN_READ);
        EXPECT_FALSE(DecodeImageBlock(frame, file)) << c.name;
        EXPECT_EQ(frame.GetPixels(), nullptr) << c.name;
    }
}

} // namespace
