#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/platform/audio/wave_format.h"

// Conversion flags, as the WAVE reader passes them piece by piece: the first
// piece starts afresh, the pieces between convert whole source blocks only,
// and the last one also converts a trailing part of a block.
constexpr uint32_t kConvertStart = 0x10;
constexpr uint32_t kConvertBlockAlign = 0x04;
constexpr uint32_t kConvertEnd = 0x20;

// Turns compressed WAVE data into 16-bit PCM of the same rate and channels:
// IMA ADPCM, Microsoft ADPCM, A-law and mu-law. These are our own decoders,
// and every size they use comes from the block being decoded, so a damaged
// file can give wrong samples but never make them read or write outside the
// buffers they were handed.
//
// Output of a block that does not fit into the caller's room is carried over
// to the next conversion, so the caller may ask for any number of bytes.
class CWaveConverter
{
public:
    // None for a format tag without a decoder, or fields that break the
    // codec's block rules (channels, rate, bits, block align).
    static std::unique_ptr<CWaveConverter> Open(const CWaveFormat& source);

    virtual ~CWaveConverter() = default;

    // 16-bit PCM of the source's rate and channels.
    const CWaveFormat& GetOutputFormat() const { return m_Output; }

    // Samples per channel that sourceBytes of data decode to, a trailing
    // part of a block included.
    uint64_t CountSamples(uint64_t sourceBytes) const;

    // The whole source blocks that give at least destinationBytes of output
    // beyond what is carried over; 0 when the carry covers it.
    uint32_t GetSourceSize(uint32_t destinationBytes) const;

    // Converts what fits into destinationBytes; answers false for a block
    // that cannot be decoded. sourceUsed counts whole blocks taken (with
    // kConvertEnd also a trailing part), produced the bytes written.
    bool Convert(const uint8_t* source, uint32_t sourceBytes, uint8_t* destination, uint32_t destinationBytes,
                 uint32_t flags, uint32_t& sourceUsed, uint32_t& produced);

    CWaveConverter(const CWaveConverter&) = delete;
    CWaveConverter& operator=(const CWaveConverter&) = delete;

protected:
    CWaveConverter(const CWaveFormat& source, uint32_t samplesPerBlock);

    // Samples per channel in a block of bytes (at most one block).
    virtual uint32_t SamplesInBlock(uint32_t bytes) const = 0;
    // Decodes a block of bytes (at most one block) into interleaved samples;
    // out has room for a whole block. False for a damaged block.
    virtual bool DecodeBlock(const uint8_t* block, uint32_t bytes, int16_t* out) const = 0;

    uint16_t Channels() const { return m_Output.channels; }
    uint32_t BlockAlign() const { return m_BlockAlign; }

private:
    uint32_t BlockOutputBytes() const { return m_SamplesPerBlock * m_Output.channels * 2u; }

    CWaveFormat m_Output;
    uint32_t m_BlockAlign;
    uint32_t m_SamplesPerBlock;
    std::vector<int16_t> m_Block;
    std::vector<uint8_t> m_Carry;
    uint32_t m_CarryOffset;
};
