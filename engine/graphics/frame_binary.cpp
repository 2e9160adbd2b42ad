// The compiled frame form: a frame exactly as in memory, so a cache loads
// with one read per stream, or with none when the file is already in
// memory (the frame then borrows the file's bytes).
//
// Caches are read back at every start and may be damaged on disk, and the
// renderers trust what they draw, so the reader accepts only what this
// writer can produce: every size, row table and run-length stream is
// checked before the frame is handed on.
#include <array>
#include <cstring>

#include "engine/blit/run_length_validator.h"
#include "engine/core/files/file.h"
#include "engine/graphics/frame.h"

namespace {

constexpr uint8_t FRAME_FILE_VERSION = 0x35;
constexpr uint32_t HEADER_BYTES = 36;
constexpr uint32_t MAX_STREAM_BYTES = 16000000;
constexpr uint32_t KNOWN_FORMAT_BITS = FRAME_ENCODING_MASK | FRAME_DEPTH_MASK;

template <typename T>
T Field(const uint8_t* header, uint32_t offset)
{
    T value;
    std::memcpy(&value, header + offset, sizeof(T));
    return value;
}

template <typename T>
void PutField(uint8_t* header, uint32_t offset, T value)
{
    std::memcpy(header + offset, &value, sizeof(T));
}

bool EncodingFitsDepth(uint32_t format)
{
    const uint32_t encoding = format & FRAME_ENCODING_MASK;
    const int32_t bits = BitsPerPixelOfFormat(format);
    return encoding == FRAME_ENCODING_PLAIN || (encoding == FRAME_ENCODING_RLE8 && bits == 8) ||
           (encoding == FRAME_ENCODING_RLE_ALPHA && (bits == 16 || bits == 24));
}

bool IsAligned(const void* pointer)
{
    return reinterpret_cast<uintptr_t>(pointer) % 4 == 0;
}

} // namespace

bool CFrame::WriteBinary(CFile& file)
{
    uint8_t header[HEADER_BYTES] = {};
    std::array<const uint8_t*, 5> data{m_pPixels, m_pStreamData[0], m_pStreamData[1], m_pStreamData[2],
                                       m_pStreamData[3]};
    std::array<const int32_t*, 5> rows{m_pRowOffsets, m_pStreamRowOffsets[0], m_pStreamRowOffsets[1],
                                       m_pStreamRowOffsets[2], m_pStreamRowOffsets[3]};
    std::array<uint32_t, 5> sizes{};
    for (size_t i = 0; i < 5; i++)
    {
        if (data[i] == nullptr)
            continue;
        if (IsRunLengthFormat(m_Format))
            std::memcpy(&sizes[i], data[i], 4);
        else if (i == 0)
            sizes[i] = static_cast<uint32_t>(GetPitch()) * m_Height * static_cast<uint32_t>(GetBytesPerPixel());
    }
    header[0] = FRAME_FILE_VERSION;
    header[1] = static_cast<uint8_t>(GetBitsPerPixel());
    PutField<int16_t>(header, 2, static_cast<int16_t>(-m_UpperLeftX));
    PutField<int16_t>(header, 4, static_cast<int16_t>(-m_UpperLeftY));
    PutField<uint16_t>(header, 6, m_Width);
    PutField<uint16_t>(header, 8, m_Height);
    PutField<uint32_t>(header, 12, m_Format & ~FRAME_BORROWED_PIXELS);
    for (size_t i = 0; i < 5; i++)
        PutField<uint32_t>(header, 16 + 4 * static_cast<uint32_t>(i), sizes[i]);
    bool written = file.Write(header, HEADER_BYTES) == HEADER_BYTES;
    for (size_t i = 0; i < 5; i++)
        if (sizes[i] != 0)
        {
            const uint32_t rowBytes = 4u * m_Height;
            written = file.Write(data[i], sizes[i]) == sizes[i] && written;
            written = file.Write(rows[i], rowBytes) == rowBytes && written;
        }
    return written;
}

