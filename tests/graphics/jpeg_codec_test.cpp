#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "engine/core/archives/archive_tree.h"
#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_pixel_limit.h"
#include "engine/graphics/jpeg_codec.h"
#include "engine/graphics/pixel_formats.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/message_box_capture.h"
#include "tests/support/archive_test_folder.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Encode(const Bytes& rgb, int32_t width, int32_t height, bool colour, int32_t quality)
{
    CFile file;
    file.Attach(new CMemoryStream(), OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    EXPECT_TRUE(EncodeJpeg(file, rgb.data(), width, height, colour, quality));
    const uint32_t size = file.GetSize();
    file.Seek(0);
    const uint8_t* bytes = file.Map(size);
    return Bytes(bytes, bytes + size);
}

struct Decoded
{
    uint8_t* pixels = nullptr;
    int32_t width = -1, height = -1;
    ~Decoded() { FreePixelBlock(pixels); }
};

void Decode(const Bytes& bytes, Decoded& out)
{
    CFile file;
    file.Attach(new CMemoryStream(const_cast<uint8_t*>(bytes.data()), static_cast<uint32_t>(bytes.size()), false),
                OPEN_READ);
    out.pixels = DecodeJpeg(file, out.width, out.height);
}

// A smooth 64 x 64 picture, red-green-blue.
Bytes Gradient()
{
    Bytes rgb;
    for (int32_t y = 0; y < 64; y++)
        for (int32_t x = 0; x < 64; x++)
        {
            rgb.push_back(static_cast<uint8_t>(x * 4));
            rgb.push_back(static_cast<uint8_t>(y * 4));
            rgb.push_back(static_cast<uint8_t>(128 + (x - y)));
        }
    return rgb;
}

TEST(JpegCodec, ColourRoundTripsClosely)
{
    const Bytes rgb = Gradient();
    Decoded out;
    Decode(Encode(rgb, 64, 64, true, 90), out);
    ASSERT_NE(out.pixels, nullptr);
    ASSERT_EQ(out.width, 64);
    ASSERT_EQ(out.height, 64);
    int32_t worst = 0;
    for (size_t i = 0; i < 64 * 64; i++)
        for (int32_t c = 0; c < 3; c++)
            worst = std::max(worst, std::abs(out.pixels[i * 3 + static_cast<size_t>(2 - c)] - rgb[i * 3 + static_cast<size_t>(c)]));
    EXPECT_LE(worst, 8);
}

TEST(JpegCodec, GreyDecodesToEqualChannels)
{
    Decoded out;
    Decode(Encode(Gradient(), 64, 64, false, 75), out);
    ASSERT_NE(out.pixels, nullptr);
    for (size_t i = 0; i < 64 * 64; i++)
    {
        EXPECT_EQ(out.pixels[i * 3], out.pixels[i * 3 + 1]);
        EXPECT_EQ(out.pixels[i * 3], out.pixels[i * 3 + 2]);
    }
}

TEST(JpegCodec, ATruncatedFileDecodesWithOneWarning)
{
    const Bytes whole = Encode(Gradient(), 64, 64, true, 90);
    const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(whole.size() * 2 / 3));
    ScopedMessageBoxCapture boxes;
    Decoded out;
    Decode(cut, out);
    EXPECT_NE(out.pixels, nullptr);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_NE(boxes.Boxes()[0].caption.find("JPEG Error"), std::string::npos);
    EXPECT_NE(boxes.Boxes()[0].text.find("Premature end of JPEG file"), std::string::npos);
}

// A CMYK image: an Adobe marker would be needed for the library to keep
// four components, but any four-component frame header is refused.
Bytes FourComponents(Bytes jpeg)
{
    // Find the frame header (FF C0) and claim four components.
    for (size_t i = 0; i + 9 < jpeg.size(); i++)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0)
        {
            jpeg[i + 9] = 4;
            break;
        }
    return jpeg;
}

TEST(JpegCodec, RefusedInputsAnswerNull)
{
    const Bytes good = Encode(Gradient(), 64, 64, true, 90);
    const uint64_t limit = GetImagePixelLimit();
    ScopedMessageBoxCapture boxes;
    for (const Bytes& bytes : {Bytes{}, Bytes{1, 2, 3}, FourComponents(good)})
    {
        Decoded out;
        Decode(bytes, out);
        EXPECT_EQ(out.pixels, nullptr);
        EXPECT_EQ(out.width, 0);
    }
    SetImagePixelLimit(64 * 63);
    Decoded out;
    Decode(good, out);
    SetImagePixelLimit(limit);
    EXPECT_EQ(out.pixels, nullptr);
}

