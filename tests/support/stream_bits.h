#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CMessageStream;

// The bytes written so far.
std::vector<uint8_t> StreamBytes(const CMessageStream& stream);

// The bits written from bit position start on, in stream order, as '0' and
// '1'. The caller writes a single 1 bit last as an end mark: it shows how
// many bits came before it, which the bytes alone cannot tell.
std::string BitsBeforeEndMark(const CMessageStream& stream, uint32_t start = 0);
