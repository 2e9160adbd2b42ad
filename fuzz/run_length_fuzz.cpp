// Run-length frames come from cache files that may be truncated or
// damaged. A frame is built from the input (kind, size, and per stream its
// row offsets and block), each block in its own exact-size allocation so a
// read past it is caught. When the validator accepts the frame, every
// pixel is queried and the frame is drawn whole and clipped with "Normal",
// "Transparent Mask", the screen's brightening type, the shadow, the
// amplifying light and the repeat onto frames with a guard border that must
// stay untouched; a 16-bit alpha frame is then textured in place, within
// its blocks, and drawn again when it still validates.

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/blit/blit_amplify_light.h"
#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_shadow.h"
#include "engine/blit/blit_tiling.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/blit/run_length_validator.h"
#include "engine/blit/screen_blit_types.h"
#include "engine/core/color/color.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "fuzz/support/fuzz_input.h"

namespace {

class InputBytes
{
public:
    InputBytes(const uint8_t* data, size_t size)
        : m_Data(data)
        , m_Size(size)
    {
    }
    uint32_t Byte() { return m_At < m_Size ? m_Data[m_At++] : 0; }
    uint32_t Word() { return Byte() | Byte() << 8; }
    std::vector<uint8_t> Bytes(size_t count)
    {
        const size_t taken = count < m_Size - m_At ? count : m_Size - m_At;
        std::vector<uint8_t> bytes(m_Data + m_At, m_Data + m_At + taken);
        m_At += taken;
        return bytes;
    }

private:
    const uint8_t* m_Data;
    size_t m_Size;
    size_t m_At = 0;
};

struct Kind
{
    uint32_t encoding;
    int32_t bits;
};

constexpr Kind KINDS[4] = {
    {FRAME_ENCODING_RLE8, 8},
    {FRAME_ENCODING_RLE_ALPHA, 16},
    {FRAME_ENCODING_RLE_ALPHA, 24},
    {FRAME_ENCODING_RLE_ALPHA, 8},
};

// Draws onto a destination one pixel larger on every side, filled with a
// guard byte, and checks that the border kept it.
void DrawGuarded(CFrame& source, int32_t destinationBits, CBlitType& blitType, const CRect& window)
{
    const int32_t width = source.GetWidth(), height = source.GetHeight();
    CFrame destination;
    destination.Create(static_cast<uint32_t>(width + 2), static_cast<uint32_t>(height + 2), destinationBits);
    destination.FillBytes(0xA5);
    CRect sourceRect = window;
    CRect destinationRect{window.left + 1, window.top + 1, window.right + 1, window.bottom + 1};
    destination.Blit(&source, sourceRect, destinationRect, &blitType);
    const int32_t bytes = destination.GetBytesPerPixel();
    for (int32_t y = 0; y < height + 2; y++)
        for (int32_t x = 0; x < width + 2; x++)
        {
            if (x >= destinationRect.left && x < destinationRect.right && y >= destinationRect.top &&
                y < destinationRect.bottom)
                continue;
            const uint8_t* at = destination.GetPixels() +
                                (static_cast<size_t>(destination.GetRowOffsets()[y]) + static_cast<size_t>(x)) *
                                    static_cast<size_t>(bytes);
            for (int32_t k = 0; k < bytes; k++)
                FuzzCheck(at[k] == 0xA5, "a run was drawn outside the destination rectangle");
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool s_Tables = (InitPixelFormatTables("Palettes", "GamePalette"), true);
    (void)s_Tables;
    InputBytes input(data, size);
    const Kind kind = KINDS[input.Byte() % 4];
    const int32_t width = static_cast<int32_t>(input.Byte() % 80) + 1;
    const int32_t height = static_cast<int32_t>(input.Byte() % 4) + 1;
    const uint32_t present = input.Byte();

    std::vector<uint8_t> blocks[5];
    std::vector<int32_t> offsets[5];
    std::array<uint32_t, 5> bytes{};
    CFrame frame;
    frame.SetFormatWord(kind.encoding | DepthBitsOf(kind.bits) | FRAME_BORROWED_PIXELS);
    frame.SetSize(static_cast<uint32_t>(width), static_cast<uint32_t>(height));
    for (int32_t stream = 0; stream < 5; stream++)
    {
        if ((present & (1u << stream)) == 0)
            continue;
        offsets[stream].resize(static_cast<size_t>(height < 2 ? 2 : height));
        for (int32_t y = 0; y < height; y++)
            offsets[stream][static_cast<size_t>(y)] = static_cast<int32_t>(input.Word());
        blocks[stream] = input.Bytes(input.Word());
        bytes[stream] = static_cast<uint32_t>(blocks[stream].size());
        uint8_t* block = blocks[stream].empty() ? nullptr : blocks[stream].data();
        if (stream == 0)
            frame.SetPixelData(block, offsets[stream].data());
        else
            frame.SetStream(stream, block, offsets[stream].data());
    }
    if (!ValidateRunLengthFrame(frame, bytes))
        return 0;

    for (int32_t y = -1; y <= height; y++)
        for (int32_t x = -1; x <= width; x++)
        {
            CColor colour;
            frame.GetPixel(x, y, colour);
            frame.HitTestPixel(x, y);
            frame.GetPixelValue(x, y);
        }

    const int32_t left = static_cast<int32_t>(input.Byte()) % width;
    const int32_t right = left + 1 + static_cast<int32_t>(input.Byte()) % (width - left);
    const int32_t top = static_cast<int32_t>(input.Byte()) % height;
    const CRect windows[2] = {{0, 0, width, height}, {left, top, right, height}};
    const float opacity = static_cast<float>(input.Byte()) / 255.0f;
    const bool fourLane = input.Byte() % 2 == 1;
    CBlitNormal normal(fourLane);
    CBlitTransparentMask mask(false);
    CBlitBrighten565 brighten(fourLane);
    brighten.SetAmount(static_cast<int32_t>(input.Byte()));
    CBlitAsShadow shadow(fourLane);
    CBlitBlendAmplifyLight amplify(fourLane);
    // Each blit type onto the depths it has routines for.
    const struct
    {
        CBlitType* blitType;
        std::vector<int32_t> depths;
    } draws[] = {
        {&normal, {8, 16, 24, 32}}, {&mask, {8, 16, 24, 32}},       {&brighten, {8, 16, 24, 32}}, {&shadow, {16}},
        {&amplify, {16}},           {&GetBlitRepeat(), {kind.bits}}};
    auto drawAll = [&] {
        for (const auto& draw : draws)
        {
            draw.blitType->SetOpacity(opacity);
            for (const CRect& window : windows)
                for (int32_t destinationBits : draw.depths)
                    DrawGuarded(frame, destinationBits, *draw.blitType, window);
        }
    };
    drawAll();

    if (kind.encoding == FRAME_ENCODING_RLE_ALPHA && kind.bits == 16)
    {
        CFrame texture;
        texture.Create(1u + input.Byte() % 16, 1u + input.Byte() % 16, 16);
        texture.FillBytes(static_cast<uint8_t>(input.Byte()));
        const int32_t sx = static_cast<int32_t>(input.Byte()) - 128;
        CRect sourceRect{sx, 0, sx + width, height};
        CRect destinationRect{0, 0, width, height};
        frame.Blit(&texture, sourceRect, destinationRect, &GetBlitTile());
        // Rows that share bytes (which the validator lets pass) can see
        // values turned into codes: such a frame is not drawn again.
        if (ValidateRunLengthFrame(frame, bytes))
            drawAll();
    }
    return 0;
}
