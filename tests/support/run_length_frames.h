#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <algorithm>
#include <initializer_list>
#include <random>
#include <vector>

#include "engine/graphics/frame.h"

// Hand-made run-length frames: each stream given as one code string per
// row, laid out as a block with its size word and a row offset table. The
// fixture owns the blocks and lends them to the frame.
using RunRow = std::vector<uint8_t>;

inline RunRow Codes(std::initializer_list<RunRow> parts)
{
    RunRow row;
    for (const RunRow& part : parts)
        row.insert(row.end(), part.begin(), part.end());
    return row;
}

inline RunRow Skip(uint8_t n)
{
    return {static_cast<uint8_t>(0x80 | n)};
}

// Values of 1, 2 or 3 bytes, little-endian.
inline RunRow Literal(uint32_t valueBytes, std::initializer_list<uint32_t> values)
{
    RunRow row{static_cast<uint8_t>(0x40 | values.size())};
    for (uint32_t value : values)
        for (uint32_t k = 0; k < valueBytes; k++)
            row.push_back(static_cast<uint8_t>(value >> (8 * k)));
    return row;
}

inline RunRow Fill(uint32_t valueBytes, uint8_t n, uint32_t value)
{
    RunRow row{n};
    for (uint32_t k = 0; k < valueBytes; k++)
        row.push_back(static_cast<uint8_t>(value >> (8 * k)));
    return row;
}

class RunLengthFixture
{
public:
    CFrame frame;

    // encoding: FRAME_ENCODING_RLE8 or FRAME_ENCODING_RLE_ALPHA.
    RunLengthFixture(int32_t width, int32_t height, int32_t bits, uint32_t encoding)
        : m_Height(height)
    {
        frame.SetFormatWord(encoding | DepthBitsOf(bits) | FRAME_BORROWED_PIXELS);
        frame.SetSize(static_cast<uint32_t>(width), static_cast<uint32_t>(height));
    }
    RunLengthFixture(const RunLengthFixture&) = delete;
    RunLengthFixture& operator=(const RunLengthFixture&) = delete;

    // Coded rows (or, for the alpha stream 3, bare alpha bytes per row).
    void SetStream(int32_t index, const std::vector<RunRow>& rows)
    {
        std::vector<uint8_t>& block = m_Blocks[index];
        std::vector<int32_t>& offsets = m_Offsets[index];
        block.assign(4, 0);
        offsets.assign(static_cast<size_t>(m_Height < 2 ? 2 : m_Height), 0);
        for (size_t y = 0; y < rows.size(); y++)
        {
            offsets[y] = static_cast<int32_t>(block.size());
            block.insert(block.end(), rows[y].begin(), rows[y].end());
        }
        const uint32_t size = static_cast<uint32_t>(block.size());
        std::memcpy(block.data(), &size, 4);
        if (index == 0)
            frame.SetPixelData(block.data(), offsets.data());
        else
            frame.SetStream(index, block.data(), offsets.data());
    }

    std::array<uint32_t, 5> Bytes() const
    {
        std::array<uint32_t, 5> bytes{};
        for (size_t i = 0; i < 5; i++)
            bytes[i] = static_cast<uint32_t>(m_Blocks[i].size());
        return bytes;
    }

    std::vector<uint8_t>& Block(int32_t index) { return m_Blocks[index]; }
    std::vector<int32_t>& Offsets(int32_t index) { return m_Offsets[index]; }

private:
    int32_t m_Height;
    std::vector<uint8_t> m_Blocks[5];
    std::vector<int32_t> m_Offsets[5];
};

// A random valid 16-bit alpha frame: every row of streams 0 and 4 covers
// the width with skips, literals and fills of random lengths (0 included)
// and random values, stream 3 holding the translucent stream's alpha
// bytes. Each stored value is valueOf(the random value), so two fixtures
// made from equal seeds differ only by that mapping.
template <typename ValueOf>
void MakeRandomAlphaFrame(RunLengthFixture& fixture, std::mt19937& random, int32_t width, int32_t height,
                          ValueOf valueOf)
{
    std::vector<RunRow> opaque, translucent, alpha;
    for (int32_t y = 0; y < height; y++)
    {
        for (std::vector<RunRow>* stream : {&opaque, &translucent})
        {
            RunRow row;
            RunRow alphaRow;
            auto put = [&](uint32_t random16) {
                const uint16_t v = static_cast<uint16_t>(valueOf(static_cast<uint16_t>(random16)));
                row.push_back(static_cast<uint8_t>(v));
                row.push_back(static_cast<uint8_t>(v >> 8));
                alphaRow.push_back(static_cast<uint8_t>(random()));
            };
            int32_t x = 0;
            while (x < width)
            {
                const int32_t n = static_cast<int32_t>(random() % static_cast<uint32_t>(std::min(64, width - x + 1)));
                const uint32_t kind = random() % 3;
                if (kind == 0)
                {
                    row.push_back(static_cast<uint8_t>(0x80 | n));
                }
                else if (kind == 1)
                {
                    row.push_back(static_cast<uint8_t>(0x40 | n));
                    for (int32_t i = 0; i < n; i++)
                        put(random());
                }
                else
                {
                    row.push_back(static_cast<uint8_t>(n));
                    put(random());
                }
                x += n;
            }
            stream->push_back(row);
            if (stream == &translucent)
                alpha.push_back(alphaRow);
        }
    }
    fixture.SetStream(0, opaque);
    fixture.SetStream(4, translucent);
    fixture.SetStream(3, alpha);
}

inline void MakeRandomAlphaFrame(RunLengthFixture& fixture, std::mt19937& random, int32_t width, int32_t height)
{
    MakeRandomAlphaFrame(fixture, random, width, height, [](uint16_t v) { return v; });
}
