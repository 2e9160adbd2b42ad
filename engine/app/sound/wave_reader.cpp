#include "engine/app/sound/wave_reader.h"

#include <algorithm>
#include <cstring>

#include "engine/core/files/file.h"
#include "engine/core/files/little_endian.h"
#include "engine/platform/audio/wave_converter.h"

namespace {

// The "fmt " fields the reader uses: the first 16 bytes of the record; what
// follows (the extra size and extra bytes) is not read.
constexpr uint32_t kFormatFieldBytes = 16;

bool IsChunk(const uint8_t* id, const char* name)
{
    return std::memcmp(id, name, 4) == 0;
}

CWaveFormat DecodeFormat(const uint8_t* bytes)
{
    CWaveFormat format;
    format.formatTag = ReadLittleEndian16(bytes);
    format.channels = ReadLittleEndian16(bytes + 2);
    format.samplesPerSec = ReadLittleEndian32(bytes + 4);
    format.avgBytesPerSec = ReadLittleEndian32(bytes + 8);
    format.blockAlign = ReadLittleEndian16(bytes + 12);
    format.bitsPerSample = ReadLittleEndian16(bytes + 14);
    format.extraSize = 0;
    return format;
}

} // namespace

CWaveReader::CWaveReader()
    : m_DataStart(0)
    , m_Produced(0)
    , m_Consumed(0)
{
}

CWaveReader::~CWaveReader() = default;

bool CWaveReader::FindChunks(CWaveFormat& format, uint32_t& factSamples, bool& hasFact)
{
    uint8_t header[12];
    if (m_pFile->Read(header, sizeof(header)) != sizeof(header))
        return false;
    const uint64_t fileSize = m_pFile->GetSize();
    const uint64_t end = std::min<uint64_t>(8ull + ReadLittleEndian32(header + 4), fileSize);
    bool hasFormat = false;
    bool hasData = false;
    uint64_t position = sizeof(header);
    while (!(hasFormat && hasData) && position + 8 <= end)
    {
        uint8_t chunk[8];
        if (!m_pFile->Seek(static_cast<uint32_t>(position)) || m_pFile->Read(chunk, sizeof(chunk)) != sizeof(chunk))
            break;
        const uint32_t size = ReadLittleEndian32(chunk + 4);
        const uint64_t start = position + 8;
        if (IsChunk(chunk, "fmt "))
        {
            uint8_t fields[kFormatFieldBytes];
            if (size < kFormatFieldBytes || m_pFile->Read(fields, sizeof(fields)) != sizeof(fields))
                return false;
            format = DecodeFormat(fields);
            hasFormat = true;
        }
        else if (IsChunk(chunk, "data"))
        {
            m_DataStart = static_cast<uint32_t>(start);
            m_SourceBytes = static_cast<uint32_t>(std::min<uint64_t>(size, fileSize - start));
            hasData = true;
        }
        else if (IsChunk(chunk, "fact") && size >= 4)
        {
            uint8_t count[4];
            if (m_pFile->Read(count, sizeof(count)) == sizeof(count))
            {
                factSamples = ReadLittleEndian32(count);
                hasFact = true;
            }
        }
        position = start + size + (size & 1);
    }
    return hasFormat && hasData;
}

bool CWaveReader::Open(CFile* file)
{
    m_pFile = file;
    CWaveFormat format;
    uint32_t factSamples = 0;
    bool hasFact = false;
    if (!FindChunks(format, factSamples, hasFact))
        return false;
    if (format.formatTag == kWaveFormatPcm)
    {
        if (!IsValidPcmFormat(format))
            return false;
        m_Format = MakePcmFormat(format.samplesPerSec, format.channels, format.bitsPerSample);
        // A part of a sample frame at the end is not sound.
        m_SourceBytes -= m_SourceBytes % m_Format.blockAlign;
        m_TotalBytes = m_SourceBytes;
    }
    else if (!OpenConverted(format, factSamples, hasFact))
        return false;
    m_pFile->Seek(m_DataStart);
    return true;
}

