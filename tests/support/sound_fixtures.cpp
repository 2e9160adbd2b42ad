#include "tests/support/sound_fixtures.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <algorithm>

#include <vorbis/vorbisenc.h>

namespace {

void Append32(std::string& out, uint32_t value)
{
    for (int i = 0; i < 4; i++)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void Append16(std::string& out, uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void AppendPage(std::string& out, const ogg_page& page)
{
    out.append(reinterpret_cast<const char*>(page.header), static_cast<size_t>(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), static_cast<size_t>(page.body_len));
}

} // namespace

std::string BuildWave(const std::vector<TestRiffChunk>& chunks, int64_t riffSize, bool padChunks)
{
    std::string body = "WAVE";
    for (const TestRiffChunk& chunk : chunks)
    {
        body += chunk.id;
        Append32(body, static_cast<uint32_t>(chunk.body.size()));
        body += chunk.body;
        if (padChunks && (chunk.body.size() & 1))
            body.push_back('\0');
    }
    std::string out = "RIFF";
    Append32(out, riffSize >= 0 ? static_cast<uint32_t>(riffSize) : static_cast<uint32_t>(body.size()));
    return out + body;
}

std::string FormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, int32_t blockAlign)
{
    const uint16_t align = blockAlign >= 0 ? static_cast<uint16_t>(blockAlign) : static_cast<uint16_t>(channels * bits / 8);
    std::string out;
    Append16(out, tag);
    Append16(out, channels);
    Append32(out, rate);
    Append32(out, rate * align);
    Append16(out, align);
    Append16(out, bits);
    return out;
}

std::string Samples16(const std::vector<int16_t>& samples)
{
    std::string out;
    for (int16_t sample : samples)
        Append16(out, static_cast<uint16_t>(sample));
    return out;
}

std::string PcmWave(uint16_t channels, uint32_t rate, uint16_t bits, const std::string& data)
{
    return BuildWave({{"fmt ", FormatBody(1, channels, rate, bits)}, {"data", data}});
}

std::vector<int16_t> SineSamples(uint32_t frames, uint16_t channels, uint32_t period)
{
    std::vector<int16_t> samples;
    samples.reserve(static_cast<size_t>(frames) * channels);
    for (uint32_t i = 0; i < frames; i++)
    {
        for (uint16_t c = 0; c < channels; c++)
        {
            const double phase = 2.0 * M_PI * (static_cast<double>(i) / period + 0.5 * c);
            samples.push_back(static_cast<int16_t>(std::lround(12000.0 * std::sin(phase))));
        }
    }
    return samples;
}

std::string EncodeOggVorbis(const std::vector<int16_t>& samples, uint16_t channels, uint32_t rate)
{
    vorbis_info info;
    vorbis_info_init(&info);
    vorbis_encode_init_vbr(&info, channels, static_cast<long>(rate), 0.4f);
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    std::string out;
    ogg_packet header;
    ogg_packet commentHeader;
    ogg_packet codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0)
        AppendPage(out, page);

    auto drain = [&]() {
        while (vorbis_analysis_blockout(&dsp, &block) == 1)
        {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1)
            {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0)
                    AppendPage(out, page);
            }
        }
    };
    const size_t frames = samples.size() / channels;
    const size_t chunk = 4096;
    for (size_t done = 0; done < frames; done += chunk)
    {
        const size_t now = std::min(chunk, frames - done);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(now));
        for (size_t i = 0; i < now; i++)
            for (uint16_t c = 0; c < channels; c++)
                buffer[c][i] = samples[(done + i) * channels + c] / 32768.0f;
        vorbis_analysis_wrote(&dsp, static_cast<int>(now));
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0);
    drain();
    while (ogg_stream_flush(&stream, &page) != 0)
        AppendPage(out, page);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}
