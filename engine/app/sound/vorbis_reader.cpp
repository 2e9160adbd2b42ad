#include "engine/app/sound/vorbis_reader.h"

#include <cstdio>

#include <vorbis/vorbisfile.h>

#include "engine/app/sound/sound_block_pool.h"
#include "engine/core/files/file.h"

namespace {

// Holes and broken links in a row after which a read gives up: a stream
// damaged that badly would otherwise be read for ever.
constexpr int kMostSkipsInARow = 32;

size_t ReadCallback(void* buffer, size_t size, size_t count, void* source)
{
    if (size == 0)
        return 0;
    const uint64_t wanted = static_cast<uint64_t>(size) * count;
    const uint32_t bytes = wanted > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(wanted);
    return static_cast<CFile*>(source)->Read(buffer, bytes) / size;
}

// Answers -1 when the file refuses the position, so the decoder never
// believes it stands where it does not.
int SeekCallback(void* source, ogg_int64_t offset, int whence)
{
    CFile* file = static_cast<CFile*>(source);
    int64_t target = offset;
    if (whence == SEEK_CUR)
        target += file->Tell();
    else if (whence == SEEK_END)
        target = file->GetSize();
    if (target < 0 || target > UINT32_MAX)
        return -1;
    return file->Seek(static_cast<uint32_t>(target)) ? 0 : -1;
}

int CloseCallback(void* source)
{
    static_cast<CFile*>(source)->Close();
    return 1;
}

long TellCallback(void* source)
{
    return static_cast<CFile*>(source)->Tell();
}

OggVorbis_File* State(void* block)
{
    return static_cast<OggVorbis_File*>(block);
}

} // namespace

CVorbisReader::CVorbisReader()
    : m_pState(GetVorbisStatePool().Take())
    , m_Opened(false)
    , m_Reading(false)
{
}

CVorbisReader::~CVorbisReader()
{
    Clear();
    GetVorbisStatePool().Give(m_pState);
}

void CVorbisReader::Clear()
{
    if (m_Opened)
        ov_clear(State(m_pState));
    m_Opened = false;
}

bool CVorbisReader::Open(CFile* file)
{
    Clear();
    m_pFile = file;
    const ov_callbacks callbacks = {ReadCallback, SeekCallback, CloseCallback, TellCallback};
    if (ov_open_callbacks(file, State(m_pState), nullptr, 0, callbacks) != 0)
        return false;
    m_Opened = true;
    const vorbis_info* info = ov_info(State(m_pState), -1);
    const ogg_int64_t samples = ov_pcm_total(State(m_pState), -1);
    if (!info || !IsPlayableRateAndChannels(static_cast<uint32_t>(info->rate), static_cast<uint32_t>(info->channels)) ||
        info->rate < 0 || samples < 0)
        return false;
    const uint64_t total = static_cast<uint64_t>(samples) * static_cast<uint64_t>(info->channels) * 2u;
    if (total > UINT32_MAX)
        return false;
    m_TotalBytes = static_cast<uint32_t>(total);
    m_SourceBytes = file->GetSize();
    m_Format = MakePcmFormat(static_cast<uint32_t>(info->rate), static_cast<uint16_t>(info->channels), 16);
    return true;
}

uint32_t CVorbisReader::Read(void* destination, uint32_t bytes)
{
    if (m_Reading || !m_Opened)
        return 0;
    m_Reading = true;
    char* out = static_cast<char*>(destination);
    uint32_t produced = 0;
    int skipsInARow = 0;
    while (produced < bytes)
    {
        int section = 0;
        const uint32_t wanted = bytes - produced;
        const long got = ov_read(State(m_pState), out + produced, wanted > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(wanted),
                                 0, 2, 1, &section);
        if (got > 0)
        {
            produced += static_cast<uint32_t>(got);
            skipsInARow = 0;
        }
        else if ((got == OV_HOLE || got == OV_EBADLINK) && ++skipsInARow < kMostSkipsInARow)
            continue;
        else
            break;
    }
    m_Reading = false;
    return produced;
}

uint32_t CVorbisReader::Tell()
{
    if (!m_Opened || m_Format.avgBytesPerSec == 0)
        return 0;
    const double position = ov_time_tell(State(m_pState)) * m_Format.avgBytesPerSec;
    if (!(position > 0))
        return 0;
    const uint64_t bytes = position >= UINT32_MAX ? UINT32_MAX : static_cast<uint64_t>(position + 0.5);
    return static_cast<uint32_t>(bytes - bytes % m_Format.blockAlign);
}

void CVorbisReader::Seek(uint32_t position)
{
    if (!m_Opened || m_Format.avgBytesPerSec == 0)
        return;
    ov_time_seek(State(m_pState), static_cast<double>(position) / m_Format.avgBytesPerSec);
}
