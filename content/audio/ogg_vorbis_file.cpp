#include "content/audio/ogg_vorbis_file.h"

#include <algorithm>

#include <vorbis/vorbisenc.h>

namespace {

constexpr int kSerialNumber = 0x5641;
constexpr float kQuality = 0.4f;
constexpr size_t kBlockFrames = 4096;

void AppendPage(std::vector<uint8_t>& out, const ogg_page& page)
{
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

// The encoder's state for one mono stream, released in reverse order.
class CVorbisEncoder
{
public:
    explicit CVorbisEncoder(uint32_t sampleRate)
    {
        vorbis_info_init(&m_Info);
        vorbis_encode_init_vbr(&m_Info, 1, static_cast<long>(sampleRate), kQuality);
        vorbis_comment_init(&m_Comment);
        vorbis_analysis_init(&m_Dsp, &m_Info);
        vorbis_block_init(&m_Dsp, &m_Block);
        ogg_stream_init(&m_Stream, kSerialNumber);
    }

    ~CVorbisEncoder()
    {
        ogg_stream_clear(&m_Stream);
        vorbis_block_clear(&m_Block);
        vorbis_dsp_clear(&m_Dsp);
        vorbis_comment_clear(&m_Comment);
        vorbis_info_clear(&m_Info);
    }

    // The three header packets, each flushed to pages of their own as the
    // format asks.
    void WriteHeaders(std::vector<uint8_t>& out)
    {
        ogg_packet identification;
        ogg_packet comment;
        ogg_packet codebooks;
        vorbis_analysis_headerout(&m_Dsp, &m_Comment, &identification, &comment, &codebooks);
        ogg_stream_packetin(&m_Stream, &identification);
        ogg_stream_packetin(&m_Stream, &comment);
        ogg_stream_packetin(&m_Stream, &codebooks);
        Flush(out);
    }

    // No samples ends the stream.
    void Encode(const int16_t* samples, size_t frames, std::vector<uint8_t>& out)
    {
        if (frames > 0)
        {
            float** buffer = vorbis_analysis_buffer(&m_Dsp, static_cast<int>(frames));
            for (size_t i = 0; i < frames; i++)
                buffer[0][i] = samples[i] / 32768.0f;
        }
        vorbis_analysis_wrote(&m_Dsp, static_cast<int>(frames));
        while (vorbis_analysis_blockout(&m_Dsp, &m_Block) == 1)
        {
            vorbis_analysis(&m_Block, nullptr);
            vorbis_bitrate_addblock(&m_Block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&m_Dsp, &packet) == 1)
            {
                ogg_stream_packetin(&m_Stream, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&m_Stream, &page) != 0)
                    AppendPage(out, page);
            }
        }
    }

    void Flush(std::vector<uint8_t>& out)
    {
        ogg_page page;
        while (ogg_stream_flush(&m_Stream, &page) != 0)
            AppendPage(out, page);
    }

private:
    vorbis_info m_Info;
    vorbis_comment m_Comment;
    vorbis_dsp_state m_Dsp;
    vorbis_block m_Block;
    ogg_stream_state m_Stream;
};

} // namespace

std::vector<uint8_t> MakeOggVorbisFile(const std::vector<int16_t>& samples, uint32_t sampleRate)
{
    std::vector<uint8_t> out;
    CVorbisEncoder encoder(sampleRate);
    encoder.WriteHeaders(out);
    for (size_t done = 0; done < samples.size(); done += kBlockFrames)
        encoder.Encode(samples.data() + done, std::min(kBlockFrames, samples.size() - done), out);
    encoder.Encode(nullptr, 0, out);
    encoder.Flush(out);
    return out;
}
