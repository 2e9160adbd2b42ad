#include "engine/graphics/image_block.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_rows.h"
#include "engine/graphics/jpeg_codec.h"

namespace {

// Pixel byte of each plane: red, green, blue, alpha.
constexpr int32_t PLANE_BYTE[4] = {2, 1, 0, 3};
constexpr uint32_t MAX_SIDE = 65535;

struct FreeBlock
{
    void operator()(uint8_t* block) const { std::free(block); }
};
using CompressedBytes = std::unique_ptr<uint8_t, FreeBlock>;

void ToDifferences(uint8_t* plane, size_t count)
{
    for (size_t i = count; i-- > 1;)
        plane[i] = static_cast<uint8_t>(plane[i] - plane[i - 1]);
}

void FromDifferences(uint8_t* plane, size_t count)
{
    for (size_t i = 1; i < count; i++)
        plane[i] = static_cast<uint8_t>(plane[i] + plane[i - 1]);
}

bool ReadSide(CFile& file, int32_t& side)
{
    return file.Read(&side, 4) == 4 && side >= 1 && static_cast<uint32_t>(side) <= MAX_SIDE;
}

// The frame becomes a plain 32-bit frame taking the pixel block.
void TakePixels(CFrame& frame, uint8_t* pixels, int32_t width, int32_t height)
{
    frame.SetPixelData(pixels, nullptr);
    frame.SetSize(static_cast<uint32_t>(width), static_cast<uint32_t>(height));
    frame.BuildRowTable(width, true);
    frame.SetFormat(32);
}

bool DecodeLossless(CFrame& frame, CFile& file)
{
    uint32_t size = 0;
    CompressedBytes planes(ReadZlibBlock(file, &size));
    int32_t width, height;
    if (!planes || !ReadSide(file, width) || !ReadSide(file, height))
        return false;
    const size_t count = size_t(width) * size_t(height);
    if (size != 4 * count)
        return false;
    uint8_t* pixels = AllocatePixelBlock(4 * count);
    if (pixels == nullptr)
        return false;
    for (size_t plane = 0; plane < 4; plane++)
    {
        uint8_t* bytes = planes.get() + plane * count;
        FromDifferences(bytes, count);
        for (size_t i = 0; i < count; i++)
            pixels[i * 4 + static_cast<size_t>(PLANE_BYTE[plane])] = bytes[i];
    }
    TakePixels(frame, pixels, width, height);
    return true;
}

bool DecodeLossy(CFrame& frame, CFile& file)
{
    const int32_t start = file.Tell();
    int32_t length;
    if (file.Read(&length, 4) != 4 || length < 4 || static_cast<uint32_t>(length) > file.GetSize() - start)
        return false;
    // The JPEG is decoded from exactly its own bytes.
    std::vector<uint8_t> jpeg(static_cast<size_t>(length) - 4);
    if (file.Read(jpeg.data(), static_cast<uint32_t>(jpeg.size())) != jpeg.size())
        return false;
    CFrame colour;
    CFile jpegFile;
    jpegFile.Attach(new CMemoryStream(jpeg.data(), static_cast<uint32_t>(jpeg.size()), false), OPEN_READ);
    if (!DecodeJpegIntoFrame(colour, jpegFile))
        return false;
    uint32_t size = 0;
    CompressedBytes alpha(ReadZlibBlock(file, &size));
    const size_t count = size_t(colour.GetWidth()) * size_t(colour.GetHeight());
    if (!alpha || size != count)
        return false;
    FromDifferences(alpha.get(), count);
    uint8_t* pixels = AllocatePixelBlock(4 * count);
    if (pixels == nullptr)
        return false;
    TakePixels(frame, pixels, colour.GetWidth(), colour.GetHeight());
    frame.BlitAt(&colour, 0, 0, &GetBlitNormal());
    for (size_t i = 0; i < count; i++)
        pixels[i * 4 + 3] = alpha.get()[i];
    return true;
}

} // namespace

bool EncodeLosslessPlanes(const CFrame& frame, CFile& file)
{
    const int32_t width = frame.GetWidth(), height = frame.GetHeight();
    const size_t count = size_t(width) * size_t(height);
    std::vector<uint8_t> planes(4 * count);
    for (int32_t y = 0; y < height; y++)
    {
        const uint8_t* pixel = PlainFrameRow(frame, y);
        for (int32_t x = 0; x < width; x++, pixel += 4)
            for (size_t plane = 0; plane < 4; plane++)
                planes[plane * count + size_t(y) * size_t(width) + size_t(x)] = pixel[PLANE_BYTE[plane]];
    }
    for (size_t plane = 0; plane < 4; plane++)
        ToDifferences(planes.data() + plane * count, count);
    const bool written = WriteZlibBlock(file, planes.data(), static_cast<uint32_t>(planes.size()), 9);
    file.WriteInt(width).WriteInt(height);
    return written;
}

bool EncodeImageBlock(const CFrame& frame, CFile& file, int32_t, bool)
{
    if (frame.GetBitsPerPixel() != 32 || !IsPlainFrameWithPixels(frame))
        return false;
    const int32_t start = file.Tell();
    const bool encoded = file.WriteByte(1) == 1 && EncodeLosslessPlanes(frame, file);
    return encoded && file.Tell() > start;
}

bool DecodeImageBlock(CFrame& frame, CFile& file)
{
    frame.DetachPaletteHolder();
    frame.FreePixels();
    uint8_t kind;
    if (file.Read(&kind, 1) != 1)
        return false;
    return kind != 0 ? DecodeLossless(frame, file) : DecodeLossy(frame, file);
}
