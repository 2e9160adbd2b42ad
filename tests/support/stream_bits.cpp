#include "tests/support/stream_bits.h"

#include "engine/object/recorded_calls/message_stream.h"

std::vector<uint8_t> StreamBytes(const CMessageStream& stream)
{
    return std::vector<uint8_t>(stream.GetBuffer(), stream.GetBuffer() + stream.GetLength());
}

std::string BitsBeforeEndMark(const CMessageStream& stream, uint32_t start)
{
    std::string bits;
    for (uint32_t i = start; i < stream.GetLength() * 8; i++)
        bits += (stream.GetBuffer()[i / 8] >> (i % 8)) & 1 ? '1' : '0';
    const size_t mark = bits.rfind('1');
    return mark == std::string::npos ? "no end mark" : bits.substr(0, mark);
}
