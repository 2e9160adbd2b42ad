#include "engine/app/sound/sound_reader.h"

#include <algorithm>
#include <cstring>

#include "engine/app/sound/sound_block_pool.h"
#include "engine/app/sound/vorbis_reader.h"
#include "engine/app/sound/wave_reader.h"
#include "engine/core/files/file.h"
#include "engine/core/files/little_endian.h"

namespace {

// The two regions of a locked ring as one run of bytes.
struct SplitRegions
{
    uint8_t* bytes[2];
    uint32_t sizes[2];

    uint8_t& At(uint32_t offset) { return offset < sizes[0] ? bytes[0][offset] : bytes[1][offset - sizes[0]]; }

    void CopyIn(uint32_t offset, const uint8_t* source, uint32_t n)
    {
        if (offset < sizes[0])
        {
            const uint32_t first = std::min(n, sizes[0] - offset);
            std::memcpy(bytes[0] + offset, source, first);
            source += first;
            n -= first;
            offset = sizes[0];
        }
        if (n > 0)
            std::memcpy(bytes[1] + (offset - sizes[0]), source, n);
    }
};

int32_t Blend(int32_t existing, int32_t incoming, float weight)
{
    return static_cast<int32_t>(static_cast<float>(existing) +
                                (1.0f - weight) * static_cast<float>(incoming - existing));
}

} // namespace

int16_t MixSample16(int16_t existing, int16_t incoming, float weight)
{
    return static_cast<int16_t>(std::clamp(Blend(existing, incoming, weight), -32767, 32767));
}

// 8-bit samples stand around 128; the same symmetric limits as 16-bit ones.
uint8_t MixSample8(uint8_t existing, uint8_t incoming, float weight)
{
    return static_cast<uint8_t>(std::clamp(Blend(existing - 128, incoming - 128, weight), -127, 127) + 128);
}

CSoundReader::CSoundReader()
    : m_pFile(nullptr)
    , m_TotalBytes(0)
    , m_SourceBytes(0)
    , m_pDecodeBuffer(nullptr)
{
}

CSoundReader::~CSoundReader()
{
    GetDecodeBufferPool().Give(m_pDecodeBuffer);
    delete m_pFile;
}

uint8_t* CSoundReader::DecodeBuffer()
{
    if (!m_pDecodeBuffer)
        m_pDecodeBuffer = static_cast<uint8_t*>(GetDecodeBufferPool().Take());
    return m_pDecodeBuffer;
}

uint32_t CSoundReader::ReadSplit(void* destination1, uint32_t bytes1, void* destination2, uint32_t bytes2)
{
    if (!destination2 || bytes2 == 0)
        return Read(destination1, bytes1);
    SplitRegions regions{{static_cast<uint8_t*>(destination1), static_cast<uint8_t*>(destination2)},
                         {bytes1, bytes2}};
    const uint64_t wanted = static_cast<uint64_t>(bytes1) + bytes2;
    uint8_t* buffer = DecodeBuffer();
    uint32_t done = 0;
    while (done < wanted)
    {
        const uint32_t piece = static_cast<uint32_t>(std::min<uint64_t>(wanted - done, kDecodeBufferBytes));
        const uint32_t got = std::min(Read(buffer, piece), piece);
        regions.CopyIn(done, buffer, got);
        done += got;
        if (got < piece)
            break;
    }
    return done;
}

uint32_t CSoundReader::ReadMix(void* destination1, uint32_t bytes1, void* destination2, uint32_t bytes2,
                               float weight)
{
    if (!destination2)
        bytes2 = 0;
    SplitRegions regions{{static_cast<uint8_t*>(destination1), static_cast<uint8_t*>(destination2)},
                         {bytes1, bytes2}};
    const uint64_t wanted = static_cast<uint64_t>(bytes1) + bytes2;
    const bool eightBit = m_Format.bitsPerSample == 8;
    uint8_t* buffer = DecodeBuffer();
    uint32_t done = 0;
    while (done < wanted)
    {
        // Whole 16-bit samples per piece, so none is split between pieces.
        const uint32_t piece = static_cast<uint32_t>(std::min<uint64_t>(wanted - done, kDecodeBufferBytes)) &
                               (eightBit ? ~0u : ~1u);
        if (piece == 0)
            break;
        const uint32_t got = std::min(Read(buffer, piece), piece);
        if (eightBit)
        {
            for (uint32_t i = 0; i < got; i++)
            {
                uint8_t& existing = regions.At(done + i);
                existing = MixSample8(existing, buffer[i], weight);
            }
        }
        else
        {
            for (uint32_t i = 0; i + 1 < got; i += 2)
            {
                uint8_t& low = regions.At(done + i);
                uint8_t& high = regions.At(done + i + 1);
                const int16_t existing = static_cast<int16_t>(static_cast<uint16_t>(low | (high << 8)));
                const int16_t incoming = static_cast<int16_t>(ReadLittleEndian16(buffer + i));
                const uint16_t mixed = static_cast<uint16_t>(MixSample16(existing, incoming, weight));
                low = static_cast<uint8_t>(mixed & 0xFF);
                high = static_cast<uint8_t>(mixed >> 8);
            }
        }
        done += got;
        if (got < piece)
            break;
    }
    return done;
}

CSoundReader* OpenSoundReader(const char* name, uint32_t flags)
{
    CFile* file = new CFile;
    if (!file->Open(name, flags | OPEN_READ))
    {
        delete file;
        return nullptr;
    }
    uint8_t header[12] = {};
    file->Read(header, sizeof(header));
    file->Seek(0);
    CSoundReader* reader = nullptr;
    if (std::memcmp(header, "RIFF", 4) == 0 && std::memcmp(header + 8, "WAVE", 4) == 0)
        reader = new CWaveReader;
    else
        reader = new CVorbisReader;
    if (!reader->Open(file))
    {
        delete reader;
        return nullptr;
    }
    return reader;
}
