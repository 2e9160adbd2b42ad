#include "engine/platform/audio/wave_converter.h"

#include <algorithm>
#include <cstring>

namespace {

// Blocks beyond this are not what any encoder writes, and would make one
// block's scratch output large.
constexpr uint32_t kLargestBlock = 0x8000;

int16_t ReadInt16(const uint8_t* bytes)
{
    return static_cast<int16_t>(static_cast<uint16_t>(bytes[0] | (bytes[1] << 8)));
}

int16_t ClampToInt16(int32_t value)
{
    return static_cast<int16_t>(std::clamp<int32_t>(value, -32768, 32767));
}

// G.711 logarithmic codes: one byte per sample.
class CLogarithmicConverter : public CWaveConverter
{
public:
    CLogarithmicConverter(const CWaveFormat& source, bool aLaw)
        : CWaveConverter(source, 1)
        , m_ALaw(aLaw)
    {
    }

protected:
    uint32_t SamplesInBlock(uint32_t bytes) const override { return bytes / Channels(); }

    bool DecodeBlock(const uint8_t* block, uint32_t bytes, int16_t* out) const override
    {
        const uint32_t count = bytes / Channels() * Channels();
        for (uint32_t i = 0; i < count; i++)
            out[i] = m_ALaw ? DecodeALaw(block[i]) : DecodeMuLaw(block[i]);
        return true;
    }

private:
    static int16_t DecodeMuLaw(uint8_t code)
    {
        code = static_cast<uint8_t>(~code);
        const int32_t exponent = (code >> 4) & 7;
        const int32_t magnitude = (((code & 0x0F) << 3) + 0x84) << exponent;
        return static_cast<int16_t>((code & 0x80) ? 0x84 - magnitude : magnitude - 0x84);
    }

    static int16_t DecodeALaw(uint8_t code)
    {
        code ^= 0x55;
        const int32_t exponent = (code >> 4) & 7;
        int32_t magnitude = (code & 0x0F) << 4;
        if (exponent == 0)
            magnitude += 8;
        else
            magnitude = (magnitude + 0x108) << (exponent - 1);
        return static_cast<int16_t>((code & 0x80) ? magnitude : -magnitude);
    }

    bool m_ALaw;
};

// IMA ADPCM: per channel a 4-byte header (first sample, step index), then
// groups of 4 bytes per channel in turn, each byte two samples, low nibble
// first.
class CImaAdpcmConverter : public CWaveConverter
{
public:
    static uint32_t SamplesPerBlock(const CWaveFormat& format)
    {
        const uint32_t headerBytes = 4u * format.channels;
        return (format.blockAlign - headerBytes) * 2u / format.channels + 1u;
    }

    static bool IsValid(const CWaveFormat& format)
    {
        const uint32_t group = 4u * format.channels;
        return format.bitsPerSample == 4 && format.blockAlign > group && format.blockAlign % group == 0;
    }

    explicit CImaAdpcmConverter(const CWaveFormat& source)
        : CWaveConverter(source, SamplesPerBlock(source))
    {
    }

protected:
    uint32_t SamplesInBlock(uint32_t bytes) const override
    {
        const uint32_t group = 4u * Channels();
        if (bytes < group)
            return 0;
        return (bytes - group) / group * 8u + 1u;
    }