// The sample count of the "fact" chunk sets the output size; a count beyond
// what the data holds pads with silence, but by no more than one block's
// worth (a block cut off at the end), so a damaged count cannot make a
// sound of gigabytes. Without "fact" the data itself is counted.
bool CWaveReader::OpenConverted(const CWaveFormat& source, uint32_t factSamples, bool hasFact)
{
    m_pConverter = CWaveConverter::Open(source);
    if (!m_pConverter)
        return false;
    m_Format = m_pConverter->GetOutputFormat();
    const uint64_t decodable = m_pConverter->CountSamples(m_SourceBytes);
    const uint64_t oneBlock = m_pConverter->CountSamples(source.blockAlign);
    const uint64_t samples = hasFact ? std::min<uint64_t>(factSamples, decodable + oneBlock) : decodable;
    const uint64_t total = samples * m_Format.blockAlign;
    if (total > UINT32_MAX)
        return false;
    m_TotalBytes = static_cast<uint32_t>(total);
    return true;
}

uint32_t CWaveReader::Read(void* destination, uint32_t bytes)
{
    if (m_pConverter)
        return ReadConverted(static_cast<uint8_t*>(destination), bytes);
    const uint32_t left = m_SourceBytes - std::min(Tell(), m_SourceBytes);
    return m_pFile->Read(destination, std::min(bytes, left));
}

uint32_t CWaveReader::ReadConverted(uint8_t* destination, uint32_t bytes)
{
    bytes = std::min(bytes, m_TotalBytes - m_Produced);
    if (bytes == 0)
        return 0;
    // The piece that completes the output takes all the source that is left.
    const uint32_t sourceLeft = m_SourceBytes - m_Consumed;
    uint32_t sourceBytes = m_Produced + bytes == m_TotalBytes
                               ? sourceLeft
                               : std::min(m_pConverter->GetSourceSize(bytes), sourceLeft);
    const uint32_t flags = (m_Produced == 0 && m_Consumed == 0 ? kConvertStart : 0) |
                           (sourceBytes == sourceLeft ? kConvertEnd : kConvertBlockAlign);

    if (m_Scratch.size() < sourceBytes)
        m_Scratch.resize(sourceBytes);
    sourceBytes = m_pFile->Read(m_Scratch.data(), sourceBytes);
    uint32_t used = 0;
    uint32_t produced = 0;
    if (!m_pConverter->Convert(m_Scratch.data(), sourceBytes, destination, bytes, flags, used, produced))
        return 0;
    if (used < sourceBytes)
        m_pFile->SeekRelative(-static_cast<int32_t>(sourceBytes - used));
    m_Consumed += used;
    m_Produced += produced;

    // Data short of the promised size ends in silence.
    if (m_Consumed == m_SourceBytes && produced < bytes)
    {
        const uint32_t zeros = std::min(m_TotalBytes - m_Produced, bytes - produced);
        std::memset(destination + produced, 0, zeros);
        produced += zeros;
        m_Produced += zeros;
    }
    return produced;
}

uint32_t CWaveReader::Tell()
{
    if (m_pConverter)
        return m_Produced;
    const int32_t position = m_pFile->Tell();
    if (position < static_cast<int32_t>(m_DataStart))
        return 0;
    return std::min(static_cast<uint32_t>(position) - m_DataStart, m_SourceBytes);
}

void CWaveReader::Seek(uint32_t position)
{
    position = std::min(position, m_TotalBytes);
    position -= position % m_Format.blockAlign;
    if (!m_pConverter)
    {
        m_pFile->Seek(m_DataStart + position);
        return;
    }
    m_pFile->Seek(m_DataStart);
    m_Produced = 0;
    m_Consumed = 0;
    uint8_t skipped[4096];
    while (m_Produced < position)
    {
        if (ReadConverted(skipped, std::min<uint32_t>(sizeof(skipped), position - m_Produced)) == 0)
            break;
    }
}