// A progressive 16 x 16 grey image of many scans: the DC coefficient in a
// first scan at point transform dcShift and dcShift refinements, then each
// of the 63 AC coefficients in a scan of its own at shift 3 and three
// refinements: dcShift + 1 + 252 scans.
Bytes ProgressiveGrey(int32_t dcShift)
{
    std::vector<jpeg_scan_info> scans;
    auto add = [&scans](int32_t first, int32_t last, int32_t high, int32_t low) {
        jpeg_scan_info scan{};
        scan.comps_in_scan = 1;
        scan.Ss = first;
        scan.Se = last;
        scan.Ah = high;
        scan.Al = low;
        scans.push_back(scan);
    };
    add(0, 0, 0, dcShift);
    for (int32_t shift = dcShift; shift > 0; shift--)
        add(0, 0, shift, shift - 1);
    for (int32_t k = 1; k < 64; k++)
    {
        add(k, k, 0, 3);
        for (int32_t shift = 3; shift > 0; shift--)
            add(k, k, shift, shift - 1);
    }
    Bytes grey(16 * 16);
    for (size_t i = 0; i < grey.size(); i++)
        grey[i] = static_cast<uint8_t>(i * 7);
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = 16;
    info.image_height = 16;
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    info.scan_info = scans.data();
    info.num_scans = static_cast<int>(scans.size());
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < 16)
    {
        JSAMPROW row = grey.data() + info.next_scanline * 16;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes bytes(out, out + size);
    std::free(out);
    return bytes;
}

// Every scan is a pass over the whole image: 256 decode, the 257th is
// refused before it is decoded.
TEST(JpegCodec, ProgressiveImagesOfMoreThan256ScansAnswerNull)
{
    ScopedMessageBoxCapture boxes;
    Decoded most;
    Decode(ProgressiveGrey(3), most);
    ASSERT_NE(most.pixels, nullptr);
    EXPECT_EQ(most.width, 16);
    EXPECT_EQ(most.height, 16);
    Decoded tooMany;
    Decode(ProgressiveGrey(4), tooMany);
    EXPECT_EQ(tooMany.pixels, nullptr);
    EXPECT_EQ(tooMany.width, 0);
    EXPECT_TRUE(boxes.Boxes().empty());
}

class JpegArchiveMember : public ArchiveTestFolder
{
};

TEST_F(JpegArchiveMember, DecodesInBlocksFromTheArchive)
{
    const Bytes jpeg = Encode(Gradient(), 64, 64, true, 90);
    TestZipMember member;
    member.name = "pic.jpg";
    member.data.assign(jpeg.begin(), jpeg.end());
    WriteZip("Data/Pics.zip", {member});
    CArchiveTree tree;
    ASSERT_TRUE(tree.Mount("Pics.zip", true, false, "/", false, 0));
    CFile file;
    ASSERT_TRUE(file.Attach(tree.OpenMember("pic.jpg", OPEN_READ), OPEN_READ));
    int32_t width, height;
    uint8_t* pixels = DecodeJpeg(file, width, height);
    EXPECT_NE(pixels, nullptr);
    EXPECT_EQ(width, 64);
    FreePixelBlock(pixels);
}

TEST(JpegCodec, FramesEncodeThroughTheFallbackOnly)
{
    InitPixelFormatTables("Palettes", "GamePalette");
    CFrame frame;
    frame.Create(8, 8, 16);
    for (int32_t y = 0; y < 8; y++)
        for (int32_t x = 0; x < 8; x++)
            WritePixel(frame, x, y, 0xF800);
    CFile file;
    file.Attach(new CMemoryStream(), OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    EXPECT_FALSE(EncodeJpegExternal(frame, file, 90, false));
    EXPECT_EQ(file.GetSize(), 0u);
    ASSERT_TRUE(EncodeJpegExternal(frame, file, 90, true));
    file.Seek(0);
    CFrame decoded;
    ASSERT_TRUE(DecodeJpegIntoFrame(decoded, file));
    EXPECT_EQ(decoded.GetBitsPerPixel(), 24);
    // Red stays red: the copy was handed over in red-green-blue order.
    const uint32_t pixel = ReadPixel(decoded, 0, 0);
    EXPECT_GT(pixel >> 16 & 0xFF, 240u);
    EXPECT_LT(pixel & 0xFF, 16u);
}

} // namespace
