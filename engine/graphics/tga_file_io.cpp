#include "engine/graphics/tga_file_io.h"

#include <algorithm>
#include <cstring>

#include "engine/blit/blit_normal.h"
#include "engine/core/color/color.h"
#include "engine/core/files/data_file_save.h"
#include "engine/core/files/file.h"
#include "engine/core/program/error_report.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_rows.h"
#include "engine/graphics/image_pixel_limit.h"
#include "engine/graphics/palettes.h"

VP_IMPLEMENT_CLASS(CTGAFileIO, CFrameImageIO, 1.0f)

void CTGAFileIO::RegisterProperties(CClassInfo*)
{
}

CTGAFileIO::CTGAFileIO()
{
    ConstructProperties(SGetClassInfo());
}

CTGAFileIO::~CTGAFileIO()
{
    DestroyProperties(SGetClassInfo());
}

namespace {

constexpr uint8_t TGA_TRUE_COLOR = 2;
constexpr uint8_t TGA_MAPPED_RUN_LENGTH = 9;
constexpr uint8_t TGA_TRUE_COLOR_RUN_LENGTH = 10;
constexpr uint8_t TGA_TOP_FIRST = 0x20;

uint16_t Word(const uint8_t* bytes)
{
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

void PutWord(uint8_t* bytes, uint32_t value)
{
    bytes[0] = static_cast<uint8_t>(value);
    bytes[1] = static_cast<uint8_t>(value >> 8);
}

[[noreturn]] void ReportCorrupt(const char* path, int32_t row)
{
    CString text;
    text.Format("The TGA you loaded '%s' is corrupt (line %d).", path, row);
    ShowErrorReport("FATAL ERROR", text.GetText());
    ExitAfterFatalError();
}

// Decodes one row's packets into out (width pixels); answers the position
// after them. Packets that cross the row or run past the data are fatal.
uint32_t DecodeTgaRleRow(uint8_t* out, const uint8_t* bytes, uint32_t at, uint32_t size, int32_t width,
                         uint32_t pixelBytes, const char* path, int32_t row)
{
    int32_t x = 0;
    while (x < width)
    {
        if (at >= size)
            ReportCorrupt(path, row);
        const uint8_t header = bytes[at++];
        const int32_t count = (header & 0x7F) + 1;
        if (x + count > width)
            ReportCorrupt(path, row);
        const uint32_t stored = (header & 0x80) ? pixelBytes : pixelBytes * static_cast<uint32_t>(count);
        if (size - at < stored)
            ReportCorrupt(path, row);
        if (header & 0x80)
            for (int32_t i = 0; i < count; i++)
                std::memcpy(out + static_cast<size_t>(x + i) * pixelBytes, bytes + at, pixelBytes);
        else
            std::memcpy(out + static_cast<size_t>(x) * pixelBytes, bytes + at, stored);
        at += stored;
        x += count;
    }
    return at;
}

// One file row (3 or 4 bytes a pixel) into the frame's row at its depth.
void ConvertRow(const uint8_t* from, uint32_t pixelBytes, uint8_t* to, int32_t bits, int32_t width)
{
    for (int32_t x = 0; x < width; x++, from += pixelBytes)
    {
        const bool black = from[0] == 0 && from[1] == 0 && from[2] == 0;
        switch (bits)
        {
        case 8:
            to[x] = black ? 0 : GamePalette.FindNearestPaletteIndex(from[2], from[1], from[0], 1, 256);
            break;
        case 16:
        {
            const uint16_t word = Pack565(from[2], from[1], from[0]);
            std::memcpy(to + x * 2, &word, 2);
            break;
        }
        case 24:
            std::memcpy(to + x * 3, from, 3);
            break;
        default:
            std::memcpy(to + x * 4, from, 3);
            to[x * 4 + 3] = pixelBytes == 4 ? from[3] : (black ? 0 : 255);
            break;
        }
    }
}

// Owned plain pixels laid out row after row can take the image in place;
// run-length or borrowed pixels never can.
bool CanReusePixels(const CFrame& frame, uint32_t width, uint32_t height)
{
    return IsPlainFrameWithPixels(frame) && (frame.GetFormat() & FRAME_BORROWED_PIXELS) == 0 &&
           frame.GetPitch() == frame.GetWidth() && uint64_t(frame.GetWidth()) * uint64_t(frame.GetHeight()) ==
                                                      uint64_t{width} * height;
}

} // namespace

bool ParseTgaHeader(const uint8_t* bytes, uint32_t size, TgaHeader& header)
{
    if (size < TGA_HEADER_BYTES)
        return false;
    header.idLength = bytes[0];
    header.colorMapType = bytes[1];
    header.imageType = bytes[2];
    header.firstColorMapEntry = Word(bytes + 3);
    header.colorMapLength = Word(bytes + 5);
    header.colorMapEntryBits = bytes[7];
    header.originX = Word(bytes + 8);
    header.originY = Word(bytes + 10);
    header.width = Word(bytes + 12);
    header.height = Word(bytes + 14);
    header.pixelBits = bytes[16];
    header.descriptor = bytes[17];
    return header.colorMapType == 0 &&
           (header.imageType == TGA_TRUE_COLOR || header.imageType == TGA_TRUE_COLOR_RUN_LENGTH) &&
           (header.pixelBits == 24 || header.pixelBits == 32) && IsWithinImagePixelLimit(header.width, header.height);
}

int32_t CTGAFileIO::GetDataBitDepth(const uint8_t* bytes, uint32_t size)
{
    TgaHeader header;
    return ParseTgaHeader(bytes, size, header) ? header.pixelBits : 0;
}

bool CTGAFileIO::NeedsRewrite(const char* path, uint32_t flags)
{
    uint8_t bytes[TGA_HEADER_BYTES];
    CFile file;
    if (!file.Open(path, flags | OPEN_READ))
        return true;
    const uint32_t size = file.Read(bytes, TGA_HEADER_BYTES);
    TgaHeader header;
    return !ParseTgaHeader(bytes, size, header) || header.imageType != TGA_TRUE_COLOR_RUN_LENGTH;
}

int32_t CTGAFileIO::Read(CFrame& frame, const uint8_t* bytes, uint32_t size, const char* path, int32_t bitDepth)
{
    TgaHeader header;
    if (!ParseTgaHeader(bytes, size, header) || header.width == 0 || header.height == 0)
        return 0;
    const int32_t width = header.width, height = header.height;
    if (!CanReusePixels(frame, header.width, header.height))
    {
        frame.FreePixels();
        if (frame.AllocatePixels(header.width, header.height, bitDepth) == 0)
            return 0;
    }
    frame.SetSize(header.width, header.height);
    frame.BuildRowTable(width, true);
    const int32_t bits = frame.GetBitsPerPixel();
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return 0;

    const uint32_t pixelBytes = header.pixelBits / 8u;
    const uint32_t rowBytes = pixelBytes * header.width;
    std::vector<uint8_t> decoded(header.imageType == TGA_TRUE_COLOR_RUN_LENGTH ? rowBytes : 0);
    uint32_t at = TGA_HEADER_BYTES + header.idLength;
    for (int32_t i = 0; i < height; i++)
    {
        const int32_t row = (header.descriptor & TGA_TOP_FIRST) ? i : height - 1 - i;
        const uint8_t* source;
        if (header.imageType == TGA_TRUE_COLOR_RUN_LENGTH)
        {
            at = DecodeTgaRleRow(decoded.data(), bytes, at, size, width, pixelBytes, path, row);
            source = decoded.data();
        }
        else
        {
            if (at > size || size - at < rowBytes)
                ReportCorrupt(path, row);
            source = bytes + at;
            at += rowBytes;
        }
        ConvertRow(source, pixelBytes, PlainFrameRow(frame, row), bits, width);
    }
    return width;
}

void EncodeTgaRow(const uint8_t* row, int32_t width, int32_t bytesPerPixel, std::vector<uint8_t>& output)
{
    const size_t n = static_cast<size_t>(bytesPerPixel);
    auto same = [&](int32_t a, int32_t b) { return std::memcmp(row + a * n, row + b * n, n) == 0; };
    // Colour-mapped rows only run from three equal indexes, and their raw
    // packets take whatever follows.
    const int32_t leastRepeats = bytesPerPixel == 1 ? 2 : 1;
    int32_t p = 0;
    while (p < width)
    {
        const int32_t most = std::min(127, width - p - 1);
        int32_t repeats = 0;
        while (repeats < most && same(p, p + repeats + 1))
            repeats++;
        if (repeats >= leastRepeats)
        {
            output.push_back(static_cast<uint8_t>(0x80 | repeats));
            output.insert(output.end(), row + p * n, row + (p + 1) * n);
            p += repeats + 1;
            continue;
        }
        int32_t count = 1;
        if (bytesPerPixel == 1)
            count = std::max(most, 1);
        else
            while (count < most && !same(p + count - 1, p + count))
                count++;
        output.push_back(static_cast<uint8_t>(count - 1));
        output.insert(output.end(), row + p * n, row + (p + count) * n);
        p += count;
    }
}

bool CTGAFileIO::Write(CFrame& frame, const char* path, uint32_t flags)
{
    const int32_t width = frame.GetWidth(), height = frame.GetHeight();
    if (frame.GetBitsPerPixel() == 16 || IsRunLengthFormat(frame.GetFormat()))
    {
        // Drawn into a plain frame with its upper-left corner at (0, 0); a
        // 16-bit frame is written as 24 bits.
        CFrame plain;
        plain.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                     frame.GetBitsPerPixel() == 16 ? 24 : frame.GetBitsPerPixel());
        if (plain.GetPixels() == nullptr)
            return false;
        plain.BlitAt(&frame, -frame.GetUpperLeftXOffset(), -frame.GetUpperLeftYOffset(), &GetBlitNormal());
        return Write(plain, path, flags);
    }
    const int32_t bits = frame.GetBitsPerPixel();
    if (frame.GetPixels() == nullptr || width == 0 || height == 0 || (bits != 8 && bits != 24 && bits != 32))
        return false;

    std::vector<uint8_t> file(TGA_HEADER_BYTES, 0);
    const bool mapped = bits == 8;
    file[1] = mapped ? 1 : 0;
    file[2] = mapped ? TGA_MAPPED_RUN_LENGTH : TGA_TRUE_COLOR_RUN_LENGTH;
    PutWord(&file[5], mapped ? 256 : 0);
    file[7] = mapped ? 24 : 0;
    PutWord(&file[12], static_cast<uint32_t>(width));
    PutWord(&file[14], static_cast<uint32_t>(height));
    file[16] = static_cast<uint8_t>(bits);
    // No frame keeps a palette for its file: 8-bit files carry a grey ramp.
    if (mapped)
        for (int32_t i = 0; i < 256; i++)
            file.insert(file.end(), 3, static_cast<uint8_t>(i));
    for (int32_t y = height - 1; y >= 0; y--)
        EncodeTgaRow(PlainFrameRow(frame, y), width, bits / 8, file);
    return StoreDataFile(path, flags, file.data(), static_cast<uint32_t>(file.size()));
}