    bool DecodeBlock(const uint8_t* block, uint32_t bytes, int16_t* out) const override
    {
        static const int16_t kSteps[89] = {
            7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,    28,
            31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,   118,
            130,   143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,   494,
            544,   598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,
            2272,  2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,
            9493,  10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
        static const int8_t kIndexSteps[16] = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};

        const uint32_t channels = Channels();
        const uint32_t samples = SamplesInBlock(bytes);
        if (samples == 0)
            return true;
        for (uint32_t c = 0; c < channels; c++)
        {
            const uint8_t* header = block + 4 * c;
            int32_t predictor = ReadInt16(header);
            int32_t index = std::min<int32_t>(header[2], 88);
            out[c] = static_cast<int16_t>(predictor);
            const uint32_t groups = (samples - 1) / 8;
            for (uint32_t g = 0; g < groups; g++)
            {
                const uint8_t* group = block + 4u * channels + (g * channels + c) * 4u;
                for (uint32_t k = 0; k < 8; k++)
                {
                    const uint8_t nibble = (k & 1) ? (group[k / 2] >> 4) : (group[k / 2] & 0x0F);
                    const int32_t step = kSteps[index];
                    int32_t difference = step >> 3;
                    if (nibble & 4)
                        difference += step;
                    if (nibble & 2)
                        difference += step >> 1;
                    if (nibble & 1)
                        difference += step >> 2;
                    predictor = ClampToInt16((nibble & 8) ? predictor - difference : predictor + difference);
                    index = std::clamp<int32_t>(index + kIndexSteps[nibble], 0, 88);
                    out[(1u + g * 8u + k) * channels + c] = static_cast<int16_t>(predictor);
                }
            }
        }
        return true;
    }
};

// Microsoft ADPCM: per channel a predictor number, a delta and two first
// samples (each field for all channels in turn), then one nibble per sample,
// high nibble first, channels interleaved. The coefficient pairs are the
// seven standard ones that every file carries; the format's extra bytes are
// not read.
class CMsAdpcmConverter : public CWaveConverter
{
public:
    static uint32_t SamplesPerBlock(const CWaveFormat& format)
    {
        return (format.blockAlign - 7u * format.channels) * 2u / format.channels + 2u;
    }

    static bool IsValid(const CWaveFormat& format)
    {
        return format.bitsPerSample == 4 && format.blockAlign > 7u * format.channels &&
               (format.blockAlign - 7u * format.channels) * 2u % format.channels == 0;
    }

    explicit CMsAdpcmConverter(const CWaveFormat& source)
        : CWaveConverter(source, SamplesPerBlock(source))
    {
    }

protected:
    uint32_t SamplesInBlock(uint32_t bytes) const override
    {
        const uint32_t header = 7u * Channels();
        if (bytes < header)
            return 0;
        return (bytes - header) * 2u / Channels() + 2u;
    }

    bool DecodeBlock(const uint8_t* block, uint32_t bytes, int16_t* out) const override
    {
        static const int32_t kAdaptation[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                                768, 614, 512, 409, 307, 230, 230, 230};
        static const int32_t kCoefficient1[7] = {256, 512, 0, 192, 240, 460, 392};
        static const int32_t kCoefficient2[7] = {0, -256, 0, 64, 0, -208, -232};

        const uint32_t channels = Channels();
        const uint32_t samples = SamplesInBlock(bytes);
        if (samples == 0)
            return true;
        int32_t predictor[2];
        int32_t delta[2];
        int32_t sample1[2];
        int32_t sample2[2];
        for (uint32_t c = 0; c < channels; c++)
        {
            predictor[c] = block[c];
            if (predictor[c] > 6)
                return false;
            delta[c] = ReadInt16(block + channels + 2 * c);
            sample1[c] = ReadInt16(block + 3 * channels + 2 * c);
            sample2[c] = ReadInt16(block + 5 * channels + 2 * c);
            out[c] = static_cast<int16_t>(sample2[c]);
            out[channels + c] = static_cast<int16_t>(sample1[c]);
        }
        const uint8_t* data = block + 7u * channels;
        const uint32_t nibbles = (samples - 2) * channels;
        for (uint32_t n = 0; n < nibbles; n++)
        {
            const uint32_t c = n % channels;
            const uint8_t byte = data[n / 2];
            const int32_t nibble = (n & 1) ? (byte & 0x0F) : (byte >> 4);
            const int32_t signedNibble = nibble >= 8 ? nibble - 16 : nibble;
            int32_t predicted =
                (sample1[c] * kCoefficient1[predictor[c]] + sample2[c] * kCoefficient2[predictor[c]]) / 256;
            predicted = ClampToInt16(predicted + signedNibble * delta[c]);
            sample2[c] = sample1[c];
            sample1[c] = predicted;
            // A damaged block can keep raising the step; it stops where the
            // next product would still fit.
            delta[c] = std::clamp(kAdaptation[nibble] * delta[c] / 256, 16, INT32_MAX / 768);
            out[2u * channels + n] = static_cast<int16_t>(predicted);
        }
        return true;
    }
};

} // namespace

