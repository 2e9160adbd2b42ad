#pragma once

#include <cstdint>
#include <vector>

#include "engine/graphics/frame_image_io.h"

// TGA files: read are true-colour files of 24 or 32 bits, plain (type 2)
// or run-length (type 10); written are run-length files of 24 or 32 bits,
// and 8-bit colour-mapped ones with a grey ramp. Rows are written bottom
// first; packets never cross rows.
class CTGAFileIO : public CFrameImageIO
{
    VP_DECLARE_CLASS(CTGAFileIO)
public:
    CTGAFileIO();
    ~CTGAFileIO() override;

    bool Write(CFrame& frame, const char* path, uint32_t flags) override;
    const char* GetExtension() const override { return ".TGA"; }
    // True unless the file is a run-length TGA this reader accepts.
    bool NeedsRewrite(const char* path, uint32_t flags) override;
    // Bytes that end before a row is complete, and packets that cross a
    // row, are fatal ("The TGA you loaded ... is corrupt (line N).").
    int32_t Read(CFrame& frame, const uint8_t* bytes, uint32_t size, const char* path, int32_t bitDepth) override;
    int32_t GetDataBitDepth(const uint8_t* bytes, uint32_t size) override;
};

constexpr uint32_t TGA_HEADER_BYTES = 18;

struct TgaHeader
{
    uint8_t idLength;
    uint8_t colorMapType;
    uint8_t imageType;
    uint16_t firstColorMapEntry;
    uint16_t colorMapLength;
    uint8_t colorMapEntryBits;
    uint16_t originX;
    uint16_t originY;
    uint16_t width;
    uint16_t height;
    uint8_t pixelBits;
    uint8_t descriptor;
};

// Accepts true-colour headers of 24 or 32 bits, type 2 or 10, within the
// image pixel limit. Run-length colour-mapped files (type 9) are refused:
// nothing here reads a colour map.
bool ParseTgaHeader(const uint8_t* bytes, uint32_t size, TgaHeader& header);

// Encodes one row of pixels as TGA packets (appended to the output).
void EncodeTgaRow(const uint8_t* row, int32_t width, int32_t bytesPerPixel, std::vector<uint8_t>& output);