bool CFrame::ReadBinary(CFile& file)
{
    FreePixels();
    uint8_t header[HEADER_BYTES];
    if (file.Read(header, HEADER_BYTES) != HEADER_BYTES || header[0] != FRAME_FILE_VERSION)
        return false;
    const uint32_t format = Field<uint32_t>(header, 12);
    const uint16_t width = Field<uint16_t>(header, 6);
    const uint16_t height = Field<uint16_t>(header, 8);
    std::array<uint32_t, 5> sizes;
    for (size_t i = 0; i < 5; i++)
        sizes[i] = Field<uint32_t>(header, 16 + 4 * static_cast<uint32_t>(i));
    const int32_t bits = BitsPerPixelOfFormat(format);
    if ((format & ~KNOWN_FORMAT_BITS) != 0 || bits == 0 || header[1] != bits || !EncodingFitsDepth(format) ||
        width == 0 || height == 0 || sizes[0] == 0)
        return false;
    for (uint32_t size : sizes)
        if (size > MAX_STREAM_BYTES)
            return false;
    const bool runLength = IsRunLengthFormat(format);
    const uint32_t bytesPerPixel = static_cast<uint32_t>(bits / 8);
    uint32_t pitch = width;
    if (!runLength)
    {
        if (sizes[1] != 0 || sizes[2] != 0 || sizes[3] != 0 || sizes[4] != 0 ||
            sizes[0] % (bytesPerPixel * height) != 0)
            return false;
        pitch = sizes[0] / (bytesPerPixel * height);
        if (pitch < width)
            return false;
    }

    m_Width = width;
    m_Height = height;
    m_Format = format;
    const uint32_t rowBytes = 4u * height;
    // Borrowed rows need a second entry for the pitch and aligned words.
    bool borrowed = file.GetMapInPlace() && height > 1;
    const int32_t start = file.Tell();
    std::array<uint8_t*, 5> data{};
    std::array<int32_t*, 5> rows{};
    for (size_t i = 0; i < 5 && borrowed; i++)
        if (sizes[i] != 0)
        {
            data[i] = file.Map(sizes[i]);
            rows[i] = reinterpret_cast<int32_t*>(file.Map(rowBytes));
            borrowed = data[i] && rows[i] && IsAligned(data[i]) && IsAligned(rows[i]);
        }
    if (borrowed)
        m_Format |= FRAME_BORROWED_PIXELS;
    else
    {
        file.Seek(static_cast<uint32_t>(start));
        data = {};
        rows = {};
    }
    bool complete = true;
    for (size_t i = 0; i < 5; i++)
    {
        if (sizes[i] == 0)
            continue;
        if (!borrowed)
        {
            data[i] = AllocatePixelBlock(sizes[i]);
            // The second entry serves GetPitch of a one-row frame.
            rows[i] = new int32_t[height < 2 ? 2 : height]();
            rows[i][1] = static_cast<int32_t>(runLength ? width : pitch);
            complete = complete && data[i] && file.Read(data[i], sizes[i]) == sizes[i] &&
                       file.Read(rows[i], rowBytes) == rowBytes;
        }
        if (i == 0)
            SetPixelData(data[i], rows[i]);
        else
            SetStream(static_cast<int32_t>(i), data[i], rows[i]);
    }
    m_UpperLeftX = static_cast<int16_t>(-Field<int16_t>(header, 2));
    m_UpperLeftY = static_cast<int16_t>(-Field<int16_t>(header, 4));
    m_WidthShift = SideShift(width);
    m_HeightShift = SideShift(height);

    bool valid = complete;
    if (valid && !runLength)
        for (uint32_t y = 0; y < height && valid; y++)
            valid = m_pRowOffsets[y] == static_cast<int32_t>(y * pitch);
    if (valid && runLength)
        valid = ValidateRunLengthFrame(*this, sizes);
    if (!valid)
        FreePixels();
    return valid;
}