std::unique_ptr<CWaveConverter> CWaveConverter::Open(const CWaveFormat& source)
{
    if (!IsPlayableRateAndChannels(source.samplesPerSec, source.channels) || source.blockAlign > kLargestBlock)
        return nullptr;
    switch (source.formatTag)
    {
    case kWaveFormatALaw:
    case kWaveFormatMuLaw:
        if (source.bitsPerSample != 8 || source.blockAlign != source.channels)
            return nullptr;
        return std::make_unique<CLogarithmicConverter>(source, source.formatTag == kWaveFormatALaw);
    case kWaveFormatImaAdpcm:
        if (!CImaAdpcmConverter::IsValid(source))
            return nullptr;
        return std::make_unique<CImaAdpcmConverter>(source);
    case kWaveFormatMsAdpcm:
        if (!CMsAdpcmConverter::IsValid(source))
            return nullptr;
        return std::make_unique<CMsAdpcmConverter>(source);
    default:
        return nullptr;
    }
}

CWaveConverter::CWaveConverter(const CWaveFormat& source, uint32_t samplesPerBlock)
    : m_Output(MakePcmFormat(source.samplesPerSec, source.channels, 16))
    , m_BlockAlign(source.blockAlign)
    , m_SamplesPerBlock(samplesPerBlock)
    , m_Block(static_cast<size_t>(samplesPerBlock) * source.channels)
    , m_CarryOffset(0)
{
}

uint64_t CWaveConverter::CountSamples(uint64_t sourceBytes) const
{
    return sourceBytes / m_BlockAlign * m_SamplesPerBlock + SamplesInBlock(static_cast<uint32_t>(sourceBytes % m_BlockAlign));
}

uint32_t CWaveConverter::GetSourceSize(uint32_t destinationBytes) const
{
    const uint32_t carried = static_cast<uint32_t>(m_Carry.size()) - m_CarryOffset;
    if (destinationBytes <= carried)
        return 0;
    const uint64_t blocks = (destinationBytes - carried + BlockOutputBytes() - 1) / BlockOutputBytes();
    return static_cast<uint32_t>(std::min<uint64_t>(blocks * m_BlockAlign, UINT32_MAX));
}

bool CWaveConverter::Convert(const uint8_t* source, uint32_t sourceBytes, uint8_t* destination,
                             uint32_t destinationBytes, uint32_t flags, uint32_t& sourceUsed, uint32_t& produced)
{
    sourceUsed = 0;
    produced = 0;
    if (flags & kConvertStart)
    {
        m_Carry.clear();
        m_CarryOffset = 0;
    }
    const uint32_t carried = std::min<uint32_t>(static_cast<uint32_t>(m_Carry.size()) - m_CarryOffset, destinationBytes);
    if (carried > 0)
        std::memcpy(destination, m_Carry.data() + m_CarryOffset, carried);
    m_CarryOffset += carried;
    produced = carried;
    if (m_CarryOffset == m_Carry.size())
    {
        m_Carry.clear();
        m_CarryOffset = 0;
    }

    while (produced < destinationBytes)
    {
        const uint32_t remaining = sourceBytes - sourceUsed;
        uint32_t blockBytes = m_BlockAlign;
        if (remaining < m_BlockAlign)
        {
            if (!(flags & kConvertEnd) || remaining == 0)
                break;
            blockBytes = remaining;
        }
        if (!DecodeBlock(source + sourceUsed, blockBytes, m_Block.data()))
            return false;
        sourceUsed += blockBytes;
        const uint32_t blockOutput = SamplesInBlock(blockBytes) * Channels() * 2u;
        uint8_t* bytes = reinterpret_cast<uint8_t*>(m_Block.data());
        for (uint32_t i = 0; i < blockOutput / 2; i++)
        {
            const uint16_t value = static_cast<uint16_t>(m_Block[i]);
            bytes[2 * i] = static_cast<uint8_t>(value & 0xFF);
            bytes[2 * i + 1] = static_cast<uint8_t>(value >> 8);
        }
        const uint32_t fits = std::min(blockOutput, destinationBytes - produced);
        std::memcpy(destination + produced, bytes, fits);
        produced += fits;
        m_Carry.assign(bytes + fits, bytes + blockOutput);
        m_CarryOffset = 0;
    }
    return true;
}
